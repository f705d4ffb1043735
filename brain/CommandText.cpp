#include "brain/CommandText.h"

#include "core/Blanks.h"

#include <algorithm>

namespace pentavo {

CommandAndArgs SplitCommand(std::string_view line) {
    line = TrimBlanks(line);
    const auto end = std::find_if(line.begin(), line.end(), IsBlank);
    const auto wordLength = static_cast<std::size_t>(end - line.begin());
    return {line.substr(0, wordLength), TrimBlanks(line.substr(wordLength))};
}

std::optional<int> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = std::min(value * 10 + (ch - '0'), NumberLimit);
    }
    return negative ? -value : value;
}

bool ParseNumbers(std::string_view text, std::span<int> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool last = i + 1 == out.size();
        const std::size_t comma = text.find(',');
        if (last != (comma == std::string_view::npos))
            return false;
        const auto number = ParseNumber(text.substr(0, comma));
        if (!number)
            return false;
        out[i] = *number;
        if (!last)
            text.remove_prefix(comma + 1);
    }
    return true;
}

std::string Printable(std::string_view text, std::size_t maxLength) {
    const bool cut = text.size() > maxLength;
    std::string result;
    for (char ch : text.substr(0, maxLength))
        result += ch >= ' ' && ch <= '~' ? ch : '?';
    if (cut)
        result += "...";
    return result;
}

} // namespace pentavo
