#pragma once

#include <QDialog>

class QLabel;

namespace pentavo {

// Games won, lost and drawn and the current streak, as the settings store keeps them, read when
// the dialog opens; Reset sets them to zero once the person has said yes. Closing it unloads it.
class frmStatistics : public QDialog {
    Q_OBJECT

public:
    explicit frmStatistics(QWidget* owner);

    // Loads the dialog owned by `owner`, shows it modally and returns once it is closed and gone.
    static void ShowModal(QWidget* owner);

private:
    void ShowCounts();
    void cmdReset_Click();

    QLabel* lblWon = nullptr;
    QLabel* lblLost = nullptr;
    QLabel* lblDrawn = nullptr;
    QLabel* lblStreak = nullptr;
};

} // namespace pentavo
