#pragma once

#include <thread>

namespace pentavo {

// Start-up work that the first frames need but that does not need the display, done on a second
// thread while the first is busy elsewhere: the font configuration is read while the application
// object connects to the display, and the image plugins (which the style loads to draw the splash's
// frame) are loaded while the splash lays out its texts. Either is done again, as before, by
// whoever needs it first; nothing changes but the time.
class StartupWarmup {
public:
    // Starts reading the font configuration; call before the application object exists.
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // Once the application object exists: waits for the font configuration, so that its first
    // use does not read it a second time, and starts loading the image plugins.
    void ApplicationReady();

private:
    std::thread fonts_;
    std::thread images_;
};

} // namespace pentavo
