#include "TrashTreeModel.h"

#include <QFileIconProvider>

#include "platform/Localized.h"

void TrashTreeModel::setContent(QList<CVTrashFileNode::Ptr> content) {
    beginResetModel();
    m_content = std::move(content);
    endResetModel();
}

CVTrashFileNode* TrashTreeModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<CVTrashFileNode*>(index.internalPointer()) : nullptr;
}

const QList<CVTrashFileNode::Ptr>& TrashTreeModel::childrenOf(const CVTrashFileNode* node) const {
    return node ? node->children() : m_content;
}

int TrashTreeModel::rowOf(const CVTrashFileNode* node) const {
    const QList<CVTrashFileNode::Ptr>& siblings = childrenOf(node->parent);
    for (int i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == node) return i;
    return -1;
}

QModelIndex TrashTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const QList<CVTrashFileNode::Ptr>& list = childrenOf(nodeAt(parent));
    if (row < 0 || row >= list.size() || column < 0 || column >= ColumnCount) return {};
    return createIndex(row, column, list[row].get());
}

QModelIndex TrashTreeModel::parent(const QModelIndex& child) const {
    const CVTrashFileNode* node = nodeAt(child);
    if (!node || !node->parent) return {};
    const int row = rowOf(node->parent);
    return row < 0 ? QModelIndex() : createIndex(row, 0, node->parent);
}

int TrashTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    return childrenOf(nodeAt(parent)).size();
}

int TrashTreeModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant TrashTreeModel::data(const QModelIndex& index, int role) const {
    const CVTrashFileNode* node = nodeAt(index);
    if (!node) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
            case Name:
                return node->theFileName;
            case Size:
                return node->theFileSize;
            case Permission:
                return node->theFilePermission;
            case OrigPath:
                return node->theOrignalpath.isEmpty() ? QStringLiteral("--") : node->theOrignalpath;
        }
    }
    if (role == Qt::DecorationRole && index.column() == Name) {
        static QFileIconProvider provider;
        return provider.icon(node->isLeaf ? QFileIconProvider::File : QFileIconProvider::Folder);
    }
    return {};
}

QVariant TrashTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("Corvane", "Name"), QT_TRANSLATE_NOOP("Corvane", "Size"),
        QT_TRANSLATE_NOOP("Corvane", "Permissions"), QT_TRANSLATE_NOOP("Corvane", "Original Location")};
    return section >= 0 && section < ColumnCount ? localized(titles[section]) : QVariant();
}
