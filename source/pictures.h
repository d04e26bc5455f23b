#ifndef VORNAC_PICTURES_H
#define VORNAC_PICTURES_H

#include <QPixmap>
#include <QString>

// The embedded picture at `path` for a screen of `devicePixelRatio`. Above ratio 1 it is the
// picture drawn at twice the resolution (`name@2x.ext` beside the file) when there is one, with
// ratio 2 set on the pixmap so that it keeps the size of the 1x picture in layout units. QPixmap
// does not look for that file by itself, unlike QIcon.
QPixmap LoadPicture(const QString &path, qreal devicePixelRatio);

#endif
