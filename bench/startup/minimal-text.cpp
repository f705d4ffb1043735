// For scale beside the yardstick: the least a Qt Widgets program does to show a main window with
// one line of text in it, which is when the font configuration is first read.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Pentavo")));
    window.show();
    return QApplication::exec();
}
