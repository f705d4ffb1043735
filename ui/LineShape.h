#pragma once

#include <QColor>
#include <QWidget>

namespace pentavo {

// A horizontal or vertical line control from (x1, y1) to (x2, y2) in twips of its parent, both
// ends drawn, `borderWidth` pixels thick below or to the right of that path; by default in the
// system's text colour. It takes no mouse input: clicks fall through to what lies beneath.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(double x1, double y1, double x2, double y2, QWidget* parent,
              const QColor& borderColor = QColor(), int borderWidth = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor borderColor_;
};

} // namespace pentavo
