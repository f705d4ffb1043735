#pragma once

#include "core/Board.h"
#include "core/Cell.h"
#include "core/GameOptions.h"
#include "engine/GameView.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pentavo {

// The one game in progress.
struct GameState {
    pentavo::Board Board;
    pentavo::MoveLog MoveLog{};
    std::int16_t MoveCount = 0; // moves on the board; also the next free MoveLog entry
    bool Thinking = false;      // the computer's reply is being chosen and placed
    bool GameOver = false;      // a five was announced
};

// The game state with the operations that change it. Every change of a cell is drawn at once
// through the view; the options are read (and, by ReplayLog, written) where the rules say.
class Game {
public:
    Game(GameView& view, GameOptions& options) : view_(view), options_(options) {}

    void NewGame();
    void PlacePlayerMove(std::int16_t col, std::int16_t row);
    void UndoLastPair();
    // Puts back the pair the last Undo took, as it stood, game over included; nothing when there
    // is none. A new move, New and Open forget what Undo took.
    void RedoLastPair();
    bool CanRedo() const { return !takenBack_.empty(); }
    // Rebuilds the board from the log as it stands (see LoadLog).
    void ReplayLog();

    // The cell the computer's own rule picks for the side to move, which the person plays: a hint
    // that changes nothing. Nothing on a finished game or a full board.
    std::optional<Cell> Hint() const;

    // One left-button release on the board, in twips of the client area: the whole turn.
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void PlaceComputerMove();
    void SignalMove();

    // The cell under a position in twips, or nothing when it lies off the board.
    static std::optional<Cell> CellAt(float X, float Y);

    // Replaces all 225 log entries, as the Open command does before ReplayLog.
    void LoadLog(const MoveLog& log) {
        state_.MoveLog = log;
        takenBack_.clear();
    }

    const GameState& State() const { return state_; }

private:
    void DrawAllCells();
    // Draws, stores and logs the mark of the side to move; false (nothing done) when the cell is
    // off the board or taken, or the log is full.
    [[nodiscard]] bool PlaceMark(std::int16_t col, std::int16_t row);

    // One Undo's pair, in the order it was played, and whether the game was over before it.
    struct TakenPair {
        std::array<MoveCode, 2> codes;
        bool gameOver;
    };

    GameView& view_;
    GameOptions& options_;
    GameState state_;
    std::vector<TakenPair> takenBack_; // the last Undo's pair last
};

} // namespace pentavo
