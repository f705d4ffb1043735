#include "ui/MessageBox.h"

#include "core/Version.h"

#include <QMessageBox>

namespace pentavo {

void ShowMessageBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

void ShowFailure(QWidget* owner, const Outcome& outcome) {
    if (!outcome)
        ShowMessageBox(owner, QString::fromStdString(outcome.Message()));
}

} // namespace pentavo
