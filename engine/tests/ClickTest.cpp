#include "engine/tests/GameFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace pentavo {
namespace {

struct ClickCase {
    const char* name;
    float x;
    float y;
    std::optional<Cell> cell;
};

class ClickTable : public GameFixture, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTable, FindsTheCellUnderThePosition) {
    const ClickCase& c = GetParam();
    EXPECT_EQ(Game::CellAt(c.x, c.y), c.cell);
}

// A left click on an empty board places the person's mark exactly on the cell found.
TEST_P(ClickTable, LeftClickPlaysThatCell) {
    const ClickCase& c = GetParam();
    Open(LogOf({}));
    game.Form_MouseUp(1, 0, c.x, c.y);
    if (c.cell) {
        ASSERT_FALSE(view.calls.empty());
        EXPECT_EQ(view.calls[0], ViewCall::Mark(c.cell->col, c.cell->row, Cross));
        EXPECT_EQ(State().MoveCount, 2);
    } else {
        EXPECT_TRUE(view.calls.empty());
        EXPECT_EQ(State().MoveCount, 0);
    }
}

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Positions, ClickTable,
                         testing::Values(ClickCase{"TopLeftCell", 250, 650, Cell{0, 0}},
                                         ClickCase{"BottomRightCell", 6100, 6500, Cell{14, 14}},
                                         ClickCase{"LineLeftOfColumnOne", 600, 650, Cell{1, 0}},
                                         ClickCase{"LineRightOfColumnOne", 1000, 650, Cell{1, 0}},
                                         ClickCase{"LineBelowRowOne", 250, 1400, Cell{0, 1}},
                                         ClickCase{"LineAboveRowOne", 250, 1000, Cell{0, 1}},
                                         ClickCase{"JustInsideLeftEdge", 200.5f, 650, Cell{0, 0}},
                                         ClickCase{"LeftEdge", 200, 650, std::nullopt},
                                         ClickCase{"RightEdge", 6200, 650, std::nullopt},
                                         ClickCase{"TopEdge", 250, 600, std::nullopt},
                                         ClickCase{"BottomEdge", 250, 6600, std::nullopt},
                                         ClickCase{"LeftOfBoard", 100, 650, std::nullopt},
                                         ClickCase{"AboveBoard", 250, 100, std::nullopt},
                                         ClickCase{"Negative", -250, -650, std::nullopt},
                                         ClickCase{"Huge", 3e38f, 650, std::nullopt},
                                         ClickCase{"HugeNegative", 250, -3e38f, std::nullopt},
                                         ClickCase{"Infinite", Inf, 650, std::nullopt},
                                         ClickCase{"MinusInfinite", 250, -Inf, std::nullopt},
                                         ClickCase{"NotANumberX", NaN, 650, std::nullopt},
                                         ClickCase{"NotANumberY", 250, NaN, std::nullopt}),
                         CaseName());

using Click = GameFixture;

TEST_F(Click, OnlyTheLeftButtonPlays) {
    game.NewGame();
    view.Clear();
    for (int button : {0, 2, 3, 4, -1})
        game.Form_MouseUp(static_cast<std::int16_t>(button), 0, 250, 650);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(State().MoveCount, 1);
}

TEST_F(Click, OnATakenCellChangesNothing) {
    game.NewGame();
    view.Clear();
    const GameState before = State();
    ClickCell(7, 7);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(State().Board, before.Board);
    EXPECT_EQ(State().MoveLog, before.MoveLog);
    EXPECT_EQ(State().MoveCount, before.MoveCount);
}

} // namespace
} // namespace pentavo
