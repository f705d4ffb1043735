#include "forms/FitCaptions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace pentavo {

namespace {

constexpr double Step = 0.05;
constexpr double Widest = 3.0;

// How much wider the control must be for its caption to fit; 1 when it fits as it is.
double NeededFactor(const QWidget& control) {
    const int width = std::max(control.width(), 1);
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty())
            return 1;
        if (!label->wordWrap())
            return double(label->sizeHint().width()) / width;
        const auto fits = [label, width](double factor) {
            return label->heightForWidth(int(std::ceil(width * factor))) <= label->height();
        };
        // A label too low for even one line is not made to fit by widening it.
        if (!fits(Widest))
            return 1;
        double factor = 1;
        while (!fits(factor))
            factor += Step;
        return factor;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // Its size hint has a floor wider than short captions need.
        const QStyle& style = *button->style();
        const int frame = 2 * (style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                               style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        return double(button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                      frame) /
               width;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text().isEmpty() ? 1 : double(button->sizeHint().width()) / width;
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        // The title stands inside the frame's rounded corners.
        const int margin = 2 * box->style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, box);
        return double(box->fontMetrics().horizontalAdvance(box->title()) + margin) / width;
    }
    return 1;
}

} // namespace

void FitCaptions(QWidget& window) {
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    double factor = 1;
    for (const QWidget* control : controls)
        if (!control->isWindow())
            factor = std::max(factor, NeededFactor(*control));
    if (factor <= 1)
        return;
    const auto scaled = [factor](int pixels) { return int(std::ceil(pixels * factor)); };
    for (QWidget* control : controls) {
        if (control->isWindow())
            continue;
        const QRect designed = control->geometry();
        control->setGeometry(scaled(designed.x()), designed.y(), scaled(designed.width()),
                             designed.height());
    }
    const QSize size(scaled(window.width()), window.height());
    if (window.minimumSize() == window.maximumSize())
        window.setFixedSize(size);
    else
        window.resize(size);
}

} // namespace pentavo
