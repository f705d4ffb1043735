#include "resources/pictures/Pictures.h"

namespace pentavo {

QString PicturePath(const QString& fileName) {
    return QStringLiteral(":/pictures/") + fileName;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(PicturePath(QStringLiteral("icon%1.png").arg(size)), QSize(size, size));
    return icon;
}

} // namespace pentavo
