#include "app/Main.h"
#include "app/Module1.h"
#include "app/StartupWarmup.h"
#include "core/Version.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    pentavo::StartupWarmup warmup;
    QApplication app(argc, argv);
    warmup.ApplicationReady();
    QApplication::setApplicationName(pentavo::AppTitle);
    pentavo::Main();
    const int result = QApplication::exec();
    delete pentavo::MainForm;
    pentavo::MainForm = nullptr;
    return result;
}
