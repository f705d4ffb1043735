#include "ai/ChooseMove.h"
#include "testkit/PositionGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pentavo {
namespace {

class Fnv1a {
public:
    void Add(std::int32_t value) {
        auto bits = static_cast<std::uint32_t>(value);
        for (int byte = 0; byte < 4; ++byte, bits >>= 8) {
            hash_ ^= bits & 0xFFu;
            hash_ *= 16777619u;
        }
    }
    std::uint32_t Value() const { return hash_; }

private:
    std::uint32_t hash_ = 2166136261u;
};

void AddReply(Fnv1a& hash, const Board& board, bool computerFirst) {
    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(board, computerFirst, col, row);
    hash.Add(col);
    hash.Add(row);
    hash.Add(CellScore(board, computerFirst, col, row));
}

// The replies to a fixed list of positions, folded into one number. It may change only together
// with a change that is meant to make the computer choose differently.
TEST(ChooseMoveSignature, RepliesToFixedPositionsAreUnchanged) {
    PositionGenerator generator(5);
    Fnv1a hash;
    for (int i = 0; i < 150; ++i) {
        const Board scattered = generator.Scattered(generator.Below(CellCount));
        AddReply(hash, scattered, true);
        AddReply(hash, scattered, false);
        const bool computerFirst = i % 2 == 0;
        AddReply(hash, generator.Played(generator.Below(120), computerFirst, ChooseMove),
                 computerFirst);
    }
    EXPECT_EQ(hash.Value(), 338679860u);
}

} // namespace
} // namespace pentavo
