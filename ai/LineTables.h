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
// Slots past the eleventh may hold anything.
using PackedLine = std::uint32_t;

// A window's value depends on its five cells, its two end neighbours and the two cells touching
// the candidate, so windows 0, 1 and 2 need only cells 0..7 (the five behind and three ahead) and
// windows 3 and 4 cells 3..9. Each table is keyed by its cells alone, without the candidate's
// always empty slot, so that every entry is one a board can ask for and the two stay dense.
inline constexpr int BehindKeyBits = 16;
inline constexpr int AheadKeyShift = 6;
inline constexpr int AheadKeyBits = 14;

extern const std::array<std::uint8_t, std::size_t{1} << BehindKeyBits> BehindWindowsBest;
extern const std::array<std::uint8_t, std::size_t{1} << AheadKeyBits> AheadWindowsBest;

// The greatest of the ten window values along the line: the candidate's score in that direction.
inline std::uint32_t DirScore(PackedLine line) {
    // The ten cells in a row: slots 0..4, then slots 6..10 moved down over the candidate's.
    const std::uint32_t cells = (line & 0x3FFu) | ((line >> 2) & 0xFFC00u);
    const std::uint32_t behind = BehindWindowsBest[cells & ((1u << BehindKeyBits) - 1)];
    const std::uint32_t ahead =
        AheadWindowsBest[(cells >> AheadKeyShift) & ((1u << AheadKeyBits) - 1)];
    return behind > ahead ? behind : ahead;
}

} // namespace pentavo
