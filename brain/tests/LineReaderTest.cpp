#include "brain/LineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pentavo {
namespace {

using namespace std::string_literals;

std::vector<std::string> ReadAll(const std::string& input, std::size_t limit) {
    std::istringstream in(input);
    LineReader reader(in, limit);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

TEST(LineReader, SplitsOnEveryLineEnd) {
    const struct {
        std::string input;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"tail without end", {"tail without end"}},
        {"nul\0inside\n"s, {"nul\0inside"s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ReadAll(c.input, 100), c.lines);
    }
}

TEST(LineReader, KeepsOnlyTheLimitOfALongLine) {
    EXPECT_EQ(ReadAll(std::string(100000, 'x') + "\nnext", 5),
              (std::vector<std::string>{"xxxxx", "next"}));
}

// A manager that ends a line with a lone CR waits for the answer: nothing past it may be read.
TEST(LineReader, ReadsNothingPastALineEnd) {
    std::istringstream in("abc\rdef");
    LineReader reader(in, 100);
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "abc");
    EXPECT_EQ(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in), 4);
}

} // namespace
} // namespace pentavo
