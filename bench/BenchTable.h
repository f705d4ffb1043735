#pragma once

// Shared by the bench_* programs: every benchmark is repeated and only its median kept, and the
// program ends by printing its own rows of the performance table. scripts/bench gathers the rows
// of every bench_* program it finds, so a new program adds its figures by printing rows too.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace pentavo::bench {

inline constexpr int Repetitions = 7;

// Console output as usual, and the median of each benchmark kept by name, in its time unit: CPU
// time, which other programs on a shared machine disturb less than wall time, unless the
// benchmark asks for wall time or measures its own.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Without colour codes, which would run into the first row printed after the benchmarks.
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.run_name.time_type.empty()
                                                           ? run.GetAdjustedCPUTime()
                                                           : run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // The median of `name`; -1 when it did not run (filtered out).
    double Median(const std::string& name) const {
        const auto found = medians_.find(name);
        return found == medians_.end() ? -1.0 : found->second;
    }

private:
    std::map<std::string, double> medians_;
};

// One line of the table: "ROW", goal, figure, measured, target, verdict, tab-separated.
inline void PrintRow(const std::string& goal, const std::string& figure,
                     const std::string& measured, const std::string& target,
                     const std::string& verdict) {
    std::cout << "ROW\t" << goal << '\t' << figure << '\t' << measured << '\t' << target << '\t'
              << verdict << std::endl;
}

inline std::string Format(const char* format, double value) {
    char text[64];
    // A bad format gives an empty cell rather than whatever the buffer held.
    return std::snprintf(text, sizeof text, format, value) < 0 ? std::string{} : std::string{text};
}

inline std::string Verdict(bool holds) {
    return holds ? "holds" : "FAILS";
}

// Runs the registered benchmarks (median of Repetitions unless the command line says otherwise).
inline void RunAll(int argc, char** argv, MedianReporter& reporter) {
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=" + std::to_string(Repetitions);
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions.data(), aggregatesOnly.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

} // namespace pentavo::bench
