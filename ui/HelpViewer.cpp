#include "ui/HelpViewer.h"

#include <QFile>
#include <QFileInfo>

namespace pentavo {

namespace {

Outcome Failure(const char* action, const QString& path, const QFile& file) {
    return Outcome::Failed(QString("Cannot %1 the help file \"%2\": %3.")
                               .arg(action, path, file.errorString())
                               .toStdString());
}

} // namespace

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
    setObjectName("HelpViewer");
    setWindowFlag(Qt::Window);
    setWindowTitle("Pentavo Help");
    setOpenExternalLinks(true);
    resize(560, 480);
    // Beside the main window rather than over the board.
    if (owner != nullptr)
        move(owner->frameGeometry().topRight() + QPoint(8, 0));
}

Outcome HelpViewer::ShowContents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure("open", path, file);
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure("read", path, file);
    // Pictures and links in the file are found beside it.
    setSearchPaths({QFileInfo(path).absolutePath()});
    setHtml(QString::fromUtf8(contents));
    show();
    raise();
    activateWindow();
    return Outcome::Done();
}

} // namespace pentavo
