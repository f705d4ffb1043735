#include "testkit/Logs.h"

#include <algorithm>
#include <cassert>

namespace pentavo {

namespace {

bool Listed(const CellList& cells, int col, int row) {
    return std::find(cells.begin(), cells.end(), std::pair{col, row}) != cells.end();
}

} // namespace

MoveLog LogOf(const std::vector<MoveCode>& codes) {
    assert(codes.size() <= CellCount);
    MoveLog log{};
    std::copy(codes.begin(), codes.end(), log.begin());
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
    std::vector<MoveCode> crosses;
    std::vector<MoveCode> circles;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (!Listed(leaveEmpty, col, row))
                (NoFiveMark(col, row) == Cross ? crosses : circles).push_back(EncodeMove(col, row));
    assert(crosses.size() == circles.size() || crosses.size() == circles.size() + 1);
    MoveLog log{};
    for (std::size_t i = 0; i < crosses.size(); ++i)
        log[2 * i] = crosses[i];
    for (std::size_t i = 0; i < circles.size(); ++i)
        log[2 * i + 1] = circles[i];
    return log;
}

} // namespace pentavo
