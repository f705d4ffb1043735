// Any bytes as a game record: the reader's check, then the replay the Open command runs, which
// must keep the board, the log and the screen in step whether the record was checked or not.

#include "engine/Game.h"
#include "files/GameRecord.h"
#include "fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using namespace pentavo;

// Keeps what the screen would show, to compare with the game's own board.
class ScreenView final : public GameView {
public:
    void DrawCell(std::int16_t col, std::int16_t row) override { shown(col, row) = Empty; }
    void DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) override {
        FUZZ_CHECK(mark == Empty || mark == Cross || mark == Circle);
        shown(col, row) = mark;
    }
    void ShowMessage(std::string_view) override {}
    void Beep() override {}

    Board shown;
};

// The board, the log and the screen agree: every move below MoveCount names its own cell with the
// mark of its turn, no other cell is taken, and nothing is logged after MoveCount.
void CheckConsistent(const Game& game, const ScreenView& view) {
    const GameState& state = game.State();
    FUZZ_CHECK(state.MoveCount >= 0 && state.MoveCount <= CellCount);
    Board expected;
    for (std::int16_t i = 0; i < state.MoveCount; ++i) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        FUZZ_CHECK(DecodeMove(state.MoveLog[static_cast<std::size_t>(i)], col, row));
        FUZZ_CHECK(expected(col, row) == Empty);
        expected(col, row) = static_cast<std::int16_t>(i % 2 + 1);
    }
    FUZZ_CHECK(state.Board == expected);
    FUZZ_CHECK(view.shown == expected);
}

void CheckLogEndsAtMoveCount(const GameState& state) {
    FUZZ_CHECK(std::all_of(state.MoveLog.begin() + state.MoveCount, state.MoveLog.end(),
                           [](MoveCode code) { return code == 0; }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    MoveLog raw{};
    std::copy_n(bytes.begin(), std::min<std::size_t>(size, CellCount), raw.begin());
    const auto firstZero =
        static_cast<std::int16_t>(std::find(raw.begin(), raw.end(), 0) - raw.begin());

    MoveLog read{};
    read[0] = -1; // a refused record must leave this as it was
    const Outcome decoded = DecodeGameRecord(bytes, read);
    if (!decoded) {
        FUZZ_CHECK(!decoded.Message().empty());
        FUZZ_CHECK(read[0] == -1);
    } else {
        FUZZ_CHECK(read == raw);
    }

    // The replay sees the raw log either way: the engine must not rely on the check.
    GameOptions options;
    options.UndoMoves = true;
    ScreenView view;
    Game game(view, options);
    game.NewGame();
    game.LoadLog(raw);
    game.ReplayLog();
    CheckConsistent(game, view);
    FUZZ_CHECK(options.ComputerFirst == (game.State().MoveCount % 2 == 1));
    if (decoded)
        FUZZ_CHECK(game.State().MoveCount == firstZero);

    // Playing on from the replayed game: a move where the log had stray codes clears them.
    const GameState& state = game.State();
    for (std::int16_t cell = 0; cell < CellCount && state.MoveCount < CellCount; ++cell) {
        const auto col = static_cast<std::int16_t>(cell % BoardSize);
        const auto row = static_cast<std::int16_t>(cell / BoardSize);
        if (state.Board(col, row) == Empty) {
            game.PlacePlayerMove(col, row);
            CheckConsistent(game, view);
            CheckLogEndsAtMoveCount(state);
            break;
        }
    }
    const std::int16_t before = state.MoveCount;
    game.UndoLastPair();
    FUZZ_CHECK(state.MoveCount == (before > 2 ? before - 2 : before));
    CheckConsistent(game, view);
    CheckLogEndsAtMoveCount(state);
    return 0;
}
