#include "ai/reference/LineScorer.h"
#include "ai/LineTables.h"
#include "ai/reference/ReferenceMoveChoice.h"
#include "ai/reference/WorkGrid.h"

#include <gtest/gtest.h>

#include <string_view>

namespace pentavo {
namespace {

// Eleven characters: the five cells behind the candidate, '*' for the candidate, the five ahead.
// 'o' the computer's mark, 'x' the person's, '#' off the board, '.' empty.
LineCellValues ParseLine(std::string_view text) {
    EXPECT_EQ(text.size(), 11u);
    EXPECT_EQ(text[5], '*');
    LineCellValues cells{};
    std::size_t i = 0;
    for (const char c : text) {
        if (c == '*')
            continue;
        cells[i++] = c == 'o' ? GridOwn : c == 'x' ? GridOpp : c == '#' ? GridOffBoard : GridEmpty;
    }
    return cells;
}

struct LineCase {
    const char* line;
    std::int16_t dirScore;
};

class DirScoreTable : public testing::TestWithParam<LineCase> {};

TEST_P(DirScoreTable, GreatestWindowValue) {
    LineScorer scorer;
    const LineCellValues cells = ParseLine(GetParam().line);
    EXPECT_EQ(scorer.DirScore(cells), GetParam().dirScore) << GetParam().line;
    EXPECT_EQ(DirScore(PackLineCells(cells)), static_cast<std::uint32_t>(GetParam().dirScore))
        << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    WindowValues, DirScoreTable,
    testing::Values(
        // Completing one's own five: 25 + shape 2, less 1 for each missing flag.
        LineCase{".oooo*.....", 29}, LineCase{"xoooo*.....", 28}, LineCase{"#oooo*.....", 28},
        LineCase{"..ooo*o....", 29},
        // Blocking the person's five weighs one less.
        LineCase{".xxxx*.....", 28}, LineCase{"oxxxx*.....", 27},
        // Three marks: an unbroken four with the candidate, or one gap inside.
        LineCase{"..ooo*.....", 20}, LineCase{"..xxx*.....", 19}, LineCase{".o.oo*.....", 19},
        LineCase{".x.xx*.....", 18}, LineCase{"x.ooo*x....", 19},
        // Two marks, one mark, none.
        LineCase{"...oo*.....", 12}, LineCase{"...xx*.....", 11}, LineCase{"....o*.....", 7},
        LineCase{"....x*.....", 6}, LineCase{".o...*.....", 5}, LineCase{".....*.....", 2},
        // Marks of both sides in every window through the candidate.
        LineCase{"..xo.*xo...", 1},
        // Off the board behind the candidate: no window is open.
        LineCase{"#####*.....", 1}, LineCase{"....#*#....", 1},
        // Off-board cells inside a window count for neither side: the two own marks at the edge
        // still make a closed three there, while the person's mark spoils the windows ahead.
        LineCase{"###oo*x....", 10}));

} // namespace
} // namespace pentavo
