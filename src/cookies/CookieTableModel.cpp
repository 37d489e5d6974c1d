#include "CookieTableModel.h"

#include <algorithm>
#include <numeric>

#include "CookieSites.h"
#include "platform/Localized.h"

void CookieTableModel::setCookies(CookieList cookies) {
    beginResetModel();
    m_cookies = std::move(cookies);
    m_sortColumn = -1;
    refresh();
    endResetModel();
}

void CookieTableModel::setKeepList(const QStringList& keepList) {
    beginResetModel();
    m_keepList = keepList;
    refresh();
    endResetModel();
}

void CookieTableModel::setFilter(Filter filter) {
    if (filter == m_filter) return;
    beginResetModel();
    m_filter = filter;
    refresh();
    endResetModel();
}

// The kept flags, the rows the filter lets through, and the order the last sort gave them.
void CookieTableModel::refresh() {
    m_kept.fill(false, m_cookies.size());
    if (!m_keepList.isEmpty())
        for (qsizetype i = 0; i < m_cookies.size(); ++i)
            m_kept[i] = CookieSites::isKept(m_cookies[i].fileHost, m_keepList);
    rebuildOrder();
    if (m_sortColumn >= 0) sortOrder(m_sortColumn, m_sortOrder);
}

void CookieTableModel::rebuildOrder() {
    m_order.clear();
    m_order.reserve(m_cookies.size());
    for (int i = 0; i < m_cookies.size(); ++i)
        if (m_filter == Filter::All || m_kept[i] == (m_filter == Filter::Kept)) m_order << i;
}

int CookieTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_order.size());
}

int CookieTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CookieTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_order.size()) return {};
    const PRCookFileNode& c = cookieAt(index.row());
    if (role == Qt::ToolTipRole && index.column() == Value && c.undecryptable)
        return localized("Encrypted with a key Corvane could not use; shown as its bytes.");
    if (role == Qt::ToolTipRole && index.column() == Value && !c.valueBytes.isEmpty())
        return localized("Not text: bytes that are not UTF-8 are shown as \\xNN, a backslash as \\\\.");
    if (role == Qt::ToolTipRole && index.column() == Partition && c.isPartitioned())
        return localized("Sent only when the page's top-level site is %1.").arg(c.partition);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == Expires) return c.expiredDate.isNull() ? localized("Session") : c.expiredDate;
    if (index.column() == Kept) return m_kept[m_order[index.row()]] ? localized("Kept") : QString();
    return textOf(c, index.column());
}

const QString& CookieTableModel::textOf(const PRCookFileNode& c, int column) {
    switch (column) {
        case Name:
            return c.fileName;
        case Path:
            return c.filePath;
        case Value:
            return c.fileValue;
        case Secure:
            return c.secureValue;
        case SameSite:
            return c.sameSite;
        case Partition:
            return c.partition;
        default:
            return c.fileHost;
    }
}

QVariant CookieTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Website:
            return localized("Website");
        case Name:
            return localized("Name");
        case Path:
            return localized("Path");
        case Value:
            return localized("Value");
        case Secure:
            return localized("Secure");
        case Expires:
            return localized("Expires");
        case SameSite:
            return localized("SameSite");
        case Partition:
            return localized("Partition");
        case Kept:
            return localized("Kept");
    }
    return {};
}

void CookieTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount) return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> oldRecords;
    for (const QModelIndex& i : before) oldRecords << m_order[i.row()];
    sortOrder(column, order);
    if (!before.isEmpty()) {
        QList<int> rowOf(m_cookies.size(), -1);
        for (int row = 0; row < m_order.size(); ++row) rowOf[m_order[row]] = row;
        QModelIndexList after;
        for (int k = 0; k < before.size(); ++k) after << index(rowOf[oldRecords[k]], before[k].column());
        changePersistentIndexList(before, after);
    }
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CookieTableModel::sortOrder(int column, Qt::SortOrder order) {
    m_sortColumn = column;
    m_sortOrder = order;
    const CookieList& all = m_cookies;
    // Texts are compared without regard to case through keys folded once, not on every comparison.
    QList<QString> keys;
    if (column != Expires && column != Kept) {
        keys.reserve(all.size());
        for (const PRCookFileNode& c : all) {
            const QString& t = textOf(c, column);
            bool lower = true;
            for (QChar ch : t) lower = lower && !ch.isUpper();
            keys.append(lower ? t : t.toCaseFolded());
        }
    }
    auto less = [&](int a, int b) {
        // Session cookies (no expiry) sort before every date.
        if (column == Expires) return all[a].expiryUnix.value_or(-1) < all[b].expiryUnix.value_or(-1);
        if (column == Kept) return m_kept[a] < m_kept[b];
        return keys[a] < keys[b];
    };
    if (order == Qt::AscendingOrder)
        std::stable_sort(m_order.begin(), m_order.end(), less);
    else
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) { return less(b, a); });
}
