// The main window's commands: menu items and toolbar buttons.
#include "ui/frmMain.h"

#include "ui/HelpViewer.h"
#include "ui/MessageBox.h"
#include "ui/PrintService.h"
#include "ui/StatusBar.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/dialogs/frmStatistics.h"

#include "forms/LoadedForms.h"

#include <QAction>
#include <QToolBar>

#include <exception>

namespace pentavo {

void frmMain::tbToolBar_ButtonClick(QAction* Button) {
    // A command started from the toolbar that fails just ends; the toolbar reports nothing.
    try {
        const QString key = Button->property("Key").toString();
        if (key == "New")
            mnuFileNew_Click();
        else if (key == "Open")
            mnuFileOpen_Click();
        else if (key == "Save")
            mnuFileSave_Click();
        else if (key == "Print")
            mnuFilePrint_Click();
        else if (key == "Undo")
            mnuEditUndo_Click();
        else if (key == "Help")
            mnuHelpContents_Click();
    } catch (const std::exception&) {
    }
    GameChanged();
}

void frmMain::mnuFileNew_Click() {
    game_.NewGame();
    Announce(NewGameSentence(MovesSince(0)));
    gameCounted_ = false;
    GameChanged();
}

void frmMain::mnuFilePageSetup_Click() {
    //: Title of the printer dialog of File > Page Setup.
    printService_->ShowPrinterDialog(this, tr("Page Setup"));
}

void frmMain::mnuFilePrintPreview_Click() {}

void frmMain::mnuFilePrint_Click() {
    ShowFailure(this, printService_->PrintImage(grab().toImage()));
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::mnuEditUndo_Click() {
    const std::vector<SpokenMove> last = MovesSince(0);
    const int before = game_.State().MoveCount;
    game_.UndoLastPair();
    Announce(
        TakenBackSentence(game_.State().MoveCount < before ? last : std::vector<SpokenMove>{}));
    GameChanged();
}

void frmMain::mnuEditRedo_Click() {
    const int before = game_.State().MoveCount;
    game_.RedoLastPair();
    const int after = game_.State().MoveCount;
    Announce(PutBackSentence(after > before ? MovesSince(before) : std::vector<SpokenMove>{}));
    GameChanged();
}

void frmMain::GameChanged() {
    mnuEditRedo->setEnabled(game_.CanRedo());
    ShowWinningFive(game_.State().GameOver);
}

void frmMain::mnuViewToolbar_Click() {
    mnuViewToolbar->setChecked(!mnuViewToolbar->isChecked());
    tbToolBar->setVisible(mnuViewToolbar->isChecked());
}

void frmMain::mnuViewStatusBar_Click() {
    mnuViewStatusBar->setChecked(!mnuViewStatusBar->isChecked());
    sbStatusBar->setVisible(mnuViewStatusBar->isChecked());
}

void frmMain::mnuViewStatistics_Click() {
    frmStatistics::ShowModal(this);
}

void frmMain::mnuViewOptions_Click() {
    frmOptions::ShowModal(options_, this);
}

void frmMain::mnuHelpContents_Click() {
    if (!helpViewer_) {
        helpViewer_ = new HelpViewer(this);
        RegisterLoadedForm(helpViewer_);
    }
    ShowFailure(this, helpViewer_->ShowContents(helpFile_));
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout::ShowModal(this);
}

} // namespace pentavo
