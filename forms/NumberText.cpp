#include "forms/NumberText.h"

#include "core/Blanks.h"
#include "core/Rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <compare>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>

namespace pentavo {

namespace {

// A number as its decimal digits: value = 0.digits × 10^pointAt, negated when negative.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    std::int64_t pointAt = 0;
};

struct ScanResult {
    std::optional<DecimalDigits> number;
    std::size_t end = 0; // where the number stops
};

// Far beyond any value either reading can tell apart, and far from overflowing pointAt.
constexpr std::int64_t ExponentCap = 1'000'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t ReadDigits(std::string_view text, std::size_t at, std::string& into) {
    while (at < text.size() && IsDigit(text[at])) {
        into += text[at++];
    }
    return at;
}

// The exponent that starts at `at` ('e' or 'E'); nothing when it has no digits.
std::optional<std::int64_t> ReadExponent(std::string_view text, std::size_t& at) {
    std::size_t pos = at;
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) {
        return std::nullopt;
    }
    ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    if (pos >= text.size() || !IsDigit(text[pos])) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        exponent = std::min(exponent * 10 + (text[pos] - '0'), ExponentCap);
    }
    at = pos;
    return negative ? -exponent : exponent;
}

// The longest number at the very start of the text.
ScanResult ScanNumber(std::string_view text) {
    DecimalDigits number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at++] == '-';
    }
    at = ReadDigits(text, at, number.digits);
    number.pointAt = static_cast<std::int64_t>(number.digits.size());
    if (at < text.size() && text[at] == '.') {
        at = ReadDigits(text, at + 1, number.digits);
    }
    if (number.digits.empty()) {
        return {};
    }
    if (const auto exponent = ReadExponent(text, at)) {
        number.pointAt += *exponent;
    }
    return {number, at};
}

std::optional<std::int16_t> InInt16Range(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> RoundedWhole(const DecimalDigits& number) {
    const std::string& digits = number.digits;
    const auto size = static_cast<std::int64_t>(digits.size());
    const auto digitAt = [&](std::int64_t i) {
        return i >= 0 && i < size ? digits[static_cast<std::size_t>(i)] - '0' : 0;
    };
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return 0;
    }
    const auto first = static_cast<std::int64_t>(firstNonZero);
    if (number.pointAt - first > 5) { // six whole digits or more
        return std::nullopt;
    }
    std::int64_t whole = 0;
    for (std::int64_t i = first; i < number.pointAt; ++i) {
        whole = whole * 10 + digitAt(i);
    }
    const int next = digitAt(number.pointAt);
    const std::int64_t restFrom = std::max<std::int64_t>(number.pointAt + 1, 0);
    const bool restNonZero =
        restFrom < size &&
        digits.find_first_not_of('0', static_cast<std::size_t>(restFrom)) != std::string::npos;
    const std::partial_ordering fractionToHalf =
        next != 5
            ? next <=> 5
            : (restNonZero ? std::partial_ordering::greater : std::partial_ordering::equivalent);
    if (RoundsUp(fractionToHalf, whole % 2 == 1)) {
        ++whole;
    }
    return InInt16Range(number.negative ? -whole : whole);
}

double ToDouble(const DecimalDigits& number) {
    const double zero = number.negative ? -0.0 : 0.0;
    const std::size_t firstNonZero = number.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return zero;
    }
    const double infinity = number.negative ? -std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::infinity();
    // Decimal places before the point, counted from the first significant digit.
    const std::int64_t magnitude = number.pointAt - static_cast<std::int64_t>(firstNonZero);
    if (magnitude > std::numeric_limits<double>::max_exponent10 + 1) {
        return infinity;
    }
    if (magnitude < std::numeric_limits<double>::min_exponent10 - 30) {
        return zero;
    }
    const std::string_view significant = std::string_view(number.digits).substr(firstNonZero);
    const std::string text =
        std::string(significant) + 'e' +
        std::to_string(magnitude - static_cast<std::int64_t>(significant.size()));
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        return magnitude > 0 ? infinity : zero;
    }
    return number.negative ? -value : value;
}

} // namespace

std::optional<std::int16_t> ToWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    const ScanResult scan = ScanNumber(text);
    if (!scan.number || scan.end != text.size()) {
        return std::nullopt;
    }
    return RoundedWhole(*scan.number);
}

std::optional<std::int16_t> ToWholeNumber(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = RoundHalfToEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

double ReadLeadingNumber(std::string_view text) {
    std::string squeezed;
    squeezed.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(squeezed),
                 [](char c) { return !IsBlank(c); });
    const ScanResult scan = ScanNumber(squeezed);
    return scan.number ? ToDouble(*scan.number) : 0.0;
}

} // namespace pentavo
