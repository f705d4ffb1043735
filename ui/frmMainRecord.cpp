// Save and Open: the game record file through the common dialog.
#include "ui/frmMain.h"

#include "files/GameRecord.h"
#include "ui/MessageBox.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace pentavo {

namespace {

// The common dialog's filter: the name a person reads, then the pattern.
QString RecordFilter() {
    //: The file dialog's filter for saved games; keep "(*.pnv)".
    return frmMain::tr("All Files (*.pnv)") + QStringLiteral("|*.pnv");
}

std::filesystem::path ToPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

} // namespace

std::optional<QString> frmMain::AskRecordName(const QString& title, CommonDialog::Form form) {
    dlgCommonDialog.DialogTitle = title;
    dlgCommonDialog.Filter = RecordFilter();
    std::optional<QString> name = dlgCommonDialog.Show(form, this);
    if (!name)
        //: Message box: the file dialog was closed without choosing a file.
        ShowMessageBox(this, tr("Empty file"));
    return name;
}

void frmMain::mnuFileSave_Click() {
    //: Title of the file dialog that saves the game.
    const std::optional<QString> name = AskRecordName(tr("Save"), CommonDialog::Form::Save);
    if (!name)
        return;
    ShowFailure(this, WriteGameRecord(ToPath(*name), game_.State().MoveLog));
}

void frmMain::mnuFileOpen_Click() {
    //: Title of the file dialog that opens a saved game.
    const std::optional<QString> name = AskRecordName(tr("Open"), CommonDialog::Form::Open);
    if (name)
        OpenRecord(*name);
}

void frmMain::OpenRecord(const QString& name) {
    // Opening only reads: a name that is not there is a slip to be told of, never a new game.
    if (!QFileInfo::exists(name)) {
        ShowMessageBox(this, tr("The file \"%1\" does not exist.").arg(name));
        return;
    }
    // The dialog offers it next, as it does a name chosen in it.
    dlgCommonDialog.FileName = name;
    // The record is read and checked whole before the game is touched; a name that vanishes
    // after the test above is refused by the read.
    MoveLog log{};
    if (const Outcome read = ReadGameRecord(ToPath(name), log); !read) {
        ShowFailure(this, read);
        return;
    }
    game_.LoadLog(log);
    game_.ReplayLog();
    Announce(OpenedSentence(QFileInfo(name).fileName(), game_.State().MoveCount));
    gameCounted_ = false;
    GameChanged();
}

} // namespace pentavo
