#include "core/GameStatistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pentavo {
namespace {

using Result = GameStatistics::Result;

struct CountCase {
    std::string name;
    GameStatistics start;
    std::vector<Result> results;
    GameStatistics expected;
};

class CountTable : public testing::TestWithParam<CountCase> {};

TEST_P(CountTable, CountsEachResultAndKeepsTheStreak) {
    GameStatistics statistics = GetParam().start;
    for (const Result result : GetParam().results)
        statistics.Count(result);
    EXPECT_EQ(statistics, GetParam().expected);
}

constexpr int Most = GameStatistics::Most;

INSTANTIATE_TEST_SUITE_P(
    Results, CountTable,
    testing::Values(
        CountCase{"WinsInARow", {}, {Result::Won, Result::Won, Result::Won}, {3, 0, 0, 3}},
        CountCase{
            "ALossEndsAWinningStreak", {}, {Result::Won, Result::Won, Result::Lost}, {2, 1, 0, -1}},
        CountCase{"LossesInARow", {4, 0, 0, 4}, {Result::Lost, Result::Lost}, {4, 2, 0, -2}},
        CountCase{"ADrawEndsAnyStreak", {0, 0, 0, -3}, {Result::Drawn}, {0, 0, 1, 0}},
        CountCase{"AWinAfterADraw", {}, {Result::Drawn, Result::Won}, {1, 0, 1, 1}},
        CountCase{"CountsStopAtTheMost",
                  {Most, Most, Most, -Most},
                  {Result::Lost, Result::Won, Result::Drawn},
                  {Most, Most, Most, 0}},
        CountCase{"AStreakStopsAtTheMost", {Most, 0, 0, Most}, {Result::Won}, {Most, 0, 0, Most}}),
    [](const testing::TestParamInfo<CountCase>& p) { return p.param.name; });

} // namespace
} // namespace pentavo
