#include "engine/Game.h"

#include "ai/ChooseMove.h"
#include "core/BoardGeometry.h"
#include "core/Rounding.h"
#include "engine/FindFive.h"

#include <algorithm>

namespace pentavo {

namespace {

// The board's left edge lies half a pitch from the window's, so a position divided by the pitch
// rounds to the column counted from 1; the top edge lies BoardDrop lower than the left.
static_assert(BoardLeft * 2 == CellPitch);
constexpr double BoardDrop = BoardTop - BoardLeft;
constexpr MoveCode CentreCode = EncodeMove(7, 7);
constexpr MoveCode SecondOpeningCode = EncodeMove(6, 6);

// The board index (0..14) for a position scaled to cells, or -1 off the board. Rejects NaN and
// infinities before anything is converted to an integer.
int CellIndexAt(double scaled) {
    const double rounded = RoundHalfToEven(scaled);
    if (!(rounded >= 1.0 && rounded <= BoardSize))
        return -1;
    return static_cast<int>(rounded) - 1;
}

std::int16_t MarkOfMove(std::int16_t logIndex) {
    return static_cast<std::int16_t>(logIndex % 2 + 1);
}

} // namespace

void Game::NewGame() {
    takenBack_.clear();
    state_.Board.Clear();
    state_.MoveLog.fill(0);
    DrawAllCells();
    state_.MoveCount = 0;
    state_.Thinking = false;
    state_.Board(7, 7) = Cross;
    state_.MoveLog[0] = CentreCode;
    view_.DrawMark(7, 7, Cross);
    if (options_.ComputerFirst) {
        state_.MoveCount = 1;
    } else {
        state_.Board(6, 6) = Circle;
        state_.MoveLog[1] = SecondOpeningCode;
        view_.DrawMark(6, 6, Circle);
        state_.MoveCount = 2;
    }
    state_.GameOver = false;
}

// Columns outer, rows inner: the order a full redraw is seen in.
void Game::DrawAllCells() {
    for (std::int16_t col = 0; col < BoardSize; ++col)
        for (std::int16_t row = 0; row < BoardSize; ++row)
            view_.DrawCell(col, row);
}

void Game::PlacePlayerMove(std::int16_t col, std::int16_t row) {
    // A click on a taken cell is no failure: the person's move simply is not played.
    static_cast<void>(PlaceMark(col, row));
}

bool Game::PlaceMark(std::int16_t col, std::int16_t row) {
    if (state_.MoveCount >= CellCount || !OnBoard(col, row) || state_.Board(col, row) != Empty)
        return false;
    const std::int16_t mark = MarkOfMove(state_.MoveCount);
    view_.DrawMark(col, row, mark);
    state_.Board(col, row) = mark;
    state_.MoveLog[state_.MoveCount] = EncodeMove(col, row);
    ++state_.MoveCount;
    takenBack_.clear();
    // A log opened from a file may hold stray codes after its first 0; once a move is played
    // there they must not come back as moves when the game is saved and opened again.
    std::fill(state_.MoveLog.begin() + state_.MoveCount, state_.MoveLog.end(), MoveCode{0});
    return true;
}

void Game::UndoLastPair() {
    if (state_.MoveCount > 2 && options_.UndoMoves) {
        TakenPair pair{{}, state_.GameOver};
        for (int taken = 0; taken < 2; ++taken) {
            --state_.MoveCount;
            pair.codes[static_cast<std::size_t>(1 - taken)] = state_.MoveLog[state_.MoveCount];
            std::int16_t col = 0;
            std::int16_t row = 0;
            // Entries below MoveCount always name a cell, unless a log was loaded and never
            // replayed; then nothing off the board is touched.
            const bool named = DecodeMove(state_.MoveLog[state_.MoveCount], col, row);
            state_.MoveLog[state_.MoveCount] = 0;
            if (named) {
                state_.Board(col, row) = Empty;
                view_.DrawMark(col, row, Empty);
            }
        }
        takenBack_.push_back(pair);
    }
    state_.GameOver = false;
}

void Game::RedoLastPair() {
    if (takenBack_.empty())
        return;
    const TakenPair pair = takenBack_.back();
    takenBack_.pop_back();
    for (const MoveCode code : pair.codes) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        // The same codes Undo took from below MoveCount, so the same cells, now empty again.
        if (DecodeMove(code, col, row)) {
            const std::int16_t mark = MarkOfMove(state_.MoveCount);
            view_.DrawMark(col, row, mark);
            state_.Board(col, row) = mark;
        }
        state_.MoveLog[state_.MoveCount] = code;
        ++state_.MoveCount;
    }
    state_.GameOver = pair.gameOver;
}

