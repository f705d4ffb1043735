#include "ui/MessageBox.h"

#include "core/Version.h"

#include <QMessageBox>

namespace pentavo {

void ShowMessageBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace pentavo
