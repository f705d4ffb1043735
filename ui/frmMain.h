#pragma once

#include "core/Cell.h"
#include "core/GameOptions.h"
#include "engine/Game.h"
#include "engine/GameView.h"
#include "ui/Accessibility.h"
#include "ui/BoardCursor.h"
#include "ui/CommonDialog.h"
#include "ui/SpokenSentences.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QToolBar;

namespace pentavo {

class Announcer;
class DrawingSurface;
class HelpViewer;
class LineShape;
class PrintService;
class StatusBar;

// The main window: menus, toolbar, the board drawn on its client area, and the status bar. It
// owns the game for its whole life. Creating it starts the first game, and the first drawing of
// that game loads the window (captions, stored geometry, help file, option defaults).
class frmMain : public QMainWindow, public GameView, public AccessibleBoardSource {
    Q_OBJECT

public:
    explicit frmMain(GameOptions& options, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads the window unless it is loaded already.
    void Load();

    void DrawCell(std::int16_t col, std::int16_t row) override;
    void DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) override;
    void ShowMessage(std::string_view text) override;
    void Beep() override;

    const QWidget* BoardWidget() const override;
    QString CellAccessibleName(Cell cell) const override;
    QRect CellRect(Cell cell) const override;
    std::optional<Cell> FocusCell() const override;

    const Game& TheGame() const { return game_; }
    DrawingSurface& Surface() const { return *surface_; }
    const BoardCursor& Cursor() const { return cursor_; }
    const QString& HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& path) { helpFile_ = path; }
    void SetPrintService(std::unique_ptr<PrintService> service);

    // Save, Open and Page Setup share it; it keeps the chosen file name.
    CommonDialog dlgCommonDialog;

    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void tbToolBar_ButtonClick(QAction* Button);
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditHint_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewMarkLastMove_Click();
    void mnuViewShowWinningFive_Click();
    void mnuViewStatistics_Click();
    void mnuViewOptions_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    // Reads, checks and replays a record, chosen in File > Open or named on the command line; the
    // dialog offers its name next. A name that does not exist is told of, and nothing is created.
    void OpenRecord(const QString& name);

    // Screen readers speak the sentence at once, wherever the focus is; without one running,
    // nothing happens.
    void Announce(const QString& sentence);
    const QString& Announced() const { return announced_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Initialize();
    void Form_Load();
    void Form_Unload();

    // The controls as designed (frmMainControls.cpp).
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // Keeps the toolbar along the top of the client area and the status bar along its bottom.
    void DockBars();

    // The keyboard's cursor (frmMainKeyboard.cpp): the board's keys and the events that hide it.
    bool BoardEvent(QEvent* event);
    bool BoardKey(const QKeyEvent& key);
    void ShowBoardCursor();
    void HideBoardCursor();
    bool AnnounceLine(BoardLine line);
    // Screen readers hear of a cell's new content once the game has stored what was drawn.
    void RefreshCellLater(Cell cell);
    // The accessible focus goes to the cursor's cell, else the cell last clicked.
    void FocusCellForScreenReader();
    // The moves from the log entry `first` to the last one, at most the last two.
    std::vector<SpokenMove> MovesSince(int first) const;
    // The computer's mark placed by the last reply carries a marker while Mark Last Move is on.
    void ShowLastMoveMarker();

    // After every command that may change the game: what the menus and the board show of it.
    void GameChanged();
    // The line through the winning five while the game is over by it and the option is on
    // (frmMainFive.cpp); `over` also while the message that ends the game is shown.
    void ShowWinningFive(bool over);
    // The message that ends a game as a screen reader hears it: a win names its line.
    QString EndSpoken(std::string_view message) const;

    // Counts the game that a message ends in the statistics, unless it was counted already.
    void CountResult(std::string_view message);

    // The outer size that shows the designed client area whole.
    QSize DefaultOuterSize() const;
    // The smallest outer size that shows the menus, the whole board and a readable status bar.
    QSize MinimumOuterSize() const;
    void ApplyMinimumSize();
    void NameControlsForAccessibility();
    int MenuBarHeight(int width) const;
    void SetOuterGeometry(const QRect& outer);
    // Meets the outer size read at load once the window system tells the frame's size.
    void FitOuterSizeToFrame();
    // The chosen record file for Save or Open; "Empty file" when none was chosen.
    std::optional<QString> AskRecordName(const QString& title, CommonDialog::Form form);

    GameOptions& options_;
    Game game_;
    DrawingSurface* surface_ = nullptr;
    QToolBar* tbToolBar = nullptr;
    StatusBar* sbStatusBar = nullptr;
    LineShape* Line1 = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QAction* mnuViewMarkLastMove = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuViewShowWinningFive = nullptr;

    BoardCursor cursor_;
    bool cursorRefreshPending_ = false;
    QList<Cell> cellsToRefresh_;
    std::optional<Cell> clickedCell_;
    // While a turn runs: the first log entry it played, and whether it was announced already.
    std::optional<int> turnStart_;
    bool turnAnnounced_ = false;
    std::optional<Cell> lastReply_;
    // The game on the board has been counted in the statistics: it counts once, when it first
    // ends, until New or Open.
    bool gameCounted_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
    // The outer size was set before the window system told the frame's size.
    bool sizeAwaitsFrame_ = false;
    QString helpFile_;
    std::unique_ptr<PrintService> printService_;
    QPointer<HelpViewer> helpViewer_;
    Announcer* announcer_ = nullptr;
    QString announced_;
};

} // namespace pentavo
