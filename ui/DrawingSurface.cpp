#include "ui/DrawingSurface.h"

#include "forms/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace pentavo {

namespace {

std::int16_t ButtonMask(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return static_cast<std::int16_t>(mask);
}

QPointF ToPixels(double x, double y) {
    return {TwipsToPixelsF(x), TwipsToPixelsF(y)};
}

} // namespace

DrawingSurface::DrawingSurface(QSize designSize, QWidget* parent)
    : QWidget(parent), designSize_(designSize) {
    settings_.ForeColor = palette().color(QPalette::WindowText);
    FitImage();
}

void DrawingSurface::FitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize logical = designSize_.expandedTo(size());
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    if (!image_.isNull() && image_.devicePixelRatio() == ratio &&
        image_.width() >= device.width() && image_.height() >= device.height())
        return;

    QImage kept = std::exchange(image_, QImage(device, QImage::Format_ARGB32_Premultiplied));
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::transparent);
    if (kept.isNull())
        return;
    // A new pixel density rescales what was drawn; the calls that drew it are gone.
    if (kept.devicePixelRatio() != ratio) {
        const QSize scaled(
            static_cast<int>(std::round(kept.width() / kept.devicePixelRatio() * ratio)),
            static_cast<int>(std::round(kept.height() / kept.devicePixelRatio() * ratio)));
        kept = kept.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        kept.setDevicePixelRatio(ratio);
    }
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, kept);
}

void DrawingSurface::PreparePainter(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(settings_.ForeColor, settings_.DrawWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    if (settings_.FillStyle == FillStyle::Solid)
        painter.setBrush(settings_.FillColor);
    else
        painter.setBrush(Qt::NoBrush);
}

// Puts an axis-aligned edge where the pen covers whole device pixels, so the grid stays sharp.
double DrawingSurface::SnapToDevicePixel(double twips) const {
    const double ratio = image_.devicePixelRatio();
    const double device = TwipsToPixelsF(twips) * ratio;
    const bool oddWidth = std::lround(settings_.DrawWidth * ratio) % 2 != 0;
    const double snapped = oddWidth ? std::floor(device) + 0.5 : std::round(device);
    return snapped / ratio;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2) {
    {
        QPainter painter(&image_);
        PreparePainter(painter);
        painter.drawLine(ToPixels(x1, y1), ToPixels(x2, y2));
    }
    settings_.CurrentX = x2;
    settings_.CurrentY = y2;
    update();
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2) {
    {
        QPainter painter(&image_);
        PreparePainter(painter);
        const QPointF from(SnapToDevicePixel(std::min(x1, x2)),
                           SnapToDevicePixel(std::min(y1, y2)));
        const QPointF to(SnapToDevicePixel(std::max(x1, x2)), SnapToDevicePixel(std::max(y1, y2)));
        painter.drawRect(QRectF(from, to));
    }
    settings_.CurrentX = x2;
    settings_.CurrentY = y2;
    update();
}

void DrawingSurface::Circle(double x, double y, double radius) {
    {
        QPainter painter(&image_);
        PreparePainter(painter);
        const double r = TwipsToPixelsF(radius);
        painter.drawEllipse(ToPixels(x, y), r, r);
    }
    settings_.CurrentX = x;
    settings_.CurrentY = y;
    update();
}

void DrawingSurface::SetHighlight(const std::optional<QRectF>& twips) {
    if (twips == highlight_)
        return;
    highlight_ = twips;
    update();
}

void DrawingSurface::SetMarker(const std::optional<QRectF>& twips) {
    if (twips == marker_)
        return;
    marker_ = twips;
    update();
}

void DrawingSurface::SetWinningLine(const std::optional<QLineF>& twips) {
    if (twips == winningLine_)
        return;
    winningLine_ = twips;
    update();
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    FitImage();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, image_);
    if (winningLine_) {
        const QLineF pixels(ToPixels(winningLine_->x1(), winningLine_->y1()),
                            ToPixels(winningLine_->x2(), winningLine_->y2()));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::white), 9.0}, std::pair{QColor(Qt::black), 5.0}}) {
            QPen pen(colour, width);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(pixels);
        }
        painter.restore();
    }
    if (highlight_) {
        const QRectF pixels(ToPixels(highlight_->left(), highlight_->top()),
                            ToPixels(highlight_->right(), highlight_->bottom()));
        QPen pen(palette().color(QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // Inside the grid lines, clear of the marks' colours.
        painter.drawRect(pixels.adjusted(3, 3, -3, -3));
    }
    if (marker_) {
        // A dot on the mark's centre, ringed in white so that it stands out on either mark.
        const QPointF centre = ToPixels(marker_->center().x(), marker_->center().y());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawEllipse(centre, 4.5, 4.5);
    }
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitImage();
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseUp(ButtonMask(event->button()), ShiftMask(event->modifiers()),
                 static_cast<float>(PixelsToTwips(at.x())),
                 static_cast<float>(PixelsToTwips(at.y())));
}

} // namespace pentavo
