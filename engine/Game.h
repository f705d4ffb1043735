#pragma once

#include "core/Board.h"
#include "core/Cell.h"
#include "core/GameOptions.h"
#include "engine/GameView.h"

#include <cstdint>
#include <optional>

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
    // Rebuilds the board from the log as it stands (see LoadLog).
    void ReplayLog();

    // One left-button release on the board, in twips of the client area: the whole turn.
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void PlaceComputerMove();
    void SignalMove();

    // The cell under a position in twips, or nothing when it lies off the board.
    static std::optional<Cell> CellAt(float X, float Y);

    // Replaces all 225 log entries, as the Open command does before ReplayLog.
    void LoadLog(const MoveLog& log) { state_.MoveLog = log; }

    const GameState& State() const { return state_; }

private:
    void DrawAllCells();
    // Draws, stores and logs the mark of the side to move; false (nothing done) when the cell is
    // off the board or taken, or the log is full.
    [[nodiscard]] bool PlaceMark(std::int16_t col, std::int16_t row);

    GameView& view_;
    GameOptions& options_;
    GameState state_;
};

} // namespace pentavo
