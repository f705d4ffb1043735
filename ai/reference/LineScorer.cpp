#include "ai/reference/LineScorer.h"

#include "ai/reference/WorkGrid.h"

#include <algorithm>

namespace pentavo {

namespace {

constexpr std::int16_t NoMark = 10;

// The shortest stretch holding the candidate and the len marks is span + 2 cells long: with no
// empty cell in it (and four or more in a row) the shape is 2, with at most one it is 1.
std::int16_t Shape(std::int16_t len, std::int16_t span) {
    if (span < len && len > 2)
        return 2;
    if (span < len + 1)
        return 1;
    return 0;
}

} // namespace

std::int16_t LineScorer::DirScore(const LineCellValues& LineCells) {
    SetNextAndOpenFlags(LineCells);
    for (std::size_t m = 0; m < WindowCount; ++m) {
        CountWindow(LineCells, m);
        SetLengthsAndShapes(m);
    }
    return BestWindowValue();
}

void LineScorer::SetNextAndOpenFlags(const LineCellValues& LineCells) {
    const auto ownNext =
        static_cast<std::int16_t>(LineCells[4] == GridOwn || LineCells[5] == GridOwn);
    const auto oppNext =
        static_cast<std::int16_t>(LineCells[4] == GridOpp || LineCells[5] == GridOpp);
    for (std::size_t m = 0; m < WindowCount; ++m) {
        OwnNext[m] = ownNext;
        OppNext[m] = oppNext;
        OwnOpen[m] = 1;
        OppOpen[m] = 1;
        for (const std::int16_t end : {LineCells[m], LineCells[m + 5]}) {
            if (end == GridOpp || end == GridOffBoard)
                OwnOpen[m] = 0;
            if (end == GridOwn || end == GridOffBoard)
                OppOpen[m] = 0;
        }
    }
}

void LineScorer::CountWindow(const LineCellValues& LineCells, std::size_t m) {
    OwnCount[m] = 0;
    OppCount[m] = 0;
    FirstMark[m] = NoMark;
    LastMark[m] = NoMark;
    for (std::size_t i = m + 1; i <= m + 4; ++i) {
        switch (LineCells[i]) {
        case GridOwn:
            ++OwnCount[m];
            OppNext[m] = 0;
            OppOpen[m] = 0;
            break;
        case GridOpp:
            ++OppCount[m];
            OwnNext[m] = 0;
            OwnOpen[m] = 0;
            break;
        case GridOffBoard:
            // An off-board cell closes the window but counts for neither side: like an empty
            // cell for OwnCount, OppCount, FirstMark and LastMark.
            OwnOpen[m] = 0;
            OppOpen[m] = 0;
            OwnNext[m] = 0;
            OppNext[m] = 0;
            continue;
        default:
            continue;
        }
        if (FirstMark[m] == NoMark)
            FirstMark[m] = static_cast<std::int16_t>(i);
        LastMark[m] = static_cast<std::int16_t>(i);
    }
    // Measured from the candidate's place, between indices 4 and 5.
    FirstMark[m] = std::min<std::int16_t>(FirstMark[m], 5);
    LastMark[m] = std::max<std::int16_t>(LastMark[m], 4);
    Span[m] = static_cast<std::int16_t>(LastMark[m] - FirstMark[m]);
}

void LineScorer::SetLengthsAndShapes(std::size_t m) {
    OwnLen[m] = 0;
    OppLen[m] = 0;
    OwnShape[m] = 0;
    OppShape[m] = 0;
    if (OppCount[m] == 0) {
        OwnLen[m] = OwnCount[m];
        OwnShape[m] = Shape(OwnLen[m], Span[m]);
    }
    if (OwnCount[m] == 0) {
        OppLen[m] = OppCount[m];
        OppShape[m] = Shape(OppLen[m], Span[m]);
    }
    if (OwnCount[m] != 0 && OppCount[m] != 0) {
        OwnNext[m] = 0;
        OppNext[m] = 0;
        OwnOpen[m] = 0;
        OppOpen[m] = 0;
    }
    // The mark that would stand on the candidate.
    ++OwnLen[m];
    ++OppLen[m];
}

std::int16_t LineScorer::BestWindowValue() const {
    int best = 0;
    for (std::size_t m = 0; m < WindowCount; ++m) {
        const int ownValue = OwnLen[m] * OwnLen[m] + OwnShape[m] + OwnOpen[m] + OwnNext[m];
        // The person's chances weigh one less than the same chances of the computer's own.
        const int oppValue = OppLen[m] * OppLen[m] + OppShape[m] + OppOpen[m] + OppNext[m] - 1;
        best = std::max({best, ownValue, oppValue});
    }
    return static_cast<std::int16_t>(best);
}

} // namespace pentavo
