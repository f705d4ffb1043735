// Play by keyboard: a cursor over the board that the arrow keys move and Enter or Space plays,
// through the very turn a left click at the cell's centre starts; a hint moves it too.
#include "ui/frmMain.h"

#include "ui/CellNames.h"

#include "core/BoardGeometry.h"
#include "ui/DrawingSurface.h"
#include "ui/MessageBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace pentavo {

void frmMain::ShowBoardCursor() {
    const std::optional<Cell>& cell = cursor_.Current();
    if (!cell) {
        surface_->SetHighlight(std::nullopt);
        return;
    }
    surface_->SetHighlight(QRectF(CellLeft(cell->col), CellTop(cell->row), CellPitch, CellPitch));
    FocusCellForScreenReader();
}

// The cursor goes to the cell the computer's rule picks for the person; nothing is played.
void frmMain::mnuEditHint_Click() {
    const std::optional<Cell> cell = game_.Hint();
    if (!cell) {
        ShowMessageBox(this, game_.State().GameOver ? tr("The game is over: there is no hint.")
                                                    : tr("The board is full: there is no hint."));
        return;
    }
    cursor_.MoveTo(cell->col, cell->row);
    ShowBoardCursor();
    //: Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.
    Announce(tr("Hint: %1.").arg(CellLabel(*cell)));
}

void frmMain::HideBoardCursor() {
    cursor_.Hide();
    ShowBoardCursor();
}

// A screen reader's user reviews the board around the cursor a line at a time; the keys do nothing
// before the cursor is shown.
bool frmMain::AnnounceLine(BoardLine line) {
    if (const std::optional<Cell>& cell = cursor_.Current())
        Announce(LineSentence(line, *cell, game_.State().Board));
    return true;
}

bool frmMain::BoardKey(const QKeyEvent& key) {
    // Shortcuts such as Ctrl+N stay the window's.
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Left:
        cursor_.Step(-1, 0);
        break;
    case Qt::Key_Right:
        cursor_.Step(1, 0);
        break;
    case Qt::Key_Up:
        cursor_.Step(0, -1);
        break;
    case Qt::Key_Down:
        cursor_.Step(0, 1);
        break;
    case Qt::Key_Home:
        cursor_.Centre();
        break;
    case Qt::Key_L:
        // For a player who missed them: the last two moves again.
        Announce(MovesSentence(MovesSince(0)));
        return true;
    case Qt::Key_R:
        return AnnounceLine(BoardLine::Row);
    case Qt::Key_C:
        return AnnounceLine(BoardLine::Column);
    case Qt::Key_D:
        return AnnounceLine(BoardLine::Rising);
    case Qt::Key_F:
        return AnnounceLine(BoardLine::Falling);
    case Qt::Key_H:
        mnuEditHint_Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (key.isAutoRepeat())
            return true;
        if (const std::optional<Cell> cell = cursor_.Current()) {
            // A left button released at the cell's centre, no key held.
            Form_MouseUp(1, 0, static_cast<float>(CellCentreX(cell->col)),
                         static_cast<float>(CellCentreY(cell->row)));
        } else {
            cursor_.Centre();
        }
        break;
    default:
        return false;
    }
    ShowBoardCursor();
    return true;
}

bool frmMain::BoardEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return BoardKey(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
        HideBoardCursor();
        break;
    case QEvent::FocusOut:
        // The frame goes with the focus; the cursor keeps its cell for when the focus comes
        // back. An open menu gives the focus back when it closes.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            surface_->SetHighlight(std::nullopt);
        break;
    case QEvent::FocusIn:
        ShowBoardCursor();
        // Readers are told of the board's focus after this event; the cell's comes after that,
        // so that they land on the cell they left.
        QMetaObject::invokeMethod(this, &frmMain::FocusCellForScreenReader, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

} // namespace pentavo
