// FindFive against one plain pass that reads each of the 225 cells once and sums them.

#include "bench/BenchPositions.h"
#include "bench/BenchTable.h"
#include "engine/FindFive.h"

#include <benchmark/benchmark.h>

#include <string>

namespace pentavo::bench {
namespace {

std::int32_t PlainPass(const Board& board) {
    std::int32_t sum = 0;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            sum += board(c, r);
    return sum;
}

// No five anywhere, every cell taken: the longest search.
Board FullWithoutFive() {
    Board board{};
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            board(c, r) = (c + 2 * r) % 4 < 2 ? Cross : Circle;
    return board;
}

struct Case {
    const char* name;
    Board board;
};

std::string Name(const char* subject, const char* position) {
    return std::string("FindFive/") + subject + "/" + position;
}

} // namespace
} // namespace pentavo::bench

int main(int argc, char** argv) {
    using namespace pentavo;
    using namespace pentavo::bench;
    const std::vector<Case> cases{{"empty board", Board{}},
                                  {"40 stones", SelfPlay(40)},
                                  {"120 stones", SelfPlay(120)},
                                  {"full, no five", FullWithoutFive()}};
    for (const Case& position : cases) {
        benchmark::RegisterBenchmark(Name("plain pass", position.name).c_str(),
                                     [board = position.board](benchmark::State& state) {
                                         for (auto _ : state)
                                             benchmark::DoNotOptimize(PlainPass(board));
                                     })
            ->MinTime(0.1);
        benchmark::RegisterBenchmark(Name("FindFive", position.name).c_str(),
                                     [board = position.board](benchmark::State& state) {
                                         for (auto _ : state)
                                             benchmark::DoNotOptimize(FindFive(board));
                                     })
            ->MinTime(0.1);
    }
    MedianReporter medians;
    RunAll(argc, argv, medians);
    for (const Case& position : cases) {
        const double floor = medians.Median(Name("plain pass", position.name));
        const double findFive = medians.Median(Name("FindFive", position.name));
        if (floor > 0 && findFive > 0)
            PrintRow("2", std::string("FindFive, ") + position.name,
                     Format("%.0f ns", findFive) +
                         Format(" = %.2f x plain pass", findFive / floor) +
                         Format(" (pass %.0f ns)", floor),
                     "<= 1.0 x plain pass", Verdict(findFive <= floor));
    }
}
