#include "ai/ChooseMove.h"
#include "testkit/ChildProcess.h"

#include <gtest/gtest.h>

#include <array>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace pentavo {
namespace {

// Whole games against one brain process, as a tournament manager plays a long match: the manager
// here plays the move choice's own reply or, one move in four, a random cell (seeded); the brain
// must answer every move with the move choice's cell, and its memory must not grow from game to
// game.

int GamesToPlay() {
    const char* text = std::getenv("PENTAVO_BRAIN_GAMES");
    if (text == nullptr)
        return 200;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno != 0 || value <= 0 || value > 10'000'000) {
        ADD_FAILURE() << "PENTAVO_BRAIN_GAMES is not a number of games: \"" << text << "\"";
        return 0;
    }
    return static_cast<int>(value);
}

// The resident memory of a process in KiB, from its VmRSS line; 0 when it cannot be read.
long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

bool MakesFive(const Board& board, int col, int row) {
    constexpr std::array<std::array<int, 2>, 4> directions{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};
    for (const auto& d : directions) {
        int run = 1;
        for (int sign : {1, -1})
            for (int c = col + sign * d[0], r = row + sign * d[1];
                 OnBoard(c, r) && board(c, r) == board(col, row);
                 c += sign * d[0], r += sign * d[1])
                ++run;
        if (run >= 5)
            return true;
    }
    return false;
}

std::string Cell(int col, int row) {
    return std::to_string(col) + "," + std::to_string(row);
}

TEST(BrainSoak, PlaysManyWholeGamesInOneProcessWithoutGrowing) {
    const int games = GamesToPlay();
    ASSERT_GT(games, 0);
    std::mt19937 random(20240917);
    ChildProcess brain(PBRAIN_PATH);
    const auto ask = [&brain](const std::string& line) {
        return brain.Send(line + "\n") ? brain.ReadLine() : std::nullopt;
    };
    ASSERT_EQ(ask("START 15"), "OK");

    long firstKiB = 0;
    long moves = 0;
    int brainWins = 0;
    int managerWins = 0;
    for (int game = 0; game < games; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        if (game > 0) {
            ASSERT_EQ(ask("RESTART"), "OK");
        }
        Board board; // the brain's stones 1, the manager's 2
        int stones = 0;
        // The brain answers the manager's move (or BEGIN) with its own; the game ends at a five
        // or a full board.
        const auto reply = [&](const std::string& line) -> bool {
            const std::optional<std::string> answer = ask(line);
            std::int16_t col = BoardSize / 2;
            std::int16_t row = BoardSize / 2;
            if (stones > 0)
                ChooseMove(board, true, col, row);
            EXPECT_EQ(answer, Cell(col, row)) << "after " << line;
            board(col, row) = 1;
            ++stones;
            ++moves;
            if (MakesFive(board, col, row)) {
                ++brainWins;
                return false;
            }
            return stones < CellCount;
        };
        bool going = random() % 2 == 0 ? reply("BEGIN") : true;
        while (going && !::testing::Test::HasFailure()) {
            int col = 0;
            int row = 0;
            if (stones > 0 && random() % 4 != 0) {
                // Mostly the move choice's own reply from the manager's side, so games last.
                Board mirrored = board;
                for (int r = 0; r < BoardSize; ++r)
                    for (int c = 0; c < BoardSize; ++c)
                        if (board(c, r) != 0)
                            mirrored(c, r) = static_cast<std::int16_t>(3 - board(c, r));
                std::int16_t c16 = 0;
                std::int16_t r16 = 0;
                ChooseMove(mirrored, true, c16, r16);
                col = c16;
                row = r16;
            } else {
                do {
                    col = static_cast<int>(random() % BoardSize);
                    row = static_cast<int>(random() % BoardSize);
                } while (board(col, row) != 0);
            }
            board(col, row) = 2;
            ++stones;
            // The manager tells the brain nothing more of a game that ended.
            if (MakesFive(board, col, row)) {
                ++managerWins;
                break;
            }
            if (stones == CellCount)
                break;
            going = reply("TURN " + Cell(col, row));
        }
        ASSERT_FALSE(::testing::Test::HasFailure());
        if (game == 0)
            firstKiB = ResidentKiB(brain.Pid());
    }
    const long lastKiB = ResidentKiB(brain.Pid());
    std::printf("SOAK: brain: %d games, %ld moves of the brain, %d won by it, %d by the manager; "
                "resident memory "
                "after the first game %ld KiB, at the end %ld KiB\n",
                games, moves, brainWins, managerWins, firstKiB, lastKiB);
    ASSERT_GT(firstKiB, 0) << "no VmRSS for the brain process";
    EXPECT_LE(lastKiB * 100, firstKiB * 105) << "the brain grew by more than 5 %";
    ASSERT_TRUE(brain.Send("END\n"));
    EXPECT_EQ(brain.ReadToEnd(), "");
    EXPECT_EQ(brain.Wait(), 0);
}

} // namespace
} // namespace pentavo
