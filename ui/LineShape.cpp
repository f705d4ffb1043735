#include "ui/LineShape.h"

#include "forms/Twips.h"

#include <QPainter>

namespace pentavo {

LineShape::LineShape(double x1, double y1, double x2, double y2, QWidget* parent,
                     const QColor& borderColor, int borderWidth)
    : QWidget(parent),
      borderColor_(borderColor.isValid() ? borderColor : palette().color(QPalette::WindowText)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from(TwipsToPixels(x1), TwipsToPixels(y1));
    const QPoint to(TwipsToPixels(x2), TwipsToPixels(y2));
    QRect path = QRect(from, to).normalized();
    if (from.y() == to.y())
        path.setHeight(borderWidth);
    else
        path.setWidth(borderWidth);
    setGeometry(path);
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), borderColor_);
}

} // namespace pentavo
