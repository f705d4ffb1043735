#pragma once

#include "core/Board.h"

#include <cstdint>
#include <random>
#include <vector>

namespace pentavo {

// Positions that are the same with every standard library: the engine's sequence is fixed by the
// standard and the mapping to cells is our own (distributions differ between libraries).
class PositionGenerator {
public:
    explicit PositionGenerator(std::uint32_t seed) : engine_(seed) {}

    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

    // marks marks, crosses and circles in turn, on cells drawn at random.
    Board Scattered(int marks) {
        Board board{};
        for (int i = 0; i < marks; ++i)
            PlaceAtRandom(board, MarkOfMove(i));
        return board;
    }

    // A game of moves moves in which one side plays at random and the other takes the computer's
    // reply, so that lines and threats build up as they do in play. `choose` is the move choice,
    // called as ChooseMove is: (board, computerFirst, col, row).
    template <class Choose> Board Played(int moves, bool computerFirst, Choose choose) {
        Board board{};
        for (int i = 0; i < moves; ++i) {
            const bool computerToMove = (i % 2 == 0) == computerFirst;
            if (computerToMove) {
                std::int16_t col = 0;
                std::int16_t row = 0;
                choose(board, computerFirst, col, row);
                board(col, row) = MarkOfMove(i);
            } else {
                PlaceAtRandom(board, MarkOfMove(i));
            }
        }
        return board;
    }

private:
    static std::int16_t MarkOfMove(int i) { return i % 2 == 0 ? Cross : Circle; }

    void PlaceAtRandom(Board& board, std::int16_t mark) {
        std::vector<int> empty;
        for (int cell = 0; cell < CellCount; ++cell)
            if (board(cell % BoardSize, cell / BoardSize) == Empty)
                empty.push_back(cell);
        const int cell = empty[static_cast<std::size_t>(Below(static_cast<int>(empty.size())))];
        board(cell % BoardSize, cell / BoardSize) = mark;
    }

    std::mt19937 engine_;
};

} // namespace pentavo
