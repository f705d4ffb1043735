#include "ai/ChooseMove.h"
#include "testkit/Logs.h"
#include "testkit/PositionGenerator.h"

#include <gtest/gtest.h>

#include <vector>

namespace pentavo {
namespace {

struct Position {
    Board board;
    bool computerFirst;
};

// One side's marks everywhere but every `emptyEvery`th cell: few enough empty cells for the
// reader of few cells.
Board Lopsided(std::int16_t mark, int emptyEvery) {
    Board board;
    for (int k = 0; k < CellCount; ++k)
        board(k / BoardSize, k % BoardSize) = k % emptyEvery == 0 ? Empty : mark;
    return board;
}

std::vector<Position> SamplePositions(int pairs = 60) {
    PositionGenerator generator(20240611);
    std::vector<Position> positions;
    for (int i = 0; i < pairs; ++i) {
        const bool computerFirst = i % 2 == 0;
        positions.push_back({generator.Scattered(generator.Below(CellCount)), computerFirst});
        positions.push_back(
            {generator.Played(generator.Below(100), computerFirst, ChooseMove), computerFirst});
    }
    positions.push_back({Lopsided(Cross, 19), false}); // 213 crosses, 12 empty cells
    positions.push_back({Lopsided(Circle, 57), true}); // 221 circles, 4 empty cells
    return positions;
}

Board Exchanged(const Board& board) {
    Board exchanged = board;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (board(col, row) != Empty)
                exchanged(col, row) = board(col, row) == Cross ? Circle : Cross;
    return exchanged;
}

TEST(ChooseMoveProperties, TakesTheFirstEmptyCellWithTheHighestScore) {
    for (const auto& [board, computerFirst] : SamplePositions()) {
        std::int32_t best = 0;
        int bestCol = -1;
        int bestRow = -1;
        for (int col = 0; col < BoardSize; ++col)
            for (int row = 0; row < BoardSize; ++row)
                if (board(col, row) == Empty) {
                    const std::int32_t score = CellScore(board, computerFirst, col, row);
                    ASSERT_GE(score, 1111);
                    ASSERT_LE(score, 32219);
                    if (score > best) {
                        best = score;
                        bestCol = col;
                        bestRow = row;
                    }
                }
        std::int16_t col = -1;
        std::int16_t row = -1;
        ChooseMove(board, computerFirst, col, row);
        ASSERT_EQ(board(col, row), Empty);
        EXPECT_EQ(col, bestCol);
        EXPECT_EQ(row, bestRow);
    }
}

TEST(ChooseMoveProperties, SeesTheBoardFromTheComputersSide) {
    for (const auto& [board, computerFirst] : SamplePositions()) {
        std::int16_t col = -1;
        std::int16_t row = -1;
        ChooseMove(board, computerFirst, col, row);
        std::int16_t exchangedCol = -1;
        std::int16_t exchangedRow = -1;
        ChooseMove(Exchanged(board), !computerFirst, exchangedCol, exchangedRow);
        EXPECT_EQ(col, exchangedCol);
        EXPECT_EQ(row, exchangedRow);
    }
}

TEST(ChooseMoveProperties, ValuesOnEntryAreNotRead) {
    const std::vector<Position> positions = SamplePositions(10);
    for (const std::int16_t junk : {std::int16_t{-1}, std::int16_t{0}, std::int16_t{14},
                                    std::int16_t{-32768}, std::int16_t{32767}}) {
        for (const auto& [board, computerFirst] : positions) {
            std::int16_t col = 3;
            std::int16_t row = 4;
            ChooseMove(board, computerFirst, col, row);
            std::int16_t junkCol = junk;
            std::int16_t junkRow = junk;
            ChooseMove(board, computerFirst, junkCol, junkRow);
            EXPECT_EQ(junkCol, col);
            EXPECT_EQ(junkRow, row);
        }
    }
}

TEST(ChooseMoveProperties, FullBoardNamesTheFirstCell) {
    const Board board = NoFiveBoard({});
    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(board, false, col, row);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 0);
}

TEST(CellScore, ZeroForCellsThatAreNoCandidates) {
    Board board{};
    board(7, 7) = Cross;
    for (const bool computerFirst : {true, false}) {
        EXPECT_EQ(CellScore(board, computerFirst, 7, 7), 0);
        EXPECT_EQ(CellScore(board, computerFirst, -1, 0), 0);
        EXPECT_EQ(CellScore(board, computerFirst, 0, 15), 0);
    }
}

} // namespace
} // namespace pentavo
