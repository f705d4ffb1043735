#include "ui/SpokenSentences.h"

#include "ui/CellNames.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace pentavo {

namespace {

// One step along a line, and how a cell on it is named there: in a row its column suffices, in a
// column its row.
Cell Step(BoardLine line) {
    switch (line) {
    case BoardLine::Row:
        return Cell{1, 0};
    case BoardLine::Column:
        return Cell{0, -1};
    case BoardLine::Rising:
        return Cell{1, -1};
    case BoardLine::Falling:
        break;
    }
    return Cell{1, 1};
}

QString PlaceOnLine(BoardLine line, Cell cell) {
    if (line == BoardLine::Row)
        return QString::fromStdString(Cell::ColumnName(cell.col));
    if (line == BoardLine::Column)
        return QString::fromStdString(Cell::RowName(cell.row));
    return CellLabel(cell);
}

QString LineName(BoardLine line, Cell first, Cell last) {
    if (line == BoardLine::Row)
        //: A row of the board read out by its key; %1 is its number, 1 to 15.
        return QCoreApplication::translate("Speech", "Row %1")
            .arg(QString::fromStdString(Cell::RowName(first.row)));
    if (line == BoardLine::Column)
        //: A column of the board read out by its key; %1 is its letter, A to O.
        return QCoreApplication::translate("Speech", "Column %1")
            .arg(QString::fromStdString(Cell::ColumnName(first.col)));
    //: A diagonal of the board read out by its key, from its first cell to its last.
    return QCoreApplication::translate("Speech", "Diagonal %1 to %2")
        .arg(CellLabel(first), CellLabel(last));
}

} // namespace

QString MovesSentence(std::span<const SpokenMove> moves) {
    if (moves.size() == 2 && moves[0].person)
        //: The person's move, then the computer's reply, e.g. "You I9, computer H9."
        return QCoreApplication::translate("Speech", "You %1, computer %2.")
            .arg(CellLabel(moves[0].cell), CellLabel(moves[1].cell));
    if (moves.size() == 2)
        //: The computer's move, then the person's, e.g. "Computer H8, you I9."
        return QCoreApplication::translate("Speech", "Computer %1, you %2.")
            .arg(CellLabel(moves[0].cell), CellLabel(moves[1].cell));
    if (moves.size() == 1 && moves[0].person)
        //: The person's move alone, e.g. "You I9."
        return QCoreApplication::translate("Speech", "You %1.").arg(CellLabel(moves[0].cell));
    if (moves.size() == 1)
        //: The computer's move alone, e.g. "Computer H8."
        return QCoreApplication::translate("Speech", "Computer %1.").arg(CellLabel(moves[0].cell));
    return QString();
}

QString NewGameSentence(std::span<const SpokenMove> opening) {
    //: %1 is the opening's moves, a sentence such as "Computer H8."
    return QCoreApplication::translate("Speech", "New game. %1").arg(MovesSentence(opening));
}

QString TakenBackSentence(std::span<const SpokenMove> taken) {
    if (taken.size() != 2)
        //: Undo found no moves it may take back.
        return QCoreApplication::translate("Speech", "Nothing to take back.");
    if (taken[0].person)
        //: Undo took back the person's move and the computer's reply; %1 and %2 are cells.
        return QCoreApplication::translate("Speech", "Taken back: you %1, computer %2.")
            .arg(CellLabel(taken[0].cell), CellLabel(taken[1].cell));
    //: Undo took back the computer's move and then the person's; %1 and %2 are cells.
    return QCoreApplication::translate("Speech", "Taken back: computer %1, you %2.")
        .arg(CellLabel(taken[0].cell), CellLabel(taken[1].cell));
}

QString PutBackSentence(std::span<const SpokenMove> put) {
    if (put.size() != 2)
        //: Redo found no moves that Undo had taken back.
        return QCoreApplication::translate("Speech", "Nothing to put back.");
    if (put[0].person)
        //: Redo put back the person's move and the computer's reply; %1 and %2 are cells.
        return QCoreApplication::translate("Speech", "Put back: you %1, computer %2.")
            .arg(CellLabel(put[0].cell), CellLabel(put[1].cell));
    //: Redo put back the computer's move and then the person's; %1 and %2 are cells.
    return QCoreApplication::translate("Speech", "Put back: computer %1, you %2.")
        .arg(CellLabel(put[0].cell), CellLabel(put[1].cell));
}

QString GameEndSentence(std::span<const SpokenMove> moves, const QString& message) {
    //: %1 is the turn's moves ("You I9, computer H9."), %2 how the game ended ("I win").
    return QCoreApplication::translate("Speech", "%1 %2.").arg(MovesSentence(moves), message);
}

QString OpenedSentence(const QString& fileName, int marks) {
    //: A saved game was opened; %1 is its file name. The person moves next.
    return QCoreApplication::translate("Speech", "Opened %1: %n marks on the board. Your move.",
                                       nullptr, marks)
        .arg(fileName);
}

QString TakenCellSentence(Cell cell) {
    //: The person tried to play on a cell that holds a mark, e.g. "H9 is taken."; nothing was
    //: played.
    return QCoreApplication::translate("Speech", "%1 is taken.").arg(CellLabel(cell));
}

QString LineSentence(BoardLine line, Cell through, const Board& board) {
    const Cell step = Step(line);
    Cell first = through;
    while (first.Step(-step.col, -step.row).IsOnBoard())
        first = first.Step(-step.col, -step.row);
    QStringList marks;
    int empty = 0;
    Cell last = first;
    for (Cell cell = first; cell.IsOnBoard(); cell = cell.Step(step.col, step.row)) {
        last = cell;
        const std::int16_t mark = board(cell.col, cell.row);
        if (mark == Cross)
            //: A cross on a line read out; %1 is where, e.g. "H cross" in row 9.
            marks.append(
                QCoreApplication::translate("Speech", "%1 cross").arg(PlaceOnLine(line, cell)));
        else if (mark == Circle)
            //: A circle on a line read out; %1 is where, e.g. "I circle" in row 9.
            marks.append(
                QCoreApplication::translate("Speech", "%1 circle").arg(PlaceOnLine(line, cell)));
        else
            ++empty;
    }
    const QString name = LineName(line, first, last);
    if (marks.isEmpty())
        //: A line of the board without a mark; %1 is its name, e.g. "Row 9".
        return QCoreApplication::translate("Speech", "%1: empty.").arg(name);
    const QString list = QLocale().createSeparatedList(marks);
    if (empty == 0)
        //: A full line of the board; %1 is its name ("Row 9"), %2 its marks ("H cross and I
        //: circle").
        return QCoreApplication::translate("Speech", "%1: %2.").arg(name, list);
    //: A line of the board; %1 is its name ("Row 9"), %2 its marks ("H cross and I circle"),
    //: then how many of its cells are empty.
    return QCoreApplication::translate("Speech", "%1: %2; %n empty.", nullptr, empty)
        .arg(name, list);
}

QString GameOverSentence(const QString& newGameKey) {
    //: The person tried to play after the game ended; %1 is the key of File > New, e.g. Ctrl+N.
    return QCoreApplication::translate("Speech", "The game is over. %1 starts a new game.")
        .arg(newGameKey);
}

} // namespace pentavo
