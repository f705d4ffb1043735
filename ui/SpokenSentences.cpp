#include "ui/SpokenSentences.h"

#include <QCoreApplication>

namespace pentavo {

namespace {

QString Name(Cell cell) {
    return QString::fromStdString(cell.Name());
}

} // namespace

QString MovesSentence(std::span<const SpokenMove> moves) {
    if (moves.size() == 2 && moves[0].person)
        //: The person's move, then the computer's reply, e.g. "You I9, computer H9."
        return QCoreApplication::translate("Speech", "You %1, computer %2.")
            .arg(Name(moves[0].cell), Name(moves[1].cell));
    if (moves.size() == 2)
        //: The computer's move, then the person's, e.g. "Computer H8, you I9."
        return QCoreApplication::translate("Speech", "Computer %1, you %2.")
            .arg(Name(moves[0].cell), Name(moves[1].cell));
    if (moves.size() == 1 && moves[0].person)
        //: The person's move alone, e.g. "You I9."
        return QCoreApplication::translate("Speech", "You %1.").arg(Name(moves[0].cell));
    if (moves.size() == 1)
        //: The computer's move alone, e.g. "Computer H8."
        return QCoreApplication::translate("Speech", "Computer %1.").arg(Name(moves[0].cell));
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
            .arg(Name(taken[0].cell), Name(taken[1].cell));
    //: Undo took back the computer's move and then the person's; %1 and %2 are cells.
    return QCoreApplication::translate("Speech", "Taken back: computer %1, you %2.")
        .arg(Name(taken[0].cell), Name(taken[1].cell));
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
    return QCoreApplication::translate("Speech", "%1 is taken.").arg(Name(cell));
}

QString GameOverSentence(const QString& newGameKey) {
    //: The person tried to play after the game ended; %1 is the key of File > New, e.g. Ctrl+N.
    return QCoreApplication::translate("Speech", "The game is over. %1 starts a new game.")
        .arg(newGameKey);
}

} // namespace pentavo
