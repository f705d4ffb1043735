#include "ai/ChooseMove.h"
#include "engine/FindFive.h"
#include "engine/Game.h"
#include "engine/tests/RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace pentavo {
namespace {

// Plays many seeded games through clicks, with undo, redo, option changes, new games and reopened
// logs in between, and checks after every step that the state and the drawing follow the rules.
class RandomGames {
public:
    explicit RandomGames(std::uint32_t seed) : rng_(seed) {
        view_.probe = [this] { return game_.State().Thinking; };
    }

    void PlayGame() {
        options_ = {Chance(50), Chance(80), Chance(50)};
        DoNewGame();
        const int steps = 20 + Below(120);
        for (int step = 0; step < steps && !testing::Test::HasFatalFailure(); ++step) {
            const int roll = Below(100);
            if (roll < 80)
                DoClick();
            else if (roll < 85)
                DoUndo();
            else if (roll < 87)
                DoRedo();
            else if (roll < 90)
                DoToggleOption();
            else if (roll < 92)
                DoNewGame();
            else if (roll < 97)
                DoReopen();
            else
                DoReopenMangled();
            CheckInvariants();
        }
    }

    long long placedTurns = 0;
    long long endings = 0;

private:
    // Our own mapping of the engine's output, so every platform plays the same games.
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    // The cell a click on an integral position selects: inside a cell that cell, on a line between
    // two the odd one, on the outer edge or beyond none.
    static std::optional<int> ExpectedIndex(int twips, int origin) {
        const int inside = twips - origin;
        if (inside <= 0 || inside >= BoardSize * 400)
            return std::nullopt;
        if (inside % 400 != 0)
            return inside / 400;
        const int right = inside / 400;
        return right % 2 == 1 ? right : right - 1;
    }

    void DoClick() {
        int x = 0;
        int y = 0;
        if (Chance(70)) {
            x = 200 + Below(BoardSize) * 400 + Below(401);
            y = 600 + Below(BoardSize) * 400 + Below(401);
        } else {
            x = Below(9000) - 1000;
            y = Below(9000) - 1000;
        }
        const auto button = static_cast<std::int16_t>(Chance(90) ? 1 : Below(6) - 1);
        const GameState before = game_.State();
        view_.Clear();
        game_.Form_MouseUp(button, static_cast<std::int16_t>(Below(8)), static_cast<float>(x),
                           static_cast<float>(y));
        const GameState& after = game_.State();

        const std::optional<int> col = ExpectedIndex(x, 200);
        const std::optional<int> row = ExpectedIndex(y, 600);
        if (button != 1 || !col || !row || before.Board(*col, *row) != Empty || before.GameOver) {
            ASSERT_TRUE(view_.calls.empty());
            ASSERT_EQ(after.Board, before.Board);
            ASSERT_EQ(after.MoveLog, before.MoveLog);
            ASSERT_EQ(after.MoveCount, before.MoveCount);
            ASSERT_EQ(after.GameOver, before.GameOver);
            return;
        }
        ++placedTurns;
        const std::int16_t personMark = static_cast<std::int16_t>(before.MoveCount % 2 + 1);
        std::vector<ViewCall> expected{ViewCall::Mark(*col, *row, personMark)};
        std::vector<bool> expectedThinking{false};
        Board afterPerson = before.Board;
        afterPerson(*col, *row) = personMark;

        if (FindFive(afterPerson) != 0) {
            expected.push_back(ViewCall::Message("You win"));
            expectedThinking.push_back(false);
        } else if (before.MoveCount + 1 < CellCount) {
            std::int16_t replyCol = -1;
            std::int16_t replyRow = -1;
            ChooseMove(afterPerson, options_.ComputerFirst, replyCol, replyRow);
            expected.push_back(ViewCall::Mark(replyCol, replyRow, 3 - personMark));
            if (options_.SoundOn)
                expected.push_back(ViewCall::Beep());
            Board afterReply = afterPerson;
            afterReply(replyCol, replyRow) = static_cast<std::int16_t>(3 - personMark);
            if (FindFive(afterReply) != 0)
                expected.push_back(ViewCall::Message("I win"));
            expectedThinking.resize(expected.size(), true);
        }
        const int placed = static_cast<int>(
            std::count_if(expected.begin(), expected.end(), [](const ViewCall& call) {
                return call.kind == ViewCall::Kind::DrawMark;
            }));
        if (expected.back().kind != ViewCall::Kind::Message &&
            before.MoveCount + placed == CellCount) {
            expected.push_back(ViewCall::Message("Draw"));
            expectedThinking.push_back(false);
        }
        ASSERT_EQ(view_.calls, expected);
        ASSERT_EQ(view_.probed, expectedThinking);
        ASSERT_EQ(after.MoveCount, before.MoveCount + placed);
        undone_.clear();
        expectOver_ = expected.back().kind == ViewCall::Kind::Message;
        endings += expectOver_ ? 1 : 0;
        strayTail_ = false;
    }

