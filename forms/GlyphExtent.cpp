#include "forms/GlyphExtent.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace pentavo {

GlyphExtent MeasureGlyphs(const QString& text, const QFont& font, int width) {
    QTextLayout layout(QString(text).replace('\n', QChar::LineSeparator), font);
    QTextOption option;
    option.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (width > 0)
            line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
    GlyphExtent extent;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> origins = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            extent.rect |= run.rawFont().boundingRect(glyphs[i]).translated(origins[i]);
        extent.missing = extent.missing || glyphs.contains(0);
    }
    return extent;
}

} // namespace pentavo
