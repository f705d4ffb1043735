#pragma once

#include <QTextBrowser>

#include <optional>

namespace pentavo {

// The program's help window: the help file (HTML) in a window of its own beside the main window.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* owner);

    // Shows the file's contents and brings the window forward; when the file cannot be read, the
    // reason for the person and nothing shown.
    std::optional<QString> ShowContents(const QString& path);
};

} // namespace pentavo
