#include "core/BoardGeometry.h"
#include "core/GameOptions.h"
#include "forms/Twips.h"
#include "ui/DrawingSurface.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/frmMain.h"

#include "qttestkit/Windows.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

using namespace pentavo;
using pentavo::test::ModalDriver;

namespace {

// Keys as letters: L R U D arrows, H Home, E Return, S Space; in lower case the keypad's key
// with NumLock off.
void Press(frmMain& window, const QString& keys) {
    for (const QChar typed : keys) {
        const QChar key = typed.toUpper();
        const Qt::Key code = key == 'L'   ? Qt::Key_Left
                             : key == 'R' ? Qt::Key_Right
                             : key == 'U' ? Qt::Key_Up
                             : key == 'D' ? Qt::Key_Down
                             : key == 'H' ? Qt::Key_Home
                             : key == 'E' ? Qt::Key_Return
                                          : Qt::Key_Space;
        QTest::keyClick(&window.Surface(), code,
                        typed.isLower() ? Qt::KeypadModifier : Qt::NoModifier);
    }
}

// From the centre by keys: D12, L11, C3, A1, on which the computer completes its five J6 to F10.
const QString Win =
    "HLLLLUUUUE" + QString(8, 'R') + "DE" + QString(9, 'L') + QString(8, 'D') + "E" + "LLDDE";

const Qt::Key LineKeys[] = {Qt::Key_R, Qt::Key_C, Qt::Key_D, Qt::Key_F};

// The keys that take a shown cursor from `from` to `to`.
QString Path(QPoint from, QPoint to) {
    QString keys;
    keys += QString(std::abs(to.x() - from.x()), to.x() < from.x() ? 'L' : 'R');
    keys += QString(std::abs(to.y() - from.y()), to.y() < from.y() ? 'U' : 'D');
    return keys;
}

QPoint CursorCell(const frmMain& window) {
    const auto& cell = window.Cursor().Current();
    return cell ? QPoint(cell->col, cell->row) : QPoint(-1, -1);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString("(none)");
}

// A menu item's name, its check mark when it is a check item, and the shortcut a reader speaks.
QString ItemAsHeard(QAccessibleInterface* item) {
    QString heard = item->text(QAccessible::Name);
    if (item->role() == QAccessible::CheckBox)
        heard += item->state().checked ? " [x]" : " [ ]";
    const QStringList keys =
        item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
    if (keys.size() == 3 && !keys[2].isEmpty())
        heard += " " + keys[2];
    return heard;
}

void ShowFocused(frmMain& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(window.Surface().hasFocus());
}

} // namespace

class MainWindowKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theKeysMoveTheCursorOneCellAndStopAtTheEdges_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("the first arrow shows the centre") << "L" << QPoint(7, 7);
        QTest::newRow("Home shows the centre") << "H" << QPoint(7, 7);
        QTest::newRow("Return only shows it") << "E" << QPoint(7, 7);
        QTest::newRow("one step each way") << "RRDLU" << QPoint(7, 7);
        QTest::newRow("one step right and up") << "DRU" << QPoint(8, 6);
        QTest::newRow("stops at the left edge") << "L" + QString(10, 'L') << QPoint(0, 7);
        QTest::newRow("stops at the top edge") << "U" + QString(10, 'U') << QPoint(7, 0);
        QTest::newRow("stops at the bottom right")
            << "D" + QString(10, 'R') + QString(10, 'D') << QPoint(14, 14);
        QTest::newRow("Home returns to the centre") << "RRRUUH" << QPoint(7, 7);
        QTest::newRow("the keypad's arrows and Home") << "rdluhrru" << QPoint(9, 6);
    }
    void theKeysMoveTheCursorOneCellAndStopAtTheEdges() {
        QFETCH(QString, keys);
        QFETCH(QPoint, cell);
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        QCOMPARE(CursorCell(window), QPoint(-1, -1));
        Press(window, keys);
        QCOMPARE(CursorCell(window), cell);
        QCOMPARE(window.TheGame().State().MoveCount, std::int16_t{1});
    }

    // The same cells played by keys in one window and by clicks in another: the same game. The
    // taken centre and a repeated cell must change nothing either way.
    void returnAndSpacePlayTheTurnOfALeftClickAtTheCellsCentre() {
        const QList<QPoint> cells{{7, 7}, {6, 6}, {8, 8}, {8, 8}, {0, 14}, {14, 0}, {9, 6}};
        GameOptions keyOptions;
        frmMain byKeys(keyOptions);
        ShowFocused(byKeys);
        GameOptions clickOptions;
        frmMain byClicks(clickOptions);
        byClicks.show();
        QVERIFY(QTest::qWaitForWindowExposed(&byClicks));

        ModalDriver messages;
        Press(byKeys, "H");
        QPoint at(7, 7);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            Press(byKeys, Path(at, cells[i]) + (i % 2 == 0 ? "E" : "S"));
            at = cells[i];
            QTest::mouseClick(
                &byClicks.Surface(), Qt::LeftButton, {},
                QPoint(TwipsToPixels(CellCentreX(at.x())), TwipsToPixels(CellCentreY(at.y()))));
            QCOMPARE(byKeys.TheGame().State().MoveLog, byClicks.TheGame().State().MoveLog);
        }
        QVERIFY(byKeys.TheGame().State().MoveCount >= 7);
        // A message of the one game, then the same of the other.
        QCOMPARE(messages.Texts.size() % 2, 0);
        for (qsizetype i = 0; i < messages.Texts.size(); i += 2)
            QCOMPARE(messages.Texts[i], messages.Texts[i + 1]);
        QCOMPARE(byKeys.TheGame().State().Board, byClicks.TheGame().State().Board);
        QCOMPARE(byKeys.Surface().Image(), byClicks.Surface().Image());
    }

    // H on the board, or Edit > Hint: the cursor goes to the hint's cell and the reader hears its
    // name; nothing is played until Enter.
    void aHintMovesTheCursorAndPlaysNothing() {
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        Press(window, "RR");
        QTest::keyClick(&window.Surface(), Qt::Key_H);
        const QPoint hint = CursorCell(window);
        QVERIFY(hint != QPoint(9, 7) && hint != QPoint(-1, -1));
        QCOMPARE(window.TheGame().State().MoveCount, 1);
        const QString name = QString(QChar('A' + hint.x())) + QString::number(15 - hint.y());
        QCOMPARE(window.Announced(), "Hint: " + name + ".");
        Press(window, "R");
        window.findChild<QAction*>("mnuEditHint")->trigger();
        QCOMPARE(CursorCell(window), hint);
        Press(window, "E");
        QCOMPARE(window.TheGame().State().MoveLog[1], EncodeMove(hint.x(), hint.y()));
    }

    void theCursorIsDrawnOverTheBoardNeverIntoIt() {
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        const QImage kept = window.Surface().Image();
        const QImage shown = window.Surface().grab().toImage();
        Press(window, "R");
        QCOMPARE(window.Surface().Image(), kept);
        QVERIFY(window.Surface().grab().toImage() != shown);
        QTest::mousePress(&window.Surface(), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(&window.Surface(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(CursorCell(window), QPoint(-1, -1));
        QCOMPARE(window.Surface().grab().toImage(), shown);
    }

    // The frame goes with the focus; the cell stays, for the reader and the next arrow.
    void theCursorKeepsItsCellWhileTheFocusIsAway() {
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        Press(window, "RR");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!window.Surface().Highlight());
        window.activateWindow();
        QTRY_VERIFY(window.Surface().hasFocus());
        QVERIFY(window.Surface().Highlight());
        Press(window, "R");
        QCOMPARE(CursorCell(window), QPoint(9, 7));
    }

    // Each change of the game, and each line asked for, is said in one sentence to a screen
    // reader. Keys: arrows and Home as in Press; l the L key, z Undo, y Redo, n New, p New with the
    // person first, 1 to 4 the keys that read the cursor's row, column and diagonals.
    void everyChangeOfTheGameIsAnnounced_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        QTest::newRow("a turn") << "HUE"
                                << "You H9, computer G9.";
        QTest::newRow("L repeats it") << "HUEl"
                                      << "You H9, computer G9.";
        QTest::newRow("a taken cell") << "HE"
                                      << "H8 is taken.";
        QTest::newRow("Undo") << "HUEz"
                              << "Taken back: you H9, computer G9.";
        QTest::newRow("Undo of the opening") << "z"
                                             << "Nothing to take back.";
        QTest::newRow("Redo") << "HUEzy"
                              << "Put back: you H9, computer G9.";
        QTest::newRow("Redo with nothing taken back") << "HUEy"
                                                      << "Nothing to put back.";
        QTest::newRow("New") << "HUEn"
                             << "New game. Computer H8.";
        QTest::newRow("New, the person first") << "p"
                                               << "New game. You H8, computer G9.";
        QTest::newRow("the computer's five") << Win << "You A1, computer J6. I win: F10 to J6.";
        QTest::newRow("the cursor's row") << "HUE1"
                                          << "Row 9: G cross, H circle; 13 empty.";
        QTest::newRow("its column") << "HUE2"
                                    << "Column H: 8 cross, 9 circle; 13 empty.";
        QTest::newRow("the rising diagonal") << "HUE3"
                                             << "Diagonal A2 to N15: H9 circle; 13 empty.";
        QTest::newRow("the falling diagonal") << "HUE4"
                                              << "Diagonal B15 to O2: H9 circle; 13 empty.";
        QTest::newRow("an empty row") << "HUUUUUUU1"
                                      << "Row 15: empty.";
        QTest::newRow("a move after the end") << Win + "E"
                                              << "The game is over. Ctrl+N starts a new game.";
    }
    void everyChangeOfTheGameIsAnnounced() {
        QFETCH(QString, keys);
        QFETCH(QString, said);
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        ModalDriver messages([](QDialog& box) { box.accept(); });
        for (const QChar key : keys) {
            if (key == 'l')
                QTest::keyClick(&window.Surface(), Qt::Key_L);
            else if (key.isDigit())
                QTest::keyClick(&window.Surface(), LineKeys[key.digitValue() - 1]);
            else if (key == 'z')
                window.mnuEditUndo_Click();
            else if (key == 'y')
                window.mnuEditRedo_Click();
            else if (key == 'n')
                window.mnuFileNew_Click();
            else if (key == 'p') {
                options.ComputerFirst = false;
                window.mnuFileNew_Click();
            } else
                Press(window, QString(key));
        }
        QCOMPARE(window.Announced(), said);
    }

    // Screen readers read the board as a list of cells, row by row, with a table's rows and
    // columns; the focused cell is the cursor's, else the cell last clicked; each cell is named
    // by its place and content and lies where it is drawn.
    void theBoardIsATableOfNamedCellsFocusedByTheCursorOrAClick() {
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window.Surface());
        QCOMPARE(board->role(), QAccessible::List);
        QCOMPARE(board->text(QAccessible::Name), QString("Board"));
        QAccessibleTableInterface* table = board->tableInterface();
        QCOMPARE(table->rowCount() * table->columnCount(), board->childCount());
        // Off the diagonal, so that a swapped row and column shows; one past an edge, which must
        // not wrap into the next row. The headers read as the cell's name does.
        const struct {
            int row;
            int column;
            const char* name; // none off the board
        } probes[] = {{0, 0, "A15"},    {14, 14, "O1"},   {2, 11, "L13"},  {11, 2, "C4"},
                      {0, 15, nullptr}, {15, 0, nullptr}, {-1, 3, nullptr}};
        for (const auto& probe : probes) {
            QAccessibleInterface* cell = table->cellAt(probe.row, probe.column);
            if (probe.name == nullptr) {
                QVERIFY2(cell == nullptr, qPrintable(QString::number(probe.column)));
                continue;
            }
            QCOMPARE(cell->text(QAccessible::Name), QString(probe.name) + ", empty");
            QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
            QCOMPARE(table->columnDescription(probe.column) + table->rowDescription(probe.row),
                     QString(probe.name));
        }
        QAccessibleInterface* centre = table->cellAt(7, 7);
        QCOMPARE(centre->role(), QAccessible::ListItem);
        QCOMPARE(centre->rect().center(),
                 window.Surface().mapToGlobal(
                     QPoint(TwipsToPixels(CellCentreX(7)), TwipsToPixels(CellCentreY(7)))));
        const auto focused = [board] {
            QAccessibleInterface* cell = board->focusChild();
            return cell != nullptr ? cell->text(QAccessible::Name) : QString("(none)");
        };
        QCOMPARE(focused(), QString("(none)"));
        Press(window, "R");
        QCOMPARE(focused(), QString("H8, cross"));
        QVERIFY(board->focusChild()->state().focused);
        Press(window, "R");
        QCOMPARE(focused(), QString("I8, empty"));
        Press(window, "E");
        QTRY_COMPARE(focused(), QString("I8, circle"));
        std::int16_t col = 0;
        std::int16_t row = 0;
        QVERIFY(DecodeMove(window.TheGame().State().MoveLog[2], col, row));
        const QString reply = table->cellAt(row, col)->text(QAccessible::Name);
        QVERIFY2(reply.endsWith(", cross"), qPrintable(reply));
        window.mnuViewMarkLastMove_Click();
        QCOMPARE(table->cellAt(row, col)->text(QAccessible::Name), reply + ", last move");
        window.mnuViewMarkLastMove_Click();
        window.mnuFileNew_Click();
        QCOMPARE(focused(), QString("I8, empty"));
        const QPoint j10(TwipsToPixels(CellCentreX(9)), TwipsToPixels(CellCentreY(5)));
        QTest::mouseClick(&window.Surface(), Qt::LeftButton, {}, j10);
        QCOMPARE(focused(), QString("J10, circle"));
    }

    void menusToolbarButtonsAndDialogControlsHaveAccessibleNames() {
        GameOptions options;
        frmMain window(options);
        QStringList buttons;
        auto* toolbar = window.findChild<QToolBar*>("tbToolBar");
        for (QAction* action : toolbar->actions())
            if (!action->isSeparator())
                buttons.append(AccessibleName(toolbar->widgetForAction(action)));
        QCOMPARE(buttons, (QStringList{"New", "Open", "Save", "Print", "Undo", "Contents"}));

        QStringList menus;
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window.menuBar());
        QCOMPARE(bar->childCount(), 4);
        for (QAction* menu : window.menuBar()->actions()) {
            QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu->menu());
            QStringList names{bar->child(static_cast<int>(menus.size()))->text(QAccessible::Name),
                              AccessibleName(menu->menu())};
            for (int i = 0; i < items->childCount(); ++i) {
                // Readers ignore an item that its menu does not count among its children.
                QCOMPARE(items->indexOfChild(items->child(i)), i);
                if (items->child(i)->role() != QAccessible::Separator)
                    names.append(ItemAsHeard(items->child(i)));
            }
            menus.append(names.join('|'));
        }
        QCOMPARE(menus,
                 (QStringList{"File|File|New <Control>n|Open... <Control>o|Save <Control>s|Page "
                              "Setup...|Print Preview|Print...|Exit <Control>x",
                              "Edit|Edit|Undo <Control>z|Redo <Control>y|Hint <Control>h",
                              "View|View|Toolbar [x]|Status Bar [x]|Mark Last Move [ ]|Show "
                              "Winning Five [ ]|Statistics...|Options... <Control>t",
                              "Help|Help|Contents|About "}));
        // The access letter, the letters' path from the menu bar, the shortcut.
        QAccessibleInterface* newGame =
            QAccessible::queryAccessibleInterface(window.findChild<QAction*>("mnuFileNew"));
        QCOMPARE(newGame->actionInterface()->keyBindingsForAction(
                     QAccessibleActionInterface::pressAction()),
                 (QStringList{"n", "<Alt>f:n", "<Control>n"}));

        frmOptions optionsDialog(options, &window);
        frmAbout about(&window);
        for (QWidget* dialog :
             {static_cast<QWidget*>(&optionsDialog), static_cast<QWidget*>(&about)})
            for (QWidget* control : dialog->findChildren<QWidget*>())
                if (control->focusPolicy() != Qt::NoFocus || control->objectName() == "picIcon")
                    QVERIFY2(!AccessibleName(control).isEmpty(),
                             qPrintable(dialog->objectName() + "." + control->objectName()));
    }

    // With a screen reader running, the toolkit hands keys to the reader and delivers them again
    // afterwards, while Alt+F opens its menu at once: the Alt that began Alt+F may come after
    // the menu opened, and must not close it. Pressed again, Alt still closes the menu.
    void aMenuOpenedByItsAccessKeyOutlivesTheAltThatBeganIt_data() {
        QTest::addColumn<QString>("handedBack"); // Alt as the reader hands it back: Press, Release
        QTest::addColumn<bool>("open");
        QTest::newRow("the press, late") << "P" << true;
        QTest::newRow("the press and release, late") << "PR" << true;
        QTest::newRow("then Alt again") << "PRP" << false;
        QTest::newRow("the press in time, its release late, then Alt again") << "RP" << false;
    }
    void aMenuOpenedByItsAccessKeyOutlivesTheAltThatBeganIt() {
        QFETCH(QString, handedBack);
        QFETCH(bool, open);
        GameOptions options;
        frmMain window(options);
        ShowFocused(window);
        QMenu* file = window.findChild<QMenu*>("mnuFile");
        QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        for (const QChar step : handedBack) {
            // Sent, not from the window system: as the toolkit delivers a key again.
            QKeyEvent alt(step == 'P' ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Alt,
                          step == 'P' ? Qt::AltModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(file, &alt);
        }
        QCOMPARE(file->isVisible(), open);
    }

    // The group's title is no label of its radio buttons, which readers would repeat at every
    // arrow key; the buttons keep their role, names and state.
    void radioButtonsAreNotLabelledByTheirGroup() {
        GameOptions options;
        frmMain window(options);
        frmOptions dialog(options, &window);
        const auto buttons = dialog.findChildren<QRadioButton*>(QRegularExpression("^Option"));
        QCOMPARE(buttons.size(), 2);
        for (QRadioButton* option : buttons) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(option);
            QCOMPARE(button->role(), QAccessible::RadioButton);
            QVERIFY(button->relations(QAccessible::Label).isEmpty());
            QCOMPARE(button->state().checked, option->isChecked());
            QVERIFY(!AccessibleName(option).contains('&'));
        }
        QCOMPARE(AccessibleName(buttons[0]), QString("Computer first"));
    }
};

QTEST_MAIN(MainWindowKeyboardTest)
#include "MainWindowKeyboardTest.moc"
