#include "forms/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace pentavo {
namespace {

constexpr std::optional<std::int16_t> Error = std::nullopt;
constexpr double Infinity = std::numeric_limits<double>::infinity();

struct WholeCase {
    std::string text;
    std::optional<std::int16_t> expected;
};

TEST(ToWholeNumberOfText, ReadsWholeTexts) {
    const std::vector<WholeCase> cases = {
        // plain numbers, signs and blanks around them
        {"0", 0},
        {"12", 12},
        {" 12 ", 12},
        {"\t12\t", 12},
        {"+7", 7},
        {"-7", -7},
        {"-0", 0},
        {"007", 7},
        // decimals, halves to even
        {"1.", 1},
        {".5", 0},
        {"1.5", 2},
        {"2.5", 2},
        {"3.5", 4},
        {"2.49", 2},
        {"2.51", 3},
        {"-0.5", 0},
        {"-1.5", -2},
        {"-2.5", -2},
        {"0.5000000000000000000000001", 1},
        {"2.5000000000000000000000001", 3},
        {"2.4999999999999999999999999", 2},
        // exponents
        {"1e3", 1000},
        {"1E3", 1000},
        {"1e+3", 1000},
        {"15e-1", 2},
        {"25e-1", 2},
        {"0.00125e3", 1},
        {"1e-400", 0},
        {"0e99999999999999999999", 0},
        // the range limits
        {"32767", 32767},
        {"32767.4", 32767},
        {"3276.74e1", 32767},
        {"-32768", -32768},
        {"-32768.5", -32768},
        {"32767.5", Error},
        {"3276.75e1", Error},
        {"32768", Error},
        {"-32768.6", Error},
        {"-32769", Error},
        {"100000", Error},
        {"1e400", Error},
        {"1e99999999999999999999", Error},
        // not a number as a whole
        {"", Error},
        {"   ", Error},
        {"+", Error},
        {"-", Error},
        {".", Error},
        {"1 2", Error},
        {"- 5", Error},
        {"0x10", Error},
        {"1,5", Error},
        {"1e", Error},
        {"1e+", Error},
        {"e3", Error},
        {"1037abc", Error},
        {"abc", Error},
        {"\n5", Error},
        {"--5", Error},
        {"1.2.3", Error},
        // very long digit strings
        {std::string(1000, '0') + "42", 42},
        {"0." + std::string(1000, '0') + "9", 0},
        {"0." + std::string(1000, '4') + "9", 0},
        {"1.5" + std::string(1000, '0'), 2},
        {"2.5" + std::string(1000, '0') + "1", 3},
        {std::string(1000, '9'), Error},
        {"1" + std::string(1000, '0') + "e-1000", 1},
    };
    for (const WholeCase& c : cases) {
        EXPECT_EQ(ToWholeNumber(c.text), c.expected) << '"' << c.text.substr(0, 40) << '"';
    }
}

struct ValueCase {
    double value;
    std::optional<std::int16_t> expected;
};

TEST(ToWholeNumberOfValue, RoundsHalfToEvenWithinRange) {
    const std::vector<ValueCase> cases = {
        {0.0, 0},           {-0.0, 0},          {0.49, 0},
        {0.5, 0},           {1.5, 2},           {2.5, 2},
        {-0.5, 0},          {-1.5, -2},         {-2.5, -2},
        {1037.0, 1037},     {32767.49, 32767},  {32767.5, Error},
        {-32768.5, -32768}, {-32768.51, Error}, {1e300, Error},
        {Infinity, Error},  {-Infinity, Error}, {std::numeric_limits<double>::quiet_NaN(), Error},
    };
    for (const ValueCase& c : cases) {
        EXPECT_EQ(ToWholeNumber(c.value), c.expected) << c.value;
    }
}

struct LeadingCase {
    std::string text;
    double expected;
};

TEST(ReadLeadingNumber, ReadsTheNumberAtTheStart) {
    const std::vector<LeadingCase> cases = {
        {"", 0},
        {"abc", 0},
        {"1037", 1037},
        {" 1037abc", 1037},
        {"1 2 3", 123},
        {"\t4\t2", 42},
        {"-5", -5},
        {"- 5", -5},
        {"+5", 5},
        {"--5", 0},
        {"+-5", 0},
        {"-", 0},
        {".5", 0.5},
        {".", 0},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"1.5e2x", 150},
        {"1 e 3", 1000},
        {"1E-2", 0.01},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"0x10", 0},
        {"1,000", 1},
        {"12345678901234567890", 12345678901234567890.0},
        {"1e308", 1e308},
        {"1e400", Infinity},
        {"-1e400", -Infinity},
        {"1e-400", 0},
        {"1" + std::string(400, '0'), Infinity},
        {"0." + std::string(400, '0') + "1", 0},
        {std::string(400, '0') + "25", 25},
        {"1" + std::string(500, '0') + "e-500", 1},
    };
    for (const LeadingCase& c : cases) {
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << '"' << c.text.substr(0, 40) << '"';
    }
}

TEST(ReadLeadingNumber, ThenWholeNumberGivesTheIdentifier) {
    EXPECT_EQ(ToWholeNumber(ReadLeadingNumber("1037 OK")), 1037);
    EXPECT_EQ(ToWholeNumber(ReadLeadingNumber("-5")), -5);
    EXPECT_EQ(ToWholeNumber(ReadLeadingNumber("1036.5")), 1036);
    EXPECT_EQ(ToWholeNumber(ReadLeadingNumber("40000")), Error);
    EXPECT_EQ(ToWholeNumber(ReadLeadingNumber("1e400")), Error);
}

} // namespace
} // namespace pentavo
