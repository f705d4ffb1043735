#include "ai/reference/CellScorer.h"

#include <algorithm>
#include <functional>

namespace pentavo {

namespace {

struct Step {
    int col;
    int row;
};

// Along the row, along the column, the diagonal, the anti-diagonal.
constexpr std::array<Step, 4> DirectionSteps{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

} // namespace

void CellScorer::FillLineCells(int direction, int col, int row) {
    const Step step = DirectionSteps[static_cast<std::size_t>(direction)];
    for (int i = 0; i < LineLength; ++i) {
        // Indices 0..4 are positions -5..-1, indices 5..9 positions +1..+5.
        const int position = i < 5 ? i - 5 : i - 4;
        LineCells[static_cast<std::size_t>(i)] =
            grid_.At(col + position * step.col, row + position * step.row);
    }
}

std::int32_t CellScorer::Score(int col, int row) {
    for (int direction = 0; direction < DirectionCount; ++direction) {
        FillLineCells(direction, col, row);
        DirScore[static_cast<std::size_t>(direction)] = lineScorer_.DirScore(LineCells);
    }
    Ranked = DirScore;
    std::sort(Ranked.begin(), Ranked.end(), std::greater<>());
    return 1000 * Ranked[0] + 100 * Ranked[1] + 10 * Ranked[2] + Ranked[3];
}

} // namespace pentavo
