#include "ThumbnailLoader.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

#include "FileKinds.h"
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

QSize ThumbnailLoader::thumbnailSize(const QSize& full) {
    if (full.isEmpty()) return {};
    if (full.width() > full.height()) return {64, qMax(1, full.height() * 64 / full.width())};
    return {qMax(1, full.width() * 54 / full.height()), 54};
}

QString ThumbnailLoader::keyOf(const NQFileNode& node) {
    return node.fullFilePath + QLatin1Char('\n') +
           QString::number(node.thefileModifyDate.toMSecsSinceEpoch()) + QLatin1Char('\n') +
           QString::number(node.filesizenumber);
}

QImage ThumbnailLoader::iconFor(const NQFileNode::Ptr& node) {
    if (!node) return {};
    const QImage made = node->fileIcon.value<QImage>();
    if (!made.isNull() || node->fileKindType != QLatin1String(FileKinds::Pictures)) return made;
    const QString key = keyOf(*node);
    if (m_failed.contains(key)) return {};
    auto waiting = m_waiting.find(key);
    if (waiting != m_waiting.end()) {
        // Asked already, maybe for another record of the same file: this one waits too.
        for (const std::weak_ptr<NQFileNode>& w : std::as_const(*waiting))
            if (w.lock() == node) return {};
        waiting->append(node);
        return {};
    }
    m_waiting.insert(key, {node});
    QPointer<ThumbnailLoader> self(this);
    QRunnable* task = QRunnable::create([self, key, path = node->fullFilePath] {
        ThreadHandOver::received(&poolHandOver);
        QImage image = cached(path, &ThumbnailLoader::thumbnailSize);
        if (image.isNull()) image = decode(path, &ThumbnailLoader::thumbnailSize);
        MainThread::post([self, key, image] {
            if (self) self->finished(key, image);
        });
    });
    // The pool's queue is ordered by Qt; the mark shows that order to the thread sanitizer.
    ThreadHandOver::sent(&poolHandOver);
    m_pool.start(task);
    return {};
}

void ThumbnailLoader::finished(const QString& key, const QImage& image) {
    const QList<std::weak_ptr<NQFileNode>> waiting = m_waiting.take(key);
    if (image.isNull()) {
        m_failed.insert(key);
    } else {
        for (const std::weak_ptr<NQFileNode>& w : waiting)
            if (const NQFileNode::Ptr node = w.lock()) node->fileIcon = image;
    }
    Q_EMIT iconReady(key);
}

void ThumbnailLoader::clearQueue() {
    // What never started is asked again when it is drawn next.
    m_pool.clear();
    m_waiting.clear();
}

QImage ThumbnailLoader::cached(const QString& path, const QSize& size) {
    return cached(path, [size](const QSize& full) { return full.scaled(size, Qt::KeepAspectRatio); });
}

QImage ThumbnailLoader::cached(const QString& path, const std::function<QSize(const QSize&)>& sizeFor) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
                         QStringLiteral(".png");
    // The entry of the shared cache: "normal" (128) for a cell, "large" (256) for a preview.
    const QSize big = sizeFor(QSize(4096, 4096));
    const bool large = big.width() > 128 || big.height() > 128;
    for (const char* folder : {large ? "large" : "normal", large ? "normal" : "large"}) {
        RegularFile::Stream entry(cacheHome() + QStringLiteral("/thumbnails/") + QLatin1String(folder) +
                                  QLatin1Char('/') + name);
        if (!entry.isOpen()) continue;
        QImageReader reader(entry.device());
        QImage image = reader.read();
        // An entry made for an older version of the file is stale.
        if (image.isNull() ||
            image.text(QStringLiteral("Thumb::MTime")).toLongLong() != info.lastModified().toSecsSinceEpoch())
            continue;
        // The picture's own size, where the entry says it, keeps the proportions exact.
        const QSize full(image.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                         image.text(QStringLiteral("Thumb::Image::Height")).toInt());
        const QSize wanted = sizeFor(full.isEmpty() ? image.size() : full).expandedTo(QSize(1, 1));
        // Never scaled up: a smaller entry is shown as it is.
        if (image.width() < wanted.width() && image.height() < wanted.height()) return image;
        return image.size() == wanted ? image
                                      : image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

QImage ThumbnailLoader::decode(const QString& path, const std::function<QSize(const QSize&)>& sizeFor) {
    RegularFile::Stream file(path);
    if (!file.isOpen()) return {};
    QImageReader reader(file.device(), QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty()) return {};
    // Refuse absurd dimensions before any pixel is read.
    if (qint64(full.width()) * full.height() > 400'000'000) return {};
    reader.setScaledSize(sizeFor(full).expandedTo(QSize(1, 1)));
    return reader.read();
}
