// The winning five: a line through its cells for those who watch the board, its two ends named for
// those who listen.
#include "ui/frmMain.h"

#include "ui/CellNames.h"

#include "core/BoardGeometry.h"
#include "engine/FiveLine.h"
#include "ui/DrawingSurface.h"

#include <QAction>
#include <QCoreApplication>

#include <utility>

namespace pentavo {

namespace {

// The ends as a line is read: the left one first, and in a column the lower one.
std::pair<Cell, Cell> InReadingOrder(const FiveLine& line) {
    const auto before = [](const Cell& a, const Cell& b) {
        return a.col != b.col ? a.col < b.col : a.row > b.row;
    };
    return before(line.first, line.last) ? std::pair{line.first, line.last}
                                         : std::pair{line.last, line.first};
}

} // namespace

void frmMain::mnuViewShowWinningFive_Click() {
    mnuViewShowWinningFive->setChecked(!mnuViewShowWinningFive->isChecked());
    ShowWinningFive(game_.State().GameOver);
}

void frmMain::ShowWinningFive(bool over) {
    const std::optional<FiveLine> line = over && mnuViewShowWinningFive->isChecked()
                                             ? FindFiveLine(game_.State().Board)
                                             : std::nullopt;
    if (!line) {
        surface_->SetWinningLine(std::nullopt);
        return;
    }
    surface_->SetWinningLine(QLineF(CellCentreX(line->first.col), CellCentreY(line->first.row),
                                    CellCentreX(line->last.col), CellCentreY(line->last.row)));
}

QString frmMain::EndSpoken(std::string_view message) const {
    QString text = QCoreApplication::translate("Game", std::string(message).c_str());
    const std::optional<FiveLine> line = FindFiveLine(game_.State().Board);
    if (!line || message == DrawMessage)
        return text;
    const auto [from, to] = InReadingOrder(*line);
    const QString first = CellLabel(from);
    const QString last = CellLabel(to);
    if (message == IWinMessage)
        //: How the computer's line of five ended the game: its two end cells, e.g. F4, F8.
        return tr("I win: %1 to %2").arg(first, last);
    //: How the person's line of five ended the game: its two end cells, e.g. F4, F8.
    return tr("You win: %1 to %2").arg(first, last);
}

} // namespace pentavo
