// What a screen reader hears of the board: its cells, the accessible focus, and after each turn
// the moves played; and the marker on the computer's last reply for those who watch the board.
#include "ui/frmMain.h"

#include "core/BoardGeometry.h"
#include "forms/Twips.h"
#include "ui/Announcer.h"
#include "ui/CellNames.h"
#include "ui/DrawingSurface.h"

#include <QAccessible>
#include <QAction>

#include <algorithm>
#include <utility>
#include <vector>

namespace pentavo {

const QWidget* frmMain::BoardWidget() const {
    return surface_;
}

QString frmMain::CellAccessibleName(Cell cell) const {
    const bool marked =
        lastReply_ == cell && mnuViewMarkLastMove != nullptr && mnuViewMarkLastMove->isChecked();
    return CellContentName(cell, game_.State().Board(cell.col, cell.row), marked);
}

QRect frmMain::CellRect(Cell cell) const {
    return QRect(TwipsToPixels(CellLeft(cell.col)), TwipsToPixels(CellTop(cell.row)),
                 TwipsToPixels(CellPitch), TwipsToPixels(CellPitch));
}

std::optional<Cell> frmMain::FocusCell() const {
    if (const std::optional<Cell>& cell = cursor_.Current())
        return cell;
    return clickedCell_;
}

void frmMain::FocusCellForScreenReader() {
    const std::optional<Cell> cell = FocusCell();
    if (!cell)
        return;
    QAccessibleEvent event(surface_, QAccessible::Focus);
    event.setChild(cell->Index());
    QAccessible::updateAccessibility(&event);
}

void frmMain::RefreshCellLater(Cell cell) {
    if (!QAccessible::isActive())
        return;
    if (!cellsToRefresh_.contains(cell))
        cellsToRefresh_.append(cell);
    if (cursorRefreshPending_)
        return;
    cursorRefreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            cursorRefreshPending_ = false;
            for (const Cell changed : std::exchange(cellsToRefresh_, {})) {
                QAccessibleEvent event(surface_, QAccessible::NameChanged);
                event.setChild(changed.Index());
                QAccessible::updateAccessibility(&event);
            }
        },
        Qt::QueuedConnection);
}

void frmMain::Announce(const QString& sentence) {
    announced_ = sentence;
    // Nothing is made for people who use no screen reader.
    if (sentence.isEmpty() || !QAccessible::isActive())
        return;
    if (announcer_ == nullptr)
        announcer_ = new Announcer(this);
    announcer_->Say(sentence);
}

std::vector<SpokenMove> frmMain::MovesSince(int first) const {
    const GameState& state = game_.State();
    // The computer plays the even entries when it moved first, the odd ones otherwise.
    const int computerParity = options_.ComputerFirst ? 0 : 1;
    std::vector<SpokenMove> moves;
    for (int index = std::max(first, state.MoveCount - 2); index < state.MoveCount; ++index) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        if (DecodeMove(state.MoveLog[static_cast<std::size_t>(index)], col, row))
            moves.push_back(SpokenMove{index % 2 != computerParity, Cell{col, row}});
    }
    return moves;
}

void frmMain::mnuViewMarkLastMove_Click() {
    mnuViewMarkLastMove->setChecked(!mnuViewMarkLastMove->isChecked());
    ShowLastMoveMarker();
}

void frmMain::ShowLastMoveMarker() {
    if (!lastReply_ || mnuViewMarkLastMove == nullptr || !mnuViewMarkLastMove->isChecked()) {
        surface_->SetMarker(std::nullopt);
        return;
    }
    surface_->SetMarker(
        QRectF(CellLeft(lastReply_->col), CellTop(lastReply_->row), CellPitch, CellPitch));
}

} // namespace pentavo
