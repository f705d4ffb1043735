#pragma once

#include "ai/reference/LineScorer.h"
#include "ai/reference/WorkGrid.h"

#include <array>
#include <cstdint>

namespace pentavo {

// Scores the empty cells of one position for the computer. Build one per position; its working
// arrays are reused for every candidate.
class CellScorer {
public:
    CellScorer(const Board& board, bool computerFirst) : grid_(board, computerFirst) {}

    bool IsCandidate(int col, int row) const { return grid_.At(col, row) == GridEmpty; }

    // The four direction scores in descending order, weighed 1000, 100, 10 and 1.
    std::int32_t Score(int col, int row);

private:
    static constexpr int DirectionCount = 4;

    void FillLineCells(int direction, int col, int row);

    WorkGrid grid_;
    LineScorer lineScorer_;
    LineCellValues LineCells{};
    std::array<std::int16_t, DirectionCount> DirScore{};
    std::array<std::int16_t, DirectionCount> Ranked{};
};

} // namespace pentavo
