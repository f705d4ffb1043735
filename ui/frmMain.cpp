#include "ui/frmMain.h"

#include "core/BoardGeometry.h"
#include "core/Version.h"
#include "forms/ApplyResourceCaptions.h"
#include "forms/LoadedForms.h"
#include "forms/Twips.h"
#include "resources/pictures/Pictures.h"
#include "ui/BoardDrawing.h"
#include "ui/DrawingSurface.h"
#include "ui/HelpViewer.h"
#include "ui/MainGeometry.h"
#include "ui/MessageBox.h"
#include "ui/PrintService.h"
#include "ui/StatisticsStore.h"
#include "ui/StatusBar.h"
#include "ui/WindowPlacing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace pentavo {

namespace {

const QSize ClientSize(TwipsToPixels(7125), TwipsToPixels(7560));
// The smallest client area that still shows the whole board with the status bar below it: the
// board and a margin as wide as the one on its left, the status bar's height under the board.
const QSize SmallestClientSize(TwipsToPixels(CellLeft(BoardSize) + BoardLeft),
                               TwipsToPixels(CellTop(BoardSize) + 330));

QSize FrameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

} // namespace

frmMain::frmMain(GameOptions& options, QWidget* parent)
    : QMainWindow(parent), options_(options), game_(*this, options),
      printService_(std::make_unique<PrintService>()) {
    setObjectName("frmMain");
    setWindowTitle(AppTitle);
    setWindowIcon(ProgramIcon());

    surface_ = new DrawingSurface(ClientSize, this);
    setCentralWidget(surface_);
    connect(surface_, &DrawingSurface::MouseUp, this, &frmMain::Form_MouseUp);
    CreateStatusBar();
    CreateToolBar();
    CreateMenus();
    surface_->installEventFilter(this);
    // The board takes the keys (frmMainKeyboard.cpp).
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->setFocus();
    InstallAccessibility();
    //: What a screen reader calls the playing board.
    surface_->setAccessibleName(tr("Board"));
    const auto keyOf = [](const QAction* action) {
        return action->shortcut().toString(QKeySequence::NativeText);
    };
    surface_->setAccessibleDescription(
        //: What a screen reader says of the board's keys. %1 is the key of Edit > Undo (Ctrl+Z),
        //: %2 that of Edit > Redo (Ctrl+Y).
        tr("15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter "
           "or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D "
           "and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it "
           "back.")
            .arg(keyOf(findChild<QAction*>("mnuEditUndo")), keyOf(mnuEditRedo)));
    resize(DefaultOuterSize());

    Form_Initialize();
}

frmMain::~frmMain() = default;

void frmMain::Form_Initialize() {
    game_.NewGame();
    GameChanged();
}

void frmMain::Load() {
    if (!loaded_)
        Form_Load();
}

void frmMain::Form_Load() {
    loaded_ = true;
    RegisterLoadedForm(this);
    ApplyResourceCaptions(*this);
    NameControlsForAccessibility();
    ApplyMinimumSize();
    SetOuterGeometry(ReadMainGeometry(DefaultOuterSize(), MinimumOuterSize()));
    helpFile_ = HelpViewer::InLanguage(QCoreApplication::applicationDirPath() + '/' + HelpFileName,
                                       QLocale().uiLanguages());
    options_.ComputerFirst = true;
    options_.UndoMoves = true;
}

void frmMain::Form_Unload() {
    // Last loaded first; the list may shrink while its windows close.
    QList<QPointer<QWidget>> others;
    for (QWidget* form : LoadedForms())
        if (form != this)
            others.append(form);
    for (qsizetype i = others.size() - 1; i >= 0; --i)
        if (others[i])
            UnloadForm(others[i]);
    if (!isMinimized())
        WriteMainGeometry(frameGeometry());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        sizeAwaitsFrame_ = false;
        Form_Unload();
    }
    event->accept();
}

QSize frmMain::DefaultOuterSize() const {
    return ClientSize + QSize(0, MenuBarHeight(ClientSize.width())) + FrameExtra(*this);
}

// Screen readers read a control's name; the toolbar's buttons show only a picture, so they take
// the words of their tooltips.
void frmMain::NameControlsForAccessibility() {
    menuBar()->setAccessibleName(tr("Menu bar"));
    // An open menu is announced by its own name, which is not its title.
    for (QAction* item : menuBar()->actions())
        if (QMenu* menu = item->menu())
            menu->setAccessibleName(menu->title().remove('&'));
    tbToolBar->setAccessibleName(tr("Toolbar"));
    sbStatusBar->setAccessibleName(tr("Status bar"));
    for (QAction* action : tbToolBar->actions()) {
        QWidget* button = tbToolBar->widgetForAction(action);
        if (button != nullptr && !action->isSeparator())
            button->setAccessibleName(QString(action->toolTip()).remove('&'));
    }
}

int frmMain::MenuBarHeight(int width) const {
    const QMenuBar* menus = menuBar();
    return menus->hasHeightForWidth() ? menus->heightForWidth(width) : menus->sizeHint().height();
}

