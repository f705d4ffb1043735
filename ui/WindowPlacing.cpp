#include "ui/WindowPlacing.h"

#include <QGuiApplication>

namespace pentavo {

// Qt 6.4 offers no public query for it; its Wayland plugins all carry the word in their names.
WindowPlacing PlacingOf(QStringView platformName) {
    return platformName.startsWith(u"wayland") ? WindowPlacing::ByCompositor
                                               : WindowPlacing::ByProgram;
}

WindowPlacing CurrentPlacing() {
    return PlacingOf(QGuiApplication::platformName());
}

} // namespace pentavo
