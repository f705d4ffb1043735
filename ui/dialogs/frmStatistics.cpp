#include "ui/dialogs/frmStatistics.h"

#include "forms/LoadedForms.h"
#include "ui/MessageBox.h"
#include "ui/StatisticsStore.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pentavo {

namespace {

QLabel* AddCount(QFormLayout* form, const char* name, const QString& caption) {
    auto* value = new QLabel;
    value->setObjectName(name);
    form->addRow(caption, value);
    return value;
}

// Room for the caption and the margins the program's other buttons keep around theirs, which the
// style's own size leaves out.
void KeepCaptionMargins(QPushButton& button) {
    const QStyle& style = *button.style();
    const int margins = 2 * (style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                             style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    button.setMinimumWidth(
        button.fontMetrics().horizontalAdvance(QString(button.text()).remove('&')) + margins);
}

QString StreakText(int streak) {
    if (streak > 0)
        //: The current streak: games won in a row.
        return frmStatistics::tr("won %n in a row", nullptr, streak);
    if (streak < 0)
        //: The current streak: games lost in a row.
        return frmStatistics::tr("lost %n in a row", nullptr, -streak);
    //: The current streak when the last game was a draw, or before the first game.
    return frmStatistics::tr("none");
}

} // namespace

frmStatistics::frmStatistics(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName("frmStatistics");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Statistics"));
    RegisterLoadedForm(this);

    auto* form = new QFormLayout;
    lblWon = AddCount(form, "lblWon", tr("Games won:"));
    lblLost = AddCount(form, "lblLost", tr("Games lost:"));
    lblDrawn = AddCount(form, "lblDrawn", tr("Games drawn:"));
    lblStreak = AddCount(form, "lblStreak", tr("Current streak:"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* cmdReset = buttons->addButton(tr("&Reset..."), QDialogButtonBox::ResetRole);
    cmdReset->setObjectName("cmdReset");
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    for (QAbstractButton* button : buttons->buttons())
        KeepCaptionMargins(*static_cast<QPushButton*>(button));
    connect(cmdReset, &QPushButton::clicked, this, &frmStatistics::cmdReset_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowCounts();
}

void frmStatistics::ShowModal(QWidget* owner) {
    // exec() deletes a dialog that deletes itself on close before it returns.
    (new frmStatistics(owner))->exec();
}

void frmStatistics::ShowCounts() {
    const GameStatistics statistics = ReadStatistics();
    lblWon->setText(QLocale().toString(statistics.Won));
    lblLost->setText(QLocale().toString(statistics.Lost));
    lblDrawn->setText(QLocale().toString(statistics.Drawn));
    lblStreak->setText(StreakText(statistics.Streak));
}

void frmStatistics::cmdReset_Click() {
    if (!AskYesNo(this, tr("Set the games won, lost and drawn and the streak back to zero?")))
        return;
    WriteStatistics({});
    ShowCounts();
}

} // namespace pentavo
