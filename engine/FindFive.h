#pragma once

#include "core/Board.h"

#include <cstdint>

namespace pentavo {

// 1 when crosses have five or more in an unbroken line, 2 when circles have, else 0. When both
// have one, the line met first decides: columns, then rows, then the four diagonal passes.
std::int16_t FindFive(const Board& board);

} // namespace pentavo
