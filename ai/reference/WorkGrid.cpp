#include "ai/reference/WorkGrid.h"

namespace pentavo {

namespace {

std::int16_t SeenByComputer(std::int16_t mark, bool computerFirst) {
    if (computerFirst || mark == Empty)
        return mark;
    return mark == Cross ? GridOpp : GridOwn;
}

} // namespace

WorkGrid::WorkGrid(const Board& board, bool computerFirst) {
    cells_.fill(GridOffBoard);
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            cells_[Index(col, row)] = SeenByComputer(board(col, row), computerFirst);
}

} // namespace pentavo
