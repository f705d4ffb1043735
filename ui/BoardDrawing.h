#pragma once

#include <cstdint>

namespace pentavo {

class DrawingSurface;

// The board's cells as core/BoardGeometry.h places them in twips of the client area.

// Draws one empty cell outlined in the current foreground colour. Leaves the fill white and
// solid and the line width 2, for later drawing to rely on.
void DrawCell(DrawingSurface& surface, std::int16_t col, std::int16_t row);

// Redraws one cell as empty (0), cross (1) or circle (2); other marks draw nothing. The
// foreground colour, fill colour, fill style and line width are what they were before.
void DrawMark(DrawingSurface& surface, std::int16_t col, std::int16_t row, std::int16_t mark);

} // namespace pentavo
