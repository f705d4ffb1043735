#include "core/GameOptions.h"
#include "ui/HelpViewer.h"
#include "ui/frmMain.h"

#include "qttestkit/Windows.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

using namespace pentavo;
using pentavo::test::ModalDriver;

// Faults of the platform under the main window, made real: what the person sees, and that the game
// in the window is not lost.
class MainWindowFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(QDir(folder_.path()).mkpath("folder/Pentavo.hlp"));
        QVERIFY(QDir(folder_.path()).mkpath("broken"));
        QVERIFY(QFile::link("/proc/self/mem", folder_.filePath("broken/Pentavo.hlp")));
    }

    void init() {
        QVERIFY(folder_.isValid());
        window_ = std::make_unique<frmMain>(options_);
        window_->Form_MouseUp(1, 0, 250, 650);
    }
    void cleanup() { window_.reset(); }

    void anUnreadableHelpFileIsNamedAndNoHelpWindowShows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing/Pentavo.hlp"
                                 << "Cannot open the help file \"%1\": No such file or directory.";
        QTest::newRow("a folder")
            << "folder/Pentavo.hlp"
            << "Cannot open the help file \"%1\": file to open is a directory.";
        // Opens, but every read fails with an input/output error.
        QTest::newRow("read fails") << "broken/Pentavo.hlp"
                                    << "Cannot read the help file \"%1\": Input/output error.";
    }
    void anUnreadableHelpFileIsNamedAndNoHelpWindowShows() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString path = folder_.filePath(name);
        const GameState before = window_->TheGame().State();
        window_->SetHelpFile(path);
        ModalDriver messages;
        window_->mnuHelpContents_Click();
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QCOMPARE(messages.Texts, QStringList{expected.arg(path)});
        const HelpViewer* viewer = window_->findChild<HelpViewer*>();
        QVERIFY(viewer == nullptr || !viewer->isVisible());
        QVERIFY(window_->TheGame().State().MoveLog == before.MoveLog);
    }

    // The person opens the file dialog in the record's folder; meanwhile the folder goes (another
    // program, a removed stick); they press Return on the offered name.
    void aRecordFolderRemovedWhileTheDialogIsOpenIsNamedAndTheGameKept() {
        const QString records = folder_.filePath("records");
        QVERIFY(QDir().mkpath(records));
        const QString path = records + "/game.pnv";
        const GameState before = window_->TheGame().State();
        bool removed = false;
        QStringList offered;
        ModalDriver dialogs([&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            auto* name = files != nullptr ? files->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (name != nullptr) {
                offered.append(name->text());
                removed = QDir(records).removeRecursively();
                QTest::keyClick(name, Qt::Key_Return);
            }
            // A dialog that kept itself open is closed here and fails the checks below.
            if (dialog.isVisible())
                dialog.reject();
        });
        window_->dlgCommonDialog.FileName = path;
        window_->mnuFileSave_Click();
        QVERIFY(removed);
        QVERIFY(QDir().mkpath(records));
        window_->dlgCommonDialog.FileName = path;
        window_->mnuFileOpen_Click();
        QCOMPARE(offered, (QStringList{"game.pnv", "game.pnv"}));
        QCOMPARE(dialogs.Titles, (QStringList{"Save", "Pentavo", "Open", "Pentavo"}));
        QCOMPARE(dialogs.Texts.size(), 2);
        QCOMPARE(dialogs.Texts[0], "Cannot save \"" + path + "\": No such file or directory.");
        QCOMPARE(dialogs.Texts[1], "The file \"" + path + "\" does not exist.");
        QVERIFY(!QFile::exists(records));
        QVERIFY(window_->TheGame().State().MoveLog == before.MoveLog);
        QVERIFY(window_->TheGame().State().Board == before.Board);
    }

private:
    QTemporaryDir folder_;
    GameOptions options_;
    std::unique_ptr<frmMain> window_;
};

QTEST_MAIN(MainWindowFaultsTest)
#include "MainWindowFaultsTest.moc"
