#include "app/Main.h"
#include "app/Module1.h"
#include "core/Version.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(pentavo::AppTitle);
    pentavo::Main();
    const int result = QApplication::exec();
    delete pentavo::MainForm;
    pentavo::MainForm = nullptr;
    return result;
}
