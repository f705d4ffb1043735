#pragma once

#include <QRect>
#include <QSize>

namespace pentavo {

// The main window's outer geometry (frame included) as the settings store keeps it: section
// "Settings", keys "MainLeft", "MainTop", "MainWidth", "MainHeight", each a number of twips
// written as text in the C locale, so a file reads the same whatever the user's language.

// The stored geometry in logical pixels. A key that is absent or holds no usable number takes its
// default: 1000 twips for left and top, `defaultOuterSize` for the size. A geometry that would lie
// wholly off every screen keeps its size and takes the default position.
QRect ReadMainGeometry(const QSize& defaultOuterSize);

// Stores an outer geometry given in logical pixels: left, top, width, height, in this order.
void WriteMainGeometry(const QRect& outer);

} // namespace pentavo
