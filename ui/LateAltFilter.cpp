#include "ui/LateAltFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace pentavo {

LateAltFilter::LateAltFilter(QMenuBar* bar) : QObject(bar) {
    bar->installEventFilter(this);
    for (QAction* title : bar->actions())
        if (QMenu* menu = title->menu())
            menu->installEventFilter(this);
}

bool LateAltFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut:
        if (qobject_cast<QMenuBar*>(watched) != nullptr) {
            const QKeySequence& keys = static_cast<QShortcutEvent*>(event)->key();
            altMayComeLate_ =
                !keys.isEmpty() && keys[0].keyboardModifiers().testFlag(Qt::AltModifier);
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // The first Alt a menu sees after the access key tells: a press handed back by the reader
        // is the one that began the access key; a release, or a key straight from the keyboard,
        // means it came in time.
        if (altMayComeLate_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
            altMayComeLate_ = false;
            return event->type() == QEvent::KeyPress && !event->spontaneous();
        }
        break;
    case QEvent::Hide:
        altMayComeLate_ = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace pentavo
