// The move choice against the reading floor: a loop that only reads, for every empty cell, the
// forty cells the scoring looks at. Each position is timed warm and with the caches cleared before
// every call, for ChooseMove, the plain scorer it replaced, and the floor, side by side.

#include "ai/ChooseMove.h"
#include "ai/reference/ReferenceMoveChoice.h"
#include "bench/BenchPositions.h"
#include "bench/BenchTable.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

namespace pentavo::bench {
namespace {

// The board in a frame of five off-board cells, as the floor reads it.
constexpr int Frame = 5;
constexpr int FramedSize = BoardSize + 2 * Frame;

struct FramedBoard {
    std::array<std::int16_t, std::size_t{FramedSize} * FramedSize> cells;
};

FramedBoard Framed(const Board& board) {
    FramedBoard framed;
    framed.cells.fill(3);
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            framed.cells[static_cast<std::size_t>(c + Frame) +
                         static_cast<std::size_t>(r + Frame) * FramedSize] = board(c, r);
    return framed;
}

// For every empty cell, in the scan order of ChooseMove, the ten cells of each direction summed.
std::int32_t ReadingFloor(const FramedBoard& framed) {
    constexpr std::array<int, 4> Steps{1, FramedSize, FramedSize + 1, 1 - FramedSize};
    std::int32_t sum = 0;
    for (int c = 0; c < BoardSize; ++c) {
        for (int r = 0; r < BoardSize; ++r) {
            const int at = (c + Frame) + (r + Frame) * FramedSize;
            if (framed.cells[static_cast<std::size_t>(at)] != 0)
                continue;
            for (const int step : Steps)
                for (int k = 1; k <= 5; ++k) {
                    const int behind = at - k * step;
                    const int ahead = at + k * step;
                    sum += framed.cells[static_cast<std::size_t>(behind)] +
                           framed.cells[static_cast<std::size_t>(ahead)];
                }
        }
    }
    return sum;
}

// Touching every line of a buffer larger than the last-level cache pushes out everything else.
void ClearCaches() {
    static std::vector<char> flood(64u << 20);
    for (std::size_t i = 0; i < flood.size(); i += 64)
        flood[i] = static_cast<char>(flood[i] + 1);
    benchmark::ClobberMemory();
}

enum class Subject { Floor, ChooseMove, Reference };

const char* Name(Subject subject) {
    switch (subject) {
    case Subject::Floor:
        return "floor";
    case Subject::ChooseMove:
        return "ChooseMove";
    case Subject::Reference:
        return "plain";
    }
    return "";
}

void RunOnce(Subject subject, const Board& board, const FramedBoard& framed) {
    std::int16_t col = 0;
    std::int16_t row = 0;
    switch (subject) {
    case Subject::Floor:
        benchmark::DoNotOptimize(ReadingFloor(framed));
        return;
    case Subject::ChooseMove:
        ChooseMove(board, true, col, row);
        break;
    case Subject::Reference:
        ReferenceChooseMove(board, true, col, row);
        break;
    }
    benchmark::DoNotOptimize(col);
    benchmark::DoNotOptimize(row);
}

void Warm(benchmark::State& state, Subject subject, const Board& board) {
    const FramedBoard framed = Framed(board);
    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores): the timing loop
        RunOnce(subject, board, framed);
}

void Cold(benchmark::State& state, Subject subject, const Board& board) {
    const FramedBoard framed = Framed(board);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the timing loop
        ClearCaches();
        const auto start = std::chrono::steady_clock::now();
        RunOnce(subject, board, framed);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

std::string WarmName(Subject subject, const char* position) {
    return std::string("warm/") + Name(subject) + "/" + position;
}
std::string ColdName(Subject subject, const char* position) {
    return std::string("cold/") + Name(subject) + "/" + position;
}
std::string CurveName(Subject subject, int stones) {
    return std::string("stones/") + Name(subject) + "/" + std::to_string(stones);
}

constexpr int CurveStep = 10;
constexpr int CurveLast = 220;

void Register() {
    for (const NamedPosition& position : Positions) {
        const Board board = SelfPlay(position.stones);
        for (const Subject subject : {Subject::Floor, Subject::ChooseMove, Subject::Reference}) {
            benchmark::RegisterBenchmark(WarmName(subject, position.name).c_str(), Warm, subject,
                                         board)
                ->Unit(benchmark::kNanosecond)
                ->MinTime(0.1);
            benchmark::RegisterBenchmark(ColdName(subject, position.name).c_str(), Cold, subject,
                                         board)
                ->Unit(benchmark::kNanosecond)
                ->UseManualTime()
                ->Iterations(200);
        }
    }
    for (int stones = 0; stones <= CurveLast; stones += CurveStep) {
        const Board board = SelfPlay(stones);
        for (const Subject subject : {Subject::ChooseMove, Subject::Reference})
            benchmark::RegisterBenchmark(CurveName(subject, stones).c_str(), Warm, subject, board)
                ->Unit(benchmark::kNanosecond)
                ->MinTime(0.05);
    }
}

// One goal-1 row: the move choice against the floor measured the same way, and the plain scorer's
// figure beside it when it was measured.
void PrintAgainstFloor(const std::string& figure, double fast, double floor, double plain,
                       double limit) {
    if (floor <= 0 || fast <= 0)
        return;
    PrintRow("1", figure,
             Format("%.0f ns", fast) + Format(" = %.2f x floor", fast / floor) +
                 Format(" (floor %.0f ns", floor) +
                 (plain > 0 ? Format("; before %.0f ns", plain) +
                                  Format(" = %.1f x floor)", plain / floor)
                            : std::string(")")),
             Format("<= %.1f x floor", limit), Verdict(fast <= limit * floor));
}

void PrintRows(const MedianReporter& medians) {
    for (const NamedPosition& position : Positions) {
        PrintAgainstFloor(std::string("ChooseMove warm, ") + position.name,
                          medians.Median(WarmName(Subject::ChooseMove, position.name)),
                          medians.Median(WarmName(Subject::Floor, position.name)),
                          medians.Median(WarmName(Subject::Reference, position.name)), 1.0);
        PrintAgainstFloor(std::string("ChooseMove caches cleared, ") + position.name,
                          medians.Median(ColdName(Subject::ChooseMove, position.name)),
                          medians.Median(ColdName(Subject::Floor, position.name)),
                          medians.Median(ColdName(Subject::Reference, position.name)), 3.0);
    }

    // The curve, for the plot. Ten more stones remove only ten candidates, less than the noise of
    // a shared machine, so the trend is judged on thirds: each third of the curve must cost less
    // on average than the one before.
    std::vector<double> curve;
    for (int stones = 0; stones <= CurveLast; stones += CurveStep) {
        const double fast = medians.Median(CurveName(Subject::ChooseMove, stones));
        const double plain = medians.Median(CurveName(Subject::Reference, stones));
        if (fast <= 0)
            return;
        std::cout << "CURVE\t" << stones << '\t' << fast << '\t' << plain << std::endl;
        curve.push_back(fast);
    }
    const auto mean = [&curve](std::size_t from, std::size_t to) {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i)
            sum += curve[i];
        return sum / static_cast<double>(to - from);
    };
    const std::size_t third = curve.size() / 3;
    const double early = mean(0, third);
    const double middle = mean(third, curve.size() - third);
    const double late = mean(curve.size() - third, curve.size());
    PrintRow("6", "ChooseMove, 0 to 220 stones",
             Format("%.0f ns", curve.front()) + Format(" -> %.0f ns", curve.back()) +
                 Format("; thirds %.0f", early) + Format(" > %.0f", middle) +
                 Format(" > %.0f ns", late),
             "falls as the board fills", Verdict(early > middle && middle > late));
}

} // namespace
} // namespace pentavo::bench

int main(int argc, char** argv) {
    pentavo::bench::Register();
    pentavo::bench::MedianReporter medians;
    pentavo::bench::RunAll(argc, argv, medians);
    pentavo::bench::PrintRows(medians);
}