QSize frmMain::MinimumOuterSize() const {
    const int width = std::max(SmallestClientSize.width(), sbStatusBar->minimumSizeHint().width());
    return QSize(width, SmallestClientSize.height() + MenuBarHeight(width)) + FrameExtra(*this);
}

// Below this size the board's last rows or the status bar's panels would be cut off; a screen
// smaller than that wins, so that the whole window can still be reached.
void frmMain::ApplyMinimumSize() {
    QSize minimum = MinimumOuterSize();
    if (const QScreen* display = screen())
        minimum = minimum.boundedTo(display->availableGeometry().size());
    setMinimumSize(minimum - FrameExtra(*this));
}

void frmMain::SetOuterGeometry(const QRect& outer) {
    const QSize frame = FrameExtra(*this);
    if (CurrentPlacing() == WindowPlacing::ByProgram)
        move(outer.topLeft());
    resize(outer.size() - frame);
    sizeAwaitsFrame_ = frame.isNull();
}

// Some window systems tell the frame's size as soon as the window exists, others once a window
// manager has framed it. The geometry is read again then: the default outer size includes the
// frame, so that the designed client area shows whole.
void frmMain::FitOuterSizeToFrame() {
    if (!sizeAwaitsFrame_ || !isVisible())
        return;
    // A window shown maximised keeps the size the window system gave it.
    if (windowState() != Qt::WindowNoState) {
        sizeAwaitsFrame_ = false;
        return;
    }
    const QSize frame = FrameExtra(*this);
    if (frame.isNull())
        return;
    sizeAwaitsFrame_ = false;
    ApplyMinimumSize();
    resize(ReadMainGeometry(DefaultOuterSize(), MinimumOuterSize()).size() - frame);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitOuterSizeToFrame();
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitOuterSizeToFrame();
}

void frmMain::DrawCell(std::int16_t col, std::int16_t row) {
    Load();
    pentavo::DrawCell(*surface_, col, row);
    // A cell drawn anew (New, Open) or emptied (Undo) takes the last reply's marker with it.
    if (lastReply_ == Cell{col, row}) {
        lastReply_.reset();
        ShowLastMoveMarker();
    }
    RefreshCellLater(Cell{col, row});
}

void frmMain::DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) {
    Load();
    pentavo::DrawMark(*surface_, col, row, mark);
    if (mark == Empty && lastReply_ == Cell{col, row}) {
        lastReply_.reset();
        ShowLastMoveMarker();
    }
    RefreshCellLater(Cell{col, row});
}

void frmMain::ShowMessage(std::string_view text) {
    const QString message = QCoreApplication::translate("Game", std::string(text).c_str());
    CountResult(text);
    ShowWinningFive(true);
    // The turn's moves are heard before the box that ends the game, and with its text.
    if (turnStart_ && !turnAnnounced_) {
        turnAnnounced_ = true;
        Announce(GameEndSentence(MovesSince(*turnStart_), EndSpoken(text)));
    }
    ShowMessageBox(this, message);
}

void frmMain::CountResult(std::string_view message) {
    if (std::exchange(gameCounted_, true))
        return;
    GameStatistics statistics = ReadStatistics();
    statistics.Count(message == YouWinMessage ? GameStatistics::Result::Won
                     : message == IWinMessage ? GameStatistics::Result::Lost
                                              : GameStatistics::Result::Drawn);
    WriteStatistics(statistics);
}

void frmMain::Beep() {
    QApplication::beep();
}

void frmMain::SetPrintService(std::unique_ptr<PrintService> service) {
    printService_ = std::move(service);
}

void frmMain::Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    const GameState& state = game_.State();
    const std::optional<Cell> cell = Button == 1 ? Game::CellAt(X, Y) : std::nullopt;
    if (cell) {
        // The focus is reported only where it moves: a reader works through each report, three
        // events on the bus, before it reaches the turn's sentence.
        const bool moved = FocusCell() != cell;
        clickedCell_ = cell;
        if (moved)
            FocusCellForScreenReader();
    }
    const int first = state.MoveCount;
    turnStart_ = first;
    turnAnnounced_ = false;
    game_.Form_MouseUp(Button, Shift, X, Y);
    turnStart_.reset();
    GameChanged();
    if (state.MoveCount == first) {
        // Nothing changes on the board; a screen reader's user is told why.
        if (cell && state.GameOver)
            Announce(GameOverSentence(
                QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText)));
        else if (cell && state.Board(cell->col, cell->row) != Empty)
            Announce(TakenCellSentence(Cell{cell->col, cell->row}));
        return;
    }
    if (state.MoveCount - first == 2) {
        std::int16_t col = 0;
        std::int16_t row = 0;
        if (DecodeMove(state.MoveLog[static_cast<std::size_t>(first) + 1], col, row))
            lastReply_ = Cell{col, row};
        ShowLastMoveMarker();
    }
    if (!turnAnnounced_)
        Announce(MovesSentence(MovesSince(first)));
}

} // namespace pentavo
