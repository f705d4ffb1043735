#include "forms/MirrorLayout.h"

#include <QVariant>
#include <QWidget>

namespace pentavo {

void MirrorLayout(QWidget& window) {
    // Loading a window twice must not turn it back.
    static const char* const Mirrored = "MirroredLayout";
    if (!window.isRightToLeft() || window.property(Mirrored).toBool())
        return;
    window.setProperty(Mirrored, true);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QWidget* parent = control->parentWidget();
        if (control->isWindow() || parent == nullptr || parent->layout() != nullptr)
            continue;
        const QRect designed = control->geometry();
        control->move(parent->width() - designed.x() - designed.width(), designed.y());
    }
}

} // namespace pentavo
