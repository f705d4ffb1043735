#pragma once

#include "ui/Twips.h"

#include <QRect>

namespace pentavo {

// A control's rectangle as designed in twips of its parent: left, top, width, height.
inline QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace pentavo
