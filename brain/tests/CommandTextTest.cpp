#include "brain/CommandText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pentavo {
namespace {

using namespace std::string_view_literals;

TEST(CommandText, ParseNumberReadsBoundedDecimals) {
    const struct {
        std::string_view text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {" 14\t", 14},
        {"-3", -3},
        {"007", 7},
        {"99999999999999999999999999", NumberLimit},
        {"-99999999999999999999999999", -NumberLimit},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"+5", std::nullopt},
        {"1 2", std::nullopt},
        {"1-2", std::nullopt},
        {"0x10", std::nullopt},
        {"3.0", std::nullopt},
        {"7\0"sv, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Printable(c.text, 40));
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
}

TEST(CommandText, ParseNumbersWantsExactlyTheCount) {
    std::array<int, 2> two{};
    EXPECT_TRUE(ParseNumbers(" 3 , 4 ", two));
    EXPECT_EQ(two, (std::array{3, 4}));
    std::array<int, 3> three{};
    EXPECT_TRUE(ParseNumbers("1,2,-3", three));
    EXPECT_EQ(three, (std::array{1, 2, -3}));
    for (std::string_view bad : {"3", "3,4,5", "3,", ",4", "3,,4", "3;4", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseNumbers(bad, two));
    }
}

TEST(CommandText, SplitCommandSeparatesWordAndArguments) {
    const auto [word, args] = SplitCommand("\t INFO  timeout_turn 5000 ");
    EXPECT_EQ(word, "INFO");
    EXPECT_EQ(args, "timeout_turn 5000");
    const auto bare = SplitCommand("BEGIN");
    EXPECT_EQ(bare.word, "BEGIN");
    EXPECT_EQ(bare.args, "");
}

TEST(CommandText, PrintableKeepsAnswersOnOneSafeLine) {
    EXPECT_EQ(Printable("FOO", 10), "FOO");
    EXPECT_EQ(Printable("a\0b\x7f\xff\r"sv, 10), "a?b???");
    EXPECT_EQ(Printable("abcdefgh", 3), "abc...");
}

} // namespace
} // namespace pentavo
