#pragma once

#include "core/Cell.h"

#include <QString>

#include <cstdint>

namespace pentavo {

// A cell's name as text: the cell's own (H8), never translated; the sentences around it are.
QString CellLabel(Cell cell);
// The label with the cell's content: "H8, empty", "H8, cross", "H8, circle"; the computer's last
// reply, while it is marked, "H8, cross, last move".
QString CellContentName(Cell cell, std::int16_t mark, bool lastMove = false);

} // namespace pentavo
