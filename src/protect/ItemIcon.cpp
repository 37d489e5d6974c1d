#include "ItemIcon.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

QSize ItemIcon::scaledIntoBox(const QSize& size, int box) {
    if (size.width() <= 0 || size.height() <= 0) return QSize(box, box);
    if (size.width() > size.height()) return QSize(box, std::max(1, size.height() * box / size.width()));
    return QSize(std::max(1, size.width() * box / size.height()), box);
}

QPixmap ItemIcon::iconFor(const QString& path, int box) {
    const QFileInfo info(path);
    QPixmap picture;
    // Huge files are not decoded just for an icon.
    if (info.isFile() && !info.isSymLink() && info.size() < 64 * 1024 * 1024) {
        QImageReader reader(path);
        if (reader.canRead()) {
            reader.setScaledSize(scaledIntoBox(reader.size(), box) * 2);
            picture = QPixmap::fromImage(reader.read());
        }
    }
    if (picture.isNull()) {
        static QFileIconProvider provider;
        picture = provider.icon(info).pixmap(box * 2, box * 2);
        if (!picture.isNull())
            picture = picture.scaled(scaledIntoBox(picture.size(), box) * 2, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(2.0);
    return picture;
}
