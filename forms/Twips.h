#pragma once

#include <QRect>

namespace pentavo {

// The program's coordinates are twips: 1440 to the inch, 15 to a logical pixel at 96 dpi.
inline constexpr double TwipsPerPixel = 15.0;

// Logical pixels for a length in twips, fractions kept (for drawing).
constexpr double TwipsToPixelsF(double twips) {
    return twips / TwipsPerPixel;
}

// Whole logical pixels for a length in twips, rounded to the nearest, halves away from zero as Qt
// rounds its own lengths (the numbers the game reads round halves to even, core/Rounding.h).
constexpr int TwipsToPixels(double twips) {
    const double pixels = TwipsToPixelsF(twips);
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

constexpr double PixelsToTwips(double pixels) {
    return pixels * TwipsPerPixel;
}

// A control's rectangle as designed in twips of its parent: left, top, width, height.
inline QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace pentavo
