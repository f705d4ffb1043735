#include "engine/FindFive.h"

#include "engine/tests/GameFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pentavo {
namespace {

struct FindFiveCase {
    std::string name;
    std::vector<CellPos> crosses;
    std::vector<CellPos> circles;
    std::int16_t expected;
};

std::vector<CellPos> Join(std::vector<CellPos> a, const std::vector<CellPos>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FindFiveTable : public testing::TestWithParam<FindFiveCase> {};

TEST_P(FindFiveTable, ReportsTheMarkOfTheFirstLineFound) {
    const FindFiveCase& c = GetParam();
    EXPECT_EQ(FindFive(BoardWith(c.crosses, c.circles)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindFiveTable,
    testing::Values(
        FindFiveCase{"EmptyBoard", {}, {}, 0},
        FindFiveCase{"FourBetweenTwoCircles", CellsFrom({5, 3}, 1, 0, 4), {{4, 3}, {9, 3}}, 0},
        FindFiveCase{"ColumnAtBottomEdge", CellsFrom({3, 10}, 0, 1, 5), {}, 1},
        FindFiveCase{"SixCirclesInARow", {}, CellsFrom({2, 5}, 1, 0, 6), 2},
        FindFiveCase{"FourGapOne", Join(CellsFrom({0, 2}, 1, 0, 4), {{5, 2}}), {}, 0},
        FindFiveCase{"ColumnBeatsRow", CellsFrom({0, 0}, 1, 0, 5), CellsFrom({14, 5}, 0, 1, 5), 2},
        FindFiveCase{"RowBeatsDiagonal", CellsFrom({0, 0}, 1, 1, 5), CellsFrom({10, 14}, 1, 0, 5),
                     2},
        FindFiveCase{"LowerColumnFirst", CellsFrom({3, 0}, 0, 1, 5), CellsFrom({2, 9}, 0, 1, 5), 2},
        FindFiveCase{"EarlierRunInColumn", CellsFrom({0, 0}, 0, 1, 5), CellsFrom({0, 6}, 0, 1, 5),
                     1},
        FindFiveCase{"EarlierRunInColumnCircles", CellsFrom({0, 6}, 0, 1, 5),
                     CellsFrom({0, 0}, 0, 1, 5), 2},
        FindFiveCase{"RisingFromTopEdge", {}, CellsFrom({4, 0}, -1, 1, 5), 2},
        FindFiveCase{"RisingFromRightEdge", CellsFrom({14, 10}, -1, 1, 5), {}, 1},
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
        const bool anyFive = HasFive(board, Cross) || HasFive(board, Circle);
        ASSERT_EQ(found != 0, anyFive) << "trial " << trial;
        if (found != 0) {
            ASSERT_TRUE(HasFive(board, found)) << "trial " << trial;
            ++withFive;
        }
    }
    EXPECT_GT(withFive, 300); // the boards must exercise both outcomes
    EXPECT_LT(withFive, 2700);
}

} // namespace
} // namespace pentavo
