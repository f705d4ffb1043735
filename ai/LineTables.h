#pragma once

#include <array>
#include <cstdint>

namespace pentavo {

// Cell values as the computer sees them, two bits each.
inline constexpr std::uint32_t SeenEmpty = 0;
inline constexpr std::uint32_t SeenOwn = 1;
inline constexpr std::uint32_t SeenOpp = 2;
inline constexpr std::uint32_t SeenOffBoard = 3;

// The eleven cells of one line centred on a candidate, two bits a cell: slots 0..4 hold the cells
// 5..1 behind it, slot 5 the candidate itself (empty, so 0), slots 6..10 the cells 1..5 ahead.
using PackedLine = std::uint32_t;
inline constexpr int PackedSlots = 11;
inline constexpr PackedLine PackedLineMask = (PackedLine{1} << (2 * PackedSlots)) - 1;

// A window's value depends on its five cells, its two end neighbours and the two cells touching
// the candidate, so windows 0 and 1 need only slots 0..7, window 2 slots 2..8 and windows 3 and 4
// slots 3..10. One table for each group keeps the three small enough to stay in the first-level
// cache; entries whose candidate slot is not empty are never read and hold 0.
inline constexpr int BackKeyBits = 16;
inline constexpr int MiddleKeyShift = 4;
inline constexpr int MiddleKeyBits = 14;
inline constexpr int AheadKeyShift = 6;
inline constexpr int AheadKeyBits = 16;

extern const std::array<std::uint8_t, std::size_t{1} << BackKeyBits> BackWindowsBest;
extern const std::array<std::uint8_t, std::size_t{1} << MiddleKeyBits> MiddleWindowBest;
extern const std::array<std::uint8_t, std::size_t{1} << AheadKeyBits> AheadWindowsBest;

// The greatest of the ten window values along the line: the candidate's score in that direction.
inline std::uint32_t DirScore(PackedLine line) {
    const std::uint32_t back = BackWindowsBest[line & ((1u << BackKeyBits) - 1)];
    const std::uint32_t middle =
        MiddleWindowBest[(line >> MiddleKeyShift) & ((1u << MiddleKeyBits) - 1)];
    const std::uint32_t ahead =
        AheadWindowsBest[(line >> AheadKeyShift) & ((1u << AheadKeyBits) - 1)];
    const std::uint32_t best = back > middle ? back : middle;
    return best > ahead ? best : ahead;
}

} // namespace pentavo
