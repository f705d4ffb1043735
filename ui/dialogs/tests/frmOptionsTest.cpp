#include "ui/dialogs/frmOptions.h"
#include "forms/LoadedForms.h"
#include "qttestkit/Windows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using pentavo::frmOptions;
using pentavo::GameOptions;
using namespace pentavo::test;

namespace {

QString Describe(const GameOptions& options) {
    return QString("ComputerFirst=%1 UndoMoves=%2 SoundOn=%3")
        .arg(options.ComputerFirst)
        .arg(options.UndoMoves)
        .arg(options.SoundOn);
}

// The options as the controls of an open dialog show them.
QString DescribeControls(const QWidget& dialog) {
    const auto* option1 = dialog.findChild<QRadioButton*>("Option1");
    const auto* option2 = dialog.findChild<QRadioButton*>("Option2");
    if (option1->isChecked() == option2->isChecked()) {
        return "Option1 and Option2 both " + QString(option1->isChecked() ? "set" : "clear");
    }
    return Describe({option1->isChecked(), dialog.findChild<QCheckBox*>("Check1")->isChecked(),
                     dialog.findChild<QCheckBox*>("Check2")->isChecked()});
}

// Clicks on the round or square mark at the control's left, where the person aims; false when
// the dialog has no control of one of the names.
[[nodiscard]] bool ClickEach(const QWidget& dialog, const QString& names) {
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
        auto* control = dialog.findChild<QWidget*>(name);
        if (control == nullptr)
            return false;
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }
    return true;
}

// Clicks the middle of the named button; false when there is none.
[[nodiscard]] bool Press(const QWidget& dialog, const QString& name) {
    auto* button = dialog.findChild<QWidget*>(name);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
    return button != nullptr;
}

// Gives the named control the keyboard focus, as Tab would; false when there is none.
[[nodiscard]] bool Focus(const QWidget& dialog, const QString& name) {
    auto* control = dialog.findChild<QWidget*>(name);
    if (control != nullptr)
        control->setFocus(Qt::TabFocusReason);
    return control != nullptr;
}

} // namespace

Q_DECLARE_METATYPE(GameOptions)

class frmOptionsTest : public QObject {
    Q_OBJECT

    QWidget* owner = nullptr;

