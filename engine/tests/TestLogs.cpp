#include "engine/tests/TestLogs.h"

#include "core/BoardGeometry.h"

#include <cassert>

namespace pentavo {

std::vector<CellPos> CellsFrom(CellPos from, int colStep, int rowStep, int length) {
    std::vector<CellPos> cells;
    cells.reserve(static_cast<std::size_t>(std::max(length, 0)));
    for (int k = 0; k < length; ++k)
        cells.push_back({static_cast<std::int16_t>(from.col + k * colStep),
                         static_cast<std::int16_t>(from.row + k * rowStep)});
    return cells;
}

Board BoardWith(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles) {
    Board board;
    for (CellPos cell : crosses)
        board(cell.col, cell.row) = Cross;
    for (CellPos cell : circles)
        board(cell.col, cell.row) = Circle;
    return board;
}

MoveLog AlternatingLog(const std::vector<CellPos>& crosses, const std::vector<CellPos>& circles) {
    assert(crosses.size() == circles.size() || crosses.size() == circles.size() + 1);
    MoveLog log{};
    for (std::size_t i = 0; i < crosses.size(); ++i)
        log[2 * i] = EncodeMove(crosses[i].col, crosses[i].row);
    for (std::size_t i = 0; i < circles.size(); ++i)
        log[2 * i + 1] = EncodeMove(circles[i].col, circles[i].row);
    return log;
}

float CentreX(int col) {
    return static_cast<float>(CellCentreX(col));
}
float CentreY(int row) {
    return static_cast<float>(CellCentreY(row));
}

} // namespace pentavo
