// The tournament brain as a manager sees it: BOARD ... DONE round trips through pipes to the
// built pbrain-pentavo, each answered with a move, on the 40-stone position.

#include "bench/BenchPositions.h"
#include "bench/BenchTable.h"
#include "testkit/ChildProcess.h"

#include <benchmark/benchmark.h>

#include <string>

namespace pentavo::bench {
namespace {

// The position as one BOARD block: crosses are the brain's own stones (1), circles the other's.
std::string BoardBlock(const Board& board) {
    std::string block = "BOARD\n";
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            if (board(c, r) != Empty)
                block += std::to_string(c) + "," + std::to_string(r) + "," +
                         (board(c, r) == Cross ? "1" : "2") + "\n";
    return block + "DONE\n";
}

void RoundTrips(benchmark::State& state) {
    ChildProcess brain(PBRAIN_PATH);
    if (!brain.Send("START 15\n") || brain.ReadLine() != "OK") {
        state.SkipWithError("the brain did not start");
        return;
    }
    const std::string block = BoardBlock(SelfPlay(40));
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the timing loop
        if (!brain.Send(block)) {
            state.SkipWithError("the brain stopped reading");
            break;
        }
        const auto reply = brain.ReadLine();
        if (!reply || reply->rfind("ERROR", 0) == 0) {
            state.SkipWithError("no move in reply");
            break;
        }
    }
    brain.Send("END\n");
    brain.Wait();
}

constexpr const char* Name = "brain/BOARD round trip/40 stones";

} // namespace
} // namespace pentavo::bench

int main(int argc, char** argv) {
    using namespace pentavo::bench;
    benchmark::RegisterBenchmark(Name, RoundTrips)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->MinTime(0.5);
    MedianReporter medians;
    RunAll(argc, argv, medians);
    const double microseconds = medians.Median(Name);
    if (microseconds > 0)
        PrintRow("5", "Brain BOARD..DONE round trips over pipes, 40 stones",
                 Format("%.0f per second", 1e6 / microseconds) +
                     Format(" (%.1f us each)", microseconds),
                 "reported", "-");
}
