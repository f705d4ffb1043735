#include "ai/reference/ReferenceMoveChoice.h"

#include "ai/reference/CellScorer.h"

namespace pentavo {

void ReferenceChooseMove(const Board& board, bool computerFirst, std::int16_t& column,
                         std::int16_t& row) {
    CellScorer scorer(board, computerFirst);
    std::int32_t BestScore = 0;
    std::int16_t BestColumn = 0;
    std::int16_t BestRow = 0;
    for (std::int16_t c = 0; c < BoardSize; ++c) {
        for (std::int16_t r = 0; r < BoardSize; ++r) {
            if (!scorer.IsCandidate(c, r))
                continue;
            const std::int32_t score = scorer.Score(c, r);
            // Strictly greater: among equal scores the first cell of the scan stays.
            if (score > BestScore) {
                BestScore = score;
                BestColumn = c;
                BestRow = r;
            }
        }
    }
    column = BestColumn;
    row = BestRow;
}

std::int32_t ReferenceCellScore(const Board& board, bool computerFirst, int col, int row) {
    if (!OnBoard(col, row))
        return 0;
    CellScorer scorer(board, computerFirst);
    return scorer.IsCandidate(col, row) ? scorer.Score(col, row) : 0;
}

} // namespace pentavo
