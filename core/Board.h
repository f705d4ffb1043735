#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace pentavo {

inline constexpr int BoardSize = 15;
inline constexpr int CellCount = BoardSize * BoardSize;

// Cell values, also the marks passed to DrawMark.
inline constexpr std::int16_t Empty = 0;
inline constexpr std::int16_t Cross = 1;
inline constexpr std::int16_t Circle = 2;

constexpr bool OnBoard(int col, int row) {
    return col >= 0 && col < BoardSize && row >= 0 && row < BoardSize;
}

// Board(col, row): col counts from the left, row from the top; the column varies fastest.
class Board {
public:
    std::int16_t operator()(int col, int row) const { return cells_[Index(col, row)]; }
    std::int16_t& operator()(int col, int row) { return cells_[Index(col, row)]; }

    // Every cell, column fastest: index col + row * BoardSize.
    const std::array<std::int16_t, CellCount>& Cells() const { return cells_; }

    void Clear() { cells_.fill(Empty); }
    bool IsFull() const {
        for (std::int16_t c : cells_)
            if (c == Empty)
                return false;
        return true;
    }
    bool operator==(const Board&) const = default;

private:
    static std::size_t Index(int col, int row) {
        assert(OnBoard(col, row));
        return static_cast<std::size_t>(col) + static_cast<std::size_t>(row) * BoardSize;
    }
    std::array<std::int16_t, CellCount> cells_{};
};

// One move packed as row * 16 + col + 1 (1..239, never a multiple of 16); 0 is no move.
using MoveCode = std::int16_t;
using MoveLog = std::array<MoveCode, CellCount>;

constexpr MoveCode EncodeMove(int col, int row) {
    return static_cast<MoveCode>(row * 16 + col + 1);
}

// Splits a code into its cell; false (and nothing written) when the code names no cell.
[[nodiscard]] constexpr bool DecodeMove(MoveCode code, std::int16_t& col, std::int16_t& row) {
    if (code <= 0)
        return false;
    const int r = code / 16;
    const int c = code - 1 - r * 16;
    if (!OnBoard(c, r))
        return false;
    col = static_cast<std::int16_t>(c);
    row = static_cast<std::int16_t>(r);
    return true;
}

} // namespace pentavo
