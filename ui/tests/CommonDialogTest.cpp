#include "ui/CommonDialog.h"

#include "ModalCloser.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace pentavo;
using pentavo::testing::ModalCloser;

class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    void filtersBecomeOneEntryPerPair_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pattern already shown")
            << "All Files (*.pnv)|*.pnv" << QStringList{"All Files (*.pnv)"};
        QTest::newRow("pattern appended")
            << "Games|*.pnv|Everything|*" << QStringList{"Games (*.pnv)", "Everything (*)"};
        QTest::newRow("none") << "" << QStringList{};
    }
    void filtersBecomeOneEntryPerPair() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(NameFilters(filter), expected);
    }

    // The real dialog: its title, its one filter entry, the kept name offered, and an open that
    // accepts a name that does not exist.
    void theFileDialogOffersTheKeptNameAndAcceptsANewOne() {
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept.pnv");
        const QString fresh = folder.filePath("not-there-yet.pnv");
        CommonDialog dialog;
        dialog.DialogTitle = "Open";
        dialog.Filter = "All Files (*.pnv)|*.pnv";
        dialog.FileName = kept;

        QStringList filterEntries;
        QStringList offered;
        bool confirmsOverwrite = true;
        ModalCloser chooser([&](QDialog& shown) {
            auto& files = static_cast<QFileDialog&>(shown);
            for (const QComboBox* combo : files.findChildren<QComboBox*>("fileTypeCombo"))
                for (int i = 0; i < combo->count(); ++i)
                    filterEntries.append(combo->itemText(i));
            offered = files.selectedFiles();
            confirmsOverwrite = !files.testOption(QFileDialog::DontConfirmOverwrite);
            // As typed by the person.
            files.findChild<QLineEdit*>("fileNameEdit")->setText(fresh);
            shown.accept();
        });
        const std::optional<QString> chosen = dialog.Show(CommonDialog::Form::Open, nullptr);

        QCOMPARE(chooser.Titles, QStringList{"Open"});
        QCOMPARE(filterEntries, QStringList{"All Files (*.pnv)"});
        QCOMPARE(offered, QStringList{kept});
        QVERIFY(!confirmsOverwrite);
        QCOMPARE(chosen.value_or("(nothing)"), fresh);
        QCOMPARE(dialog.FileName, fresh);
        QVERIFY(!QFile::exists(fresh));
    }

    void cancellingGivesNothingAndForgetsTheKeptName() {
        CommonDialog dialog;
        dialog.FileName = "/tmp/earlier.pnv";
        ModalCloser cancel;
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, nullptr), std::nullopt);
        QCOMPARE(cancel.Titles.size(), 1);
        QVERIFY(dialog.FileName.isEmpty());
    }

    void anEmptyChoiceCountsAsCancelled() {
        CommonDialog dialog;
        dialog.Chooser = [](const CommonDialog&, CommonDialog::Form) { return QString(); };
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, nullptr), std::nullopt);
    }
};

QTEST_MAIN(CommonDialogTest)
#include "CommonDialogTest.moc"
