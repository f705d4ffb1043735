#pragma once

#include <string_view>

namespace pentavo {

// Blanks are spaces and tabs, nothing else: they separate the words of a brain's line and may
// stand around a caption's number.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace pentavo
