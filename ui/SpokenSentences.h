#pragma once

#include "core/Board.h"
#include "core/Cell.h"

#include <QString>

#include <span>

namespace pentavo {

// What a screen reader says when the game changes, each a whole sentence in the person's
// language.

// One mark as played: whose it is and where.
struct SpokenMove {
    bool person;
    Cell cell;
};

// The last one or two moves in the order played: "You I9, computer H9."
QString MovesSentence(std::span<const SpokenMove> moves);
// The opening of a new game: "New game. Computer H8."
QString NewGameSentence(std::span<const SpokenMove> opening);
// The moves Undo took back, in the order they had been played; none when it took back nothing.
QString TakenBackSentence(std::span<const SpokenMove> taken);
// The moves Redo put back, in the order played; none when there was nothing to put back.
QString PutBackSentence(std::span<const SpokenMove> put);
// A turn that ended the game, with the game's own message ("You win").
QString GameEndSentence(std::span<const SpokenMove> moves, const QString& message);
// A game opened from a file: its name as the person sees it and the marks on the board.
QString OpenedSentence(const QString& fileName, int marks);
// A move refused because its cell is taken.
QString TakenCellSentence(Cell cell);
// A move refused because the game is over; `newGameKey` is the key that starts a new one.
QString GameOverSentence(const QString& newGameKey);

// The lines through a cell that a player may have read out: its row (A to O), its column (1 to
// 15), the diagonal rising to the right and the one falling to the right (each from the left).
enum class BoardLine { Row, Column, Rising, Falling };
// The marks along the line through `through` and how many of its cells are empty:
// "Row 9: H cross, I circle; 13 empty."
QString LineSentence(BoardLine line, Cell through, const Board& board);

} // namespace pentavo
