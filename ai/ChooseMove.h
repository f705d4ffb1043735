#pragma once

#include "core/Board.h"

#include <cstdint>

namespace pentavo {

// The computer's reply: the empty cell with the highest score, the first in scan order (columns,
// then rows) among equals. column and row are outputs only. Needs at least one empty cell; on a
// full board it names (0, 0), which is occupied.
void ChooseMove(const Board& board, bool computerFirst, std::int16_t& column, std::int16_t& row);

// The score ChooseMove gives the empty cell (col, row); 0 for an occupied or off-board cell.
std::int32_t CellScore(const Board& board, bool computerFirst, int col, int row);

} // namespace pentavo
