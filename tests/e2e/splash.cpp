// Shows the real start-up window on the current X screen and keeps it there, so that a picture of
// it can be taken: in the program it lives only as long as the main window takes to load.
//
//   pentavo-e2e-splash [SECONDS]
//
// Prints the window's X id once it is on the screen, then handles no events for SECONDS (default
// 30), as the program does while it builds the main window, and exits: what the screen shows
// meanwhile is what the splash painted before that work began.

#include "app/frmSplash.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pentavo::AppTitle));
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;

    pentavo::frmSplash splash;
    splash.ShowPainted();
    (void)std::printf("%llu\n", static_cast<unsigned long long>(splash.winId()));
    (void)std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return 0;
}
