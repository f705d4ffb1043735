#pragma once

#include <QIcon>
#include <QString>

namespace pentavo {

// The resource path of one of the program's pictures by file name, e.g. "about.png"; the sharper
// "@2x" version beside it is found by QIcon on high-density screens.
QString PicturePath(const QString& fileName);

// The program's icon, in every size that was drawn.
QIcon ProgramIcon();

} // namespace pentavo
