#pragma once

#include "core/Outcome.h"

#include <QString>

class QWidget;

namespace pentavo {

// The program's message: modal over `owner`, titled "Pentavo", with the text, an OK button and no
// icon. Returns once it is closed, with the owner's window active again.
void ShowMessageBox(QWidget* owner, const QString& text);

// The same box with Yes and No, No the default: true when the person chose Yes.
[[nodiscard]] bool AskYesNo(QWidget* owner, const QString& text);

// Every failure the person is told of takes this one way: its message, in the person's language,
// in the program's message box. A done outcome shows nothing.
void ShowFailure(QWidget* owner, const Outcome& outcome);

} // namespace pentavo
