#include "ui/CommonDialog.h"

#include "qttestkit/Windows.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace pentavo;
using pentavo::test::ModalDriver;

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

    // The real dialog: its title, its one filter entry, the kept name offered, the listed file's
    // size and date shown whole, and an open that accepts a name that does not exist.
    void theFileDialogOffersTheKeptNameAndAcceptsANewOne() {
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept.pnv");
        const QString fresh = folder.filePath("not-there-yet.pnv");
        CommonDialog dialog;
        dialog.DialogTitle = "Open";
        dialog.Filter = "All Files (*.pnv)|*.pnv";
        dialog.FileName = kept;
        QFile keptFile(kept);
        QVERIFY(keptFile.open(QIODevice::WriteOnly));
        keptFile.write(QByteArray(225, '\0'));
        keptFile.close();

        QStringList filterEntries;
        QStringList captions;
        QStringList offered;
        bool confirmsOverwrite = true;
        bool columnsFit = false;
        ModalDriver chooser([&](QDialog& shown) {
            auto& files = static_cast<QFileDialog&>(shown);
            for (const QComboBox* combo : files.findChildren<QComboBox*>("fileTypeCombo"))
                for (int i = 0; i < combo->count(); ++i)
                    filterEntries.append(combo->itemText(i));
            // What a screen reader names each list by.
            for (const char* list : {"lookInCombo", "fileTypeCombo"}) {
                QAccessibleInterface* combo =
                    QAccessible::queryAccessibleInterface(files.findChild<QWidget*>(list));
                for (const auto& [label, relation] : combo->relations(QAccessible::Label))
                    captions.append(label->text(QAccessible::Name));
            }
            offered = files.selectedFiles();
            confirmsOverwrite = !files.testOption(QFileDialog::DontConfirmOverwrite);
            // The folder is listed in the background; then size, type and date must fit.
            const auto* details = files.findChild<QTreeView*>("treeView");
            columnsFit = details != nullptr && QTest::qWaitFor([details] {
                             const QModelIndex listed = details->rootIndex();
                             if (details->model()->rowCount(listed) == 0)
                                 return false;
                             for (int column = 1; column <= 3; ++column) {
                                 const QModelIndex cell =
                                     details->model()->index(0, column, listed);
                                 if (details->header()->sectionSize(column) <
                                     details->sizeHintForIndex(cell).width())
                                     return false;
                             }
                             return true;
                         });
            // As typed by the person.
            files.findChild<QLineEdit*>("fileNameEdit")->setText(fresh);
            shown.accept();
        });
        const std::optional<QString> chosen = dialog.Show(CommonDialog::Form::Open, nullptr);

        QCOMPARE(chooser.Titles, QStringList{"Open"});
        QCOMPARE(filterEntries, QStringList{"All Files (*.pnv)"});
        QCOMPARE(captions, (QStringList{"Look in:", "Files of type:"}));
        QCOMPARE(offered, QStringList{kept});
        QVERIFY(!confirmsOverwrite);
        QVERIFY(columnsFit);
        QCOMPARE(chosen.value_or("(nothing)"), fresh);
        QCOMPARE(dialog.FileName, fresh);
        QVERIFY(!QFile::exists(fresh));
    }

    void cancellingGivesNothingAndForgetsTheKeptName() {
        CommonDialog dialog;
        dialog.FileName = "/tmp/earlier.pnv";
        ModalDriver cancel;
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, nullptr), std::nullopt);
        QCOMPARE(cancel.Titles.size(), 1);
        QVERIFY(dialog.FileName.isEmpty());
    }

    // A later use offers only the kept name, nothing typed before, in the folder last shown,
    // whichever form kept the name or showed the folder.
    void aLaterUseOffersTheKeptNameAndNothingElse() {
        QTemporaryDir folder;
        const QString typed = folder.filePath("typed.pnv");
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        CommonDialog dialog;
        QStringList offered;
        QStringList titles;
        QStringList folders;
        int use = 0;
        ModalDriver person([&](QDialog& shown) {
            auto* name = shown.findChild<QLineEdit*>("fileNameEdit");
            offered.append(name->text());
            titles.append(shown.windowTitle());
            folders.append(static_cast<QFileDialog&>(shown).directory().absolutePath());
            if (++use == 1) {
                name->setText(typed);
                shown.accept();
            } else {
                shown.reject();
            }
        });
        dialog.DialogTitle = "Save";
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, &owner), typed);
        dialog.DialogTitle = "Open";
        QCOMPARE(dialog.Show(CommonDialog::Form::Open, &owner), std::nullopt);
        dialog.DialogTitle = "Save";
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, &owner), std::nullopt);
        QCOMPARE(titles, (QStringList{"Save", "Open", "Save"}));
        QCOMPARE(offered, (QStringList{"", "typed.pnv", ""}));
        QCOMPARE(folders.mid(1), (QStringList{folder.path(), folder.path()}));
    }

    void anEmptyChoiceCountsAsCancelled() {
        CommonDialog dialog;
        dialog.Chooser = [](const CommonDialog&, CommonDialog::Form) { return QString(); };
        QCOMPARE(dialog.Show(CommonDialog::Form::Save, nullptr), std::nullopt);
    }
};

QTEST_MAIN(CommonDialogTest)
#include "CommonDialogTest.moc"
