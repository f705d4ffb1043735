#include "ui/BoardDrawing.h"

#include "engine/Board.h"
#include "ui/DrawingSurface.h"

namespace pentavo {

namespace {

constexpr double CellPitch = 400;
constexpr double BoardLeft = 200;
constexpr double BoardTop = 600;

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor CrossColor(160, 0, 0);
const QColor CircleColor(0, 160, 0);

void DrawCellBox(DrawingSurface& surface, std::int16_t col, std::int16_t row) {
    const double left = col * CellPitch + BoardLeft;
    const double top = row * CellPitch + BoardTop;
    surface.Box(left, top, left + CellPitch, top + CellPitch);
}

} // namespace

void DrawCell(DrawingSurface& surface, std::int16_t col, std::int16_t row) {
    DrawSettings& settings = surface.Settings();
    settings.FillColor = White;
    settings.FillStyle = FillStyle::Solid;
    settings.DrawWidth = 2;
    DrawCellBox(surface, col, row);
}

void DrawMark(DrawingSurface& surface, std::int16_t col, std::int16_t row, std::int16_t mark) {
    if (mark != Empty && mark != Cross && mark != Circle)
        return;
    DrawSettings& settings = surface.Settings();
    const QColor savedForeColor = settings.ForeColor;
    const QColor savedFillColor = settings.FillColor;
    const FillStyle savedFillStyle = settings.FillStyle;
    const int savedDrawWidth = settings.DrawWidth;

    settings.ForeColor = Black;
    settings.FillColor = White;
    settings.FillStyle = FillStyle::Solid;
    settings.DrawWidth = 2;
    DrawCellBox(surface, col, row);

    const double x0 = col * CellPitch;
    const double y0 = row * CellPitch;
    if (mark == Cross) {
        settings.ForeColor = CrossColor;
        settings.DrawWidth = 4;
        surface.Line(x0 + 260, y0 + 660, x0 + 540, y0 + 940);
        surface.Line(x0 + 540, y0 + 660, x0 + 260, y0 + 940);
    } else if (mark == Circle) {
        settings.ForeColor = CircleColor;
        settings.DrawWidth = 4;
        surface.Circle(x0 + 400, y0 + 800, 150);
    }

    settings.ForeColor = savedForeColor;
    settings.FillColor = savedFillColor;
    settings.FillStyle = savedFillStyle;
    settings.DrawWidth = savedDrawWidth;
}

} // namespace pentavo
