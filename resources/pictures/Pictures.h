#pragma once

#include <QIcon>
#include <QString>

namespace pentavo {

// The resource path of one of the program's pictures by file name, e.g. "about.png"; the sharper
// "@2x" version beside it is found on high-density screens.
QString PicturePath(const QString& fileName);

// The picture at `path` (a PNG) as an icon, with its "@2x" version when a screen is dense enough.
QIcon PictureIcon(const QString& path);

// Adds the picture at `path` to `icon` as QIcon::addFile does, without the cost at start-up that
// QIcon::addFile has: it asks every image plugin about the file first, which loads them all.
void AddPicture(QIcon& icon, const QString& path);

// The program's icon, in every size that was drawn.
QIcon ProgramIcon();

} // namespace pentavo
