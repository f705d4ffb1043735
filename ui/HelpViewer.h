#pragma once

#include "core/Outcome.h"

#include <QRect>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace pentavo {

// The program's help window: the help file (HTML) in a window of its own beside the main window
// (where the compositor places windows, wherever it puts it), with Back and Home; Esc or Ctrl+W
// closes it.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* owner);

    // Shows the file's contents and brings the window forward; fails, showing nothing, when the
    // file cannot be read.
    Outcome ShowContents(const QString& path);

    QTextBrowser& Text() const { return *text_; }
    QAction& BackAction() const { return *back_; }
    QAction& HomeAction() const { return *home_; }

    // Where a window of outer size `size` goes beside `owner` (both outer rectangles): to its
    // right, else to its left, else as near as the available area `area` allows; always wholly
    // on that area, as far as the area is large enough.
    static QRect PlaceBeside(const QRect& owner, const QSize& size, const QRect& area);

    // The help file in the first of `languages` (as QLocale::uiLanguages gives them, "de-DE",
    // then "de") that has one beside `english`: Pentavo_de_DE.hlp, then Pentavo_de.hlp for
    // Pentavo.hlp; else `english` itself.
    static QString InLanguage(const QString& english, const QStringList& languages);

private:
    void PlaceBesideOwner();

    QTextBrowser* text_;
    QAction* back_;
    QAction* home_;
};

} // namespace pentavo
