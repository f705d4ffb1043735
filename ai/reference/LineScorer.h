#pragma once

#include <array>
#include <cstdint>

namespace pentavo {

// The ten cells around a candidate along one direction, values as in WorkGrid: indices 0..4 lie at
// distance 5..1 behind the candidate, 5..9 at distance 1..5 ahead of it.
inline constexpr int LineLength = 10;
using LineCellValues = std::array<std::int16_t, LineLength>;

// Rates the five windows of five cells through the candidate along one line. The working arrays
// live as long as the scorer, so one scorer serves a whole scan without allocating.
class LineScorer {
public:
    // The greatest of the ten window values (OwnValue and OppValue of windows 0..4), at least 0.
    std::int16_t DirScore(const LineCellValues& LineCells);

private:
    static constexpr std::size_t WindowCount = 5;
    using PerWindow = std::array<std::int16_t, WindowCount>;

    void SetNextAndOpenFlags(const LineCellValues& LineCells);
    void CountWindow(const LineCellValues& LineCells, std::size_t m);
    void SetLengthsAndShapes(std::size_t m);
    std::int16_t BestWindowValue() const;

    PerWindow OwnCount{}, OppCount{}, FirstMark{}, LastMark{}, Span{};
    PerWindow OwnLen{}, OppLen{}, OwnShape{}, OppShape{};
    PerWindow OwnOpen{}, OppOpen{}, OwnNext{}, OppNext{};
};

} // namespace pentavo
