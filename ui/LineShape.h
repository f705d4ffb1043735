#pragma once

#include <QColor>
#include <QWidget>

namespace pentavo {

// A horizontal or vertical line control, placed in twips of its parent and one pixel wide. It
// takes no mouse input: clicks fall through to what lies beneath.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(double x1, double y1, double x2, double y2, QWidget* parent);

    // Defaults to the system's text colour.
    QColor BorderColor;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pentavo
