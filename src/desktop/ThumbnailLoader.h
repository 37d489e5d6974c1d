#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QThreadPool>

/// Thumbnails made off the main thread. A valid entry of the shared thumbnail cache
/// ($XDG_CACHE_HOME/thumbnails) is used where there is one; otherwise the picture is decoded
/// straight at the size asked for, so a large photo is never decoded whole for a small cell. A
/// file that is not a picture, or is broken, gives a null image.
class ThumbnailLoader : public QObject {
    Q_OBJECT
  public:
    explicit ThumbnailLoader(QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    /// Asks for the thumbnail of `path` fitting `size`; ready() follows once per request, on this
    /// object's thread. A request for a path already asked for is ignored until it is answered.
    void request(const QString& path, const QSize& size);
    /// Drops what is queued (a new folder is shown); running decodes still answer.
    void clearQueue();

    /// The thumbnail the shared cache holds for `path`, valid only for the file's current mtime.
    static QImage cached(const QString& path, const QSize& size);
    /// Decodes `path` scaled to fit `size`, keeping its proportions; null when it is no picture.
    static QImage decode(const QString& path, const QSize& size);

  Q_SIGNALS:
    void ready(const QString& path, const QImage& image);

  private:
    QThreadPool m_pool;
    QSet<QString> m_pending;
};
