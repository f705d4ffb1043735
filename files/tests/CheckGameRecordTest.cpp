#include "files/GameRecord.h"
#include "testkit/Logs.h"

#include <gtest/gtest.h>

#include <cctype>

namespace pentavo {
namespace {

struct CheckCase {
    const char* what;
    std::vector<MoveCode> codes;
    std::optional<std::string> reason;
};

// The reason a check gives, or nothing when it passed.
std::optional<std::string> Refusal(const Outcome& checked) {
    if (checked)
        return std::nullopt;
    return checked.Message();
}

class CheckGameRecordTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckGameRecordTest, GivesTheReasonForTheFirstWrongMove) {
    EXPECT_EQ(Refusal(CheckGameRecord(LogOf(GetParam().codes))), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, CheckGameRecordTest,
    testing::Values(
        CheckCase{"empty", {}, std::nullopt},
        CheckCase{"person first opening", {120, 103}, std::nullopt},
        CheckCase{"corners and row ends", {1, 15, 17, 225, 239}, std::nullopt},
        CheckCase{"code 16", {120, 16}, "Move 2 names no cell (code 16)."},
        CheckCase{"code 32", {32}, "Move 1 names no cell (code 32)."},
        CheckCase{"code 240", {1, 2, 3, 4, 5, 6, 240}, "Move 7 names no cell (code 240)."},
        CheckCase{"code 255", {120, 103, 255}, "Move 3 names no cell (code 255)."},
        CheckCase{"negative code", {-1}, "Move 1 names no cell (code -1)."},
        CheckCase{
            "repeated cell", {120, 1, 2, 3, 4, 5, 6, 7, 2}, "Move 9 repeats the cell of move 3."},
        CheckCase{"repeat reported before a later bad code",
                  {5, 5, 240},
                  "Move 2 repeats the cell of move 1."},
        CheckCase{
            "codes after the first 0 are not looked at", {120, 0, 240, 16, 120}, std::nullopt},
        CheckCase{"nothing but codes after a leading 0", {0, 255, 255}, std::nullopt}),
    [](const testing::TestParamInfo<CheckCase>& param) {
        std::string name;
        for (const char* c = param.param.what; *c != '\0'; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        return name;
    });

TEST(CheckGameRecord, AcceptsAFullBoard) {
    MoveLog log = NoFiveLog({});
    EXPECT_EQ(Refusal(CheckGameRecord(log)), std::nullopt);
    log[224] = log[0];
    EXPECT_EQ(Refusal(CheckGameRecord(log)), "Move 225 repeats the cell of move 1.");
}

} // namespace
} // namespace pentavo
