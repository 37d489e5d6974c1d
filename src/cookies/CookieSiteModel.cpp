#include "CookieSiteModel.h"

#include "CookieText.h"
#include "platform/Localized.h"

void CookieSiteModel::setCookies(CookieList cookies, const QStringList& keepList) {
    beginResetModel();
    m_cookies = std::move(cookies);
    m_sites = CookieSites::group(m_cookies, keepList);
    endResetModel();
}

QList<int> CookieSiteModel::recordsOf(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    if (index.internalId() == kSiteRow) return m_sites.value(index.row()).rows;
    const auto& rows = m_sites.value(int(index.internalId())).rows;
    return index.row() < rows.size() ? QList<int>{rows[index.row()]} : QList<int>{};
}

QModelIndex CookieSiteModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount) return {};
    if (!parent.isValid()) return row < m_sites.size() ? createIndex(row, column, kSiteRow) : QModelIndex();
    if (parent.internalId() != kSiteRow || row >= m_sites.value(parent.row()).rows.size()) return {};
    return createIndex(row, column, quintptr(parent.row()));  // a cookie: its site's row as its id
}

QModelIndex CookieSiteModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kSiteRow) return {};
    return createIndex(int(child.internalId()), 0, kSiteRow);
}

int CookieSiteModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return int(m_sites.size());
    if (parent.internalId() != kSiteRow || parent.column() != 0) return 0;
    return int(m_sites.value(parent.row()).rows.size());
}

int CookieSiteModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant CookieSiteModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    if (index.internalId() == kSiteRow) {
        const CookieSites::Site& site = m_sites[index.row()];
        switch (index.column()) {
            case SiteOrCookie:
                return site.name.isEmpty() ? localized("(no host)") : site.name;
            case Count:
                return QString::number(site.rows.size());
            case LatestExpiry:
                return site.latestExpiry
                           ? CookieText::GetNSStringDate(CookieText::GetDateTime(*site.latestExpiry))
                           : localized("Session");
            case Kept:
                return site.kept ? localized("Kept") : QString();
        }
        return {};
    }
    const PRCookFileNode& c = m_cookies[m_sites[int(index.internalId())].rows[index.row()]];
    switch (index.column()) {
        case SiteOrCookie:
            return localized("%1 on %2").arg(c.fileName, c.fileHost);
        case LatestExpiry:
            return c.expiredDate.isNull() ? localized("Session") : c.expiredDate;
    }
    return {};
}

QVariant CookieSiteModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case SiteOrCookie:
            return localized("Site");
        case Count:
            return localized("Cookies");
        case LatestExpiry:
            return localized("Latest expiry");
        case Kept:
            return localized("Kept");
    }
    return {};
}
