#include "ai/ChooseMove.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace pentavo {
namespace {

using Cells = std::initializer_list<std::pair<int, int>>;

void Put(Board& board, Cells cells, std::int16_t mark) {
    for (const auto& [col, row] : cells)
        board(col, row) = mark;
}

struct Reply {
    std::int16_t col;
    std::int16_t row;
    std::int32_t score;
};

Reply Choose(const Board& board, bool computerFirst) {
    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(board, computerFirst, col, row);
    return {col, row, CellScore(board, computerFirst, col, row)};
}

void ExpectReply(const Board& board, bool computerFirst, int col, int row, std::int32_t score) {
    const Reply reply = Choose(board, computerFirst);
    EXPECT_EQ(reply.col, col);
    EXPECT_EQ(reply.row, row);
    EXPECT_EQ(reply.score, score);
}

TEST(ChooseMoveExamples, EmptyBoardEitherSide) {
    const Board board{};
    ExpectReply(board, true, 1, 5, 2222);
    ExpectReply(board, false, 1, 5, 2222);
}

TEST(ChooseMoveExamples, SingleCentreMark) {
    Board board{};
    board(7, 7) = Cross;
    ExpectReply(board, true, 6, 6, 7222);
}

TEST(ChooseMoveExamples, EqualScoresGoToLowerColumnThenLowerRow) {
    Board board{};
    board(7, 7) = Cross;
    // Every neighbour of the single mark scores alike.
    for (const auto& [col, row] : Cells{{6, 7}, {6, 8}, {7, 6}, {8, 6}, {8, 8}})
        EXPECT_EQ(CellScore(board, true, col, row), 7222);
    ExpectReply(board, true, 6, 6, 7222);
}

TEST(ChooseMoveExamples, PersonFirstOpening) {
    Board board{};
    board(7, 7) = Cross;
    board(6, 6) = Circle;
    ExpectReply(board, false, 6, 7, 7622);
}

TEST(ChooseMoveExamples, CompletesFiveInRow) {
    Board board{};
    Put(board, {{3, 7}, {4, 7}, {5, 7}, {6, 7}}, Cross);
    ExpectReply(board, true, 2, 7, 29222);
}

TEST(ChooseMoveExamples, CompletesFiveInColumn) {
    Board board{};
    Put(board, {{7, 3}, {7, 4}, {7, 5}, {7, 6}}, Cross);
    ExpectReply(board, true, 7, 2, 29222);
}

TEST(ChooseMoveExamples, BlocksFourRatherThanLengthenThree) {
    Board board{};
    Put(board, {{5, 3}, {6, 3}, {7, 3}, {8, 3}}, Circle);
    Put(board, {{5, 10}, {6, 10}, {7, 10}}, Cross);
    ExpectReply(board, true, 4, 3, 28222);
}

TEST(ChooseMoveExamples, BlockCanOutrankClosedFive) {
    Board board{};
    Put(board, {{9, 7}, {10, 7}, {11, 7}, {12, 7}}, Cross);
    Put(board, {{8, 7}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}, Circle);
    ExpectReply(board, true, 8, 5, 28652);
    EXPECT_EQ(CellScore(board, true, 13, 7), 28222);
}

} // namespace
} // namespace pentavo