    void DoUndo() {
        const GameState before = game_.State();
        view_.Clear();
        game_.UndoLastPair();
        const GameState& after = game_.State();
        if (before.MoveCount > 2 && options_.UndoMoves) {
            ASSERT_EQ(after.MoveCount, before.MoveCount - 2);
            std::vector<ViewCall> expected;
            for (int back = 1; back <= 2; ++back) {
                std::int16_t col = 0;
                std::int16_t row = 0;
                ASSERT_TRUE(DecodeMove(before.MoveLog[before.MoveCount - back], col, row));
                expected.push_back(ViewCall::Mark(col, row, Empty));
            }
            ASSERT_EQ(view_.calls, expected);
            undone_.push_back(before);
        } else {
            ASSERT_EQ(after.MoveLog, before.MoveLog);
            ASSERT_EQ(after.Board, before.Board);
            ASSERT_TRUE(view_.calls.empty());
        }
        expectOver_ = false;
    }

    // The game exactly as it stood before the last Undo, its record byte for byte.
    void DoRedo() {
        const GameState before = game_.State();
        view_.Clear();
        game_.RedoLastPair();
        const GameState& after = game_.State();
        ASSERT_EQ(game_.CanRedo(), undone_.size() > 1);
        if (undone_.empty()) {
            ASSERT_EQ(after.MoveLog, before.MoveLog);
            ASSERT_EQ(after.MoveCount, before.MoveCount);
            ASSERT_TRUE(view_.calls.empty());
            return;
        }
        const GameState expected = undone_.back();
        undone_.pop_back();
        ASSERT_EQ(after.MoveLog, expected.MoveLog);
        ASSERT_EQ(after.Board, expected.Board);
        ASSERT_EQ(after.MoveCount, expected.MoveCount);
        ASSERT_EQ(after.GameOver, expected.GameOver);
        std::vector<ViewCall> drawn;
        for (int i = before.MoveCount; i < after.MoveCount; ++i) {
            std::int16_t col = 0;
            std::int16_t row = 0;
            ASSERT_TRUE(DecodeMove(after.MoveLog[i], col, row));
            drawn.push_back(ViewCall::Mark(col, row, i % 2 + 1));
        }
        ASSERT_EQ(view_.calls, drawn);
        expectOver_ = expected.GameOver;
    }

    void DoToggleOption() {
        switch (Below(3)) {
        case 0:
            options_.ComputerFirst = !options_.ComputerFirst;
            break;
        case 1:
            options_.UndoMoves = !options_.UndoMoves;
            break;
        default:
            options_.SoundOn = !options_.SoundOn;
            break;
        }
    }

    void DoNewGame() {
        view_.Clear();
        game_.NewGame();
        std::vector<ViewCall> expected = FullGridDrawing();
        expected.push_back(ViewCall::Mark(7, 7, Cross));
        if (!options_.ComputerFirst)
            expected.push_back(ViewCall::Mark(6, 6, Circle));
        ASSERT_EQ(view_.calls, expected);
        ASSERT_EQ(game_.State().MoveCount, options_.ComputerFirst ? 1 : 2);
        undone_.clear();
        expectOver_ = false;
        strayTail_ = false;
    }

    // Save and Open of the game as it stands.
    void DoReopen() {
        const GameState before = game_.State();
        Reopen(before.MoveLog);
        ASSERT_EQ(game_.State().Board, before.Board);
        ASSERT_EQ(game_.State().MoveCount, before.MoveCount);
    }

