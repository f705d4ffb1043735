#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pentavo {

// Reads a text that must be one decimal number and nothing else: blanks (spaces, tabs) around it,
// an optional sign, digits with an optional point and fraction, an optional exponent (e or E,
// optional sign, digits). The number is rounded half to even as written, digit by digit, so a long
// fraction is not first bent by binary floating point. Nothing for an empty text, any other text,
// or a result outside the 16-bit range. No thousands separators, no locale: the point is '.'.
std::optional<std::int16_t> ToWholeNumber(std::string_view text);

// The same rounding and range for a value already read; nothing for infinities and NaN.
std::optional<std::int16_t> ToWholeNumber(double value);

// Reads the number the text starts with, blanks (spaces, tabs) ignored anywhere in it, and stops
// at the first character that cannot continue it; an exponent without digits is not read. A text
// that does not start with a number reads 0; a number too large for a double reads as infinity.
double ReadLeadingNumber(std::string_view text);

} // namespace pentavo
