#pragma once

#include "CVTrashFileNode.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

/// The trash table's rows: one record per row, five columns named "Name", "Size", "Permisson",
/// "Path" and "Date" (the identifiers stored views and tests use).
class TrashTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Size, Permisson, Path, Date, ColumnCount };
    static QString columnIdentifier(int column);

    using QAbstractTableModel::QAbstractTableModel;

    void setItems(const QList<CVTrashFileNode::Ptr>& items);
    const QList<CVTrashFileNode::Ptr>& items() const { return m_items; }
    CVTrashFileNode::Ptr itemAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// "yyyy-MM-dd HH:mm:ss" from the date's standard description "yyyy-MM-dd HH:mm:ss +0000";
    /// a description that does not split into three parts at single spaces is shown whole.
    static QString dateText(const QDateTime& date);
    static QString dateText(const QString& description);
    /// The item's icon: its own picture for an image file, else the file type's icon; scaled into
    /// an 18 x 18 box keeping its proportions.
    static QIcon iconFor(const QString& path);
    /// The size that fits (w, h) into an 18 x 18 box keeping its proportions.
    static QSize scaledIntoBox(const QSize& size);

private:
    QList<CVTrashFileNode::Ptr> m_items;
    mutable QHash<QString, QIcon> m_icons;
};
