#include "CookieTableModel.h"

#include <algorithm>
#include <numeric>

#include "platform/Localized.h"

void CookieTableModel::setCookies(CookieList cookies) {
    beginResetModel();
    m_cookies = std::move(cookies);
    m_order.resize(m_cookies.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
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
    if (role != Qt::DisplayRole) return {};
    if (index.column() == Expires) return c.expiredDate.isNull() ? localized("Session") : c.expiredDate;
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
    }
    return {};
}

void CookieTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount) return;
    const CookieList& all = m_cookies;
    // Texts are compared without regard to case through keys folded once, not on every comparison.
    QList<QString> keys;
    if (column != Expires) {
        keys.reserve(all.size());
        for (const PRCookFileNode& c : all) {
            const QString& t = textOf(c, column);
            bool lower = true;
            for (QChar ch : t) lower = lower && !ch.isUpper();
            keys.append(lower ? t : t.toCaseFolded());
        }
    }
    auto less = [&](int a, int b) {
        if (column == Expires) {
            // Session cookies (no expiry) sort before every date.
            return all[a].expiryUnix.value_or(-1) < all[b].expiryUnix.value_or(-1);
        }
        return keys[a] < keys[b];
    };
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> oldRecords;
    for (const QModelIndex& i : before) oldRecords << m_order[i.row()];
    if (order == Qt::AscendingOrder)
        std::stable_sort(m_order.begin(), m_order.end(), less);
    else
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) { return less(b, a); });
    if (!before.isEmpty()) {
        QList<int> rowOf(m_order.size());
        for (int row = 0; row < m_order.size(); ++row) rowOf[m_order[row]] = row;
        QModelIndexList after;
        for (int k = 0; k < before.size(); ++k) after << index(rowOf[oldRecords[k]], before[k].column());
        changePersistentIndexList(before, after);
    }
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
