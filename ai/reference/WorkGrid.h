#pragma once

#include "core/Board.h"

#include <array>
#include <cstdint>

namespace pentavo {

// Cell values as the computer sees them.
inline constexpr std::int16_t GridEmpty = 0;
inline constexpr std::int16_t GridOwn = 1;
inline constexpr std::int16_t GridOpp = 2;
inline constexpr std::int16_t GridOffBoard = 3;

// The board seen from the computer's side, framed by off-board cells so that every line read
// within five cells of a board cell needs no bounds check.
class WorkGrid {
public:
    static constexpr int Border = 6;
    static constexpr int Size = BoardSize + 2 * Border;

    WorkGrid(const Board& board, bool computerFirst);

    // Board coordinates; anything up to Border cells outside the board reads as GridOffBoard.
    std::int16_t At(int col, int row) const { return cells_[Index(col, row)]; }

private:
    static std::size_t Index(int col, int row) {
        return static_cast<std::size_t>(col + Border) +
               static_cast<std::size_t>(row + Border) * std::size_t{Size};
    }

    std::array<std::int16_t, std::size_t{Size} * Size> cells_;
};

} // namespace pentavo
