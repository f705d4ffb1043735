// The main window's controls as designed: menus and toolbar carry string identifiers that the
// resource captions replace at load.
#include "resources/pictures/Pictures.h"
#include "ui/frmMain.h"

#include "forms/Twips.h"
#include "ui/DrawingSurface.h"
#include "ui/LateAltFilter.h"
#include "ui/LineShape.h"
#include "ui/MenuSeparatorStyle.h"
#include "ui/StatusBar.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace pentavo {

namespace {

constexpr double ToolBarHeight = 420;
constexpr double StatusBarHeight = 270;

struct MenuItem {
    const char* name;
    const char* caption; // the string identifier, or "-" for a separator
    QKeyCombination shortcut;
    void (frmMain::*handler)();
    bool checkMark = false; // an item that carries a check mark
    bool tickedAtFirst = true;
};

constexpr QKeyCombination NoShortcut{};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption,
               std::initializer_list<MenuItem> items, frmMain* window, QStyle* style) {
    QMenu* menu = bar->addMenu(caption);
    menu->setStyle(style);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    for (const MenuItem& item : items) {
        QAction* action = nullptr;
        if (QString(item.caption) == "-") {
            action = menu->addSeparator();
            action->setText(item.caption);
        } else {
            action = menu->addAction(item.caption);
            action->setShortcut(item.shortcut);
            if (item.checkMark) {
                action->setCheckable(true);
                action->setChecked(item.tickedAtFirst);
                // Qt turns the mark over before `triggered`; the handler turns it itself, so
                // that calling the handler does the same as choosing the item.
                QObject::connect(action, &QAction::triggered, window,
                                 [action, window, handler = item.handler] {
                                     action->setChecked(!action->isChecked());
                                     (window->*handler)();
                                 });
            } else {
                QObject::connect(action, &QAction::triggered, window, item.handler);
            }
        }
        action->setObjectName(item.name);
    }
    return menu;
}

void AddToolButton(QToolBar* bar, const char* key, const char* tooltip, const char* picture) {
    auto* button = new QAction(PictureIcon(PicturePath(picture)), QString(), bar);
    button->setToolTip(tooltip);
    button->setProperty("Key", QString(key));
    bar->addAction(button);
}

} // namespace

void frmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto* separatorStyle = new MenuSeparatorStyle;
    separatorStyle->setParent(this);
    AddMenu(bar, "mnuFile", "1000",
            {{"mnuFileNew", "1001", Qt::CTRL | Qt::Key_N, &frmMain::mnuFileNew_Click},
             {"mnuFileOpen", "1002", Qt::CTRL | Qt::Key_O, &frmMain::mnuFileOpen_Click},
             {"mnuFileSave", "1003", Qt::CTRL | Qt::Key_S, &frmMain::mnuFileSave_Click},
             {"mnuFileBar0", "-", NoShortcut, nullptr},
             {"mnuFilePageSetup", "1004", NoShortcut, &frmMain::mnuFilePageSetup_Click},
             {"mnuFilePrintPreview", "1005", NoShortcut, &frmMain::mnuFilePrintPreview_Click},
             {"mnuFilePrint", "1006", NoShortcut, &frmMain::mnuFilePrint_Click},
             {"mnuFileBar1", "-", NoShortcut, nullptr},
             {"mnuFileExit", "1007", Qt::CTRL | Qt::Key_X, &frmMain::mnuFileExit_Click}},
            this, separatorStyle);
    AddMenu(bar, "mnuEdit", "1008",
            {{"mnuEditUndo", "1009", Qt::CTRL | Qt::Key_Z, &frmMain::mnuEditUndo_Click},
             {"mnuEditRedo", "1046", Qt::CTRL | Qt::Key_Y, &frmMain::mnuEditRedo_Click},
             {"mnuEditBar0", "-", NoShortcut, nullptr},
             {"mnuEditHint", "1048", Qt::CTRL | Qt::Key_H, &frmMain::mnuEditHint_Click}},
            this, separatorStyle);
    QMenu* view =
        AddMenu(bar, "mnuView", "1010",
                {{"mnuViewToolbar", "1011", NoShortcut, &frmMain::mnuViewToolbar_Click, true},
                 {"mnuViewStatusBar", "1012", NoShortcut, &frmMain::mnuViewStatusBar_Click, true},
                 {"mnuViewMarkLastMove", "1045", NoShortcut, &frmMain::mnuViewMarkLastMove_Click,
                  true, false},
                 {"mnuViewShowWinningFive", "1047", NoShortcut,
                  &frmMain::mnuViewShowWinningFive_Click, true, false},
                 {"mnuViewBar0", "-", NoShortcut, nullptr},
                 {"mnuViewStatistics", "1049", NoShortcut, &frmMain::mnuViewStatistics_Click},
                 {"mnuViewOptions", "1013", Qt::CTRL | Qt::Key_T, &frmMain::mnuViewOptions_Click}},
                this, separatorStyle);
    AddMenu(bar, "mnuHelp", "1014",
            {{"mnuHelpContents", "1015", NoShortcut, &frmMain::mnuHelpContents_Click},
             {"mnuHelpBar0", "-", NoShortcut, nullptr},
             {"mnuHelpAbout", "1016", NoShortcut, &frmMain::mnuHelpAbout_Click}},
            this, separatorStyle);

    findChild<QAction*>("mnuFilePrintPreview")->setEnabled(false);
    mnuViewToolbar = view->findChild<QAction*>("mnuViewToolbar");
    mnuViewStatusBar = view->findChild<QAction*>("mnuViewStatusBar");
    mnuViewMarkLastMove = view->findChild<QAction*>("mnuViewMarkLastMove");
    mnuViewShowWinningFive = view->findChild<QAction*>("mnuViewShowWinningFive");
    mnuEditRedo = findChild<QAction*>("mnuEditRedo");
    // Both of the desktop's usual keys for it.
    mnuEditRedo->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    new LateAltFilter(bar);
}

void frmMain::CreateToolBar() {
    // The bars lie over the board but belong to the window, where screen readers look for them.
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    AddToolButton(tbToolBar, "New", "1017", "new.png");
    AddToolButton(tbToolBar, "Open", "1018", "open.png");
    AddToolButton(tbToolBar, "Save", "1019", "save.png");
    tbToolBar->addSeparator();
    tbToolBar->addSeparator();
    AddToolButton(tbToolBar, "Print", "1020", "print.png");
    tbToolBar->addSeparator();
    tbToolBar->addSeparator();
    AddToolButton(tbToolBar, "Undo", "1021", "undo.png");
    tbToolBar->addSeparator();
    tbToolBar->addSeparator();
    AddToolButton(tbToolBar, "Help", "1015", "help.png");
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);
    // Each separator widget draws itself with its own style.
    auto* separatorStyle = new MenuSeparatorStyle;
    separatorStyle->setParent(tbToolBar);
    for (QAction* action : tbToolBar->actions())
        if (action->isSeparator())
            tbToolBar->widgetForAction(action)->setStyle(separatorStyle);

    Line1 = new LineShape(0, 480, 7080, 480, surface_);
    Line1->setObjectName("Line1");
}

void frmMain::CreateStatusBar() {
    sbStatusBar = new StatusBar(this);
}

void frmMain::DockBars() {
    const QRect board = surface_->geometry();
    const int toolBarHeight = TwipsToPixels(ToolBarHeight);
    const int statusBarHeight = TwipsToPixels(StatusBarHeight);
    tbToolBar->setGeometry(board.left(), board.top(), board.width(), toolBarHeight);
    sbStatusBar->setGeometry(board.left(), board.bottom() + 1 - statusBarHeight, board.width(),
                             statusBarHeight);
    tbToolBar->raise();
    sbStatusBar->raise();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == surface_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        DockBars();
    if (watched == surface_ && BoardEvent(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pentavo
