#include "TrashTableModel.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <algorithm>

#include "platform/Localized.h"

QString TrashTableModel::columnIdentifier(int column) {
    static const char* const ids[ColumnCount] = {"Name", "Size", "Permisson", "Path", "Date", "Deleted"};
    return column >= 0 && column < ColumnCount ? QLatin1String(ids[column]) : QString();
}

void TrashTableModel::setItems(const QList<CVTrashFileNode::Ptr>& items) {
    beginResetModel();
    m_items = items;
    m_icons.clear();
    m_iconsByPicture.clear();
    arrange();
    endResetModel();
}

void TrashTableModel::appendItems(const QList<CVTrashFileNode::Ptr>& batch) {
    if (batch.isEmpty()) return;
    if (m_filter.isEmpty() && m_shown.isSharedWith(m_items)) {
        // Every record is a row: the rows stay the list itself rather than a copy of it. The list
        // is let go while it grows, so it grows in place instead of being copied.
        const int first = int(m_shown.size());
        beginInsertRows({}, first, first + int(batch.size()) - 1);
        m_shown = {};
        m_items.append(batch);
        m_shown = m_items;
        endInsertRows();
        return;
    }
    m_items.append(batch);
    QList<CVTrashFileNode::Ptr> shown;
    for (const CVTrashFileNode::Ptr& item : batch)
        if (matches(*item, m_filter)) shown << item;
    if (shown.isEmpty()) return;
    const int first = int(m_shown.size());
    beginInsertRows({}, first, first + int(shown.size()) - 1);
    m_shown.append(shown);
    endInsertRows();
}

void TrashTableModel::sortAppended() {
    if (m_sortColumn >= 0) sort(m_sortColumn, m_sortOrder);
}

void TrashTableModel::shareItems(const QList<CVTrashFileNode::Ptr>& items) {
    if (items != m_items) return;
    const bool rowsAreList = m_shown.isSharedWith(m_items);
    m_items = items;
    if (rowsAreList) m_shown = m_items;
}

void TrashTableModel::setFilterText(const QString& text) {
    if (text == m_filter) return;
    beginResetModel();
    m_filter = text;
    arrange();
    endResetModel();
}

bool TrashTableModel::matches(const CVTrashFileNode& item, const QString& text) {
    if (text.isEmpty()) return true;
    return item.theFileName.contains(text, Qt::CaseInsensitive) ||
           (item.theOrignalpath != QLatin1String("--") &&
            item.theOrignalpath.contains(text, Qt::CaseInsensitive));
}

bool TrashTableModel::lessThan(const CVTrashFileNode& a, const CVTrashFileNode& b, int column) {
    // An unknown date sorts before every known one.
    auto dateLess = [](const QDateTime& x, const QDateTime& y) {
        if (!x.isValid() || !y.isValid()) return !x.isValid() && y.isValid();
        return x < y;
    };
    switch (column) {
        case Name:
            return QString::localeAwareCompare(a.theFileName, b.theFileName) < 0;
        case Size:
            return a.filesize < b.filesize;
        case Permisson:
            return a.theFilePermission < b.theFilePermission;
        case Path:
            return QString::localeAwareCompare(a.theOrignalpath, b.theOrignalpath) < 0;
        case Date:
            return dateLess(a.lastModifiedDate, b.lastModifiedDate);
        case Deleted:
            return dateLess(a.deletionDate, b.deletionDate);
    }
    return false;
}

void TrashTableModel::arrange() {
    if (m_filter.isEmpty()) {
        m_shown = m_items;  // shared until sorted
    } else {
        m_shown = {};  // not clear(): that would keep a buffer as big as the list it shared
        for (const CVTrashFileNode::Ptr& item : std::as_const(m_items))
            if (matches(*item, m_filter)) m_shown << item;
    }
    if (m_sortColumn < 0 || m_sortColumn >= ColumnCount) return;
    const int column = m_sortColumn;
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(m_shown.begin(), m_shown.end(),
                         [column](const auto& a, const auto& b) { return lessThan(*a, *b, column); });
    else
        std::stable_sort(m_shown.begin(), m_shown.end(),
                         [column](const auto& a, const auto& b) { return lessThan(*b, *a, column); });
}

