#pragma once

#include <QString>

#include <cstdint>

namespace pentavo {

// Cells as five-in-a-row players write them: column letters A to O from the left, row numbers 1
// to 15 from the bottom, so that the centre is H8. Every text that names a cell uses these.
QString CellLabel(int col, int row);
// The label with the cell's content: "H8, empty", "H8, cross", "H8, circle"; the computer's last
// reply, while it is marked, "H8, cross, last move".
QString CellContentName(int col, int row, std::int16_t mark, bool lastMove = false);

} // namespace pentavo
