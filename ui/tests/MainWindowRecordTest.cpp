#include "core/GameOptions.h"
#include "ui/frmMain.h"

#include "qttestkit/Windows.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <deque>

using namespace pentavo;
using pentavo::test::ModalDriver;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A record of the given moves, padded with zeros to 225 bytes.
QByteArray Record(std::initializer_list<unsigned char> moves) {
    QByteArray bytes(225, '\0');
    int k = 0;
    for (unsigned char code : moves)
        bytes[k++] = static_cast<char>(code);
    return bytes;
}

// The file dialog as the person would answer it, one answer per showing; notes how it was set up.
struct ScriptedDialog {
    std::deque<std::optional<QString>> answers;
    QStringList shown; // "title|form|offered name|filter" per showing

    void Install(frmMain& window) {
        window.dlgCommonDialog.Chooser = [this](const CommonDialog& dialog,
                                                CommonDialog::Form form) {
            shown.append(QStringList{dialog.DialogTitle,
                                     form == CommonDialog::Form::Save ? "save" : "open",
                                     dialog.FileName, dialog.Filter}
                             .join('|'));
            std::optional<QString> answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

QAction* Action(const frmMain& window, const char* name) {
    return window.findChild<QAction*>(name);
}

} // namespace

class MainWindowRecordTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        window_ = std::make_unique<frmMain>(options_);
        dialog_ = ScriptedDialog();
        dialog_.Install(*window_);
    }
    void cleanup() { window_.reset(); }

    void saveWritesTheMoveLogOfAFreshGame() {
        const QString path = folder_.filePath("fresh.pnv");
        dialog_.answers = {path};
        ModalDriver messages;
        Action(*window_, "mnuFileSave")->trigger();
        QCOMPARE(Contents(path), Record({0x78}));
        QCOMPARE(dialog_.shown, QStringList{"Save|save||All Files (*.pnv)|*.pnv"});
        QVERIFY(messages.Titles.isEmpty());
    }

    void saveReplacesTheFirst225BytesOfALongerFile() {
        const QString path = folder_.filePath("long.pnv");
        Write(path, QByteArray(300, '\x55'));
        dialog_.answers = {path};
        window_->mnuFileSave_Click();
        QCOMPARE(Contents(path), Record({0x78}) + QByteArray(75, '\x55'));
    }

