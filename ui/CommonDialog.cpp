#include "ui/CommonDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace pentavo {

CommonDialog::~CommonDialog() {
    for (const QPointer<QFileDialog>& files : files_)
        delete files; // unless its owner took it along already
}

std::optional<QString> CommonDialog::Run(Form form, QWidget* owner) {
    QPointer<QFileDialog>& kept = files_[form == Form::Save ? 0 : 1];
    if (kept == nullptr || kept->parentWidget() != owner) {
        delete kept;
        kept = new QFileDialog(owner);
        kept->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        kept->setAcceptMode(form == Form::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // An open may name a file that is not there yet; it is created empty.
        kept->setFileMode(QFileDialog::AnyFile);
        // Qt's own dialog gives its detail columns fixed widths, too narrow for a size or a date.
        if (auto* details = kept->findChild<QTreeView*>("treeView")) {
            details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
            details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        }
        // Qt's dialog ties only the name field to its caption: a screen reader named the two
        // lists by their current entry alone, not by what they choose.
        for (const auto& [caption, list] :
             {std::pair{"lookInLabel", "lookInCombo"}, std::pair{"fileTypeLabel", "fileTypeCombo"}})
            if (auto* label = kept->findChild<QLabel*>(caption))
                label->setBuddy(kept->findChild<QWidget*>(list));
    }
    QFileDialog& files = *kept;
    files.setWindowTitle(DialogTitle);
    files.setNameFilters(NameFilters(Filter));
    // Nothing of the last use is offered but the kept name.
    for (auto* view : files.findChildren<QAbstractItemView*>())
        view->clearSelection();
    if (auto* name = files.findChild<QLineEdit*>("fileNameEdit"))
        name->clear();
    // Either form opens where the other was left, as one dialog would.
    if (!folder_.isEmpty())
        files.setDirectory(folder_);
    if (!FileName.isEmpty())
        files.selectFile(FileName);
    const bool accepted = files.exec() == QDialog::Accepted;
    folder_ = files.directory().absolutePath();
    // The kept dialog's completion list is a window of its own: it must go with the dialog.
    if (auto* name = files.findChild<QLineEdit*>("fileNameEdit"); name && name->completer())
        name->completer()->popup()->hide();
    if (!accepted || files.selectedFiles().isEmpty())
        return std::nullopt;
    return files.selectedFiles().constFirst();
}

std::optional<QString> CommonDialog::Show(Form form, QWidget* owner) {
    std::optional<QString> chosen = Chooser ? Chooser(*this, form) : Run(form, owner);
    if (chosen && chosen->isEmpty())
        chosen.reset();
    FileName = chosen.value_or(QString());
    return chosen;
}

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = " (" + parts[i + 1] + ')';
        filters.append(parts[i].endsWith(pattern) ? parts[i] : parts[i] + pattern);
    }
    return filters;
}

} // namespace pentavo
