#include "ai/ChooseMove.h"

#include "ai/LineTables.h"
#include "core/StoneRows.h"

#include <algorithm>
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
};

constexpr std::uint64_t AllOffBoard = ~std::uint64_t{0};

// Slot s of a framed line as the bits to clear or set there.
constexpr std::uint64_t InSlot(std::uint64_t seen, int slot) {
    return seen << (2 * slot);
}

// The board with no stones: on-board slots empty (0), the frame off the board.
constexpr PackedBoard EmptyBoard = [] {
    PackedBoard packed{};
    packed.rows.fill(AllOffBoard);
    packed.columns.fill(AllOffBoard);
    packed.diagonals.fill(AllOffBoard);
    packed.antiDiagonals.fill(AllOffBoard);
    constexpr std::size_t Size = BoardSize;
    for (std::size_t c = 0; c < Size; ++c) {
        for (std::size_t r = 0; r < Size; ++r) {
            const std::uint64_t offBoardAtColumn =
                InSlot(SeenOffBoard, static_cast<int>(c) + Frame);
            packed.rows[r] &= ~offBoardAtColumn;
            packed.columns[c] &= ~InSlot(SeenOffBoard, static_cast<int>(r) + Frame);
            packed.diagonals[c - r + Size - 1] &= ~offBoardAtColumn;
            packed.antiDiagonals[c + r] &= ~offBoardAtColumn;
        }
    }
    return packed;
}();

using StoneRowWords = std::array<std::uint32_t, BoardSize>;

// How the computer sees each side's marks: the first mover's are its own when it moved first.
struct SeenMarks {
    std::uint32_t cross;
    std::uint32_t circle;
};
constexpr SeenMarks SeenBy(bool computerFirst) {
    return computerFirst ? SeenMarks{SeenOwn, SeenOpp} : SeenMarks{SeenOpp, SeenOwn};
}

// Only the stones are written: the empty board is copied, and an empty slot is 0.
PackedBoard Pack(const StoneRowWords& stones, bool computerFirst) {
    const SeenMarks marks = SeenBy(computerFirst);
    PackedBoard packed = EmptyBoard;
    const auto place = [&packed](int c, int r, std::uint64_t seen) {
        const auto ci = static_cast<std::size_t>(c);
        const auto ri = static_cast<std::size_t>(r);
        packed.rows[ri] |= InSlot(seen, c + Frame);
        packed.columns[ci] |= InSlot(seen, r + Frame);
        packed.diagonals[ci - ri + BoardSize - 1] |= InSlot(seen, c + Frame);
        packed.antiDiagonals[ci + ri] |= InSlot(seen, c + Frame);
    };
    for (int r = 0; r < BoardSize; ++r) {
        const std::uint32_t row = stones[static_cast<std::size_t>(r)];
        for (std::uint32_t crosses = row & StoneRowCrosses; crosses != 0; crosses &= crosses - 1)
            place(std::countr_zero(crosses), r, marks.cross);
        for (std::uint32_t circles = row & StoneRowCircles; circles != 0; circles &= circles - 1)
            place(std::countr_zero(circles) - 16, r, marks.circle);
    }
    return packed;
}

// Bit 2 * (r + Frame) set for each empty cell (c, r) of a packed column.
std::uint64_t EmptySlots(std::uint64_t column) {
    constexpr std::uint64_t LowBits = 0x5555555555555555;
    constexpr std::uint64_t BeforeBoard = (std::uint64_t{1} << (2 * Frame)) - 1;
    constexpr std::uint64_t UpToBoardEnd = (std::uint64_t{1} << (2 * (Frame + BoardSize))) - 1;
    constexpr std::uint64_t OnBoardSlots = LowBits & UpToBoardEnd & ~BeforeBoard;
    return ~(column | (column >> 1)) & OnBoardSlots;
}

// The eleven slots centred on position p of a framed line.
PackedLine Around(std::uint64_t line, int p) {
    // Slots past the eleventh are left in: DirScore's keys take only the slots they need.
    return static_cast<PackedLine>(line >> (2 * p));
}

// The four direction scores in descending order, weighed 1000, 100, 10 and 1.
using DirectionScores = std::array<std::uint32_t, 4>;

std::int32_t Ranked(const DirectionScores& d) {
    const auto hi = [](std::uint32_t x, std::uint32_t y) { return x > y ? x : y; };
    const auto lo = [](std::uint32_t x, std::uint32_t y) { return x > y ? y : x; };
    const std::uint32_t abHi = hi(d[0], d[1]);
    const std::uint32_t abLo = lo(d[0], d[1]);
    const std::uint32_t cdHi = hi(d[2], d[3]);
    const std::uint32_t cdLo = lo(d[2], d[3]);
    const std::uint32_t first = hi(abHi, cdHi);
    const std::uint32_t last = lo(abLo, cdLo);
    const std::uint32_t midA = lo(abHi, cdHi);
    const std::uint32_t midB = hi(abLo, cdLo);
    return static_cast<std::int32_t>(1000 * first + 100 * hi(midA, midB) + 10 * lo(midA, midB) +
                                     last);
}

