#pragma once

#include <cmath>
#include <compare>

namespace pentavo {

// The numbers the game reads round halves to the even neighbour: the cell under a click and the
// numbers of the captions (lengths on the screen round halves away from zero, forms/Twips.h; the
// reason is in ARCHITECTURE.md). `fractionToHalf` is how the part above the lower neighbour
// compares with one half, so a reader of decimal digits decides without a binary value.
constexpr bool RoundsUp(std::partial_ordering fractionToHalf, bool lowerIsOdd) {
    return fractionToHalf > 0 || (fractionToHalf == 0 && lowerIsOdd);
}

// The same whatever the process's rounding mode: floor and fmod are exact, and so is the fraction
// wherever it could be near a half. Infinities and NaN come back as they are.
inline double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    return RoundsUp(value - below <=> 0.5, std::fmod(below, 2.0) != 0.0) ? below + 1.0 : below;
}

} // namespace pentavo
