#include "Images.h"

#include <QPixmapCache>

QPixmap Images::named(const QString& fileName) {
    QPixmap pixmap;
    const QString key = QStringLiteral("corvane:") + fileName;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap.load(QStringLiteral(":/images/") + fileName);
        if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}
