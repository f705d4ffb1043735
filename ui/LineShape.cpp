#include "ui/LineShape.h"

#include "ui/Twips.h"

#include <QPainter>

namespace pentavo {

LineShape::LineShape(double x1, double y1, double x2, double y2, QWidget* parent)
    : QWidget(parent), BorderColor(palette().color(QPalette::WindowText)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from(TwipsToPixels(x1), TwipsToPixels(y1));
    const QPoint to(TwipsToPixels(x2), TwipsToPixels(y2));
    setGeometry(QRect(from, to).normalized());
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), BorderColor);
}

} // namespace pentavo
