#include "engine/FiveLine.h"

#include <array>

namespace pentavo {

namespace {

constexpr int FiveInARow = 5;

// Line s of a pass starts s steps of (lineCol, lineRow) from `start` and is walked in steps of
// (col, row) until it leaves the board.
struct LinePass {
    Cell start;
    int lineCol;
    int lineRow;
    int col;
    int row;
};

constexpr std::array<LinePass, 6> Passes{{
    {{0, 0}, 1, 0, 0, 1},              // columns, top to bottom
    {{0, 0}, 0, 1, 1, 0},              // rows, left to right
    {{0, 0}, 0, 1, 1, 1},              // falling diagonals from the left edge
    {{0, 0}, 1, 0, 1, 1},              // falling diagonals from the top edge
    {{BoardSize - 1, 0}, 0, 1, -1, 1}, // rising diagonals from the right edge
    {{0, 0}, 1, 0, -1, 1},             // rising diagonals from the top edge
}};

bool IsMark(std::int16_t value) {
    return value == Cross || value == Circle;
}

} // namespace

std::optional<FiveLine> FindFiveLine(const Board& board) {
    for (const LinePass& pass : Passes) {
        for (int s = 0; s < BoardSize; ++s) {
            int run = 0;
            std::int16_t runMark = Empty;
            for (Cell cell = pass.start.Step(pass.lineCol, pass.lineRow, s); cell.IsOnBoard();
                 cell = cell.Step(pass.col, pass.row)) {
                const std::int16_t mark = board(cell.col, cell.row);
                run = !IsMark(mark) ? 0 : mark == runMark ? run + 1 : 1;
                runMark = mark;
                if (run < FiveInARow)
                    continue;
                Cell last = cell;
                for (Cell next = last.Step(pass.col, pass.row);
                     next.IsOnBoard() && board(next.col, next.row) == mark;
                     next = next.Step(pass.col, pass.row))
                    last = next;
                return FiveLine{cell.Step(pass.col, pass.row, 1 - FiveInARow), last, mark};
            }
        }
    }
    return std::nullopt;
}

} // namespace pentavo
