#include "resources/pictures/Pictures.h"

namespace pentavo {

QString PicturePath(const QString& fileName) {
    return QStringLiteral(":/pictures/") + fileName;
}

QIcon ProgramIcon() {
    QIcon icon(PicturePath(QStringLiteral("icon16.png")));
    icon.addFile(PicturePath(QStringLiteral("icon32.png")));
    return icon;
}

} // namespace pentavo
