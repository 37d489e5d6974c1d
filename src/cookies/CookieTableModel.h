#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "PRCookFileNode.h"

/// The cookie table's rows. Sorting reorders a list of row numbers by the records' own fields
/// (the expiry by its time, not its text), so 100,000 rows sort without a proxy model.
class CookieTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Website, Name, Path, Value, Secure, Expires, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// Shows `cookies` in reading order.
    void setCookies(CookieList cookies);
    const CookieList& cookies() const { return m_cookies; }
    /// The record shown in `row`.
    const PRCookFileNode& cookieAt(int row) const { return m_cookies[m_order[row]]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  private:
    /// The text a column shows and sorts by (the website for Expires, which sorts by its date).
    static const QString& textOf(const PRCookFileNode& c, int column);
    CookieList m_cookies;
    QList<int> m_order;  ///< the record of each shown row
};
