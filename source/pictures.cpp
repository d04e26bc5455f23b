#include "pictures.h"

QPixmap LoadPicture(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        const bool hasSuffix = dot > path.lastIndexOf(QLatin1Char('/'));
        QString sharpPath = path;
        sharpPath.insert(hasSuffix ? dot : path.size(), QLatin1String("@2x"));
        QPixmap sharp;
        if (sharp.load(sharpPath)) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}
