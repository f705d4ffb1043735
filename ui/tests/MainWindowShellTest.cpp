#include "core/BoardGeometry.h"
#include "core/GameOptions.h"
#include "core/Version.h"
#include "forms/LoadedForms.h"
#include "forms/Twips.h"
#include "resources/pictures/IconSizes.h"
#include "ui/DrawingSurface.h"
#include "ui/StatusBar.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTime>
#include <QToolBar>

using namespace pentavo;

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pentavo", "Pentavo");
}

QStringList StoredGeometry() {
    QSettings store = Store();
    QStringList values;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        values.append(store.value(QString("Settings/") + key).toString());
    return values;
}

QStringList TwipsOf(const QRect& pixels) {
    return {QString::number(pixels.x() * 15), QString::number(pixels.y() * 15),
            QString::number(pixels.width() * 15), QString::number(pixels.height() * 15)};
}

QAction* Action(const frmMain& window, const char* name) {
    return window.findChild<QAction*>(name);
}

QToolBar* ToolBar(const frmMain& window) {
    return window.findChild<QToolBar*>("tbToolBar");
}

// A window loaded beside the main one that notes when it is unloaded.
class OtherForm : public QWidget {
public:
    OtherForm(QString name, QStringList& unloaded) : name_(std::move(name)), unloaded_(unloaded) {
        RegisterLoadedForm(this);
    }

protected:
    void closeEvent(QCloseEvent*) override {
        unloaded_.append(name_ + (StoredGeometry().constFirst().isEmpty() ? "" : " after save"));
    }

private:
    QString name_;
    QStringList& unloaded_;
};

// The game's moves so far, as their cells' codes.
QList<int> Moves(const frmMain& window) {
    const GameState& state = window.TheGame().State();
    QList<int> moves;
    for (int i = 0; i < state.MoveCount; ++i)
        moves.append(state.MoveLog[static_cast<std::size_t>(i)]);
    return moves;
}

// Clicks the middle of a cell with the left button.
void ClickCell(frmMain& window, int col, int row) {
    QTest::mouseClick(&window.Surface(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(CellCentreX(col) / TwipsPerPixel),
                             static_cast<int>(CellCentreY(row) / TwipsPerPixel)));
}

} // namespace

class MainWindowShellTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Store().remove("Settings"); }

    void theMenusCarryTheirCaptionsAndShortcutsOnceLoaded() {
        GameOptions options;
        frmMain window(options);
        QStringList titles;
        for (const QAction* menu : window.menuBar()->actions())
            titles.append(menu->text());
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Help"}));

        struct Item {
            const char* name;
            const char* caption;
            const char* shortcut;
        };
        const Item items[] = {{"mnuFileNew", "&New", "Ctrl+N"},
                              {"mnuFileOpen", "&Open...", "Ctrl+O"},
                              {"mnuFileSave", "&Save", "Ctrl+S"},
                              {"mnuFileBar0", "-", ""},
                              {"mnuFilePageSetup", "Page Set&up...", ""},
                              {"mnuFilePrintPreview", "Print Pre&view", ""},
                              {"mnuFilePrint", "&Print...", ""},
                              {"mnuFileBar1", "-", ""},
                              {"mnuFileExit", "E&xit", "Ctrl+X"},
                              {"mnuEditUndo", "&Undo", "Ctrl+Z"},
                              {"mnuEditRedo", "&Redo", "Ctrl+Y"},
                              {"mnuEditBar0", "-", ""},
                              {"mnuEditHint", "&Hint", "Ctrl+H"},
                              {"mnuViewToolbar", "&Toolbar", ""},
                              {"mnuViewStatusBar", "Status &Bar", ""},
                              {"mnuViewMarkLastMove", "Mark &Last Move", ""},
                              {"mnuViewShowWinningFive", "Show &Winning Five", ""},
                              {"mnuViewBar0", "-", ""},
                              {"mnuViewStatistics", "&Statistics...", ""},
                              {"mnuViewOptions", "&Options...", "Ctrl+T"},
                              {"mnuHelpContents", "&Contents", ""},
                              {"mnuHelpBar0", "-", ""},
                              {"mnuHelpAbout", "&About ", ""}};
        QStringList expected;
        QStringList actual;
        for (const Item& item : items) {
            expected.append(QString("%1 %2 %3").arg(item.name, item.caption, item.shortcut));
            const QAction* action = Action(window, item.name);
            QVERIFY2(action != nullptr, item.name);
            QCOMPARE(action->isSeparator(), QString(item.caption) == "-");
            actual.append(QString("%1 %2 %3")
                              .arg(item.name, action->text(),
                                   action->shortcut().toString(QKeySequence::PortableText)));
        }
        QCOMPARE(actual, expected);
        // The items stand in the designed order under their menus.
        QStringList order;
        for (const QAction* menu : window.menuBar()->actions())
            for (const QAction* item : menu->menu()->actions())
                order.append(item->objectName());
        QCOMPARE(order.size(), std::size(items));
        for (std::size_t i = 0; i < std::size(items); ++i)
            QCOMPARE(order[static_cast<qsizetype>(i)], QString(items[i].name));

        QVERIFY(!Action(window, "mnuFilePrintPreview")->isEnabled());
        QVERIFY(!Action(window, "mnuEditRedo")->isEnabled());
        QVERIFY(Action(window, "mnuEditRedo")->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
        QVERIFY(Action(window, "mnuViewToolbar")->isChecked());
        QVERIFY(Action(window, "mnuViewStatusBar")->isChecked());
        QVERIFY(Action(window, "mnuViewMarkLastMove")->isCheckable());
        QVERIFY(!Action(window, "mnuViewMarkLastMove")->isChecked());
        QVERIFY(!Action(window, "mnuViewShowWinningFive")->isChecked());
    }

    void theToolbarHasSixKeyedButtonsBetweenPairsOfSeparators() {
        GameOptions options;
        frmMain window(options);
        QStringList entries;
        for (const QAction* entry : ToolBar(window)->actions())
            entries.append(entry->isSeparator()
                               ? "|"
                               : entry->property("Key").toString() + "=" + entry->toolTip());
        QCOMPARE(entries, (QStringList{"New=New", "Open=Open", "Save=Save", "|", "|", "Print=Print",
                                       "|", "|", "Undo=Undo", "|", "|", "Help=&Contents"}));
    }

    void creatingTheWindowLoadsItBeforeTheOpeningIsPlaced() {
        GameOptions options; // both cleared: the load step must set them first
        frmMain window(options);
        QVERIFY(options.ComputerFirst);
        QVERIFY(options.UndoMoves);
        QVERIFY(!options.SoundOn);
        QCOMPARE(Moves(window), QList<int>{120});
        QVERIFY(LoadedForms().contains(&window));
        QCOMPARE(window.windowTitle(), QString("Pentavo"));
        QCOMPARE(window.HelpFile(), QCoreApplication::applicationDirPath() + '/' + HelpFileName);

        // A second load finds the window loaded and changes nothing.
        Action(window, "mnuFileNew")->setText("1001");
        window.Load();
        QCOMPARE(Action(window, "mnuFileNew")->text(), QString("1001"));
    }

    void aLeftClickOnACellIsTheTurn() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&window.Surface(), Qt::RightButton, {}, QPoint(26, 53));
        QCOMPARE(Moves(window), QList<int>{120});
        ClickCell(window, 0, 0);
        QCOMPARE(window.TheGame().State().Board(0, 0), Circle);
        QCOMPARE(Moves(window).size(), 3);
    }

    void toolbarNewAndUndoActLikeTheirMenuItemsAndRedoPutsBackWhatUndoTook() {
        GameOptions options;
        frmMain window(options);
        const auto button = [&](const char* key) {
            for (QAction* entry : ToolBar(window)->actions())
                if (entry->property("Key").toString() == key)
                    return entry;
            return static_cast<QAction*>(nullptr);
        };

        ClickCell(window, 0, 0);
        ClickCell(window, 14, 14);
        const QList<int> fiveMoves = Moves(window);
        QCOMPARE(fiveMoves.size(), 5);
        button("Undo")->trigger();
        QCOMPARE(Moves(window), fiveMoves.first(3));
        Action(window, "mnuEditUndo")->trigger();
        QCOMPARE(Moves(window), fiveMoves.first(1));
        QAction* redo = Action(window, "mnuEditRedo");
        QVERIFY(redo->isEnabled());
        redo->trigger();
        redo->trigger();
        QCOMPARE(Moves(window), fiveMoves);
        QVERIFY(!redo->isEnabled());
        Action(window, "mnuEditUndo")->trigger();
        Action(window, "mnuEditUndo")->trigger();

        ClickCell(window, 0, 0);
        QVERIFY(!redo->isEnabled());
        button("New")->trigger();
        QCOMPARE(Moves(window), QList<int>{120});
        ClickCell(window, 0, 0);
        Action(window, "mnuFileNew")->trigger();
        QCOMPARE(Moves(window), QList<int>{120});
    }

    void aButtonWhoseKeyMatchesNoneDoesNothing() {
        GameOptions options;
        frmMain window(options);
        ClickCell(window, 0, 0);
        const QList<int> moves = Moves(window);
        for (const char* key : {"new", "UNDO", "Undo ", ""}) {
            QAction button;
            button.setProperty("Key", QString(key));
            window.tbToolBar_ButtonClick(&button);
            QCOMPARE(Moves(window), moves);
        }
    }

    // The handler turns the check mark over itself, whoever calls it.
    void theViewTogglesHideAndShowTheirBarsAndTheBoardStaysPut_data() {
        QTest::addColumn<bool>("throughTheMenu");
        QTest::newRow("menu items chosen") << true;
        QTest::newRow("handlers called") << false;
    }
    void theViewTogglesHideAndShowTheirBarsAndTheBoardStaysPut() {
        QFETCH(bool, throughTheMenu);
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* toolbarItem = Action(window, "mnuViewToolbar");
        QAction* statusItem = Action(window, "mnuViewStatusBar");
        const auto toggleToolbar = [&] {
            throughTheMenu ? toolbarItem->trigger() : window.mnuViewToolbar_Click();
        };
        const auto toggleStatusBar = [&] {
            throughTheMenu ? statusItem->trigger() : window.mnuViewStatusBar_Click();
        };
        QWidget* toolbar = ToolBar(window);
        QWidget* statusBar = window.findChild<StatusBar*>("sbStatusBar");
        const QRect board = QRect(QPoint(200, 600) / 15, QPoint(6200, 6600) / 15)
                                .translated(window.Surface().mapTo(&window, QPoint(0, 0)));
        const QImage boardBefore = window.grab(board).toImage();

        toggleToolbar();
        QVERIFY(!toolbarItem->isChecked());
        QVERIFY(!toolbar->isVisible());
        QVERIFY(statusItem->isChecked() && statusBar->isVisible());
        QCOMPARE(window.grab(board).toImage(), boardBefore);

        toggleStatusBar();
        QVERIFY(!statusItem->isChecked());
        QVERIFY(!statusBar->isVisible());
        QVERIFY(!toolbarItem->isChecked() && !toolbar->isVisible());
        QCOMPARE(window.grab(board).toImage(), boardBefore);

        toggleToolbar();
        toggleStatusBar();
        QVERIFY(toolbarItem->isChecked() && toolbar->isVisible());
        QVERIFY(statusItem->isChecked() && statusBar->isVisible());
        QCOMPARE(window.grab(board).toImage(), boardBefore);
    }

    void theClockWritesTheTimeAsTheLanguageDoes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written");
        QTest::newRow("24 hours") << "de_DE"
                                  << "17:49";
        QTest::newRow("day period first") << "ko_KR"
                                          << "오후 5:49";
        QTest::newRow("day period as B") << "zh_TW"
                                         << "下午5:49";
    }

    void theClockWritesTheTimeAsTheLanguageDoes() {
        QFETCH(QString, locale);
        QFETCH(QString, written);
        QCOMPARE(StatusBar::ClockTime(QLocale(locale), QTime(17, 49)), written);
    }

    void anEmptyStoreOpensTheDesignedClientAreaAt1000Twips() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(67, 67));
        QCOMPARE(window.Surface().size(), QSize(475, 504));
    }

    void theStoredGeometryIsRestoredAtLoad() { WriteGeometryAndCheck(QRect(30, 40, 600, 560)); }

    void exitUnloadsTheOtherWindowsLastFirstThenStoresTheGeometry() {
        QStringList unloaded;
        GameOptions options;
        auto* window = new frmMain(options);
        auto* first = new OtherForm("first", unloaded);
        auto* second = new OtherForm("second", unloaded);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->move(50, 60);
        Action(*window, "mnuFileExit")->trigger();
        QCOMPARE(unloaded, (QStringList{"second", "first"}));
        QCOMPARE(StoredGeometry(), TwipsOf(window->frameGeometry()));
        QVERIFY(!window->isVisible());
        QVERIFY(!LoadedForms().contains(first) && !LoadedForms().contains(second));
        delete window;
    }

    void unloadRunsOnlyOnce() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        Store().setValue("Settings/MainLeft", "marker");
        window.show();
        window.close();
        QCOMPARE(Store().value("Settings/MainLeft").toString(), QString("marker"));
    }

    void aMinimisedWindowStoresNothing() {
        GameOptions options;
        frmMain window(options);
        window.showMinimized();
        QVERIFY(window.isMinimized());
        window.close();
        QCOMPARE(StoredGeometry(), (QStringList{"", "", "", ""}));
    }

    void aMaximisedWindowStoresItsMaximisedGeometry() {
        GameOptions options;
        QRect maximised;
        {
            frmMain window(options);
            window.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_VERIFY(window.isMaximized());
            maximised = window.frameGeometry();
            window.close();
        }
        QCOMPARE(StoredGeometry(), TwipsOf(maximised));
        frmMain next(options);
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QVERIFY(!next.isMaximized());
        QCOMPARE(next.frameGeometry(), maximised);
    }

    // The desktop asks for these in its task switcher and docks; a picture that cannot be loaded
    // drops out of the list once asked for.
    void theWindowIconIsDrawnInEverySizeTheDesktopAsksFor() {
        GameOptions options;
        const frmMain window(options);
        const QIcon icon = window.windowIcon();
        for (const int size : IconSizes)
            QCOMPARE(icon.pixmap(QSize(size, size), 1.0).size(), QSize(size, size));
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : IconSizes)
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }

private:
    void WriteGeometryAndCheck(const QRect& outer) {
        QSettings store = Store();
        const QStringList twips = TwipsOf(outer);
        store.setValue("Settings/MainLeft", twips[0]);
        store.setValue("Settings/MainTop", twips[1]);
        store.setValue("Settings/MainWidth", twips[2]);
        store.setValue("Settings/MainHeight", twips[3]);
        store.sync();
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry(), outer);
    }
};

QTEST_MAIN(MainWindowShellTest)
#include "MainWindowShellTest.moc"
