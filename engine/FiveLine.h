#pragma once

#include "core/Board.h"
#include "core/Cell.h"

#include <cstdint>
#include <optional>

namespace pentavo {

// A winning line: its first and last cell in the order the five search walks it, and its mark.
struct FiveLine {
    Cell first;
    Cell last;
    std::int16_t mark = Empty;
    bool operator==(const FiveLine&) const = default;
};

// The line FindFive reports, whole: a run of six or more is given from end to end. Nothing when
// neither side has five. Walks the lines one cell at a time, in the order that decides between two
// fives; it runs once when a game ends, never while the computer weighs a move.
std::optional<FiveLine> FindFiveLine(const Board& board);

} // namespace pentavo
