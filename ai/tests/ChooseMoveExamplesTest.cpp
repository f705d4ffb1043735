#include "ai/ChooseMove.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace pentavo {
namespace {

using Cells = std::vector<std::pair<int, int>>;

struct ScoredCell {
    int col;
    int row;
    std::int32_t score;
};

struct ExampleCase {
    std::string name;
    Cells crosses;
    Cells circles;
    bool computerFirst;
    ScoredCell reply;
    // Other cells whose scores explain why the reply was chosen over them.
    std::vector<ScoredCell> others;
};

class ChooseMoveExamples : public testing::TestWithParam<ExampleCase> {};

TEST_P(ChooseMoveExamples, RepliesWithTheWorkedCellAndScore) {
    const ExampleCase& c = GetParam();
    Board board{};
    for (const auto& [col, row] : c.crosses)
        board(col, row) = Cross;
    for (const auto& [col, row] : c.circles)
        board(col, row) = Circle;

    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(board, c.computerFirst, col, row);
    EXPECT_EQ(col, c.reply.col);
    EXPECT_EQ(row, c.reply.row);
    EXPECT_EQ(CellScore(board, c.computerFirst, col, row), c.reply.score);
    for (const ScoredCell& other : c.others)
        EXPECT_EQ(CellScore(board, c.computerFirst, other.col, other.row), other.score)
            << other.col << "," << other.row;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ChooseMoveExamples,
    testing::Values(
        ExampleCase{"EmptyBoardComputerFirst", {}, {}, true, {1, 5, 2222}, {}},
        ExampleCase{"EmptyBoardPersonFirst", {}, {}, false, {1, 5, 2222}, {}},
        // Every neighbour of the single mark scores alike: the lower column, then the lower row.
        ExampleCase{"SingleCentreMarkTieGoesToLowerColumnThenRow",
                    {{7, 7}},
                    {},
                    true,
                    {6, 6, 7222},
                    {{6, 7, 7222}, {6, 8, 7222}, {7, 6, 7222}, {8, 6, 7222}, {8, 8, 7222}}},
        ExampleCase{"PersonFirstOpening", {{7, 7}}, {{6, 6}}, false, {6, 7, 7622}, {}},
        ExampleCase{"CompletesFiveInRow",
                    {{3, 7}, {4, 7}, {5, 7}, {6, 7}},
                    {},
                    true,
                    {2, 7, 29222},
                    {{7, 7, 29222}}},
        ExampleCase{"CompletesFiveInColumn",
                    {{7, 3}, {7, 4}, {7, 5}, {7, 6}},
                    {},
                    true,
                    {7, 2, 29222},
                    {{7, 7, 29222}}},
        ExampleCase{"BlocksFourRatherThanLengthenThree",
                    {{5, 10}, {6, 10}, {7, 10}},
                    {{5, 3}, {6, 3}, {7, 3}, {8, 3}},
                    true,
                    {4, 3, 28222},
                    {}},
        // The five's window has a person's mark as an end neighbour and scores no more than the
        // block; the other directions decide.
        ExampleCase{"BlockCanOutrankClosedFive",
                    {{9, 7}, {10, 7}, {11, 7}, {12, 7}},
                    {{8, 7}, {4, 5}, {5, 5}, {6, 5}, {7, 5}},
                    true,
                    {8, 5, 28652},
                    {{13, 7, 28222}}}),
    [](const testing::TestParamInfo<ExampleCase>& param) { return param.param.name; });

} // namespace
} // namespace pentavo
