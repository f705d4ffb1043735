#include "ui/StatusBar.h"

#include "forms/Twips.h"
#include "ui/Accessibility.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <algorithm>

namespace pentavo {

namespace {

constexpr int PanelMinimumTwips = 1440;
constexpr int ClockIntervalMs = 1000;

QLabel* AddPanel(QHBoxLayout* layout, QLabel* panel, int stretch) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(TwipsToPixels(PanelMinimumTwips));
    panel->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(panel, stretch);
    return panel;
}

} // namespace

QString StatusBar::ClockTime(const QLocale& locale, QTime time) {
    // Some locales (Traditional Chinese) write the day period with the letter B, which Qt does not
    // know and would print as it is ("B17:49"): it is read as AP, the morning or afternoon word.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == '\'')
            quoted = !quoted;
        else if (!quoted && format[i] == 'B')
            format.replace(i++, 1, QStringLiteral("AP"));
    }
    return locale.toString(time, format);
}

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName("sbStatusBar");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    //: The status bar's first panel, beside the date and the time.
    AddPanel(layout, new QLabel(tr("Status")), 1);
    // The clock is read when asked; a screen reader is not told of every tick.
    date_ = AddPanel(layout, new QuietLabel, 0);
    time_ = AddPanel(layout, new QuietLabel, 0);
    ShowClock();

    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &StatusBar::ShowClock);
    clock->start(ClockIntervalMs);
}

void StatusBar::ShowClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(ClockTime(locale, now.time()));
    // As wide as their contents: a narrow window must not cut the date or the time short.
    for (QLabel* panel : {date_, time_})
        panel->setMinimumWidth(
            std::max(TwipsToPixels(PanelMinimumTwips), panel->sizeHint().width()));
}

} // namespace pentavo
