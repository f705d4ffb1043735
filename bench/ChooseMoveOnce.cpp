// One ChooseMove call on the 40-stone position, for counting its instructions under callgrind
// (scripts/bench collects only inside pentavo::ChooseMove).

#include "ai/ChooseMove.h"
#include "bench/BenchPositions.h"

#include <cstdio>

int main() {
    const pentavo::Board board = pentavo::bench::SelfPlay(40);
    std::int16_t col = 0;
    std::int16_t row = 0;
    pentavo::ChooseMove(board, true, col, row);
    std::printf("%d,%d\n", col, row);
}
