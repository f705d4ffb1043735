#pragma once

#include "ai/LineTables.h"
#include "ai/reference/LineScorer.h"
#include "core/Board.h"

#include <cstdint>

namespace pentavo {

// The move choice written plainly, window by window, as it first shipped: the yardstick that the
// table-driven ChooseMove and CellScore must match exactly, and the benchmarks' "before".
void ReferenceChooseMove(const Board& board, bool computerFirst, std::int16_t& column,
                         std::int16_t& row);
std::int32_t ReferenceCellScore(const Board& board, bool computerFirst, int col, int row);

// The ten cells of a direction in the packed form the fast scorer reads, the empty candidate
// between cells 4 and 5.
inline PackedLine PackLineCells(const LineCellValues& cells) {
    PackedLine line = 0;
    for (int i = 0; i < LineLength; ++i) {
        const int slot = i < 5 ? i : i + 1;
        line |= static_cast<PackedLine>(cells[static_cast<std::size_t>(i)] & 3) << (2 * slot);
    }
    return line;
}

} // namespace pentavo
