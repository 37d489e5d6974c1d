#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QThreadPool>
#include <functional>
#include <memory>

#include "NQFileNode.h"

/// Thumbnails of pictures, made off the main thread and kept on their records (`fileIcon`), so
/// every view of a record shows the same one. A valid entry of the shared thumbnail cache
/// ($XDG_CACHE_HOME/thumbnails) is used where there is one; otherwise the picture is decoded
/// straight at the thumbnail's size, so a large photo is never decoded whole for a small cell and
/// nothing is scaled twice. A thumbnail belongs to the file as the record saw it (path, modification
/// time and size): another picture under the same name, or a broken one mended, gets a new one.
/// Main thread only, but for the decoding.
class ThumbnailLoader : public QObject {
    Q_OBJECT
  public:
    explicit ThumbnailLoader(QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    /// The thumbnail of `node` when it is made. Otherwise null, and for a picture whose file, as the
    /// record saw it, was not tried yet, it is asked for: iconReady() follows once it is set on
    /// every record of that file that still waits for it.
    QImage iconFor(const NQFileNode::Ptr& node);
    /// Drops what is queued (a new folder is shown); running decodes still answer.
    void clearQueue();

    /// The size of the thumbnail of a picture of `full` size: 64 wide when wider than high, else
    /// 54 high, the other side in proportion.
    static QSize thumbnailSize(const QSize& full);
    /// What names a file as a record saw it.
    static QString keyOf(const NQFileNode& node);

    /// The thumbnail the shared cache holds for `path`, valid only for the file's current mtime,
    /// scaled to `sizeFor` the picture's own size.
    static QImage cached(const QString& path, const std::function<QSize(const QSize&)>& sizeFor);
    /// The same, fitting `size` and keeping the proportions.
    static QImage cached(const QString& path, const QSize& size);
    /// Decodes `path` at `sizeFor` its size; null when it is no picture.
    static QImage decode(const QString& path, const std::function<QSize(const QSize&)>& sizeFor);

  Q_SIGNALS:
    /// The thumbnail of the file named `key` (see keyOf()) was made, or failed (it is then not
    /// asked for again).
    void iconReady(const QString& key);

  private:
    void finished(const QString& key, const QImage& image);

    QThreadPool m_pool;
    QHash<QString, QList<std::weak_ptr<NQFileNode>>> m_waiting;  ///< by key
    QSet<QString> m_failed;
};
