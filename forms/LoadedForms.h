#pragma once

#include <QList>

class QWidget;

namespace pentavo {

// The windows that are loaded, in the order they were loaded. A window registers itself when it
// loads and drops out of the list when it is destroyed.
void RegisterLoadedForm(QWidget* form);
QList<QWidget*> LoadedForms();

// Closes the window and, unless it refused to close, takes it off the list at once and deletes it
// once control is back in the event loop, so a window may unload itself from its own handlers.
void UnloadForm(QWidget* form);

} // namespace pentavo
