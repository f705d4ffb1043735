#pragma once

#include "core/Cell.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>

#include <optional>

namespace pentavo {

// What a screen reader's view of the board reads from the window that shows it.
class AccessibleBoardSource {
public:
    virtual const QWidget* BoardWidget() const = 0;
    virtual QString CellAccessibleName(Cell cell) const = 0;
    // The cell in the board widget's own coordinates, in logical pixels.
    virtual QRect CellRect(Cell cell) const = 0;
    // The cell a screen reader is at: the keyboard's cursor, else the cell last clicked.
    virtual std::optional<Cell> FocusCell() const = 0;

protected:
    ~AccessibleBoardSource() = default;
};

// A label whose text changes by itself (a clock): a screen reader reads it when it asks, and is
// not told of every change.
class QuietLabel : public QLabel {
    Q_OBJECT

public:
    explicit QuietLabel(QWidget* parent = nullptr);
};

// A frame, and a group box within it, that stand outside their window by design: reported as not
// showing.
class OffScreenFrame : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;
};

class OffScreenGroupBox : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;
};

// A caption as a screen reader names it, without the mark of its access key ("&New": New).
QString WithoutAccessMark(const QString& caption);

// Lets the accessibility framework make the board's table of cells, the widgets above, and the
// help window and status bar with their proper roles. Nothing is made until a screen reader asks;
// installing twice does nothing more.
void InstallAccessibility();

} // namespace pentavo
