#pragma once

#include <QStringView>

namespace pentavo {

// Who decides where a window goes. On X11 (and Qt's offscreen platform) the program places its
// windows and reads back where they went. A Wayland compositor places every window itself and
// tells the program no position at all: there a position is neither applied nor stored.
enum class WindowPlacing { ByProgram, ByCompositor };

// The placing of the platform plugin named `platformName`, as QGuiApplication::platformName()
// tells it ("xcb", "wayland", "wayland-egl", "offscreen" ...).
WindowPlacing PlacingOf(QStringView platformName);

// The placing of the running application's platform.
WindowPlacing CurrentPlacing();

} // namespace pentavo
