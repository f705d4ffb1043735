#include "ui/HelpViewer.h"

#include <QFile>
#include <QFileInfo>

namespace pentavo {

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

std::optional<QString> HelpViewer::ShowContents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("Cannot open the help file \"%1\": %2.").arg(path, file.errorString());
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QString("Cannot read the help file \"%1\": %2.").arg(path, file.errorString());
    // Pictures and links in the file are found beside it.
    setSearchPaths({QFileInfo(path).absolutePath()});
    setHtml(QString::fromUtf8(contents));
    show();
    raise();
    activateWindow();
    return std::nullopt;
}

} // namespace pentavo
