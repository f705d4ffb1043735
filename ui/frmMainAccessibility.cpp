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

namespace {

int CellIndex(int col, int row) {
    return row * BoardSize + col;
}

} // namespace

const QWidget* frmMain::BoardWidget() const {
    return surface_;
}

QString frmMain::CellAccessibleName(int col, int row) const {
    const bool marked =
        lastReply_ == CellPos{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)} &&
        mnuViewMarkLastMove != nullptr && mnuViewMarkLastMove->isChecked();
    return CellContentName(col, row, game_.State().Board(col, row), marked);
}

QRect frmMain::CellRect(int col, int row) const {
    return QRect(TwipsToPixels(CellLeft(col)), TwipsToPixels(CellTop(row)),
                 TwipsToPixels(CellPitch), TwipsToPixels(CellPitch));
}

std::optional<int> frmMain::FocusCellIndex() const {
    if (const std::optional<BoardCursor::Cell>& cell = cursor_.Current())
        return CellIndex(cell->col, cell->row);
    return clickedCell_;
}

void frmMain::FocusCellForScreenReader() {
    const std::optional<int> index = FocusCellIndex();
    if (!index)
        return;
    QAccessibleEvent event(surface_, QAccessible::Focus);
    event.setChild(*index);
    QAccessible::updateAccessibility(&event);
}

void frmMain::RefreshCellLater(int col, int row) {
    if (!QAccessible::isActive())
        return;
    if (!cellsToRefresh_.contains(CellIndex(col, row)))
        cellsToRefresh_.append(CellIndex(col, row));
    if (cursorRefreshPending_)
        return;
    cursorRefreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            cursorRefreshPending_ = false;
            for (int index : std::exchange(cellsToRefresh_, {})) {
                QAccessibleEvent event(surface_, QAccessible::NameChanged);
                event.setChild(index);
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
