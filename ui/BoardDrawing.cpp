#include "ui/BoardDrawing.h"

#include "core/Board.h"
#include "core/BoardGeometry.h"
#include "ui/DrawingSurface.h"

namespace pentavo {

namespace {

// How far a cross's arms stop short of the cell's sides, and a circle's radius.
constexpr double CrossInset = 60;
constexpr double CircleRadius = 150;

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor CrossColor(160, 0, 0);
const QColor CircleColor(0, 160, 0);

void DrawCellBox(DrawingSurface& surface, std::int16_t col, std::int16_t row) {
    surface.Box(CellLeft(col), CellTop(row), CellLeft(col) + CellPitch, CellTop(row) + CellPitch);
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

    const double near = CrossInset;
    const double far = CellPitch - CrossInset;
    if (mark == Cross) {
        settings.ForeColor = CrossColor;
        settings.DrawWidth = 4;
        surface.Line(CellLeft(col) + near, CellTop(row) + near, CellLeft(col) + far,
                     CellTop(row) + far);
        surface.Line(CellLeft(col) + far, CellTop(row) + near, CellLeft(col) + near,
                     CellTop(row) + far);
    } else if (mark == Circle) {
        settings.ForeColor = CircleColor;
        settings.DrawWidth = 4;
        surface.Circle(CellCentreX(col), CellCentreY(row), CircleRadius);
    }

    settings.ForeColor = savedForeColor;
    settings.FillColor = savedFillColor;
    settings.FillStyle = savedFillStyle;
    settings.DrawWidth = savedDrawWidth;
}

} // namespace pentavo
