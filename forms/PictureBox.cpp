#include "forms/PictureBox.h"

#include "resources/pictures/Pictures.h"

#include <QPainter>

namespace pentavo {

PictureBox::PictureBox(const QString& resource, QWidget* parent)
    : QFrame(parent), picture(PictureIcon(resource)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    picture.paint(&painter, contentsRect(), Qt::AlignCenter);
}

} // namespace pentavo
