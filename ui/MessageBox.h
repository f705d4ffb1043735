#pragma once

#include <QString>

class QWidget;

namespace pentavo {

// The program's message: modal over `owner`, titled "Pentavo", with the text, an OK button and no
// icon. Returns once it is closed.
void ShowMessageBox(QWidget* owner, const QString& text);

} // namespace pentavo
