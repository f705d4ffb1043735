#pragma once

#include "core/Board.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace pentavo {

// Cells as (col, row), for the boards and logs below.
using CellList = std::vector<std::pair<int, int>>;

// `length` cells from `from`, each a step of (colStep, rowStep) from the one before.
CellList CellsFrom(std::pair<int, int> from, int colStep, int rowStep, int length);

Board BoardWith(const CellList& crosses, const CellList& circles);

// A log holding `codes` from entry 0 on, then 0s.
MoveLog LogOf(const std::vector<MoveCode>& codes);
// A log that plays crosses and circles alternately, crosses first, then 0s; there must be one
// cross more than circles, or as many.
MoveLog AlternatingLog(const CellList& crosses, const CellList& circles);
// A log that no read of a valid record can produce, to show that a failed read left it alone.
MoveLog SentinelLog();

// A filling of the whole board with 113 crosses and 112 circles and no five anywhere.
std::int16_t NoFiveMark(int col, int row);
// That filling, with the given cells left empty.
Board NoFiveBoard(const CellList& leaveEmpty);
// That filling played as a game, crosses first and the columns in order, leaving the given cells
// empty; they must leave one cross more than circles, or as many.
MoveLog NoFiveLog(const CellList& leaveEmpty);

} // namespace pentavo
