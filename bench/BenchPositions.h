#pragma once

#include "ai/reference/ReferenceMoveChoice.h"
#include "core/Board.h"

#include <array>

namespace pentavo::bench {

// Both sides take the computer's reply in turn: a plausible game with lines and threats, the
// same on every run. The plain scorer plays it, so that timing or counting the fast ChooseMove
// sees only the calls being measured.
inline Board SelfPlay(int stones) {
    Board board{};
    for (int i = 0; i < stones; ++i) {
        const bool crossToMove = i % 2 == 0;
        std::int16_t col = 0;
        std::int16_t row = 0;
        ReferenceChooseMove(board, crossToMove, col, row);
        board(col, row) = crossToMove ? Cross : Circle;
    }
    return board;
}

struct NamedPosition {
    const char* name;
    int stones;
};

inline constexpr std::array<NamedPosition, 5> Positions{{{"empty board", 0},
                                                         {"10 stones", 10},
                                                         {"40 stones", 40},
                                                         {"120 stones", 120},
                                                         {"one empty cell", CellCount - 1}}};

} // namespace pentavo::bench
