#include "ai/ChooseMove.h"

#include <benchmark/benchmark.h>

namespace pentavo {
namespace {

// Both sides take the computer's reply in turn: a plausible game with lines and threats.
Board SelfPlay(int moves) {
    Board board{};
    for (int i = 0; i < moves; ++i) {
        const bool crossToMove = i % 2 == 0;
        std::int16_t col = 0;
        std::int16_t row = 0;
        ChooseMove(board, crossToMove, col, row);
        board(col, row) = crossToMove ? Cross : Circle;
    }
    return board;
}

// Every cell taken except a few, so the scan scores almost nothing.
Board NearlyFull() {
    Board board{};
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            board(col, row) = (col + 2 * row) % 4 < 2 ? Cross : Circle;
    for (int i = 0; i < 8; ++i)
        board((i * 7) % BoardSize, (i * 4 + 3) % BoardSize) = Empty;
    return board;
}

void Reply(benchmark::State& state, const Board& board) {
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the loop variable only counts the runs
    for (auto _ : state) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        ChooseMove(board, true, col, row);
        benchmark::DoNotOptimize(col);
        benchmark::DoNotOptimize(row);
    }
}

void BM_ChooseMoveEmptyBoard(benchmark::State& state) {
    Reply(state, Board{});
}

void BM_ChooseMoveMidGame(benchmark::State& state) {
    Reply(state, SelfPlay(40));
}

void BM_ChooseMoveNearlyFull(benchmark::State& state) {
    Reply(state, NearlyFull());
}

BENCHMARK(BM_ChooseMoveEmptyBoard);
BENCHMARK(BM_ChooseMoveMidGame);
BENCHMARK(BM_ChooseMoveNearlyFull);

} // namespace
} // namespace pentavo