    // Open of a damaged copy: the game cut at a random move by a 0, a code that names no cell or a
    // taken cell, and rubbish after it.
    void DoReopenMangled() {
        const GameState before = game_.State();
        MoveLog log = before.MoveLog;
        const int cut = Below(before.MoveCount + 1);
        if (cut < CellCount) {
            const int kind = Below(4);
            if (kind == 0)
                log[cut] = 0;
            else if (kind == 1)
                log[cut] = static_cast<MoveCode>(16 * Below(16));
            else if (kind == 2 || cut == 0)
                log[cut] = static_cast<MoveCode>(240 + Below(16));
            else
                log[cut] = log[Below(cut)];
            for (int i = cut + 1; i < CellCount; ++i)
                log[i] = static_cast<MoveCode>(Chance(70) ? Below(256) : 0);
        }
        Reopen(log);
        ASSERT_EQ(game_.State().MoveCount, cut);
        ASSERT_EQ(game_.State().MoveLog, log);
        strayTail_ = cut < CellCount;
    }

    void Reopen(const MoveLog& log) {
        view_.Clear();
        game_.LoadLog(log);
        game_.ReplayLog();
        const std::int16_t count = game_.State().MoveCount;
        std::vector<ViewCall> expected = FullGridDrawing();
        for (int i = 0; i < count; ++i) {
            std::int16_t col = 0;
            std::int16_t row = 0;
            ASSERT_TRUE(DecodeMove(log[i], col, row));
            expected.push_back(ViewCall::Mark(col, row, i % 2 + 1));
        }
        ASSERT_EQ(view_.calls, expected);
        ASSERT_EQ(options_.ComputerFirst, count % 2 == 1);
        undone_.clear();
        expectOver_ = false;
    }

    void CheckInvariants() {
        if (testing::Test::HasFatalFailure())
            return;
        const GameState& s = game_.State();
        ASSERT_GE(s.MoveCount, 0);
        ASSERT_LE(s.MoveCount, CellCount);
        ASSERT_FALSE(s.Thinking);
        ASSERT_EQ(s.GameOver, expectOver_);
        Board fromLog;
        for (int i = 0; i < s.MoveCount; ++i) {
            std::int16_t col = 0;
            std::int16_t row = 0;
            ASSERT_TRUE(DecodeMove(s.MoveLog[i], col, row)) << "entry " << i;
            ASSERT_EQ(fromLog(col, row), Empty) << "cell logged twice at entry " << i;
            fromLog(col, row) = static_cast<std::int16_t>(i % 2 + 1);
        }
        ASSERT_EQ(s.Board, fromLog);
        if (!strayTail_) {
            for (int i = s.MoveCount; i < CellCount; ++i)
                ASSERT_EQ(s.MoveLog[i], 0) << "entry " << i;
        }
    }

    std::mt19937 rng_;
    RecordingView view_;
    GameOptions options_;
    Game game_{view_, options_};
    bool expectOver_ = false;
    bool strayTail_ = false; // an opened log may keep codes after its end until a move is played
    std::vector<GameState> undone_; // the game before each Undo that Redo may still put back
};

// A whole number from the environment, or the fallback when the variable is not set.
std::uint32_t FromEnvironment(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr)
        return fallback;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0' || errno != 0 || value > UINT32_MAX) {
        ADD_FAILURE() << name << " is not a whole number: \"" << text << "\"";
        return fallback;
    }
    return static_cast<std::uint32_t>(value);
}

// PENTAVO_RANDOM_GAMES games (a quick 100 by default; the soak plays many more) from the seed
// PENTAVO_RANDOM_SEED.
TEST(RandomGames, FollowTheRulesAfterEveryStep) {
    const std::uint32_t count = FromEnvironment("PENTAVO_RANDOM_GAMES", 100);
    const std::uint32_t seed = FromEnvironment("PENTAVO_RANDOM_SEED", 5489u);
    ASSERT_GT(count, 0u);
    RandomGames games(seed);
    for (std::uint32_t game = 0; game < count && !HasFatalFailure(); ++game) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", game " + std::to_string(game));
        games.PlayGame();
    }
    // The games must have exercised real play, not just ignored clicks.
    EXPECT_GT(games.placedTurns, 10 * static_cast<long long>(count));
    EXPECT_GT(games.endings, 3 * static_cast<long long>(count));
    std::printf("SOAK: engine: %u random games from seed %u: %lld turns placed, %lld games ended\n",
                count, seed, games.placedTurns, games.endings);
}

} // namespace
} // namespace pentavo
