#pragma once

#include "core/Board.h"
#include "engine/Game.h"

#include <initializer_list>
#include <vector>

namespace pentavo {

// `length` cells from `from`, each a step of (colStep, rowStep) from the one before.
std::vector<CellPos> CellsFrom(CellPos from, int colStep, int rowStep, int length);

Board BoardWith(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles);

// A log that plays crosses and circles alternately, crosses first; the rest of it is 0.
MoveLog AlternatingLog(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles);

// A log holding exactly these codes, then 0s.
MoveLog CodesLog(std::initializer_list<int> codes);

// A filling of the whole board with 113 crosses and 112 circles and no five anywhere.
std::int16_t NoFiveMark(int col, int row);
// That filling played as a game, leaving the given cells empty.
MoveLog NoFiveLog(const std::vector<CellPos>& leaveEmpty);

// The centre of a cell, in twips.
float CentreX(int col);
float CentreY(int row);

} // namespace pentavo