void Game::ReplayLog() {
    takenBack_.clear();
    state_.Board.Clear();
    DrawAllCells();
    state_.MoveCount = CellCount;
    for (std::int16_t index = 0; index < CellCount; ++index) {
        // A code that names no cell, or a cell already taken, ends the game like a 0 does: the
        // log may come from a file nobody checked, and the board must stay consistent with it.
        std::int16_t col = 0;
        std::int16_t row = 0;
        if (!DecodeMove(state_.MoveLog[index], col, row) || state_.Board(col, row) != Empty) {
            state_.MoveCount = index;
            break;
        }
        const std::int16_t mark = MarkOfMove(index);
        state_.Board(col, row) = mark;
        view_.DrawMark(col, row, mark);
    }
    options_.ComputerFirst = state_.MoveCount % 2 == 1;
    state_.Thinking = false;
    state_.GameOver = false;
}

std::optional<Cell> Game::CellAt(float X, float Y) {
    const int col = CellIndexAt(static_cast<double>(X) / CellPitch);
    const int row = CellIndexAt((static_cast<double>(Y) - BoardDrop) / CellPitch);
    if (col < 0 || row < 0)
        return std::nullopt;
    return Cell{col, row};
}

void Game::Form_MouseUp(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y) {
    if (Button != 1)
        return;
    const std::optional<Cell> cell = CellAt(X, Y);
    if (!cell)
        return;
    if (state_.Board(cell->col, cell->row) != Empty || state_.Thinking || state_.GameOver)
        return;
    PlacePlayerMove(static_cast<std::int16_t>(cell->col), static_cast<std::int16_t>(cell->row));
    if (FindFive(state_.Board) != Empty) {
        view_.ShowMessage(YouWinMessage);
        state_.GameOver = true;
    }
    // The person may have filled the last cell: then the computer has nowhere to play.
    if (!state_.GameOver && state_.MoveCount < CellCount) {
        state_.Thinking = true;
        PlaceComputerMove();
        if (FindFive(state_.Board) != Empty) {
            view_.ShowMessage(IWinMessage);
            state_.GameOver = true;
        }
        state_.Thinking = false;
    }
    if (!state_.GameOver && state_.MoveCount >= CellCount) {
        view_.ShowMessage(DrawMessage);
        state_.GameOver = true;
    }
}

std::optional<Cell> Game::Hint() const {
    if (state_.GameOver || state_.Thinking || state_.Board.IsFull())
        return std::nullopt;
    std::int16_t col = 0;
    std::int16_t row = 0;
    ChooseMoveFor(state_.Board, MarkOfMove(state_.MoveCount), col, row);
    return Cell{col, row};
}

void Game::PlaceComputerMove() {
    // Never ask for a move on a full board; there is no cell to name.
    if (state_.MoveCount >= CellCount)
        return;
    std::int16_t col = 0;
    std::int16_t row = 0;
    ChooseMove(state_.Board, options_.ComputerFirst, col, row);
    // A reply naming no empty cell would be a fault of ChooseMove; it is not placed.
    if (PlaceMark(col, row))
        SignalMove();
}

void Game::SignalMove() {
    if (options_.SoundOn)
        view_.Beep();
}

} // namespace pentavo
