#include "engine/FindFive.h"

#include <array>

namespace pentavo {

namespace {

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

} // namespace

std::int16_t FindFive(const Board& board) {
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

} // namespace pentavo
