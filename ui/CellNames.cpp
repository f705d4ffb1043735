#include "ui/CellNames.h"

#include "core/Board.h"

#include <QCoreApplication>

namespace pentavo {

QString CellLabel(int col, int row) {
    return QString(QChar('A' + col)) + QString::number(BoardSize - row);
}

QString CellContentName(int col, int row, std::int16_t mark) {
    const QString content = mark == Cross    ? QCoreApplication::translate("Board", "cross")
                            : mark == Circle ? QCoreApplication::translate("Board", "circle")
                                             : QCoreApplication::translate("Board", "empty");
    return QCoreApplication::translate("Board", "%1, %2").arg(CellLabel(col, row), content);
}

QString MovesSpoken(const SpokenMove* moves, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i) {
        const QString cell = CellLabel(moves[i].col, moves[i].row);
        // The first word of the text starts with a capital, the second does not.
        if (moves[i].person)
            parts.append(i == 0 ? QCoreApplication::translate("Board", "You %1").arg(cell)
                                : QCoreApplication::translate("Board", "you %1").arg(cell));
        else
            parts.append(i == 0 ? QCoreApplication::translate("Board", "Computer %1").arg(cell)
                                : QCoreApplication::translate("Board", "computer %1").arg(cell));
    }
    return parts.join(QCoreApplication::translate("Board", ", "));
}

} // namespace pentavo
