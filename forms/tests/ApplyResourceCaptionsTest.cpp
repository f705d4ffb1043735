#include "forms/ApplyResourceCaptions.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

using pentavo::ApplyResourceCaptions;

namespace {

template <typename Control> Control* AddTagged(QWidget& parent, const QString& tag) {
    auto* control = new Control(&parent);
    control->setProperty("Tag", tag);
    return control;
}

QAction* AddMenuItem(QMenu& menu, const QString& id) {
    return menu.addAction(id);
}

QAction* AddSeparator(QWidget& menuOrToolbar) {
    auto* separator = new QAction(QStringLiteral("-"), &menuOrToolbar);
    separator->setSeparator(true);
    menuOrToolbar.addAction(separator);
    return separator;
}

} // namespace

class ApplyResourceCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void windowTitleFromItsTag_data();
    void windowTitleFromItsTag();
    void labelsAndButtonsReadTheirTags_data();
    void labelsAndButtonsReadTheirTags();
    void otherControlsTakeCaptionAndTooltip();
    void menuItemsTakeTheirCaptions();
    void toolbarButtonsTakeTheirTooltips();
    void tabsAndColumnHeadersTakeTheirTexts();
    void everyControlTakesTheWindowFont();
    void controlsOfAnotherWindowAreLeftAlone();
};

void ApplyResourceCaptionsTest::windowTitleFromItsTag_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("title");
    QTest::newRow("id") << "1030"
                        << "Options";
    QTest::newRow("blanks around") << " 1038 "
                                   << "About Pentavo";
    QTest::newRow("empty") << ""
                           << "Designed";
    QTest::newRow("missing id") << "9999"
                                << "Designed";
    QTest::newRow("letters after") << "1030x"
                                   << "Designed";
}

void ApplyResourceCaptionsTest::windowTitleFromItsTag() {
    QFETCH(QString, tag);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Designed"));
    window.setProperty("Tag", tag);
    ApplyResourceCaptions(window);
    QTEST(window.windowTitle(), "title");
}

void ApplyResourceCaptionsTest::labelsAndButtonsReadTheirTags_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("button");
    const QString kept = QStringLiteral("Designed");
    QTest::newRow("empty") << "" << kept << kept;
    QTest::newRow("missing id") << "9999" << kept << kept;
    QTest::newRow("id") << "1037"
                        << "OK"
                        << "OK";
    QTest::newRow("id with blanks around") << " 1036 "
                                           << "Cancel"
                                           << "Cancel";
    QTest::newRow("id then letters") << "1037abc" << kept << "OK";
    QTest::newRow("id with blanks inside") << "10 37" << kept << "OK";
    QTest::newRow("zero") << "0" << kept << kept;
    QTest::newRow("negative") << "-5" << kept << kept;
    QTest::newRow("half to even") << "1036.5"
                                  << "Cancel"
                                  << "Cancel";
    QTest::newRow("exponent") << "1.037e3"
                              << "OK"
                              << "OK";
    QTest::newRow("out of range") << "41037" << kept << kept;
    QTest::newRow("string 20 is absent") << "20" << kept << kept;
}

void ApplyResourceCaptionsTest::labelsAndButtonsReadTheirTags() {
    QFETCH(QString, tag);
    QWidget window;
    auto* label = AddTagged<QLabel>(window, tag);
    label->setText(QStringLiteral("Designed"));
    auto* button = AddTagged<QPushButton>(window, tag);
    button->setText(QStringLiteral("Designed"));
    ApplyResourceCaptions(window);
    QTEST(label->text(), "label");
    QTEST(button->text(), "button");
}

void ApplyResourceCaptionsTest::otherControlsTakeCaptionAndTooltip() {
    QWidget window;
    auto* frame = AddTagged<QGroupBox>(window, QStringLiteral("1032"));
    frame->setTitle(QStringLiteral("Designed"));
    auto* untagged = new QCheckBox(QStringLiteral("Undo moves"), frame);
    auto* option = AddTagged<QRadioButton>(*frame, QStringLiteral("1033"));
    auto* withTip = new QPushButton(QStringLiteral("Designed"), &window);
    withTip->setToolTip(QStringLiteral("1019"));
    auto* plainTip = new QPushButton(&window);
    plainTip->setToolTip(QStringLiteral("Press here"));
    auto* zeroTip = new QPushButton(&window);
    zeroTip->setToolTip(QStringLiteral("0"));
    auto* labelTip = AddTagged<QLabel>(window, QString());
    labelTip->setToolTip(QStringLiteral("1019"));

    ApplyResourceCaptions(window);

    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the frame owns its check box
    QCOMPARE(frame->title(), QStringLiteral("Sample 2"));
    QCOMPARE(untagged->text(), QStringLiteral("Undo moves"));
    QCOMPARE(option->text(), QStringLiteral("Sample 3"));
    QCOMPARE(withTip->text(), QStringLiteral("Designed"));
    QCOMPARE(withTip->toolTip(), QStringLiteral("Save"));
    QCOMPARE(plainTip->toolTip(), QStringLiteral("Press here"));
    QCOMPARE(zeroTip->toolTip(), QStringLiteral("0"));
    QCOMPARE(labelTip->toolTip(), QStringLiteral("1019")); // a label's tooltip holds no id
}

