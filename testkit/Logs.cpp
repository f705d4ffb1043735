#include "testkit/Logs.h"

#include <algorithm>
#include <cassert>

namespace pentavo {

namespace {

bool Listed(const CellList& cells, int col, int row) {
    return std::find(cells.begin(), cells.end(), std::pair{col, row}) != cells.end();
}

} // namespace

CellList CellsFrom(std::pair<int, int> from, int colStep, int rowStep, int length) {
    CellList cells;
    cells.reserve(static_cast<std::size_t>(std::max(length, 0)));
    for (int k = 0; k < length; ++k)
        cells.emplace_back(from.first + k * colStep, from.second + k * rowStep);
    return cells;
}

Board BoardWith(const CellList& crosses, const CellList& circles) {
    Board board;
    for (const auto& [col, row] : crosses)
        board(col, row) = Cross;
    for (const auto& [col, row] : circles)
        board(col, row) = Circle;
    return board;
}

MoveLog LogOf(const std::vector<MoveCode>& codes) {
    assert(codes.size() <= CellCount);
    MoveLog log{};
    std::copy(codes.begin(), codes.end(), log.begin());
    return log;
}

MoveLog AlternatingLog(const CellList& crosses, const CellList& circles) {
    assert(crosses.size() == circles.size() || crosses.size() == circles.size() + 1);
    MoveLog log{};
    for (std::size_t i = 0; i < crosses.size(); ++i)
        log[2 * i] = EncodeMove(crosses[i].first, crosses[i].second);
    for (std::size_t i = 0; i < circles.size(); ++i)
        log[2 * i + 1] = EncodeMove(circles[i].first, circles[i].second);
    return log;
}

MoveLog SentinelLog() {
    MoveLog log{};
    log.fill(-7);
    return log;
}

// Rows of pairs, shifted by two from one row to the next: no line of any direction holds more
// than two equal marks in a row.
std::int16_t NoFiveMark(int col, int row) {
    return (col + 2 * row) % 4 < 2 ? Cross : Circle;
}

Board NoFiveBoard(const CellList& leaveEmpty) {
    Board board;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            board(col, row) = Listed(leaveEmpty, col, row) ? Empty : NoFiveMark(col, row);
    return board;
}

MoveLog NoFiveLog(const CellList& leaveEmpty) {
    CellList crosses;
    CellList circles;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (!Listed(leaveEmpty, col, row))
                (NoFiveMark(col, row) == Cross ? crosses : circles).emplace_back(col, row);
    return AlternatingLog(crosses, circles);
}

} // namespace pentavo
