#pragma once

#include "ui/WindowPlacing.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace pentavo {

// The main window's outer geometry (frame included) as the settings store keeps it: section
// "Settings", keys "MainLeft", "MainTop", "MainWidth", "MainHeight", each a number of twips
// written as text in the C locale, so a file reads the same whatever the user's language.

// The stored geometry in logical pixels, fitted to the screens (FitToScreens). A key that is
// absent or holds no usable number takes its default: 1000 twips for left and top,
// `defaultOuterSize` for the size. Where the compositor places windows, the stored position is
// not read: the geometry lies at the default position, which serves only to fit its size.
QRect ReadMainGeometry(const QSize& defaultOuterSize, const QSize& minimumOuterSize = QSize(),
                       WindowPlacing placing = CurrentPlacing());

// Stores an outer geometry given in logical pixels: left, top, width, height, in this order.
// Where the compositor places windows the position is not known: only the size is stored, and
// the position a session that knew it stored stays.
void WriteMainGeometry(const QRect& outer, WindowPlacing placing = CurrentPlacing());

// The default position, 1000 twips from the top-left corner, in logical pixels.
QPoint DefaultMainPosition();

// Fits an outer geometry to the available areas of the screens (`areas`, the work areas without
// panels and docks), so that a stored value can never make a window that cannot be seen, reached
// or drawn:
// - a window whose title bar lies on no area moves to `fallback`;
// - a size larger than the area it lies on shrinks to that area, and one smaller than
//   `minimumSize` grows to it (but never beyond the area);
// - a window that then runs past the area's right or bottom edge moves back onto it. Left and top
//   edges a little off the area (a maximised window's frame) stay as they are.
// Without any area there is nothing to judge by, and the geometry is kept.
QRect FitToScreens(QRect outer, const QList<QRect>& areas, const QSize& minimumSize,
                   const QPoint& fallback);

// The available areas of the screens as the application sees them now.
QList<QRect> AvailableScreenAreas();

} // namespace pentavo
