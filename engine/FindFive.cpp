#include "engine/FindFive.h"

#include "core/StoneRows.h"

#include <algorithm>
#include <array>
#include <bit>

namespace pentavo {

namespace {

// The stone rows, with five empty rows below the board that let every row be read as the top of a
// five and round the search to whole vectors.
constexpr std::size_t SearchedRows = BoardSize + 1;
using RowWords = std::array<std::uint32_t, SearchedRows + 4>;

enum class Direction { Columns, Rows, Falling, Rising };
constexpr std::array<Direction, 4> PassOrder{Direction::Columns, Direction::Rows,
                                             Direction::Falling, Direction::Rising};

// Bits of both sides where a five starts in row r: its top cell, or its left cell along a row.
std::uint32_t FiveStarts(const RowWords& rows, Direction direction, std::size_t r) {
    const auto at = [&rows, r](std::size_t k) { return rows[r + k]; };
    switch (direction) {
    case Direction::Columns:
        return at(0) & at(1) & at(2) & at(3) & at(4);
    case Direction::Rows: {
        const std::uint32_t pairs = at(0) & (at(0) >> 1);
        return pairs & (pairs >> 2) & (at(0) >> 4);
    }
    case Direction::Falling:
        return at(0) & (at(1) >> 1) & (at(2) >> 2) & (at(3) >> 3) & (at(4) >> 4);
    case Direction::Rising:
        return at(0) & (at(1) << 1) & (at(2) << 2) & (at(3) << 3) & (at(4) << 4);
    }
    return 0;
}

// Where the line walk that reports fives meets a five starting at (c, r): lines in the order of
// their passes, cells along a line from its start. A smaller start along a line is met first.
int WalkOrder(Direction direction, int c, int r) {
    constexpr int SecondPass = CellCount;
    switch (direction) {
    case Direction::Columns:
        return c * BoardSize + r;
    case Direction::Rows:
        return r * BoardSize + c;
    case Direction::Falling: // from the left edge (r >= c), then from the top edge
        return r >= c ? (r - c) * BoardSize + r : SecondPass + (c - r) * BoardSize + r;
    case Direction::Rising: // from the right edge (c + r >= 14), then from the top edge
        return c + r >= BoardSize - 1 ? (c + r - (BoardSize - 1)) * BoardSize + r
                                      : SecondPass + (c + r) * BoardSize + r;
    }
    return 0;
}

// The side whose five in this direction the walk meets first; both sides have one here.
std::int16_t FirstFiveAlong(const RowWords& rows, Direction direction) {
    std::array<int, 2> first{CellCount * 2, CellCount * 2}; // crosses, circles
    for (std::size_t r = 0; r < BoardSize; ++r) {
        for (std::uint32_t starts = FiveStarts(rows, direction, r); starts != 0;
             starts &= starts - 1) {
            const int bit = std::countr_zero(starts);
            const std::size_t side = bit < 16 ? 0 : 1;
            first[side] =
                std::min(first[side], WalkOrder(direction, bit % 16, static_cast<int>(r)));
        }
    }
    return first[0] < first[1] ? Cross : Circle;
}

} // namespace

std::int16_t FindFive(const Board& board) {
    RowWords rows{};
    PackStoneRows(board, std::span(rows).first<BoardSize>());
    std::array<std::uint32_t, PassOrder.size()> found{};
    for (std::size_t r = 0; r < SearchedRows; ++r)
        for (std::size_t d = 0; d < PassOrder.size(); ++d)
            found[d] |= FiveStarts(rows, PassOrder[d], r);
    // The walk reports the first direction in its order that holds a five.
    for (std::size_t d = 0; d < PassOrder.size(); ++d) {
        const bool crosses = (found[d] & StoneRowCrosses) != 0;
        const bool circles = (found[d] & StoneRowCircles) != 0;
        if (crosses && circles)
            return FirstFiveAlong(rows, PassOrder[d]);
        if (crosses || circles)
            return crosses ? Cross : Circle;
    }
    return Empty;
}

} // namespace pentavo
