#include "ui/MenuSeparatorStyle.h"

#include <QStyleOptionMenuItem>

#include <optional>

namespace pentavo {

namespace {

// The option of a separator that carries a caption, without it; nothing for anything else.
std::optional<QStyleOptionMenuItem> WithoutCaption(const QStyleOption* option) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr || item->menuItemType != QStyleOptionMenuItem::Separator ||
        item->text.isEmpty())
        return std::nullopt;
    QStyleOptionMenuItem plain(*item);
    plain.text.clear();
    return plain;
}

} // namespace

void MenuSeparatorStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto plain = element == CE_MenuItem ? WithoutCaption(option) : std::nullopt;
    QProxyStyle::drawControl(element, plain ? &*plain : option, painter, widget);
}

void MenuSeparatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorToolBarSeparator)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuSeparatorStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
    const auto plain = type == CT_MenuItem ? WithoutCaption(option) : std::nullopt;
    return QProxyStyle::sizeFromContents(type, plain ? &*plain : option, size, widget);
}

} // namespace pentavo
