#include "ThumbnailLoader.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

#include "core/fs/RegularFile.h"

namespace {

QString cacheHome() {
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    return xdg.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) : xdg;
}

}  // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent) : QObject(parent) {
    // Decoding is disk and CPU bound; two at a time keep the window responsive.
    m_pool.setMaxThreadCount(2);
}

ThumbnailLoader::~ThumbnailLoader() {
    m_pool.clear();
    m_pool.waitForDone();
}

void ThumbnailLoader::request(const QString& path, const QSize& size) {
    if (m_pending.contains(path)) return;
    m_pending.insert(path);
    QPointer<ThumbnailLoader> self(this);
    m_pool.start([self, path, size] {
        QImage image = cached(path, size);
        if (image.isNull()) image = decode(path, size);
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, image] {
                if (!self) return;
                self->m_pending.remove(path);
                Q_EMIT self->ready(path, image);
            },
            Qt::QueuedConnection);
    });
}

void ThumbnailLoader::clearQueue() {
    m_pool.clear();
    m_pending.clear();
}

QImage ThumbnailLoader::cached(const QString& path, const QSize& size) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
                         QStringLiteral(".png");
    const QString folder =
        size.width() > 128 || size.height() > 128 ? QStringLiteral("large") : QStringLiteral("normal");
    QFile entry;
    if (!RegularFile::open(cacheHome() + QStringLiteral("/thumbnails/") + folder + QLatin1Char('/') + name,
                           entry))
        return {};
    QImageReader reader(&entry);
    QImage image = reader.read();
    // An entry made for an older version of the file is stale.
    if (image.isNull() ||
        image.text(QStringLiteral("Thumb::MTime")).toLongLong() != info.lastModified().toSecsSinceEpoch())
        return {};
    return image.size().boundedTo(size) == image.size()
               ? image
               : image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage ThumbnailLoader::decode(const QString& path, const QSize& size) {
    QFile file;
    if (!RegularFile::open(path, file)) return {};
    QImageReader reader(&file, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty()) return {};
    // Refuse absurd dimensions before any pixel is read.
    if (qint64(full.width()) * full.height() > 400'000'000) return {};
    reader.setScaledSize(full.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}
