#pragma once

#include <QWidget>

class QLabel;
class QLocale;
class QTime;

namespace pentavo {

// The main window's status bar: a fixed "Status" panel that takes the spare width, then the date
// and the time, which it keeps current itself in the system's short formats.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // The time as the locale writes it in its short format.
    static QString ClockTime(const QLocale& locale, QTime time);

private:
    void ShowClock();

    QLabel* date_;
    QLabel* time_;
};

} // namespace pentavo
