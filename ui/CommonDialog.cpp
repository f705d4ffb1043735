#include "ui/CommonDialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace pentavo {

namespace {

std::optional<QString> RunFileDialog(const CommonDialog& dialog, CommonDialog::Form form,
                                     QWidget* owner) {
    QFileDialog files(owner, dialog.DialogTitle);
    files.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    files.setAcceptMode(form == CommonDialog::Form::Save ? QFileDialog::AcceptSave
                                                         : QFileDialog::AcceptOpen);
    // An open may name a file that is not there yet; it is created empty.
    files.setFileMode(QFileDialog::AnyFile);
    files.setNameFilters(NameFilters(dialog.Filter));
    // Qt's own dialog gives its detail columns fixed widths, too narrow for a size or a date.
    if (auto* details = files.findChild<QTreeView*>("treeView")) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (!dialog.FileName.isEmpty())
        files.selectFile(dialog.FileName);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return std::nullopt;
    return files.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> CommonDialog::Show(Form form, QWidget* owner) {
    std::optional<QString> chosen =
        Chooser ? Chooser(*this, form) : RunFileDialog(*this, form, owner);
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
