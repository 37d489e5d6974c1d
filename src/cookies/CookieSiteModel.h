#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QStringList>

#include "CookieSites.h"
#include "PRCookFileNode.h"

/// The sites view: one row per site (registrable domain) with its count of cookies, their latest
/// expiry and whether it is kept; each site expands to its cookies. Rows refer to the records by
/// index, the records themselves are the manager's list, shared.
class CookieSiteModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    enum Column { SiteOrCookie, Count, LatestExpiry, Kept, ColumnCount };

    using QAbstractItemModel::QAbstractItemModel;

    void setCookies(CookieList cookies, const QStringList& keepList);
    void setKeepList(const QStringList& keepList) { setCookies(m_cookies, keepList); }
    const QList<CookieSites::Site>& sites() const { return m_sites; }
    /// The records an index stands for: a site's cookies, or one cookie.
    QList<int> recordsOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    static constexpr quintptr kSiteRow = ~quintptr(0);  ///< internal id of a site's row
    CookieList m_cookies;
    QList<CookieSites::Site> m_sites;
};
