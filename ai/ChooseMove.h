#pragma once

// How the computer chooses its move
//
// The computer looks at the position as it stands: no search of later moves, no randomness, no
// memory of earlier calls. It scores every empty cell and takes the highest; among equal scores
// the first in scan order wins (columns left to right, and within a column rows top to bottom).
//
// Windows. A five can only ever be made inside a run of five consecutive cells, so a cell is
// judged by the runs that pass through it. Along each of the four directions (row, column,
// diagonal, anti-diagonal) there are five such windows through the candidate: the candidate at
// the window's last, fourth, ... first place. The ten cells within five steps of the candidate on
// that line (five behind, five ahead) hold every window and its two end neighbours.
//
// Counts. In each window the computer's marks and the person's marks are counted. A window that
// holds marks of both sides can never become a five for either: it counts as length 1 for both
// and carries no flags. Otherwise the side with marks there has length n + 1 (its n marks and the
// mark the candidate would receive), the other side length 1. An off-board cell inside a window
// is counted for neither side; it only clears the window's flags.
//
// Shape. For the side with marks: 2 when it has three or more and they stand with the candidate
// in one unbroken run, 1 when the shortest stretch holding the candidate and those marks has at
// most one empty cell, 0 otherwise.
//
// The flags, each 0 or 1 per side. Open: neither end neighbour of the window is the other side's
// mark or off the board. Next: one of the two cells touching the candidate on this line is the
// side's own mark. Both are cleared when the window itself holds a mark of the other side or an
// off-board cell.
//
// A window's value for a side is length² + shape + open + next; the person's value is one less,
// so at equal chances the computer prefers to build rather than to block. A direction scores the
// best of its ten window values (five windows, two sides): 1 to 29. The cell's score weighs its
// four direction scores in descending order by 1000, 100, 10 and 1, so one strong line outranks
// any number of weaker ones, and a second line breaks ties between equally strong first lines.
//
// This code reaches the same numbers by table: each board line is kept as a packed word, and the
// best window value of a direction is looked up from the cells around the candidate in tables
// built at compile time from the rules above (ai/LineTables). Only the stones are written into
// the words, a cell scores only when its best direction could still beat the best so far, and
// with a dozen empty cells or fewer their lines are read straight from the board instead. ai/tests
// keeps the plain window-by-window scorer as the yardstick the tables are tested against, cell by
// cell.

#include "core/Board.h"

#include <cstdint>

namespace pentavo {

// The computer's reply: the empty cell with the highest score, the first in scan order (columns,
// then rows) among equals. column and row are outputs only. Needs at least one empty cell; on a
// full board it names (0, 0), which is occupied.
void ChooseMove(const Board& board, bool computerFirst, std::int16_t& column, std::int16_t& row);

// The cell the same rule picks for the side that plays `mark` (Cross or Circle), as if the computer
// played that side: the person's hint. Needs an empty cell, as ChooseMove does.
void ChooseMoveFor(const Board& board, std::int16_t mark, std::int16_t& column, std::int16_t& row);

// The score ChooseMove gives the empty cell (col, row); 0 for an occupied or off-board cell.
std::int32_t CellScore(const Board& board, bool computerFirst, int col, int row);

} // namespace pentavo
