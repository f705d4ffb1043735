#pragma once

#include "core/Board.h"
#include "engine/Game.h"
#include "testkit/Logs.h"

#include <vector>

namespace pentavo {

// `length` cells from `from`, each a step of (colStep, rowStep) from the one before.
std::vector<CellPos> CellsFrom(CellPos from, int colStep, int rowStep, int length);

Board BoardWith(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles);

// A log that plays crosses and circles alternately, crosses first; the rest of it is 0.
MoveLog AlternatingLog(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles);

// The centre of a cell, in twips.
float CentreX(int col);
float CentreY(int row);

} // namespace pentavo