void ApplyResourceCaptionsTest::menuItemsTakeTheirCaptions() {
    QWidget window;
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu(QStringLiteral("1000"));
    QAction* open = AddMenuItem(*file, QStringLiteral("1002"));
    QAction* separator = AddSeparator(*file);
    QAction* missing = AddMenuItem(*file, QStringLiteral("9999"));
    QMenu* view = file->addMenu(QStringLiteral("1010"));
    QAction* toolbarItem = AddMenuItem(*view, QStringLiteral("1011"));
    QMenu* help = bar->addMenu(QStringLiteral("1014"));
    QAction* about = AddMenuItem(*help, QStringLiteral("1016"));

    ApplyResourceCaptions(window);

    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(open->text(), QStringLiteral("&Open..."));
    QCOMPARE(separator->text(), QStringLiteral("-"));
    QVERIFY(separator->isSeparator());
    QCOMPARE(missing->text(), QStringLiteral("9999"));
    QCOMPARE(view->title(), QStringLiteral("&View"));
    QCOMPARE(toolbarItem->text(), QStringLiteral("&Toolbar"));
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QCOMPARE(about->text(), QStringLiteral("&About "));
}

void ApplyResourceCaptionsTest::toolbarButtonsTakeTheirTooltips() {
    QWidget window;
    auto* toolbar = new QToolBar(&window);
    QAction* newButton = toolbar->addAction(QString());
    newButton->setToolTip(QStringLiteral("1017"));
    QAction* separator = toolbar->addSeparator();
    QAction* missing = toolbar->addAction(QString());
    missing->setToolTip(QStringLiteral("9999"));
    QAction* textOnly = toolbar->addAction(QStringLiteral("1019")); // no tooltip of its own
    auto* menu = new QMenu(&window);
    QAction* help = menu->addAction(QStringLiteral("1015")); // shared with the menu
    help->setToolTip(QStringLiteral("1015"));
    toolbar->addAction(help);

    ApplyResourceCaptions(window);

    QCOMPARE(newButton->toolTip(), QStringLiteral("New"));
    QCOMPARE(toolbar->widgetForAction(newButton)->toolTip(), QStringLiteral("New"));
    QVERIFY(separator->toolTip().isEmpty());
    QCOMPARE(missing->toolTip(), QStringLiteral("9999"));
    QCOMPARE(textOnly->text(), QStringLiteral("1019"));
    QCOMPARE(textOnly->toolTip(), QStringLiteral("1019"));
    QCOMPARE(help->text(), QStringLiteral("&Contents"));
    QCOMPARE(help->toolTip(), QStringLiteral("&Contents"));
}

void ApplyResourceCaptionsTest::tabsAndColumnHeadersTakeTheirTexts() {
    QWidget window;
    auto* tabs = new QTabBar(&window);
    tabs->addTab(QStringLiteral("Designed"));
    tabs->setTabData(0, QStringLiteral("1017"));
    tabs->setTabToolTip(0, QStringLiteral("1018"));
    tabs->addTab(QStringLiteral("Designed"));
    tabs->setTabToolTip(1, QStringLiteral("1018x"));
    auto* tree = new QTreeWidget(&window);
    tree->setHeaderLabels({QStringLiteral("Designed"), QStringLiteral("Designed")});
    tree->headerItem()->setData(0, Qt::UserRole, QStringLiteral("1022"));
    auto* table = new QTableWidget(1, 2, &window);
    table->setHorizontalHeaderLabels({QStringLiteral("Designed"), QStringLiteral("Designed")});
    table->horizontalHeaderItem(1)->setData(Qt::UserRole, QStringLiteral("1023"));

    ApplyResourceCaptions(window);

    QCOMPARE(tabs->tabText(0), QStringLiteral("New"));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Open"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Designed"));
    QCOMPARE(tabs->tabToolTip(1), QStringLiteral("1018x"));
    QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Copyright"));
    QCOMPARE(tree->headerItem()->text(1), QStringLiteral("Designed"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Designed"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Company"));
}

void ApplyResourceCaptionsTest::everyControlTakesTheWindowFont() {
    // A font for a class, as platform themes give menus, must not win over the window's either.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 13), "QMenu");
    const auto restore = qScopeGuard([&] { QApplication::setFont(applicationFont, "QMenu"); });
    for (const bool windowHasItsOwnFont : {false, true}) {
        QWidget window;
        if (windowHasItsOwnFont) {
            window.setFont(QFont(QStringLiteral("DejaVu Serif"), 15));
        }
        auto* label = new QLabel(QStringLiteral("Designed"), &window);
        label->setFont(QFont(QStringLiteral("Times New Roman"), 24, QFont::Bold));
        auto* frame = new QGroupBox(&window);
        frame->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 7));
        auto* inner = new QPushButton(frame);
        inner->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold, true));
        auto* bar = new QMenuBar(&window);
        QMenu* menu = bar->addMenu(QStringLiteral("1000"));
        QFont bold = menu->font();
        bold.setBold(true);
        menu->setFont(bold);
        new QToolBar(&window);

        ApplyResourceCaptions(window);

        const QList<QWidget*> controls = window.findChildren<QWidget*>();
        QVERIFY(controls.contains(menu));
        for (const QWidget* control : controls) {
            QVERIFY2(control->font() == window.font(), control->metaObject()->className());
        }
        QCOMPARE(label->font().family(), window.font().family());
        QVERIFY(!label->font().bold());
    }
}

void ApplyResourceCaptionsTest::controlsOfAnotherWindowAreLeftAlone() {
    QWidget window;
    auto* dialog = new QDialog(&window);
    dialog->setProperty("Tag", QStringLiteral("1030"));
    auto* label = AddTagged<QLabel>(*dialog, QStringLiteral("1037"));
    const QFont designed(QStringLiteral("Times New Roman"), 24);
    label->setFont(designed);
    ApplyResourceCaptions(window);
    QVERIFY(label->text().isEmpty());
    QCOMPARE(label->font(), designed);
    QVERIFY(dialog->windowTitle().isEmpty());
}

QTEST_MAIN(ApplyResourceCaptionsTest)
#include "ApplyResourceCaptionsTest.moc"
