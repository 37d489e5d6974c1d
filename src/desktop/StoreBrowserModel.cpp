#include "StoreBrowserModel.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QPixmap>

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
    connect(m_loader, &ThumbnailLoader::iconReady, this, &StoreBrowserModel::thumbnailReady);
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
            const QImage thumbnail = m_loader->iconFor(item->fileNode);
            if (!thumbnail.isNull()) return QPixmap::fromImage(thumbnail);
            return typeIcon(item->fileNode.get());
        }
        case NodeRole:
            return QVariant::fromValue(static_cast<void*>(item->fileNode.get()));
        default:
            return {};
    }
}

void StoreBrowserModel::thumbnailReady(const QString& key) {
    for (int row = 0; row < m_items.size(); ++row)
        if (m_items[row].fileNode && ThumbnailLoader::keyOf(*m_items[row].fileNode) == key)
            Q_EMIT dataChanged(index(row), index(row), {Qt::DecorationRole});
}
