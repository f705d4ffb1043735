#pragma once

#include <QProxyStyle>

namespace pentavo {

// Draws menu separators as plain lines. The menus' separators carry the caption "-", which some
// styles would otherwise show as a section title.
class MenuSeparatorStyle : public QProxyStyle {
    Q_OBJECT

public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};

} // namespace pentavo
