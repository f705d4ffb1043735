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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pentavo::AppTitle));
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;

    pentavo::frmSplash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    (void)std::printf("%llu\n", static_cast<unsigned long long>(splash.winId()));
    (void)std::fflush(stdout);

    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
