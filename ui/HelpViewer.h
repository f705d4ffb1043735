#pragma once

#include "core/Outcome.h"

#include <QTextBrowser>

namespace pentavo {

// The program's help window: the help file (HTML) in a window of its own beside the main window.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* owner);

    // Shows the file's contents and brings the window forward; fails, showing nothing, when the
    // file cannot be read.
    Outcome ShowContents(const QString& path);
};

} // namespace pentavo
