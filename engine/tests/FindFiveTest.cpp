#include "engine/FindFive.h"
#include "engine/FiveLine.h"

#include "engine/tests/GameFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace pentavo {
namespace {

struct FindFiveCase {
    std::string name;
    CellList crosses;
    CellList circles;
    std::int16_t expected;
    std::optional<FiveLine> line = std::nullopt; // whole, from the end the walk meets first
};

CellList Join(CellList a, const CellList& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FindFiveTable : public testing::TestWithParam<FindFiveCase> {};

TEST_P(FindFiveTable, ReportsTheMarkOfTheFirstLineFound) {
    const FindFiveCase& c = GetParam();
    const Board board = BoardWith(c.crosses, c.circles);
    EXPECT_EQ(FindFive(board), c.expected);
    const std::optional<FiveLine> line = FindFiveLine(board);
    EXPECT_EQ(line ? line->mark : Empty, c.expected);
    if (c.line) {
        EXPECT_EQ(line, c.line);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindFiveTable,
    testing::Values(
        FindFiveCase{"EmptyBoard", {}, {}, 0},
        FindFiveCase{"FourBetweenTwoCircles", CellsFrom({5, 3}, 1, 0, 4), {{4, 3}, {9, 3}}, 0},
        FindFiveCase{"ColumnAtBottomEdge",
                     CellsFrom({3, 10}, 0, 1, 5),
                     {},
                     1,
                     FiveLine{{3, 10}, {3, 14}, Cross}},
        FindFiveCase{"SixCirclesInARow",
                     {},
                     CellsFrom({2, 5}, 1, 0, 6),
                     2,
                     FiveLine{{2, 5}, {7, 5}, Circle}},
        FindFiveCase{"FourGapOne", Join(CellsFrom({0, 2}, 1, 0, 4), {{5, 2}}), {}, 0},
        FindFiveCase{"ColumnBeatsRow", CellsFrom({0, 0}, 1, 0, 5), CellsFrom({14, 5}, 0, 1, 5), 2,
                     FiveLine{{14, 5}, {14, 9}, Circle}},
        FindFiveCase{"RowBeatsDiagonal", CellsFrom({0, 0}, 1, 1, 5), CellsFrom({10, 14}, 1, 0, 5),
                     2},
        FindFiveCase{"LowerColumnFirst", CellsFrom({3, 0}, 0, 1, 5), CellsFrom({2, 9}, 0, 1, 5), 2},
        FindFiveCase{"EarlierRunInColumn", CellsFrom({0, 0}, 0, 1, 5), CellsFrom({0, 6}, 0, 1, 5),
                     1, FiveLine{{0, 0}, {0, 4}, Cross}},
        FindFiveCase{"EarlierRunInColumnCircles", CellsFrom({0, 6}, 0, 1, 5),
                     CellsFrom({0, 0}, 0, 1, 5), 2},
        FindFiveCase{"RisingFromTopEdge",
                     {},
                     CellsFrom({4, 0}, -1, 1, 5),
                     2,
                     FiveLine{{4, 0}, {0, 4}, Circle}},
        FindFiveCase{"RisingFromRightEdge",
                     CellsFrom({14, 10}, -1, 1, 5),
                     {},
                     1,
                     FiveLine{{14, 10}, {10, 14}, Cross}},
        FindFiveCase{"SevenOnTheMainDiagonal",
                     CellsFrom({3, 3}, 1, 1, 7),
                     {},
                     1,
                     FiveLine{{3, 3}, {9, 9}, Cross}},
        FindFiveCase{"MainDiagonal", CellsFrom({0, 0}, 1, 1, 5), {}, 1},
        FindFiveCase{"LeftEdgeDiagonalBeatsTopEdge", CellsFrom({1, 0}, 1, 1, 5),
                     CellsFrom({0, 1}, 1, 1, 5), 2},
        FindFiveCase{"FallingBeatsRising", CellsFrom({14, 3}, -1, 1, 5), CellsFrom({5, 0}, 1, 1, 5),
                     2},
        FindFiveCase{"RightEdgeBeatsTopEdge", CellsFrom({6, 0}, -1, 1, 5),
                     CellsFrom({14, 9}, -1, 1, 5), 2}),
    CaseName());

TEST(FindFive, FullBoardWithoutFiveYieldsZero) {
    EXPECT_EQ(FindFive(NoFiveBoard({})), 0);
}

// One pass: line s starts at (colBase + colPerLine * s, rowBase + rowPerLine * s) and is walked
// in steps of (colStep, rowStep) until it leaves the board.
struct LinePass {
    int colBase;
    int colPerLine;
    int rowBase;
    int rowPerLine;
    int colStep;
    int rowStep;
};

// The order decides which mark is reported when both have a five.
constexpr std::array<LinePass, 6> Passes{{
    {0, 1, 0, 0, 0, 1},              // columns, top to bottom
    {0, 0, 0, 1, 1, 0},              // rows, left to right
    {0, 0, 0, 1, 1, 1},              // falling diagonals from the left edge
    {0, 1, 0, 0, 1, 1},              // falling diagonals from the top edge
    {BoardSize - 1, 0, 0, 1, -1, 1}, // rising diagonals from the right edge
    {0, 1, 0, 0, -1, 1},             // rising diagonals from the top edge
}};

constexpr std::int16_t WinningRun = 5;

std::int16_t FindFiveOnLine(const Board& board, int col, int row, int colStep, int rowStep) {
    std::int16_t crosses = 0;
    std::int16_t circles = 0;
    for (; OnBoard(col, row); col += colStep, row += rowStep) {
        const std::int16_t cell = board(col, row);
        if (cell == Cross) {
            ++crosses;
            circles = 0;
            if (crosses == WinningRun)
                return Cross;
        } else if (cell == Circle) {
            ++circles;
            crosses = 0;
            if (circles == WinningRun)
                return Circle;
        } else {
            crosses = 0;
            circles = 0;
        }
    }
    return Empty;
}

// The lines walked one cell at a time in the order that decides between two fives: the plain
// reading the bit search must agree with.
std::int16_t WalkedFindFive(const Board& board) {
    for (const LinePass& pass : Passes) {
        for (int s = 0; s < BoardSize; ++s) {
            const std::int16_t found =
                FindFiveOnLine(board, pass.colBase + pass.colPerLine * s,
                               pass.rowBase + pass.rowPerLine * s, pass.colStep, pass.rowStep);
            if (found != Empty)
                return found;
        }
    }
    return Empty;
}

// The line's cells, from first to last in one direction, all hold its mark, and no cell of that
// mark lies just beyond either end.
bool IsWholeRun(const Board& board, const FiveLine& line) {
    const int dcol = (line.last.col > line.first.col) - (line.last.col < line.first.col);
    const int drow = (line.last.row > line.first.row) - (line.last.row < line.first.row);
    const int length = std::max(std::abs(line.last.col - line.first.col),
                                std::abs(line.last.row - line.first.row)) +
                       1;
    if (length < 5 || line.first.Step(dcol, drow, length - 1) != line.last)
        return false;
    const auto holds = [&](const Cell& cell) {
        return cell.IsOnBoard() && board(cell.col, cell.row) == line.mark;
    };
    for (int k = 0; k < length; ++k)
        if (!holds(line.first.Step(dcol, drow, k)))
            return false;
    return !holds(line.first.Step(dcol, drow, -1)) && !holds(line.last.Step(dcol, drow));
}

// A plain look at every five-cell stretch in all four directions.
bool HasFive(const Board& board, std::int16_t mark) {
    constexpr int Directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    for (int col = 0; col < BoardSize; ++col) {
        for (int row = 0; row < BoardSize; ++row) {
            // cppcheck-suppress constVariable ; `d` is already a reference to a const array
            for (const auto& d : Directions) {
                int k = 0;
                while (k < 5 && OnBoard(col + k * d[0], row + k * d[1]) &&
                       board(col + k * d[0], row + k * d[1]) == mark)
                    ++k;
                if (k == 5)
                    return true;
            }
        }
    }
    return false;
}

TEST(FindFive, AgreesWithAPlainSearchOnRandomBoards) {
    std::mt19937 rng(20240611u);
    int withFive = 0;
    int bothFive = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Board board;
        const auto density = 20 + rng() % 60; // percent of cells taken
        for (int col = 0; col < BoardSize; ++col) {
            for (int row = 0; row < BoardSize; ++row) {
                if (rng() % 100 < density)
                    board(col, row) = static_cast<std::int16_t>(1 + rng() % 2);
            }
        }
        const std::int16_t found = FindFive(board);
        ASSERT_EQ(found, WalkedFindFive(board)) << "trial " << trial;
        const std::optional<FiveLine> line = FindFiveLine(board);
        ASSERT_EQ(line ? line->mark : Empty, found) << "trial " << trial;
        ASSERT_TRUE(!line || IsWholeRun(board, *line)) << "trial " << trial;
        const bool crossFive = HasFive(board, Cross);
        const bool circleFive = HasFive(board, Circle);
        ASSERT_EQ(found != 0, crossFive || circleFive) << "trial " << trial;
        bothFive += crossFive && circleFive ? 1 : 0;
        if (found != 0) {
            ASSERT_TRUE(HasFive(board, found)) << "trial " << trial;
            ++withFive;
        }
    }
    EXPECT_GT(withFive, 300); // the boards must exercise both outcomes
    EXPECT_LT(withFive, 2700);
    EXPECT_GT(bothFive, 100); // and the order that decides between two fives
}

} // namespace
} // namespace pentavo
