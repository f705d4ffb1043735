#include "ai/ChooseMove.h"

#include "ai/LineTables.h"

#include <array>
#include <bit>

namespace pentavo {

namespace {

// Every board line in the four directions as one word, two bits a cell, framed by five
// off-board cells on each side, so that the eleven cells around any candidate are one shift and
// one mask away. Rows, diagonals and anti-diagonals keep column c in slot c + 5, columns keep
// row r there.
constexpr int Frame = 5;
constexpr int DiagonalCount = 2 * BoardSize - 1;

struct PackedBoard {
    std::array<std::uint64_t, BoardSize> rows;
    std::array<std::uint64_t, BoardSize> columns;
    std::array<std::uint64_t, DiagonalCount> diagonals;     // index c - r + 14, falling
    std::array<std::uint64_t, DiagonalCount> antiDiagonals; // index c + r, rising
    std::array<std::uint32_t, BoardSize> emptyRows;         // per column, bit r: (c, r) empty
};

constexpr std::uint64_t AllOffBoard = ~std::uint64_t{0};

PackedBoard Pack(const Board& board, bool computerFirst) {
    // Each cell clears the off-board bits of its slot down to its value as the computer sees it.
    // Index: the board's value; a first mover's marks are the computer's when it moved first.
    constexpr std::array<std::uint64_t, 4> ClearFirst{
        SeenOffBoard ^ SeenEmpty, SeenOffBoard ^ SeenOwn, SeenOffBoard ^ SeenOpp, 0};
    constexpr std::array<std::uint64_t, 4> ClearSecond{
        SeenOffBoard ^ SeenEmpty, SeenOffBoard ^ SeenOpp, SeenOffBoard ^ SeenOwn,
        SeenOffBoard ^ SeenOwn};
    const std::array<std::uint64_t, 4>& clear = computerFirst ? ClearFirst : ClearSecond;

    PackedBoard packed;
    packed.columns.fill(AllOffBoard);
    packed.diagonals.fill(AllOffBoard);
    packed.antiDiagonals.fill(AllOffBoard);
    packed.emptyRows.fill(0);
    for (int r = 0; r < BoardSize; ++r) {
        std::uint64_t row = AllOffBoard;
        const int rowShift = 2 * (r + Frame);
        for (int c = 0; c < BoardSize; ++c) {
            const std::int16_t mark = board(c, r);
            const std::uint64_t bits = clear[static_cast<std::size_t>(mark & 3)];
            const int colShift = 2 * (c + Frame);
            row ^= bits << colShift;
            packed.columns[static_cast<std::size_t>(c)] ^= bits << rowShift;
            const int antiDiagonal = c + r;
            packed.diagonals[static_cast<std::size_t>(c - r + BoardSize - 1)] ^= bits << colShift;
            packed.antiDiagonals[static_cast<std::size_t>(antiDiagonal)] ^= bits << colShift;
            packed.emptyRows[static_cast<std::size_t>(c)] |= std::uint32_t{mark == Empty} << r;
        }
        packed.rows[static_cast<std::size_t>(r)] = row;
    }
    return packed;
}

// The eleven slots centred on position p of a framed line.
PackedLine Around(std::uint64_t line, int p) {
    return static_cast<PackedLine>(line >> (2 * p)) & PackedLineMask;
}

// The four direction scores in descending order, weighed 1000, 100, 10 and 1.
std::int32_t Ranked(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    const auto hi = [](std::uint32_t x, std::uint32_t y) { return x > y ? x : y; };
    const auto lo = [](std::uint32_t x, std::uint32_t y) { return x > y ? y : x; };
    const std::uint32_t abHi = hi(a, b);
    const std::uint32_t abLo = lo(a, b);
    const std::uint32_t cdHi = hi(c, d);
    const std::uint32_t cdLo = lo(c, d);
    const std::uint32_t first = hi(abHi, cdHi);
    const std::uint32_t last = lo(abLo, cdLo);
    const std::uint32_t midA = lo(abHi, cdHi);
    const std::uint32_t midB = hi(abLo, cdLo);
    return static_cast<std::int32_t>(1000 * first + 100 * hi(midA, midB) + 10 * lo(midA, midB) +
                                     last);
}

std::int32_t Score(const PackedBoard& packed, int c, int r) {
    const auto ci = static_cast<std::size_t>(c);
    const auto ri = static_cast<std::size_t>(r);
    return Ranked(DirScore(Around(packed.rows[ri], c)), DirScore(Around(packed.columns[ci], r)),
                  DirScore(Around(packed.diagonals[ci - ri + BoardSize - 1], c)),
                  DirScore(Around(packed.antiDiagonals[ci + ri], c)));
}

} // namespace

void ChooseMove(const Board& board, bool computerFirst, std::int16_t& column, std::int16_t& row) {
    const PackedBoard packed = Pack(board, computerFirst);
    std::int32_t BestScore = 0;
    int BestColumn = 0;
    int BestRow = 0;
    // Columns, then rows within each; strictly greater, so among equals the first cell stays.
    for (int c = 0; c < BoardSize; ++c) {
        for (std::uint32_t empty = packed.emptyRows[static_cast<std::size_t>(c)]; empty != 0;
             empty &= empty - 1) {
            const int r = std::countr_zero(empty);
            const std::int32_t score = Score(packed, c, r);
            if (score > BestScore) {
                BestScore = score;
                BestColumn = c;
                BestRow = r;
            }
        }
    }
    column = static_cast<std::int16_t>(BestColumn);
    row = static_cast<std::int16_t>(BestRow);
}

std::int32_t CellScore(const Board& board, bool computerFirst, int col, int row) {
    if (!OnBoard(col, row) || board(col, row) != Empty)
        return 0;
    return Score(Pack(board, computerFirst), col, row);
}

} // namespace pentavo
