#include "ui/dialogs/frmStatistics.h"
#include "ui/StatisticsStore.h"

#include "qttestkit/Windows.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace pentavo;
using pentavo::test::ModalDriver;

namespace {

QStringList Counts(const frmStatistics& dialog) {
    QStringList counts;
    for (const char* name : {"lblWon", "lblLost", "lblDrawn", "lblStreak"})
        counts.append(dialog.findChild<QLabel*>(name)->text());
    return counts;
}

// Presses Reset and answers its question.
void Reset(frmStatistics& dialog, QMessageBox::StandardButton answer) {
    ModalDriver question(
        [answer](QDialog& box) { qobject_cast<QMessageBox*>(&box)->button(answer)->click(); });
    dialog.findChild<QPushButton*>("cmdReset")->click();
    QCOMPARE(question.Acted(), 1);
}

} // namespace

class frmStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    // The counts as stored when it opens; Reset asks first and sets them to zero only on Yes.
    void showsTheStoredCountsAndResetsThemOnlyOnYes() {
        WriteStatistics({3, 1, 2, -2});
        auto* dialog = new frmStatistics(nullptr);
        dialog->show();
        QCOMPARE(Counts(*dialog), (QStringList{"3", "1", "2", "lost 2 in a row"}));
        Reset(*dialog, QMessageBox::No);
        QCOMPARE(ReadStatistics(), (GameStatistics{3, 1, 2, -2}));
        Reset(*dialog, QMessageBox::Yes);
        QCOMPARE(ReadStatistics(), GameStatistics{});
        QCOMPARE(Counts(*dialog), (QStringList{"0", "0", "0", "none"}));
        delete dialog;
    }
};

QTEST_MAIN(frmStatisticsTest)
#include "frmStatisticsTest.moc"
