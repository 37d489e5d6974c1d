#include "ThumbnailLoader.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

#include "core/fs/RegularFile.h"
#include "platform/MainThread.h"
#include "platform/ThreadHandOver.h"

namespace {

// Marks the pool's hand-over; an address of its own, since reading anything the task holds would
// come before the mark.
const char poolHandOver = 0;

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
    QRunnable* task = QRunnable::create([self, path, size] {
        ThreadHandOver::received(&poolHandOver);
        QImage image = cached(path, size);
        if (image.isNull()) image = decode(path, size);
        MainThread::post([self, path, image] {
            if (!self) return;
            self->m_pending.remove(path);
            Q_EMIT self->ready(path, image);
        });
    });
    // The pool's queue is ordered by Qt; the mark shows that order to the thread sanitizer.
    ThreadHandOver::sent(&poolHandOver);
    m_pool.start(task);
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
    RegularFile::Stream entry(cacheHome() + QStringLiteral("/thumbnails/") + folder + QLatin1Char('/') +
                              name);
    if (!entry.isOpen()) return {};
    QImageReader reader(entry.device());
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
    RegularFile::Stream file(path);
    if (!file.isOpen()) return {};
    QImageReader reader(file.device(), QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty()) return {};
    // Refuse absurd dimensions before any pixel is read.
    if (qint64(full.width()) * full.height() > 400'000'000) return {};
    reader.setScaledSize(full.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}