DirectionScores Directions(const PackedBoard& packed, int c, int r) {
    const auto ci = static_cast<std::size_t>(c);
    const auto ri = static_cast<std::size_t>(r);
    return {DirScore(Around(packed.rows[ri], c)), DirScore(Around(packed.columns[ci], r)),
            DirScore(Around(packed.diagonals[ci - ri + BoardSize - 1], c)),
            DirScore(Around(packed.antiDiagonals[ci + ri], c))};
}

// With only a few empty cells left, packing the whole board costs more than reading the forty
// cells around each of them.
constexpr int FewEmpty = 12;

// The eleven slots around the empty cell (c, r) along (dc, dr), read from the board.
PackedLine LineAround(const Board& board, SeenMarks marks, int c, int r, int dc, int dr) {
    const auto seen = [&board, marks](int col, int row) -> PackedLine {
        if (!OnBoard(col, row))
            return SeenOffBoard;
        const std::int16_t mark = board(col, row);
        return mark == Cross ? marks.cross : mark == Circle ? marks.circle : SeenEmpty;
    };
    PackedLine line = 0;
    for (int k = 1; k <= 5; ++k) {
        line |= seen(c - k * dc, r - k * dr) << (2 * (5 - k));
        line |= seen(c + k * dc, r + k * dr) << (2 * (5 + k));
    }
    return line;
}

// The move when at most FewEmpty cells are empty; false, and nothing written, when more are.
bool ChooseAmongFew(const Board& board, const StoneRowWords& stones, bool computerFirst,
                    std::int16_t& column, std::int16_t& row) {
    // Column-major keys: the smaller key is the earlier cell in the scan order.
    std::array<int, FewEmpty> empties{};
    std::size_t count = 0;
    for (int r = 0; r < BoardSize; ++r) {
        const std::uint32_t taken = stones[static_cast<std::size_t>(r)];
        for (std::uint32_t empty = ~(taken | (taken >> 16)) & StoneRowCrosses; empty != 0;
             empty &= empty - 1) {
            if (count == empties.size())
                return false;
            empties[count++] = std::countr_zero(empty) * BoardSize + r;
        }
    }
    const SeenMarks marks = SeenBy(computerFirst);
    std::int32_t BestScore = 0;
    int BestCell = CellCount;
    for (std::size_t i = 0; i < count; ++i) {
        const int c = empties[i] / BoardSize;
        const int r = empties[i] % BoardSize;
        // All four lines read before any table, so that their lookups can miss the cache together.
        const std::array<PackedLine, 4> lines{
            LineAround(board, marks, c, r, 1, 0), LineAround(board, marks, c, r, 0, 1),
            LineAround(board, marks, c, r, 1, 1), LineAround(board, marks, c, r, 1, -1)};
        const std::int32_t score = Ranked(
            {DirScore(lines[0]), DirScore(lines[1]), DirScore(lines[2]), DirScore(lines[3])});
        if (score > BestScore || (score == BestScore && empties[i] < BestCell)) {
            BestScore = score;
            BestCell = empties[i];
        }
    }
    if (count == 0)
        BestCell = 0; // a full board names (0, 0), as the scan does
    column = static_cast<std::int16_t>(BestCell / BoardSize);
    row = static_cast<std::int16_t>(BestCell % BoardSize);
    return true;
}

} // namespace

void ChooseMove(const Board& board, bool computerFirst, std::int16_t& column, std::int16_t& row) {
    StoneRowWords stones;
    PackStoneRows(board, stones);
    if (ChooseAmongFew(board, stones, computerFirst, column, row))
        return;
    const PackedBoard packed = Pack(stones, computerFirst);
    std::int32_t BestScore = 0;
    int BestColumn = 0;
    int BestRow = 0;
    // Columns, then rows within each; strictly greater, so among equals the first cell stays.
    for (int c = 0; c < BoardSize; ++c) {
        for (std::uint64_t empty = EmptySlots(packed.columns[static_cast<std::size_t>(c)]);
             empty != 0; empty &= empty - 1) {
            const int r = std::countr_zero(empty) / 2 - Frame;
            const DirectionScores d = Directions(packed, c, r);
            // A cell scores at most 1111 times its best direction; most cells cannot win.
            const std::uint32_t best = std::max(std::max(d[0], d[1]), std::max(d[2], d[3]));
            if (static_cast<std::int32_t>(1111 * best) <= BestScore)
                continue;
            const std::int32_t score = Ranked(d);
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

void ChooseMoveFor(const Board& board, std::int16_t mark, std::int16_t& column, std::int16_t& row) {
    // The computer owns the crosses exactly when it moved first.
    ChooseMove(board, mark == Cross, column, row);
}

std::int32_t CellScore(const Board& board, bool computerFirst, int col, int row) {
    if (!OnBoard(col, row) || board(col, row) != Empty)
        return 0;
    StoneRowWords stones;
    PackStoneRows(board, stones);
    return Ranked(Directions(Pack(stones, computerFirst), col, row));
}

} // namespace pentavo
