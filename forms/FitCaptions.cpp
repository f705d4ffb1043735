#include "forms/FitCaptions.h"

#include "forms/GlyphExtent.h"

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

// Glyphs taller than designed (Chinese and Japanese ones are) lengthen the window: a word-wrapped
// label of the window's own whose glyphs reach below it grows, first into the room below it, then
// moving every control below its top down by what is still missing.
void Lengthen(QWidget& window) {
    QList<QLabel*> labels = window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int added = 0;
    for (QLabel* label : labels) {
        if (!label->wordWrap() || label->text().isEmpty())
            continue;
        const int missing =
            int(std::ceil(MeasureGlyphs(label->text(), label->font(), label->contentsRect().width())
                              .rect.bottom())) -
            label->contentsRect().height();
        if (missing <= 0)
            continue;
        int room = window.height() - label->geometry().bottom() - 1;
        for (const QWidget* control : controls)
            if (control->y() > label->y() && !control->isWindow())
                room = std::min(room, control->y() - label->geometry().bottom() - 1);
        const int moved = std::max(0, missing - std::max(0, room));
        label->resize(label->width(), label->height() + missing);
        if (moved == 0)
            continue;
        for (QWidget* control : controls)
            if (control != label && !control->isWindow() && control->y() > label->y())
                control->move(control->x(), control->y() + moved);
        added += moved;
    }
    if (added == 0)
        return;
    const QSize size(window.width(), window.height() + added);
    if (window.minimumSize() == window.maximumSize())
        window.setFixedSize(size);
    else
        window.resize(size);
}

} // namespace

void HeightenToGlyphs(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString caption;
        bool fromTop = false;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control);
            button != nullptr && qobject_cast<const QPushButton*>(control) == nullptr) {
            caption = QString(button->text()).remove('&');
        } else if (const auto* label = qobject_cast<const QLabel*>(control);
                   label != nullptr && !label->wordWrap()) {
            caption = label->text();
            fromTop = label->alignment().testFlag(Qt::AlignTop);
        }
        if (caption.isEmpty())
            continue;
        const QRectF glyphs = MeasureGlyphs(caption, control->font()).rect;
        // A caption at the top grows downward; one in the middle grows around it.
        const int missing =
            int(std::ceil(fromTop ? glyphs.bottom() : glyphs.height())) - control->height();
        if (missing > 0)
            control->setGeometry(control->x(), control->y() - (fromTop ? 0 : missing / 2),
                                 control->width(), control->height() + missing);
    }
}

void FitCaptions(QWidget& window) {
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    double factor = 1;
    for (const QWidget* control : controls)
        if (!control->isWindow())
            factor = std::max(factor, NeededFactor(*control));
    if (factor <= 1) {
        HeightenToGlyphs(window);
        Lengthen(window);
        return;
    }
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
    HeightenToGlyphs(window);
    Lengthen(window);
}

} // namespace pentavo
