#include "core/Cell.h"

#include <gtest/gtest.h>

namespace pentavo {
namespace {

// Index and name from the corners inwards: a swapped row and column, or a row counted from the
// wrong edge, shows at a corner that is not on the diagonal.
TEST(Cell, IndexAndNameAtTheCornersAndTheCentre) {
    const struct {
        Cell cell;
        int index;
        const char* name;
    } cases[] = {
        {{0, 0}, 0, "A15"},
        {{14, 0}, 14, "O15"},
        {{0, 14}, 210, "A1"},
        {{14, 14}, 224, "O1"},
        {{7, 7}, 112, "H8"},
        {{8, 6}, 98, "I9"},
        {Cell{7, 7}.Step(1, 1, 7), 224, "O1"},
        {Cell{14, 0}.Step(-1, 1, 14), 210, "A1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.cell.IsOnBoard());
        EXPECT_EQ(c.cell.Index(), c.index);
        EXPECT_EQ(Cell::FromIndex(c.index), c.cell);
        EXPECT_EQ(c.cell.Name(), c.name);
    }
}

// Each edge, one step beyond: a bound off by one lets such a cell wrap into the next row.
TEST(Cell, OffTheBoard) {
    for (const Cell cell :
         {Cell{-1, 0}, Cell{15, 0}, Cell{0, -1}, Cell{0, 15}, Cell{14, 0}.Step(1, 0)})
        EXPECT_FALSE(cell.IsOnBoard()) << cell.col << "," << cell.row;
    for (const int index : {-1, CellCount})
        EXPECT_EQ(Cell::FromIndex(index), std::nullopt) << index;
}

} // namespace
} // namespace pentavo
