#include "core/GameOptions.h"
#include "ui/HelpViewer.h"
#include "ui/PrintService.h"
#include "ui/frmMain.h"

#include "qttestkit/Windows.h"

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace pentavo;
using pentavo::test::ModalDriver;

namespace {

// A printer that takes or refuses every job, and keeps what it was given.
class FakePrinter : public PrintService {
public:
    FakePrinter(bool works, QList<QImage>& printed) : works_(works), printed_(printed) {}
    Outcome PrintImage(const QImage& image) override {
        printed_.append(image);
        return works_ ? Outcome::Done() : Outcome::Failed("Out of paper.");
    }

private:
    bool works_;
    QList<QImage>& printed_;
};

QAction* Action(const frmMain& window, const char* name) {
    return window.findChild<QAction*>(name);
}

QAction* ToolButton(const frmMain& window, const QString& key) {
    for (QAction* entry : window.findChild<QWidget*>("tbToolBar")->actions())
        if (entry->property("Key").toString() == key)
            return entry;
    return nullptr;
}

} // namespace

class MainWindowServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Keeps any print server on this machine out of the real service's way.
        qputenv("CUPS_SERVER", "/nonexistent.sock");
    }

    void printingGivesThePrinterThePictureOfTheWholeWindow() {
        GameOptions options;
        frmMain window(options);
        QList<QImage> printed;
        window.SetPrintService(std::make_unique<FakePrinter>(true, printed));
        ModalDriver messages;
        Action(window, "mnuFilePrint")->trigger();
        ToolButton(window, "Print")->trigger();
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed[0].size(), window.size() * window.devicePixelRatio());
        QCOMPARE(printed[0], window.grab().toImage());
        QVERIFY(messages.Titles.isEmpty());
    }

    // The window manager shows the caption beside its icon and three buttons.
    void aMessageBoxIsWideEnoughForItsCaption() {
        GameOptions options;
        frmMain window(options);
        int width = 0;
        int captionWidth = 0;
        ModalDriver messages([&](QDialog& box) {
            width = box.width();
            captionWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
            box.reject();
        });
        window.ShowMessage("I win");
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QVERIFY2(width >= captionWidth + 4 * 24 + 40, qPrintable(QString::number(width)));
    }

    // Without a window manager the keys would go to the screen's root once the box is gone.
    void theWindowHasTheKeysBackAfterAMessage() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ModalDriver messages;
        window.ShowMessage("I win");
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QTRY_COMPARE(QApplication::activeWindow(), &window);
    }

    void aFailedPrintSaysSo() {
        GameOptions options;
        frmMain window(options);
        QList<QImage> printed;
        window.SetPrintService(std::make_unique<FakePrinter>(false, printed));
        ModalDriver messages;
        window.mnuFilePrint_Click();
        QCOMPARE(messages.Titles, QStringList{"Pentavo"});
        QCOMPARE(messages.Texts, QStringList{"Out of paper."});
        QCOMPARE(messages.PlainOk, QList<bool>{true});
    }

    void withoutAPrinterTheRealServiceFails() {
        GameOptions options;
        frmMain window(options);
        ModalDriver messages;
        window.mnuFilePrint_Click();
        QCOMPARE(messages.Texts, QStringList{"The form can't be printed."});
    }

    void pageSetupShowsThePrinterDialogAndACancelIsSilent() {
        GameOptions options;
        frmMain window(options);
        ModalDriver dialogs;
        Action(window, "mnuFilePageSetup")->trigger();
        QCOMPARE(dialogs.Titles, QStringList{"Page Setup"});
    }

    void helpContentsShowsTheHelpFileInOneReusedWindow() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pentavo.hlp");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Playing</h1><p>Five in a row wins.</p></body></html>");
        file.close();

        GameOptions options;
        frmMain window(options);
        window.SetHelpFile(path);
        Action(window, "mnuHelpContents")->trigger();
        ToolButton(window, "Help")->trigger();
        const QList<HelpViewer*> viewers = window.findChildren<HelpViewer*>();
        QCOMPARE(viewers.size(), 1);
        QVERIFY(viewers[0]->isVisible());
        QCOMPARE(viewers[0]->windowTitle(), QString("Pentavo Help"));
        QVERIFY(viewers[0]->Text().toPlainText().contains("Five in a row wins."));
    }

    void theHelpWindowGoesBesideTheMainWindowWhollyOnTheScreen_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("expected");
        const QRect wide(0, 0, 1600, 1000);
        QTest::newRow("room on the right") << QRect(40, 40, 475, 530) << wide << QPoint(523, 40);
        QTest::newRow("near the right edge")
            << QRect(1100, 40, 475, 530) << wide << QPoint(532, 40);
        QTest::newRow("room on neither side")
            << QRect(300, 40, 475, 530) << QRect(0, 0, 800, 800) << QPoint(240, 40);
        QTest::newRow("low on the screen") << QRect(40, 700, 475, 530) << wide << QPoint(523, 520);
        QTest::newRow("above the work area")
            << QRect(40, -100, 475, 530) << QRect(0, 30, 1600, 970) << QPoint(523, 30);
    }
    void theHelpWindowGoesBesideTheMainWindowWhollyOnTheScreen() {
        QFETCH(QRect, owner);
        QFETCH(QRect, area);
        QFETCH(QPoint, expected);
        QCOMPARE(HelpViewer::PlaceBeside(owner, QSize(560, 480), area),
                 QRect(expected, QSize(560, 480)));
    }

    void theHelpWindowHasBackHomeMarginsAndClosesByEscOrCtrlW() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(300, 40);
        window.mnuHelpContents_Click();
        auto* help = window.findChild<HelpViewer*>();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(window.screen()->availableGeometry().contains(help->frameGeometry()));
        QTextBrowser& text = help->Text();
        QVERIFY(text.document()->documentMargin() >= 8);

        QVERIFY(!help->BackAction().isEnabled());
        text.setSource(QUrl("#window"));
        QVERIFY(text.verticalScrollBar()->value() > 0);
        // Reading by lines goes on from the place the link names.
        QCOMPARE(text.textCursor().block().text().trimmed(), QString("The window"));
        QVERIFY(help->BackAction().isEnabled());
        help->BackAction().trigger();
        QCOMPARE(text.verticalScrollBar()->value(), 0);
        text.setSource(QUrl("#printing"));
        help->HomeAction().trigger();
        QCOMPARE(text.verticalScrollBar()->value(), 0);
        QVERIFY(text.toPlainText().contains("Pentavo Help"));

        for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
            window.mnuHelpContents_Click();
            help->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTest::keyClick(&text, keys.key(), keys.keyboardModifiers());
            QVERIFY2(!help->isVisible(), qPrintable(QKeySequence(keys).toString()));
        }
    }

    void aMissingHelpFileIsReportedFromMenuAndToolbarAlike() {
        GameOptions options;
        frmMain window(options);
        window.SetHelpFile("/nonexistent/Pentavo.hlp");
        ModalDriver messages;
        Action(window, "mnuHelpContents")->trigger();
        ToolButton(window, "Help")->trigger();
        const QString expected =
            "Cannot open the help file \"/nonexistent/Pentavo.hlp\": No such file or directory.";
        QCOMPARE(messages.Texts, (QStringList{expected, expected}));
        QCOMPARE(messages.Titles, (QStringList{"Pentavo", "Pentavo"}));
    }

    void theProgramsOwnHelpFileOpens() {
        GameOptions options;
        frmMain window(options);
        QVERIFY2(QFile::exists(window.HelpFile()), qPrintable(window.HelpFile()));
        ModalDriver messages;
        window.mnuHelpContents_Click();
        QVERIFY(messages.Titles.isEmpty());
        QVERIFY(window.findChild<HelpViewer*>()->isVisible());
    }

    void optionsAndAboutAreModalAndOwnedByTheWindow() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QWidget*> owners;
        ModalDriver dialogs([&](QDialog& dialog) {
            owners.append(dialog.parentWidget());
            dialog.reject();
        });
        Action(window, "mnuViewOptions")->trigger();
        Action(window, "mnuHelpAbout")->trigger();
        QCOMPARE(dialogs.Titles, (QStringList{"Options", "About Pentavo"}));
        QCOMPARE(owners, (QList<QWidget*>{&window, &window}));
    }
};

QTEST_MAIN(MainWindowServicesTest)
#include "MainWindowServicesTest.moc"
