#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

namespace pentavo {

// Where a text's glyphs lie as the fonts at hand draw them, from the top of its first line: in
// lines of `width` pixels when a width is given, else on the lines its '\n' break. Chinese,
// Japanese and Arabic glyphs reach further above and below a line than Latin ones, and further
// than the font's own line height tells. `missing` says that some character found no glyph in any
// font and shows as a box.
struct GlyphExtent {
    QRectF rect;
    bool missing = false;
};

GlyphExtent MeasureGlyphs(const QString& text, const QFont& font, int width = 0);

} // namespace pentavo
