#include "resources/pictures/Pictures.h"

#include "resources/pictures/IconSizes.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QList>
#include <QPixmap>

namespace pentavo {

namespace {

// Every picture is a PNG, which Qt reads itself; naming the format keeps the plugins unloaded.
QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QString PicturePath(const QString& fileName) {
    return QStringLiteral(":/pictures/") + fileName;
}

void AddPicture(QIcon& icon, const QString& path) {
    QList<QImage> images{ReadPng(path)};
    const QString dense = qt_findAtNxFile(path, qApp->devicePixelRatio());
    if (dense != path)
        images.append(ReadPng(dense));
    // A picture that is no PNG after all is left to Qt's reading of any format.
    for (const QImage& image : images) {
        if (image.isNull()) {
            icon.addFile(path);
            return;
        }
    }
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
}

QIcon PictureIcon(const QString& path) {
    QIcon icon;
    AddPicture(icon, path);
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : IconSizes)
        AddPicture(icon, PicturePath(QStringLiteral("icon%1.png").arg(size)));
    return icon;
}

} // namespace pentavo
