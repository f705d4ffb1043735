#include "ai/LineTables.h"

namespace pentavo {

namespace {

inline constexpr int LineLength = 10;
using Cells = std::array<std::uint32_t, LineLength>;

// Cells 0..4 lie 5..1 behind the candidate, cells 5..9 1..5 ahead of it; window m holds the
// candidate and cells m+1..m+4, with cells m and m+5 as its end neighbours.
constexpr int WindowValue(const Cells& cells, int m) {
    const auto at = [&cells](int i) { return cells[static_cast<std::size_t>(i)]; };
    int ownNext = at(4) == SeenOwn || at(5) == SeenOwn ? 1 : 0;
    int oppNext = at(4) == SeenOpp || at(5) == SeenOpp ? 1 : 0;
    int ownOpen = 1;
    int oppOpen = 1;
    for (const std::uint32_t end : {at(m), at(m + 5)}) {
        if (end == SeenOpp || end == SeenOffBoard)
            ownOpen = 0;
        if (end == SeenOwn || end == SeenOffBoard)
            oppOpen = 0;
    }
    int ownCount = 0;
    int oppCount = 0;
    constexpr int NoMark = 10;
    int firstMark = NoMark;
    int lastMark = NoMark;
    for (int i = m + 1; i <= m + 4; ++i) {
        const std::uint32_t cell = at(i);
        if (cell == SeenOffBoard) {
            // Closes the window but counts for neither side.
            ownOpen = oppOpen = ownNext = oppNext = 0;
            continue;
        }
        if (cell == SeenEmpty)
            continue;
        if (cell == SeenOwn) {
            ++ownCount;
            oppNext = oppOpen = 0;
        } else {
            ++oppCount;
            ownNext = ownOpen = 0;
        }
        if (firstMark == NoMark)
            firstMark = i;
        lastMark = i;
    }
    // Measured from the candidate's place, between cells 4 and 5.
    const int span = (lastMark > 4 ? lastMark : 4) - (firstMark < 5 ? firstMark : 5);
    const auto shape = [span](int len) {
        if (span < len && len > 2)
            return 2;
        return span < len + 1 ? 1 : 0;
    };
    int ownLen = 0;
    int oppLen = 0;
    int ownShape = 0;
    int oppShape = 0;
    if (oppCount == 0) {
        ownLen = ownCount;
        ownShape = shape(ownLen);
    }
    if (ownCount == 0) {
        oppLen = oppCount;
        oppShape = shape(oppLen);
    }
    if (ownCount != 0 && oppCount != 0)
        ownNext = oppNext = ownOpen = oppOpen = 0;
    // The mark that would stand on the candidate.
    ++ownLen;
    ++oppLen;
    const int ownValue = ownLen * ownLen + ownShape + ownOpen + ownNext;
    // The person's chances weigh one less than the same chances of the computer's own.
    const int oppValue = oppLen * oppLen + oppShape + oppOpen + oppNext - 1;
    return ownValue > oppValue ? ownValue : oppValue;
}

// Window m reads cells m..m+5 only (cells 4 and 5 among them), so its value is first tabled over
// those six cells, cell m in the lowest two bits.
constexpr int WindowKeyBits = 12;
using WindowTable = std::array<std::uint8_t, std::size_t{1} << WindowKeyBits>;

constexpr WindowTable BuildWindowTable(int m) {
    WindowTable table{};
    for (std::uint32_t key = 0; key < table.size(); ++key) {
        Cells cells{};
        for (int j = 0; j < 6; ++j) {
            const int cell = m + j;
            cells[static_cast<std::size_t>(cell)] = (key >> (2 * j)) & 3u;
        }
        table[key] = static_cast<std::uint8_t>(WindowValue(cells, m));
    }
    return table;
}

constexpr std::array<WindowTable, 5> WindowValues{BuildWindowTable(0), BuildWindowTable(1),
                                                  BuildWindowTable(2), BuildWindowTable(3),
                                                  BuildWindowTable(4)};

// The best of windows firstWindow .. lastWindow, keyed by the cells from cell firstWindow on.
template <int KeyBits, int firstWindow, int lastWindow>
constexpr std::array<std::uint8_t, std::size_t{1} << KeyBits> BuildTable() {
    constexpr std::uint32_t WindowKeyMask = (1u << WindowKeyBits) - 1;
    std::array<std::uint8_t, std::size_t{1} << KeyBits> table{};
    for (std::uint32_t key = 0; key < table.size(); ++key) {
        std::uint32_t best = 0;
        for (int m = firstWindow; m <= lastWindow; ++m) {
            const std::uint32_t value =
                WindowValues[static_cast<std::size_t>(m)]
                            [(key >> (2 * (m - firstWindow))) & WindowKeyMask];
            best = value > best ? value : best;
        }
        table[key] = static_cast<std::uint8_t>(best);
    }
    return table;
}

} // namespace

constexpr std::array<std::uint8_t, std::size_t{1} << BehindKeyBits> BehindWindowsBest =
    BuildTable<BehindKeyBits, 0, 2>();
constexpr std::array<std::uint8_t, std::size_t{1} << AheadKeyBits> AheadWindowsBest =
    BuildTable<AheadKeyBits, 3, 4>();

} // namespace pentavo
