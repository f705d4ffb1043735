#include "ai/ChooseMove.h"
#include "ai/LineTables.h"
#include "ai/reference/LineScorer.h"
#include "ai/reference/ReferenceMoveChoice.h"
#include "testkit/PositionGenerator.h"

#include <gtest/gtest.h>

#include <string>

namespace pentavo {
namespace {

// Every one of the 4^10 lines, off-board cells anywhere included: the two window tables
// together give what the plain window-by-window scorer gives.
TEST(MatchesReference, EveryLineScoresAsThePlainScorer) {
    LineScorer plain;
    LineCellValues cells{};
    for (std::uint32_t code = 0; code < (1u << (2 * LineLength)); ++code) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = static_cast<std::int16_t>((code >> (2 * i)) & 3u);
        const std::uint32_t expected = static_cast<std::uint32_t>(plain.DirScore(cells));
        const std::uint32_t fast = DirScore(PackLineCells(cells));
        if (fast != expected)
            FAIL() << "line code " << code << ": " << fast << " instead of " << expected;
    }
}

// Marks only within two cells of the board's edge, where the off-board frame is read most.
Board AlongTheEdges(PositionGenerator& generator, int marks) {
    Board board{};
    for (int i = 0; i < marks; ++i) {
        const int col = generator.Below(BoardSize);
        const int row = generator.Below(BoardSize);
        const bool nearEdge = col < 2 || row < 2 || col > BoardSize - 3 || row > BoardSize - 3;
        if (nearEdge && board(col, row) == Empty)
            board(col, row) = i % 2 == 0 ? Cross : Circle;
    }
    return board;
}

// The crosses and circles exchanged.
Board Swapped(const Board& board) {
    Board swapped = board;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (board(col, row) != Empty)
                swapped(col, row) = static_cast<std::int16_t>(Cross + Circle - board(col, row));
    return swapped;
}

void ExpectSameAsReference(const Board& board, const std::string& what) {
    for (const bool computerFirst : {true, false}) {
        SCOPED_TRACE(what + (computerFirst ? ", computer first" : ", person first"));
        std::int16_t col = -1;
        std::int16_t row = -1;
        ChooseMove(board, computerFirst, col, row);
        std::int16_t expectedCol = -1;
        std::int16_t expectedRow = -1;
        ReferenceChooseMove(board, computerFirst, expectedCol, expectedRow);
        ASSERT_EQ(col, expectedCol);
        ASSERT_EQ(row, expectedRow);
        // The hint, the rule played for the computer's opponent: the reference's reply once the
        // crosses and circles are exchanged.
        const std::int16_t hintMark = computerFirst ? Circle : Cross;
        ChooseMoveFor(board, hintMark, col, row);
        ReferenceChooseMove(Swapped(board), hintMark == Circle, expectedCol, expectedRow);
        ASSERT_EQ(col, expectedCol) << "hint";
        ASSERT_EQ(row, expectedRow) << "hint";
        // Occupied cells and cells just off the board included: both give 0 there.
        for (int c = -1; c <= BoardSize; ++c)
            for (int r = -1; r <= BoardSize; ++r)
                ASSERT_EQ(CellScore(board, computerFirst, c, r),
                          ReferenceCellScore(board, computerFirst, c, r))
                    << "cell " << c << "," << r;
    }
}

TEST(MatchesReference, SameMoveAndEveryCellScoreOnGeneratedPositions) {
    PositionGenerator generator(77);
    for (int marks = 0; marks <= CellCount; ++marks)
        ExpectSameAsReference(generator.Scattered(marks), "scattered " + std::to_string(marks));
    for (int i = 0; i < 60; ++i) {
        const int moves = generator.Below(CellCount);
        ExpectSameAsReference(generator.Played(moves, i % 2 == 0, ChooseMove),
                              "played " + std::to_string(moves));
        ExpectSameAsReference(AlongTheEdges(generator, 10 + 4 * i), "edges " + std::to_string(i));
    }
}

} // namespace
} // namespace pentavo