    // Loads the dialog and shows it as the person would see it, not modally so the test goes on;
    // null when it did not become active.
    QPointer<QWidget> Open(GameOptions& options) {
        return OpenActive(new frmOptions(options, owner));
    }

private slots:
    void init() {
        owner = new QWidget;
        owner->setGeometry(120, 80, 480, 520);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner));
    }

    void cleanup() {
        delete owner;
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    void okStoresTheControls_data() {
        QTest::addColumn<GameOptions>("options");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<GameOptions>("expected");
        const GameOptions start{true, true, false};
        QTest::newRow("no change") << start << "" << start;
        QTest::newRow("no change, other options")
            << GameOptions{false, false, true} << "" << GameOptions{false, false, true};
        QTest::newRow("computer second") << start << "Option2" << GameOptions{false, true, false};
        QTest::newRow("computer first again")
            << GameOptions{false, true, false} << "Option1" << start;
        QTest::newRow("undo off") << start << "Check1" << GameOptions{true, false, false};
        QTest::newRow("sound on") << start << "Check2" << GameOptions{true, true, true};
        QTest::newRow("every control")
            << start << "Option2 Check1 Check2" << GameOptions{false, false, true};
    }

    void okStoresTheControls() {
        QFETCH(GameOptions, options);
        QFETCH(QString, clicks);
        QFETCH(GameOptions, expected);
        const GameOptions before = options;
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QVERIFY(ClickEach(*dialog, clicks));
        QCOMPARE(DescribeControls(*dialog), Describe(expected));
        QCOMPARE(Describe(options), Describe(before));
        QVERIFY(Press(*dialog, "cmdOK"));
        QVERIFY(WaitUntilDeleted(dialog));
        QCOMPARE(Describe(options), Describe(expected));

        const QPointer<QWidget> reopened = Open(options);

        QVERIFY2(reopened, "the Options dialog did not become active");
        QCOMPARE(DescribeControls(*reopened), Describe(expected));
        reopened->close();
        QVERIFY(WaitUntilDeleted(reopened));
    }

    void closingWithoutOkStoresNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel clicked") << "click";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("Enter on the focused Cancel") << "enter";
        QTest::newRow("close box") << "close";
    }

    void closingWithoutOkStoresNothing() {
        QFETCH(QString, how);
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QCOMPARE(pentavo::LoadedForms(), QList<QWidget*>{dialog.data()});
        QVERIFY(ClickEach(*dialog, "Option2 Check1 Check2"));
        QCOMPARE(DescribeControls(*dialog), Describe({false, false, true}));
        if (how == "click") {
            QVERIFY(Press(*dialog, "cmdCancel"));
        } else if (how == "esc") {
            Type(Qt::Key_Escape);
        } else if (how == "enter") {
            QVERIFY(Focus(*dialog, "cmdCancel"));
            Type(Qt::Key_Return);
        } else {
            dialog->close();
        }
        QVERIFY(WaitUntilDeleted(dialog));
        QCOMPARE(Describe(options), Describe({true, true, false}));

        const QPointer<QWidget> reopened = Open(options);

        QVERIFY2(reopened, "the Options dialog did not become active");
        QCOMPARE(DescribeControls(*reopened), Describe({true, true, false}));
        reopened->close();
        QVERIFY(WaitUntilDeleted(reopened));
    }

    void spaceActsOnTheFocusedControlOnly() {
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QVERIFY(Focus(*dialog, "Check2"));
        Type(Qt::Key_Space);
        QVERIFY(dialog->isVisible());
        QCOMPARE(DescribeControls(*dialog), Describe({true, true, true}));
        Type(Qt::Key_Space);
        QCOMPARE(DescribeControls(*dialog), Describe({true, true, false}));

        QVERIFY(Focus(*dialog, "Option2"));
        Type(Qt::Key_Space);
        QVERIFY(dialog->isVisible());
        QCOMPARE(DescribeControls(*dialog), Describe({false, true, false}));
        QCOMPARE(Describe(options), Describe({true, true, false}));
        dialog->close();
        QVERIFY(WaitUntilDeleted(dialog));
    }

    void enterPressesOnlyAFocusedButton() {
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QVERIFY(ClickEach(*dialog, "Check2"));
        for (const char* name : {"Check1", "Check2", "Option1"}) {
            QVERIFY(Focus(*dialog, name));
            Type(Qt::Key_Return);
            Type(Qt::Key_Enter);
            QVERIFY2(dialog->isVisible(), name);
        }
        QCOMPARE(DescribeControls(*dialog), Describe({true, true, true}));
        QCOMPARE(Describe(options), Describe({true, true, false}));

        QVERIFY(Focus(*dialog, "cmdOK"));
        Type(Qt::Key_Return);
        QVERIFY(WaitUntilDeleted(dialog));
        QCOMPARE(Describe(options), Describe({true, true, true}));
    }

    void tabFollowsTheDesignedOrder_data() {
        QTest::addColumn<bool>("computerFirst");
        QTest::addColumn<QStringList>("order");
        // Tab enters the option group at its selected button.
        QTest::newRow("computer first")
            << true << QStringList{"cmdOK", "cmdCancel", "Option1", "Check1", "Check2", "cmdOK"};
        QTest::newRow("computer second")
            << false << QStringList{"cmdOK", "cmdCancel", "Option2", "Check1", "Check2", "cmdOK"};
    }

    void tabFollowsTheDesignedOrder() {
        QFETCH(bool, computerFirst);
        QFETCH(QStringList, order);
        GameOptions options{computerFirst, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < order.size(); ++i) {
            Type(Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(" > "), order.join(" > "));
        dialog->close();
        QVERIFY(WaitUntilDeleted(dialog));
    }

    void arrowsMoveWithinTheOptionGroup() {
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        Type(Qt::Key_Tab);
        Type(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option1");
        Type(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option2");
        QCOMPARE(DescribeControls(*dialog), Describe({false, true, false}));
        Type(Qt::Key_Tab);
        Type(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option2");
        Type(Qt::Key_Up);
        QCOMPARE(DescribeControls(*dialog), Describe({true, true, false}));
        QCOMPARE(Describe(options), Describe({true, true, false}));
        dialog->close();
        QVERIFY(WaitUntilDeleted(dialog));
    }

    void captions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("window") << ""
                                << "Options";
        QTest::newRow("cmdOK") << "cmdOK"
                               << "OK";
        QTest::newRow("cmdCancel") << "cmdCancel"
                                   << "Cancel";
        QTest::newRow("fraSample2") << "fraSample2"
                                    << "Sample 2";
        QTest::newRow("fraSample3") << "fraSample3"
                                    << "Sample 3";
        QTest::newRow("fraSample4") << "fraSample4"
                                    << "Sample 4";
    }

    void captions() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        GameOptions options{true, true, false};
        frmOptions dialog(options, owner);
        QString shown;
        if (control.isEmpty()) {
            shown = dialog.windowTitle();
        } else if (auto* button = dialog.findChild<QAbstractButton*>(control)) {
            shown = button->text();
        } else if (auto* box = dialog.findChild<QGroupBox*>(control)) {
            shown = box->title();
        }
        QCOMPARE(shown, caption);
    }

    void isAFixedDialogWithNoDefaultButton() {
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        QCOMPARE(dialog->size(), QSize(226, 222));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
        for (const auto* button : dialog->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), "cmdOK");
        dialog->close();
        QVERIFY(WaitUntilDeleted(dialog));
    }

    void showModalWaitsCentredOnItsOwnerAndUnloads() {
        GameOptions options{true, true, false};
        QString modalName;
        QPoint offCentre;
        bool clicked = false;
        ModalDriver actor(
            [&](QDialog& modal) {
                modalName = modal.objectName();
                offCentre = modal.frameGeometry().center() - owner->frameGeometry().center();
                clicked = ClickEach(modal, "Option2 cmdOK");
                if (!clicked)
                    modal.reject();
            },
            1);
        frmOptions::ShowModal(options, owner);
        QVERIFY(actor.Acted());
        QVERIFY(clicked);
        QCOMPARE(modalName, "frmOptions");
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(Describe(options), Describe({false, true, false}));
        QVERIFY(owner->findChildren<frmOptions*>().isEmpty());
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    // The main window unloads every other loaded window when it closes, a shown dialog included.
    void unloadingTheShownDialogEndsItWithoutStoring() {
        GameOptions options{true, true, false};
        bool clicked = false;
        ModalDriver actor(
            [&clicked](QDialog& modal) {
                clicked = ClickEach(modal, "Option2 Check1");
                pentavo::UnloadForm(&modal);
            },
            1);
        frmOptions::ShowModal(options, owner);
        QVERIFY(actor.Acted());
        QVERIFY(clicked);
        QCOMPARE(Describe(options), Describe({true, true, false}));
        QVERIFY(owner->findChildren<frmOptions*>().isEmpty());
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    void screenshot() {
        GameOptions options{true, true, false};
        const QPointer<QWidget> dialog = Open(options);
        QVERIFY2(dialog, "the Options dialog did not become active");
        const QPixmap shot = dialog->grab();
        QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(226, 222));
        QVERIFY(shot.save(SCREENSHOT_DIR "/frmOptions.png"));
        dialog->close();
        QVERIFY(WaitUntilDeleted(dialog));
    }
};

QTEST_MAIN(frmOptionsTest)
#include "frmOptionsTest.moc"