void TrashTableModel::sort(int column, Qt::SortOrder order) {
    // The selection follows its records to their new rows.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<CVTrashFileNode::Ptr> held;
    for (const QModelIndex& index : before) held << itemAt(index.row());
    m_sortColumn = column;
    m_sortOrder = order;
    arrange();
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int row = rowOf(held[i]);
        after << (row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

CVTrashFileNode::Ptr TrashTableModel::itemAt(int row) const {
    return row >= 0 && row < m_shown.size() ? m_shown.at(row) : nullptr;
}

int TrashTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

int TrashTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TrashTableModel::dateText(const QString& description) {
    const QStringList parts = description.split(QLatin1Char(' '));
    if (parts.size() == 3) return parts[0] + QLatin1Char(' ') + parts[1];
    return description;
}

QString TrashTableModel::dateText(const QDateTime& date) {
    return dateText(date.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000"));
}

QString TrashTableModel::deletedText(const QDateTime& date) {
    return date.isValid() ? QLocale().toString(date.toLocalTime(), QLocale::ShortFormat)
                          : QStringLiteral("--");
}

QSize TrashTableModel::scaledIntoBox(const QSize& size) {
    if (size.width() <= 0 || size.height() <= 0) return QSize(18, 18);
    if (size.width() > size.height()) return QSize(18, std::max(1, size.height() * 18 / size.width()));
    return QSize(std::max(1, size.width() * 18 / size.height()), 18);
}

QIcon TrashTableModel::iconFor(const QString& path) {
    return QIcon(pictureFor(path));
}

QPixmap TrashTableModel::pictureFor(const QString& path) {
    const QFileInfo info(path);
    QPixmap picture;
    if (info.isFile() && info.size() < 64 * 1024 * 1024) {
        QImageReader reader(path);
        if (reader.canRead()) {
            const QSize box = scaledIntoBox(reader.size());
            reader.setScaledSize(box * 2);  // sharp on high-density screens
            picture = QPixmap::fromImage(reader.read());
        }
    }
    if (picture.isNull()) {
        static QFileIconProvider provider;
        picture = provider.icon(info).pixmap(36, 36);
        if (!picture.isNull())
            picture = picture.scaled(scaledIntoBox(picture.size()) * 2, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
    }
    return picture;
}

QIcon TrashTableModel::iconOf(const QString& path) const {
    if (const QIcon* icon = m_icons.object(path)) return *icon;
    // Most rows show one of a few file-type pictures: their icons are one icon, not one each.
    const QPixmap picture = pictureFor(path);
    auto same = m_iconsByPicture.constFind(picture.cacheKey());
    if (same == m_iconsByPicture.constEnd()) {
        if (m_iconsByPicture.size() >= m_icons.maxCost()) m_iconsByPicture.clear();
        same = m_iconsByPicture.insert(picture.cacheKey(), QIcon(picture));
    }
    m_icons.insert(path, new QIcon(*same));
    return *same;
}

QVariant TrashTableModel::data(const QModelIndex& index, int role) const {
    const CVTrashFileNode::Ptr item = itemAt(index.row());
    if (!item) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
            case Name:
                return item->theFileName;
            case Size:
                return item->theFileSize.isNull() ? QVariant() : QVariant(item->theFileSize);
            case Permisson:
                return item->theFilePermission.isNull() ? QVariant() : QVariant(item->theFilePermission);
            case Path:
                return item->theOrignalpath.size() >= 2 ? item->theOrignalpath : QStringLiteral("--");
            case Date:
                return item->lastModifiedDate.isValid() ? QVariant(dateText(item->lastModifiedDate))
                                                        : QVariant();
            case Deleted:
                return deletedText(item->deletionDate);
        }
    }
    if (role == Qt::DecorationRole && index.column() == Name) return iconOf(item->theTrashPath);
    if (role == Qt::TextAlignmentRole && index.column() == Size)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TrashTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("Corvane", "Name"),          QT_TRANSLATE_NOOP("Corvane", "Size"),
        QT_TRANSLATE_NOOP("Corvane", "Permissions"),   QT_TRANSLATE_NOOP("Corvane", "Original Location"),
        QT_TRANSLATE_NOOP("Corvane", "Date Modified"), QT_TRANSLATE_NOOP("Corvane", "Deleted")};
    return section >= 0 && section < ColumnCount ? localized(titles[section]) : QVariant();
}
