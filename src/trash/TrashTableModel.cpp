#include "TrashTableModel.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

#include "platform/Localized.h"

QString TrashTableModel::columnIdentifier(int column) {
    static const char* const ids[ColumnCount] = {"Name", "Size", "Permisson", "Path", "Date"};
    return column >= 0 && column < ColumnCount ? QLatin1String(ids[column]) : QString();
}

void TrashTableModel::setItems(const QList<CVTrashFileNode::Ptr>& items) {
    beginResetModel();
    m_items = items;
    m_icons.clear();
    endResetModel();
}

CVTrashFileNode::Ptr TrashTableModel::itemAt(int row) const {
    return row >= 0 && row < m_items.size() ? m_items.at(row) : nullptr;
}

int TrashTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_items.size();
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

QSize TrashTableModel::scaledIntoBox(const QSize& size) {
    if (size.width() <= 0 || size.height() <= 0) return QSize(18, 18);
    if (size.width() > size.height()) return QSize(18, std::max(1, size.height() * 18 / size.width()));
    return QSize(std::max(1, size.width() * 18 / size.height()), 18);
}

QIcon TrashTableModel::iconFor(const QString& path) {
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
    return QIcon(picture);
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
        }
    }
    if (role == Qt::DecorationRole && index.column() == Name) {
        auto it = m_icons.constFind(item->theTrashPath);
        if (it == m_icons.constEnd()) it = m_icons.insert(item->theTrashPath, iconFor(item->theTrashPath));
        return it.value();
    }
    if (role == Qt::TextAlignmentRole && index.column() == Size)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TrashTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("Corvane", "Name"), QT_TRANSLATE_NOOP("Corvane", "Size"),
        QT_TRANSLATE_NOOP("Corvane", "Permissions"), QT_TRANSLATE_NOOP("Corvane", "Original Location"),
        QT_TRANSLATE_NOOP("Corvane", "Date Modified")};
    return section >= 0 && section < ColumnCount ? localized(titles[section]) : QVariant();
}
