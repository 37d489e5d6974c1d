#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include "PRCookFileNode.h"

/// The cookie table's rows. Sorting reorders a list of row numbers by the records' own fields
/// (the expiry by its time, not its text), so 100,000 rows sort without a proxy model; the
/// keep-list filter picks the row numbers shown the same way. The records are the manager's list,
/// shared, never copied.
class CookieTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Website, Name, Path, Value, Secure, Expires, SameSite, Partition, Kept, ColumnCount };
    enum class Filter { All, Kept, NotKept };

    using QAbstractTableModel::QAbstractTableModel;

    /// Shows `cookies` in reading order.
    void setCookies(CookieList cookies);
    const CookieList& cookies() const { return m_cookies; }
    /// The record shown in `row`, and its index in cookies().
    const PRCookFileNode& cookieAt(int row) const { return m_cookies[m_order[row]]; }
    int recordAt(int row) const { return m_order[row]; }

    /// The kept sites: their cookies say so in the Kept column and pass the Kept filter.
    void setKeepList(const QStringList& keepList);
    bool isKept(int record) const { return m_kept.value(record); }
    void setFilter(Filter filter);
    Filter filter() const { return m_filter; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  private:
    /// The text a column shows and sorts by (the website for Expires and Kept, which sort otherwise).
    static const QString& textOf(const PRCookFileNode& c, int column);
    void refresh();
    void rebuildOrder();
    void sortOrder(int column, Qt::SortOrder order);

    CookieList m_cookies;
    QStringList m_keepList;
    QList<bool> m_kept;  ///< per record
    QList<int> m_order;  ///< the record of each shown row
    Filter m_filter = Filter::All;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
