#include "StoreBrowserModel.h"

#include <QFileIconProvider>
#include <QFileInfo>

#include "FileKinds.h"
#include "ThumbnailLoader.h"

namespace {

QIcon typeIcon(const NQFileNode* node) {
    static QFileIconProvider provider;
    if (!node) return provider.icon(QFileIconProvider::File);
    if (node->fileKindType == QLatin1String(FileKinds::Folder))
        return provider.icon(QFileIconProvider::Folder);
    return provider.icon(QFileInfo(node->fullFilePath));
}

}  // namespace

StoreBrowserModel::StoreBrowserModel(QObject* parent)
    : QAbstractListModel(parent), m_loader(new ThumbnailLoader(this)) {
    connect(m_loader, &ThumbnailLoader::ready, this, &StoreBrowserModel::thumbnailReady);
}

QSize StoreBrowserModel::thumbnailSize(const QSize& full) {
    if (full.isEmpty()) return {};
    if (full.width() > full.height()) return {64, qMax(1, full.height() * 64 / full.width())};
    return {qMax(1, full.width() * 54 / full.height()), 54};
}

void StoreBrowserModel::setItems(const QList<IKImageItem>& items) {
    beginResetModel();
    m_items = items;
    m_loader->clearQueue();
    endResetModel();
}

const IKImageItem* StoreBrowserModel::itemAt(int row) const {
    return row >= 0 && row < m_items.size() ? &m_items[row] : nullptr;
}

int StoreBrowserModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_items.size());
}

Qt::ItemFlags StoreBrowserModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant StoreBrowserModel::data(const QModelIndex& index, int role) const {
    const IKImageItem* item = itemAt(index.row());
    if (!item) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return item->fileName;
        case Qt::DecorationRole: {
            const auto known = m_thumbnails.constFind(item->filePath);
            if (known != m_thumbnails.constEnd() && !known->isNull()) return *known;
            const bool picture =
                item->fileNode && item->fileNode->fileKindType == QLatin1String(FileKinds::Pictures);
            if (known == m_thumbnails.constEnd() && picture) m_loader->request(item->filePath, ThumbnailBox);
            return typeIcon(item->fileNode.get());
        }
        case NodeRole:
            return QVariant::fromValue(static_cast<void*>(item->fileNode.get()));
        default:
            return {};
    }
}

void StoreBrowserModel::thumbnailReady(const QString& path, const QImage& image) {
    QPixmap thumb;
    if (!image.isNull())
        thumb = QPixmap::fromImage(
            image.scaled(thumbnailSize(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_thumbnails.insert(path, thumb);
    for (int row = 0; row < m_items.size(); ++row)
        if (m_items[row].filePath == path) Q_EMIT dataChanged(index(row), index(row), {Qt::DecorationRole});
}
