#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QHash>
#include <QIcon>
#include <QPixmap>

#include "CVTrashFileNode.h"

/// The trash table's rows: one record per row, six columns named "Name", "Size", "Permisson",
/// "Path", "Date" and "Deleted" (the identifiers stored views and tests use). The rows are the
/// records that pass the filter, in the chosen order: a row number means the same here and in the
/// view, so the actions' clicked row and selection never need mapping and can't reach a hidden record.
class TrashTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, Size, Permisson, Path, Date, Deleted, ColumnCount };
    static QString columnIdentifier(int column);

    using QAbstractTableModel::QAbstractTableModel;

    /// Every record of the list shown (filtered out or not).
    void setItems(const QList<CVTrashFileNode::Ptr>& items);
    const QList<CVTrashFileNode::Ptr>& items() const { return m_items; }
    /// Adds records after those of the list: the ones that pass the filter become new rows at the
    /// end, in the order given, even when the rows are sorted (sortAppended() puts them in place).
    void appendItems(const QList<CVTrashFileNode::Ptr>& batch);
    /// Puts the rows in the chosen order after appendItems(); the selection follows its records.
    void sortAppended();
    /// Takes `items` as the list when it holds the same records as the list now (to share its
    /// storage); nothing changes otherwise. No row changes either way.
    void shareItems(const QList<CVTrashFileNode::Ptr>& items);
    /// The record shown at `row`; null outside the rows shown.
    CVTrashFileNode::Ptr itemAt(int row) const;
    /// The row showing `item`; -1 when it is not shown.
    int rowOf(const CVTrashFileNode::Ptr& item) const { return int(m_shown.indexOf(item)); }

    /// Shows only the records whose name or original place contains `text`, case aside; an empty
    /// text shows all. The rows are reset, so no selection survives onto a hidden record.
    void setFilterText(const QString& text);
    const QString& filterText() const { return m_filter; }
    /// Whether `item` passes the filter `text`.
    static bool matches(const CVTrashFileNode& item, const QString& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    /// Orders the rows by a column's value (sizes by bytes, dates by time, unknown dates first
    /// ascending), keeping the order of equal ones; the order holds for later lists and filters.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    /// Whether `a` comes before `b` in ascending order of `column`.
    static bool lessThan(const CVTrashFileNode& a, const CVTrashFileNode& b, int column);

    /// "yyyy-MM-dd HH:mm:ss" from the date's standard description "yyyy-MM-dd HH:mm:ss +0000";
    /// a description that does not split into three parts at single spaces is shown whole.
    static QString dateText(const QDateTime& date);
    static QString dateText(const QString& description);
    /// The deletion date in the locale's short date and time form; "--" when it is not known.
    static QString deletedText(const QDateTime& date);
    /// The item's icon: its own picture for an image file, else the file type's icon; scaled into
    /// an 18 x 18 box keeping its proportions.
    static QIcon iconFor(const QString& path);
    /// The size that fits (w, h) into an 18 x 18 box keeping its proportions.
    static QSize scaledIntoBox(const QSize& size);

  private:
    void arrange();
    /// The icon of the item at `path`, from the cache when it was shown lately.
    QIcon iconOf(const QString& path) const;
    /// The picture iconFor() shows.
    static QPixmap pictureFor(const QString& path);

    QList<CVTrashFileNode::Ptr> m_items;
    QList<CVTrashFileNode::Ptr> m_shown;  ///< the rows: m_items filtered, in the chosen order
    QString m_filter;
    int m_sortColumn = -1;  ///< -1: the order of the list
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    /// Icons of the rows painted lately: scrolling through a long list keeps only so many.
    mutable QCache<QString, QIcon> m_icons{4096};
    /// One icon per picture (by its cache key): the rows' icons share the few pictures they show.
    mutable QHash<qint64, QIcon> m_iconsByPicture;
};
