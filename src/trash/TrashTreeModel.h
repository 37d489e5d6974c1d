#pragma once

#include "CVTrashFileNode.h"

#include <QAbstractItemModel>

/// The trash tree for the outline view: name, size, rights and put-back place of every node.
class TrashTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { Name, Size, Permission, OrigPath, ColumnCount };
    using QAbstractItemModel::QAbstractItemModel;

    void setContent(QList<CVTrashFileNode::Ptr> content);
    const QList<CVTrashFileNode::Ptr>& content() const { return m_content; }
    CVTrashFileNode* nodeAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QList<CVTrashFileNode::Ptr>& childrenOf(const CVTrashFileNode* node) const;
    int rowOf(const CVTrashFileNode* node) const;
    QList<CVTrashFileNode::Ptr> m_content;
};
