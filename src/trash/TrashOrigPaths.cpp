#include "TrashOrigPaths.h"

#include <QMutexLocker>
#include <utility>

#include "PutBackReader.h"
#include "TrashStore.h"
#include "core/Path.h"
#include "platform/Paths.h"

void TrashOrigPaths::clear() {
    QMutexLocker locker(&m_lock);
    m_entries.clear();
    m_named.clear();
    m_dates.clear();
}

void TrashOrigPaths::rebuild(const Paths& paths) {
    // The store reads and resolves outside the lock, then swaps the new list in.
    TrashStore::forPaths(paths)->readPutBack(*this);
}

void TrashOrigPaths::replace(const QStringList& entries) {
    OrigPathTable table;
    for (const QString& entry : entries) table.append(entry);
    replace(std::move(table));
}

void TrashOrigPaths::replace(OrigPathTable entries) {
    entries.squeeze();
    QMutexLocker locker(&m_lock);
    std::swap(m_entries, entries);
    m_named.clear();
    m_dates.clear();
    locker.unlock();  // the old table is freed without holding up lookups
}

void TrashOrigPaths::replaceNamed(QHash<QString, QString> named, QHash<QString, QDateTime> dates) {
    QMutexLocker locker(&m_lock);
    m_entries.clear();  // the named places are the entries; a list of them too would double a big Trash's
    m_named = std::move(named);
    m_dates = std::move(dates);
}

void TrashOrigPaths::addNamed(const QHash<QString, QString>& named, const QHash<QString, QDateTime>& dates) {
    QMutexLocker locker(&m_lock);
    m_named.insert(named);
    m_dates.insert(dates);
}

void TrashOrigPaths::replaceNamedWith(TrashOrigPaths& other) {
    QHash<QString, QString> named;
    QHash<QString, QDateTime> dates;
    {
        QMutexLocker locker(&other.m_lock);
        named = std::exchange(other.m_named, {});
        dates = std::exchange(other.m_dates, {});
        other.m_entries.clear();
    }
    replaceNamed(std::move(named), std::move(dates));
}

void TrashOrigPaths::ScanUserTrashDSStoreFilePath(const Paths& paths) {
    // The file is read and resolved without the lock so lookups never wait for the disk.
    OrigPathTable found;
    const bool read = PutBackReader::scanRecordsFile(paths.trashRecordsFile(), [&](QStringView entry) {
        found.append(paths.onStartupVolume(entry.toString()));
    });
    if (!read || found.isEmpty()) return;
    found.squeeze();
    QMutexLocker locker(&m_lock);
    if (m_entries.isEmpty())
        std::swap(m_entries, found);
    else
        m_entries.append(found);
}

void TrashOrigPaths::append(const QStringList& entries) {
    QMutexLocker locker(&m_lock);
    for (const QString& entry : entries) m_entries.append(entry);
}

QString TrashOrigPaths::getOrigFilePath(const QString& name) const {
    const QString none = QStringLiteral("--");
    if (name.isEmpty()) return none;
    QMutexLocker locker(&m_lock);
    const auto named = m_named.constFind(name);
    if (named != m_named.constEnd()) return named.value();
    const qsizetype first = m_entries.firstNamed(name);
    if (first < 0) return none;
    const QString folder = deletingLastPathComponent(m_entries.at(first));
    if (folder.isEmpty()) return none;
    // A record that climbs out of its folder could name any place on the volume or beyond it.
    for (const QStringView step : QStringView(folder).split(QLatin1Char('/')))
        if (step == QLatin1String("..")) return none;
    if (folder == QLatin1String("/")) return QLatin1Char('/') + name;
    return folder + QLatin1Char('/') + name;
}

QDateTime TrashOrigPaths::deletionDateOf(const QString& name) const {
    QMutexLocker locker(&m_lock);
    return m_dates.value(name);
}

QStringList TrashOrigPaths::entries() const {
    QStringList all;
    forEachEntry([&all](const QString& entry) { all << entry; });
    return all;
}

void TrashOrigPaths::forEachEntry(const std::function<void(const QString&)>& visit) const {
    QMutexLocker locker(&m_lock);
    for (auto it = m_named.cbegin(); it != m_named.cend(); ++it) visit(it.value());
    for (qsizetype i = 0; i < m_entries.size(); ++i) visit(m_entries.at(i));
}

bool TrashOrigPaths::isEmpty() const {
    QMutexLocker locker(&m_lock);
    return m_named.isEmpty() && m_entries.isEmpty();
}

namespace {

QString withoutTrailingSlashes(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace

QString TrashOrigPaths::lastPathComponent(const QString& path) {
    const QString p = withoutTrailingSlashes(path);
    if (p == QLatin1String("/")) return p;
    return Path(p).leaf();
}

QString TrashOrigPaths::deletingLastPathComponent(const QString& path) {
    const QString p = withoutTrailingSlashes(path);
    if (p == QLatin1String("/")) return p;
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return QString();
    if (slash == 0) return QStringLiteral("/");
    return p.left(slash);
}
