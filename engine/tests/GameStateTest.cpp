#include "engine/tests/GameFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace pentavo {
namespace {

using GameOperations = GameFixture;

std::vector<ViewCall> GridThen(std::initializer_list<ViewCall> marks) {
    std::vector<ViewCall> calls = FullGridDrawing();
    calls.insert(calls.end(), marks);
    return calls;
}

TEST_F(GameOperations, NewGameComputerFirstPlacesOneCross) {
    game.NewGame();
    EXPECT_EQ(view.calls, GridThen({ViewCall::Mark(7, 7, Cross)}));
    EXPECT_EQ(State().MoveCount, 1);
    EXPECT_EQ(State().MoveLog, LogOf({120}));
    EXPECT_EQ(State().Board, BoardWith({{7, 7}}, {}));
}

TEST_F(GameOperations, NewGamePersonFirstPlacesCrossAndCircle) {
    options.ComputerFirst = false;
    game.NewGame();
    EXPECT_EQ(view.calls, GridThen({ViewCall::Mark(7, 7, Cross), ViewCall::Mark(6, 6, Circle)}));
    EXPECT_EQ(State().MoveCount, 2);
    EXPECT_EQ(State().MoveLog, LogOf({120, 103}));
    EXPECT_EQ(State().Board, BoardWith({{7, 7}}, {{6, 6}}));
}

TEST_F(GameOperations, PlacePlayerMovePlaysTheMarkOfTheSideToMove) {
    game.NewGame();
    view.Clear();
    game.PlacePlayerMove(0, 0);
    EXPECT_EQ(State().MoveLog[1], 1);
    EXPECT_EQ(State().Board(0, 0), Circle);
    game.PlacePlayerMove(14, 14);
    EXPECT_EQ(State().MoveLog[2], 239);
    EXPECT_EQ(State().Board(14, 14), Cross);
    EXPECT_EQ(State().MoveCount, 3);
    EXPECT_EQ(view.calls,
              (std::vector{ViewCall::Mark(0, 0, Circle), ViewCall::Mark(14, 14, Cross)}));
}

TEST_F(GameOperations, PlacePlayerMoveRefusesATakenCellOrAFullLog) {
    game.NewGame();
    view.Clear();
    game.PlacePlayerMove(7, 7);
    EXPECT_EQ(State().MoveCount, 1);
    Open(NoFiveLog({}));
    ASSERT_EQ(State().MoveCount, 225);
    game.PlacePlayerMove(0, 0);
    EXPECT_EQ(State().MoveCount, 225);
    EXPECT_TRUE(view.calls.empty());
}

struct UndoCase {
    const char* name;
    MoveLog log;
    bool undoMoves;
    MoveLog expectedLog;
    std::vector<ViewCall> expectedDrawing;
};

class UndoTable : public GameFixture, public testing::WithParamInterface<UndoCase> {};

TEST_P(UndoTable, TakesBackTwoMovesOrNothingAndClearsGameOver) {
    const UndoCase& c = GetParam();
    Open(c.log);
    options.UndoMoves = c.undoMoves;
    game.UndoLastPair();
    EXPECT_EQ(State().MoveLog, c.expectedLog);
    EXPECT_EQ(view.calls, c.expectedDrawing);
    EXPECT_FALSE(State().GameOver);
    RecordingView otherView;
    GameOptions otherOptions;
    Game rebuilt(otherView, otherOptions);
    rebuilt.LoadLog(c.expectedLog);
    rebuilt.ReplayLog();
    EXPECT_EQ(State().Board, rebuilt.State().Board);
    EXPECT_EQ(State().MoveCount, rebuilt.State().MoveCount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UndoTable,
    testing::Values(UndoCase{"ThreeMovesBackToOne",
                             LogOf({120, 1, 239}),
                             true,
                             LogOf({120}),
                             {ViewCall::Mark(14, 14, Empty), ViewCall::Mark(0, 0, Empty)}},
                    UndoCase{
                        "TwoMovesKeepTheOpening", LogOf({120, 103}), true, LogOf({120, 103}), {}},
                    UndoCase{"OneMove", LogOf({120}), true, LogOf({120}), {}},
                    UndoCase{"SwitchedOff", LogOf({120, 1, 239}), false, LogOf({120, 1, 239}), {}},
                    UndoCase{"FourMovesBackToTwo",
                             LogOf({120, 103, 1, 239}),
                             true,
                             LogOf({120, 103}),
                             {ViewCall::Mark(14, 14, Empty), ViewCall::Mark(0, 0, Empty)}}),
    CaseName());

struct ReplayCase {
    const char* name;
    MoveLog log;
    std::int16_t expectedCount;
    bool expectedComputerFirst;
    std::vector<ViewCall> expectedMarks;
};

class ReplayTable : public GameFixture, public testing::WithParamInterface<ReplayCase> {};

TEST_P(ReplayTable, RebuildsTheBoardUpToTheEndOfTheGame) {
    const ReplayCase& c = GetParam();
    options.ComputerFirst = !c.expectedComputerFirst;
    game.LoadLog(c.log);
    game.ReplayLog();
    std::vector<ViewCall> expectedDrawing = FullGridDrawing();
    expectedDrawing.insert(expectedDrawing.end(), c.expectedMarks.begin(), c.expectedMarks.end());
    EXPECT_EQ(view.calls, expectedDrawing);
    EXPECT_EQ(State().MoveCount, c.expectedCount);
    EXPECT_EQ(options.ComputerFirst, c.expectedComputerFirst);
    EXPECT_EQ(State().MoveLog, c.log); // the log itself is left as it was read
    Board expectedBoard;
    for (const ViewCall& mark : c.expectedMarks)
        expectedBoard(mark.col, mark.row) = mark.mark;
    EXPECT_EQ(State().Board, expectedBoard);
}

// Codes that name no cell, or a cell already taken, end the game like a 0.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReplayTable,
    testing::Values(
        ReplayCase{"PersonFirstOpening",
                   LogOf({120, 103}),
                   2,
                   false,
                   {ViewCall::Mark(7, 7, Cross), ViewCall::Mark(6, 6, Circle)}},
        ReplayCase{"ComputerFirstOpening", LogOf({120}), 1, true, {ViewCall::Mark(7, 7, Cross)}},
        ReplayCase{"AllZero", LogOf({}), 0, false, {}},
        ReplayCase{"EntriesAfterTheFirstZero",
                   LogOf({120, 0, 55}),
                   1,
                   true,
                   {ViewCall::Mark(7, 7, Cross)}},
        ReplayCase{"CornerCodes",
                   LogOf({1, 15, 225, 239}),
                   4,
                   false,
                   {ViewCall::Mark(0, 0, Cross), ViewCall::Mark(14, 0, Circle),
                    ViewCall::Mark(0, 14, Cross), ViewCall::Mark(14, 14, Circle)}},
        ReplayCase{"MultipleOfSixteen",
                   LogOf({120, 103, 16, 17}),
                   2,
                   false,
                   {ViewCall::Mark(7, 7, Cross), ViewCall::Mark(6, 6, Circle)}},
        ReplayCase{"PastTheLastRow", LogOf({120, 240}), 1, true, {ViewCall::Mark(7, 7, Cross)}},
        ReplayCase{"ByteMaximum", LogOf({255, 120}), 0, false, {}},
        ReplayCase{"Negative",
                   LogOf({120, 103, -1}),
                   2,
                   false,
                   {ViewCall::Mark(7, 7, Cross), ViewCall::Mark(6, 6, Circle)}},
        ReplayCase{"TakenCell",
                   LogOf({120, 103, 120, 1}),
                   2,
                   false,
                   {ViewCall::Mark(7, 7, Cross), ViewCall::Mark(6, 6, Circle)}}),
    CaseName());

TEST_F(GameOperations, ReplayOfALogWithoutZeroDrawsAllMarks) {
    const MoveLog full = NoFiveLog({});
    game.LoadLog(full);
    game.ReplayLog();
    EXPECT_EQ(State().MoveCount, 225);
    EXPECT_TRUE(options.ComputerFirst);
    ASSERT_EQ(view.calls.size(), 450u);
    for (std::size_t i = 0; i < 225; ++i) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        ASSERT_TRUE(DecodeMove(full[i], col, row));
        EXPECT_EQ(view.calls[225 + i], ViewCall::Mark(col, row, NoFiveMark(col, row)));
    }
}

} // namespace
} // namespace pentavo
