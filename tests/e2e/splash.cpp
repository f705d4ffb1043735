// Shows the real start-up window on the current X screen and keeps it there, so that a picture of
// it can be taken: in the program it lives only as long as the main window takes to load.
//
//   pentavo-e2e-splash [SECONDS]
//
// Prints the window's X id once it is on the screen, then waits SECONDS (default 30) and exits.

#include "app/frmSplash.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pentavo::AppTitle));
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;

    pentavo::frmSplash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    std::printf("%llu\n", static_cast<unsigned long long>(splash.winId()));
    std::fflush(stdout);

    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
