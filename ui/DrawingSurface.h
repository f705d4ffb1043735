#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QWidget>

#include <cstdint>
#include <optional>

class QPainter;

namespace pentavo {

enum class FillStyle { Solid, Transparent };

// The drawing settings a window keeps between drawing calls. Positions are twips, the line width
// logical pixels.
struct DrawSettings {
    QColor ForeColor;
    QColor FillColor{Qt::black};
    pentavo::FillStyle FillStyle = FillStyle::Transparent;
    int DrawWidth = 1;
    double CurrentX = 0;
    double CurrentY = 0;

    bool operator==(const DrawSettings&) const = default;
};

// A client area that keeps what was drawn on it. Drawing goes to an off-screen image at the
// screen's pixel density and a repaint copies it; what was never drawn stays transparent, so the
// window's own background shows there. Coordinates are twips from the top-left corner.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    // `designSize` is the client area as designed, in logical pixels; the kept image is never
    // smaller, so drawing works before the window has its final size or is shown at all.
    explicit DrawingSurface(QSize designSize, QWidget* parent = nullptr);

    DrawSettings& Settings() { return settings_; }
    const DrawSettings& Settings() const { return settings_; }

    // A line in ForeColor, DrawWidth wide; the current position moves to its end.
    void Line(double x1, double y1, double x2, double y2);
    // A rectangle outlined in ForeColor and, when FillStyle is solid, filled with FillColor; the
    // current position moves to the second corner.
    void Box(double x1, double y1, double x2, double y2);
    // A full circle, outlined and filled like a box; the current position moves to its centre.
    void Circle(double x, double y, double radius);

    // The kept image, as a repaint shows it.
    const QImage& Image() const { return image_; }

    // A frame around a rectangle given in twips, painted over the kept image and never into it,
    // so that taking it away leaves exactly what was drawn; nothing for none.
    void SetHighlight(const std::optional<QRectF>& twips);
    const std::optional<QRectF>& Highlight() const { return highlight_; }
    // A dot in the middle of a cell given in twips, painted over the kept image like the frame.
    void SetMarker(const std::optional<QRectF>& twips);
    const std::optional<QRectF>& Marker() const { return marker_; }
    // A thick line between two points in twips (the centres of a winning line's end cells), dark
    // with a light edge so that it shows by its shape on either mark; painted like the frame.
    void SetWinningLine(const std::optional<QLineF>& twips);
    const std::optional<QLineF>& WinningLine() const { return winningLine_; }

signals:
    // A mouse button released over the area: button mask (left 1, right 2, middle 4), shift mask
    // (Shift 1, Ctrl 2, Alt 4) and the position in twips.
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Grows the image to cover the area and follows a change of pixel density, keeping what was
    // drawn.
    void FitImage();
    void PreparePainter(QPainter& painter) const;
    double SnapToDevicePixel(double twips) const;

    QSize designSize_;
    QImage image_;
    DrawSettings settings_;
    std::optional<QRectF> highlight_;
    std::optional<QRectF> marker_;
    std::optional<QLineF> winningLine_;
};

} // namespace pentavo
