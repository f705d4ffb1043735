#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pentavo {

// Protocol lines split into pieces: blanks (spaces and tabs) separate, nothing else does.
struct CommandAndArgs {
    std::string_view word; // the command, as written
    std::string_view args; // the rest, trimmed
};
CommandAndArgs SplitCommand(std::string_view line);

// A decimal integer with an optional minus sign and blanks around it. Magnitudes beyond
// NumberLimit saturate there: such a number is off every board, and reading it cannot overflow.
inline constexpr int NumberLimit = 1'000'000;
std::optional<int> ParseNumber(std::string_view text);

// Exactly out.size() numbers separated by commas, as in "7,7" or "3, 4 ,1".
[[nodiscard]] bool ParseNumbers(std::string_view text, std::span<int> out);

// The text made safe to echo on one answer line: bytes outside printable ASCII become '?', and a
// text longer than maxLength is cut and marked with "...".
std::string Printable(std::string_view text, std::size_t maxLength);

} // namespace pentavo
