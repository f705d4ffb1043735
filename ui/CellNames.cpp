#include "ui/CellNames.h"

#include "core/Board.h"

#include <QCoreApplication>

namespace pentavo {

QString CellLabel(Cell cell) {
    return QString::fromStdString(cell.Name());
}

QString CellContentName(Cell cell, std::int16_t mark, bool lastMove) {
    const char* pattern = nullptr;
    if (mark == Cross && lastMove)
        //: A cell as a screen reader names it, e.g. "H8, cross, last move": the computer's last
        //: reply, marked by View > Mark Last Move.
        pattern = QT_TRANSLATE_NOOP("Board", "%1, cross, last move");
    else if (mark == Circle && lastMove)
        //: A cell as a screen reader names it, e.g. "H8, circle, last move": the computer's last
        //: reply, marked by View > Mark Last Move.
        pattern = QT_TRANSLATE_NOOP("Board", "%1, circle, last move");
    else if (mark == Cross)
        //: A cell as a screen reader names it, e.g. "H8, cross".
        pattern = QT_TRANSLATE_NOOP("Board", "%1, cross");
    else if (mark == Circle)
        //: A cell as a screen reader names it, e.g. "H8, circle".
        pattern = QT_TRANSLATE_NOOP("Board", "%1, circle");
    else
        //: A cell as a screen reader names it, e.g. "H8, empty".
        pattern = QT_TRANSLATE_NOOP("Board", "%1, empty");
    return QCoreApplication::translate("Board", pattern).arg(CellLabel(cell));
}

} // namespace pentavo
