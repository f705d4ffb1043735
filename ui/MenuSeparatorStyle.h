#pragma once

#include <QProxyStyle>

namespace pentavo {

// Draws separators plainly. Menu separators are lines: they carry the caption "-", which some
// styles would otherwise show as a section title. Toolbar separators are blank gaps of the usual
// width: the toolbar sets them in pairs, and a pair drawn as two bars reads as a glitch.
class MenuSeparatorStyle : public QProxyStyle {
    Q_OBJECT

public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};

} // namespace pentavo
