// Any bytes on the brain's standard input, split into lines as the program splits them: every
// answer is one printable line, a move it answers is on the board and now its own, and the
// position holds nothing but empty cells and the two sides' stones.

#include "brain/Brain.h"
#include "brain/LineReader.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

using namespace pentavo;

// "x,y" as the brain writes a move, or false for any other answer.
bool ReadMove(const std::string& answer, int& col, int& row) {
    const std::size_t comma = answer.find(',');
    if (answer.size() > 7 || comma == std::string::npos || comma == 0 || comma + 1 == answer.size())
        return false;
    col = 0;
    row = 0;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        if (i == comma)
            continue;
        if (answer[i] < '0' || answer[i] > '9')
            return false;
        int& into = i < comma ? col : row;
        into = into * 10 + (answer[i] - '0');
    }
    return true;
}

void CheckPosition(const Board& board) {
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col) {
            const std::int16_t cell = board(col, row);
            FUZZ_CHECK(cell == Empty || cell == OwnStone || cell == OpponentStone);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    LineReader reader(input, MaxLineLength + 1);
    Brain brain;
    std::string line;
    while (!brain.Finished() && reader.Next(line)) {
        FUZZ_CHECK(line.size() <= MaxLineLength + 1);
        const auto answer = brain.Feed(line);
        if (answer) {
            FUZZ_CHECK(!answer->empty());
            for (const char c : *answer)
                FUZZ_CHECK(c >= ' ' && c <= '~');
            int col = 0;
            int row = 0;
            if (ReadMove(*answer, col, row)) {
                FUZZ_CHECK(OnBoard(col, row));
                FUZZ_CHECK(brain.Position()(col, row) == OwnStone);
            }
        }
        CheckPosition(brain.Position());
    }
    return 0;
}