    void openReplaysTheRecordAndTakesTheFirstMoverFromItsLength_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("moveCount");
        QTest::addColumn<bool>("computerFirst");
        QTest::newRow("three moves") << Record({120, 103, 1}) << 3 << true;
        QTest::newRow("four moves") << Record({120, 103, 1, 239}) << 4 << false;
        QTest::newRow("empty file") << QByteArray() << 0 << false;
    }
    void openReplaysTheRecordAndTakesTheFirstMoverFromItsLength() {
        QFETCH(QByteArray, record);
        QFETCH(int, moveCount);
        QFETCH(bool, computerFirst);
        const QString path = folder_.filePath("game.pnv");
        Write(path, record);
        dialog_.answers = {path};
        Action(*window_, "mnuFileOpen")->trigger();
        const GameState& state = window_->TheGame().State();
        QCOMPARE(state.MoveCount, moveCount);
        QCOMPARE(options_.ComputerFirst, computerFirst);
        QCOMPARE(dialog_.shown, QStringList{"Open|open||All Files (*.pnv)|*.pnv"});
    }

    // A name chosen in Save or Open, or named on the command line, is offered by the next dialog
    // of either kind; a cancel forgets it.
    void theNameLastUsedIsOfferedNextAndACancelForgetsIt_data() {
        QTest::addColumn<QString>("first");
        QTest::newRow("chosen in Save") << "save";
        QTest::newRow("chosen in Open") << "open";
        QTest::newRow("named on the command line") << "command line";
    }
    void theNameLastUsedIsOfferedNextAndACancelForgetsIt() {
        QFETCH(QString, first);
        const QString path = folder_.filePath("kept.pnv");
        Write(path, Record({120, 103}));
        dialog_.answers = {path};
        if (first == "save")
            window_->mnuFileSave_Click();
        else if (first == "open")
            window_->mnuFileOpen_Click();
        else
            window_->OpenRecord(path);
        dialog_.shown.clear();
        dialog_.answers = {path, std::nullopt, std::nullopt};
        ModalDriver messages;
        window_->mnuFileSave_Click();
        window_->mnuFileOpen_Click();
        window_->mnuFileSave_Click();
        QCOMPARE(dialog_.shown, (QStringList{"Save|save|" + path + "|All Files (*.pnv)|*.pnv",
                                             "Open|open|" + path + "|All Files (*.pnv)|*.pnv",
                                             "Save|save||All Files (*.pnv)|*.pnv"}));
        QCOMPARE(messages.Texts, (QStringList{"Empty file", "Empty file"}));
    }

    void aNameThatIsNotThereIsToldOfAndNothingChanges_data() {
        QTest::addColumn<bool>("chosenInOpen");
        QTest::newRow("named on the command line") << false;
        QTest::newRow("typed into File > Open") << true;
    }
    void aNameThatIsNotThereIsToldOfAndNothingChanges() {
        QFETCH(bool, chosenInOpen);
        const QString path = folder_.filePath("typo.pnv");
        window_->Form_MouseUp(1, 0, 250, 650);
        const GameState before = window_->TheGame().State();
        options_.ComputerFirst = true;
        dialog_.answers = {path};
        ModalDriver messages;
        if (chosenInOpen)
            window_->mnuFileOpen_Click();
        else
            window_->OpenRecord(path);
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QCOMPARE(messages.Texts, QStringList{"The file \"" + path + "\" does not exist."});
        QVERIFY(!QFile::exists(path));
        QVERIFY(window_->TheGame().State().MoveLog == before.MoveLog);
        QVERIFY(window_->TheGame().State().Board == before.Board);
        QVERIFY(options_.ComputerFirst);
    }

    void aCancelledSaveOrOpenTouchesNothing() {
        const QString path = folder_.filePath("earlier.pnv");
        Write(path, Record({120, 103, 1, 239}));
        window_->Form_MouseUp(1, 0, 250, 650);
        const GameState before = window_->TheGame().State();
        dialog_.answers = {std::nullopt, std::nullopt};
        ModalDriver messages;
        window_->mnuFileSave_Click();
        window_->mnuFileOpen_Click();
        QCOMPARE(messages.Titles, (QStringList{"Pentavo", "Pentavo"}));
        QCOMPARE(messages.Texts, (QStringList{"Empty file", "Empty file"}));
        QCOMPARE(messages.PlainOk, (QList<bool>{true, true}));
        QCOMPARE(Contents(path), Record({120, 103, 1, 239}));
        QVERIFY(window_->TheGame().State().MoveLog == before.MoveLog);
        QCOMPARE(window_->TheGame().State().MoveCount, before.MoveCount);
    }

    void aRefusedRecordIsNamedAndTheGameStaysAsItWas() {
        const QString path = folder_.filePath("broken.pnv");
        Write(path, Record({120, 16}));
        window_->Form_MouseUp(1, 0, 250, 650);
        const GameState before = window_->TheGame().State();
        options_.ComputerFirst = true;
        dialog_.answers = {path};
        ModalDriver messages;
        window_->mnuFileOpen_Click();
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QVERIFY2(messages.Texts.value(0).contains(path), qPrintable(messages.Texts.value(0)));
        QVERIFY(window_->TheGame().State().MoveLog == before.MoveLog);
        QVERIFY(window_->TheGame().State().Board == before.Board);
        QVERIFY(options_.ComputerFirst);
    }

    void aFailedSaveIsNamedAndLeavesTheFilesAsTheyWere() {
        const QString plain = folder_.filePath("plain.txt");
        Write(plain, "not a folder");
        const QString path = plain + "/game.pnv";
        dialog_.answers = {path};
        ModalDriver messages;
        window_->mnuFileSave_Click();
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QVERIFY2(messages.Texts.value(0).contains(path), qPrintable(messages.Texts.value(0)));
        QCOMPARE(Contents(plain), QByteArray("not a folder"));
    }

    void theToolbarsOpenAndSaveRunTheSameCommands() {
        const QString path = folder_.filePath("toolbar.pnv");
        dialog_.answers = {path, path};
        QAction save;
        save.setProperty("Key", QString("Save"));
        window_->tbToolBar_ButtonClick(&save);
        QCOMPARE(Contents(path), Record({0x78}));
        Write(path, Record({120, 103}));
        QAction open;
        open.setProperty("Key", QString("Open"));
        window_->tbToolBar_ButtonClick(&open);
        QCOMPARE(window_->TheGame().State().MoveCount, 2);
        QCOMPARE(dialog_.shown.size(), 2);
    }

private:
    QTemporaryDir folder_;
    GameOptions options_;
    std::unique_ptr<frmMain> window_;
    ScriptedDialog dialog_;
};

QTEST_MAIN(MainWindowRecordTest)
#include "MainWindowRecordTest.moc"
