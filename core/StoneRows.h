#pragma once

#include "core/Board.h"

#include <cstdint>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pentavo {

// Row r as one word: bit c for a cross at column c, bit 16 + c for a circle. Bits 15 and 31 stay
// clear, so a run shifted past a row's end meets a gap. Any other cell value counts as empty.
inline constexpr std::uint32_t StoneRowCrosses = 0x7FFF;
inline constexpr std::uint32_t StoneRowCircles = StoneRowCrosses << 16;

#if defined(__SSE2__)
namespace detail {
// Sixteen cells from `first` as the word of their first fifteen; the last row, which has no
// sixteenth cell after it, passes an overlapping second half (`secondHalf` 7 instead of 8).
template <int secondHalf> std::uint32_t StoneRow(const std::int16_t* first) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + secondHalf));
    const auto bits = [&](std::int16_t mark) {
        const __m128i wanted = _mm_set1_epi16(mark);
        return static_cast<std::uint32_t>(_mm_movemask_epi8(
            _mm_packs_epi16(_mm_cmpeq_epi16(low, wanted), _mm_cmpeq_epi16(high, wanted))));
    };
    std::uint32_t word = bits(Cross) | (bits(Circle) << 16);
    if constexpr (secondHalf == 7)
        word = (word & 0x00FF00FFu) | ((word >> 1) & 0x7F007F00u);
    return word & (StoneRowCrosses | StoneRowCircles);
}
} // namespace detail

// Eight cells at a time: this runs once for every move the computer weighs or checks.
inline void PackStoneRows(const Board& board, std::span<std::uint32_t, BoardSize> rows) {
    const std::int16_t* cells = board.Cells().data();
    for (std::size_t r = 0; r + 1 < BoardSize; ++r)
        rows[r] = detail::StoneRow<8>(cells + r * BoardSize);
    rows[BoardSize - 1] = detail::StoneRow<7>(cells + (CellCount - BoardSize));
}
#else
inline void PackStoneRows(const Board& board, std::span<std::uint32_t, BoardSize> rows) {
    for (int r = 0; r < BoardSize; ++r) {
        std::uint32_t word = 0;
        for (int c = 0; c < BoardSize; ++c) {
            const std::int16_t cell = board(c, r);
            word |=
                (std::uint32_t{cell == Cross} << c) | (std::uint32_t{cell == Circle} << (16 + c));
        }
        rows[static_cast<std::size_t>(r)] = word;
    }
}
#endif

} // namespace pentavo
