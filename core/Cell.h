#pragma once

#include "core/Board.h"

#include <cassert>
#include <optional>
#include <string>

namespace pentavo {

// One cell of the board. Its column counts from the left and its row from the top, as Board's do;
// its name is the one players write: column letters A to O from the left, row numbers 1 to 15
// from the bottom, so that the centre is H8. Only the sentences around a name are translated.
struct Cell {
    int col = 0;
    int row = 0;

    constexpr bool operator==(const Cell&) const = default;

    constexpr bool IsOnBoard() const { return OnBoard(col, row); }

    // Row by row from the top left, the column fastest, as the accessible table counts its cells.
    constexpr int Index() const {
        assert(IsOnBoard());
        return row * BoardSize + col;
    }
    // The cell of an index, or nothing when the index lies off the board.
    static constexpr std::optional<Cell> FromIndex(int index) {
        if (index < 0 || index >= CellCount)
            return std::nullopt;
        return Cell{index % BoardSize, index / BoardSize};
    }

    // The cell `steps` steps away, each step `dcol` columns and `drow` rows; it may lie off the
    // board, which ends a walk along a line.
    constexpr Cell Step(int dcol, int drow, int steps = 1) const {
        return Cell{col + dcol * steps, row + drow * steps};
    }

    std::string Name() const { return ColumnName(col) + RowName(row); }
    // The column and row headers: "A" for the leftmost column, "15" for the top row.
    static std::string ColumnName(int col) {
        assert(col >= 0 && col < BoardSize);
        return std::string(1, static_cast<char>('A' + col));
    }
    static std::string RowName(int row) {
        assert(row >= 0 && row < BoardSize);
        return std::to_string(BoardSize - row);
    }
};

} // namespace pentavo
