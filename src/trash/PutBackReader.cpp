#include "PutBackReader.h"

#include <QByteArrayMatcher>
#include <QMutexLocker>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "TrashStore.h"
#include "core/Path.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"

namespace {

constexpr qsizetype kMaxNameUnits = 1024;
constexpr qsizetype kMaxFolderUnits = 4096;
// A name's count stands at most this far before its marker, a folder's type code at most this far
// before the start of the record that follows it.
constexpr qsizetype kNameReach = 2 * kMaxNameUnits + 4;
constexpr qsizetype kFolderReach = 2 * kMaxFolderUnits + 8;
// Markers are decoded a window at a time so the look-up tables stay small whatever the file size.
constexpr qsizetype kWindow = qsizetype(1) << 18;

char16_t unitAt(const uchar* p, qsizetype u) {
    return char16_t((p[2 * u] << 8) | p[2 * u + 1]);
}

/// Whether `units` UTF-16 big-endian code units at `p` are text a put-back record could hold: no
/// NUL and every surrogate paired.
bool isCleanUtf16Be(const uchar* p, qsizetype units) {
    bool expectLow = false;
    for (qsizetype u = 0; u < units; ++u) {
        const char16_t c = unitAt(p, u);
        if (c == 0) return false;
        if (expectLow != QChar::isLowSurrogate(c)) return false;
        expectLow = QChar::isHighSurrogate(c);
    }
    return !expectLow;
}

/// "/" + folder + "/" + name, each "/" only where missing; built in one allocation because a file
/// packed with records turns allocation into most of the reading time.
QString entryOf(const uchar* folder, qsizetype folderUnits, const uchar* name, qsizetype nameUnits) {
    const char16_t slash = u'/';
    const char16_t first = folderUnits > 0 ? unitAt(folder, 0) : unitAt(name, 0);
    const bool lead = first != slash;
    const bool between = folderUnits > 0 && unitAt(folder, folderUnits - 1) != slash;
    QString entry(qsizetype(lead) + folderUnits + qsizetype(between) + nameUnits, Qt::Uninitialized);
    QChar* out = entry.data();
    if (lead) *out++ = QChar(slash);
    for (qsizetype u = 0; u < folderUnits; ++u) *out++ = QChar(unitAt(folder, u));
    if (between) *out++ = QChar(slash);
    for (qsizetype u = 0; u < nameUnits; ++u) *out++ = QChar(unitAt(name, u));
    return entry;
}

/// Decodes the markers of one window. Looking backwards from every marker for every possible count
/// would cost up to 5,120 probes per marker, so a file packed with markers would take minutes.
/// Instead each candidate count is read once and points forward to the one place it could serve:
/// a count k at p can only be the name count of a marker at p + 4 + 2k, a count m after "ustr" at c
/// only the folder of a record starting at c + 4 + 2m. Scanning upwards and letting later
/// candidates overwrite earlier ones keeps the smallest k and m, as a backwards search would.
class WindowDecoder {
  public:
    WindowDecoder(const uchar* data, qsizetype size) : m_data(data), m_size(size) {}

    void decode(const std::vector<qsizetype>& markers, qsizetype begin, qsizetype end, QStringList& entries) {
        fillNameCounts(begin, end);
        const qsizetype recordLow = std::max<qsizetype>(0, begin - kNameReach);
        fillFolderCounts(recordLow, end);
        for (const qsizetype i : markers) {
            const qsizetype k = m_nameUnits[size_t(i - begin)];
            if (k == 0) continue;
            const qsizetype j = i - 2 * k - 4;  // where the ptbN record starts
            if (m_folderUnits[size_t(j - recordLow)] == 0) continue;
            const qsizetype m = m_folderUnits[size_t(j - recordLow)] - 1;
            const uchar* name = m_data + j + 4;
            const uchar* folder = m_data + j - 2 * m;
            // k >= 1, so a name is never empty.
            if (!isCleanUtf16Be(name, k) || !isCleanUtf16Be(folder, m)) continue;
            entries << entryOf(folder, m, name, k);
        }
    }

  private:
    // m_nameUnits[t - begin] = the smallest k whose count at t - 2k - 4 equals k (0: none).
    void fillNameCounts(qsizetype begin, qsizetype end) {
        m_nameUnits.assign(size_t(end - begin), 0);
        const qsizetype last = std::min(end - 7, m_size - 4);  // t >= p + 6 must stay below end
        for (qsizetype p = std::max<qsizetype>(0, begin - kNameReach); p <= last; ++p) {
            if ((m_data[p] | m_data[p + 1]) != 0 || m_data[p + 2] > (kMaxNameUnits >> 8)) continue;
            const qsizetype k = (m_data[p + 2] << 8) | m_data[p + 3];
            if (k < 1 || k > kMaxNameUnits) continue;
            const qsizetype t = p + 4 + 2 * k;
            if (t >= begin && t < end) m_nameUnits[size_t(t - begin)] = quint16(k);
        }
    }

    // m_folderUnits[j - low] = 1 + the smallest m whose count at j - 2m - 4 equals m and follows
    // "ustr" (0: none).
    void fillFolderCounts(qsizetype low, qsizetype end) {
        m_folderUnits.assign(size_t(end - low), 0);
        const qsizetype last = std::min(end - 4, m_size - 4);  // j >= c + 4 must stay below end
        for (qsizetype c = std::max<qsizetype>(4, low - kFolderReach); c <= last; ++c) {
            const void* u = std::memchr(m_data + c - 4, 'u', size_t(last - c + 1));
            if (!u) break;
            c = static_cast<const uchar*>(u) - m_data + 4;
            if (std::memcmp(m_data + c - 4, "ustr", 4) != 0) continue;
            const quint32 m = qFromBigEndian<quint32>(m_data + c);
            if (m > kMaxFolderUnits) continue;
            const qsizetype j = c + 4 + 2 * qsizetype(m);
            if (j >= low && j < end) m_folderUnits[size_t(j - low)] = quint16(m + 1);
        }
    }

    const uchar* m_data;
    qsizetype m_size;
    std::vector<quint16> m_nameUnits;
    std::vector<quint16> m_folderUnits;
};

constexpr qsizetype MarkerSize = 8;

bool hasMagic(QByteArrayView data) {
    return data.size() >= 8 && std::memcmp(data.data() + 4, "Bud1", 4) == 0;
}

// Decodes the markers of `data` that start in [from, to).
void decodeMarkers(QByteArrayView data, qsizetype from, qsizetype to, QStringList& entries) {
    static const QByteArrayMatcher marker(QByteArrayLiteral("ptbNustr"));
    WindowDecoder decoder(reinterpret_cast<const uchar*>(data.data()), data.size());
    std::vector<qsizetype> markers;
    qsizetype i = marker.indexIn(data, from);
    while (i >= 0 && i < to) {
        // Windows start at a marker, so stretches without markers cost only the matcher's scan.
        const qsizetype begin = i;
        const qsizetype end = std::min(data.size(), begin + kWindow);
        markers.clear();
        for (; i >= 0 && i < end && i < to; i = marker.indexIn(data, i + 1)) markers.push_back(i);
        decoder.decode(markers, begin, end, entries);
    }
}

}  // namespace

namespace PutBackReader {

QStringList parseRecords(const QByteArray& data) {
    QStringList entries;
    if (hasMagic(data)) decodeMarkers(data, 0, data.size(), entries);
    return entries;
}

QStringList readRecordsFile(const QString& path, qsizetype chunk) {
    if (!path.contains(QLatin1Char('/'))) return {};
    // Far above any real records file; a link to a device or a FIFO in its place is not read.
    constexpr qint64 Cap = 64 * 1024 * 1024;
    const Path file(path);
    // The file goes through a window: the markers whole in it are decoded, and only as much of it
    // is kept as a record can reach back from the next marker.
    constexpr qsizetype Reach = kNameReach + kFolderReach + 16;
    QByteArray window;
    qsizetype decodedTo = 0;  // in `window`: the markers starting before it are done
    bool checked = false;
    QStringList entries;
    const auto take = [&](QByteArrayView piece) {
        window.append(piece);
        if (!checked) {
            if (window.size() < 8) return true;
            if (!hasMagic(window)) return false;
            checked = true;
        }
        const qsizetype whole = window.size() - MarkerSize + 1;
        decodeMarkers(window, decodedTo, whole, entries);
        const qsizetype drop = std::max<qsizetype>(0, whole - Reach);
        window.remove(0, drop);
        decodedTo = whole - drop;
        return true;
    };
    const bool read =
        OpenFolder::open(file.parent().text()).readFileInChunks(file.leafBytes(), Cap, chunk, take);
    return read && checked ? entries : QStringList();
}

}  // namespace PutBackReader

void TrashOrigPaths::clear() {
    QMutexLocker locker(&m_lock);
    m_entries.clear();
    m_firstByName.clear();
    m_named.clear();
    m_dates.clear();
}

void TrashOrigPaths::indexFrom(qsizetype from) {
    m_firstByName.reserve(m_firstByName.size() + m_entries.size() - from);
    for (qsizetype i = from; i < m_entries.size(); ++i) {
        // The reader's entries end in their name; the general split is only for the odd one.
        const QString& entry = m_entries[i];
        const qsizetype slash = entry.lastIndexOf(QLatin1Char('/'));
        const QString name =
            slash >= 0 && slash < entry.size() - 1 ? entry.sliced(slash + 1) : lastPathComponent(entry);
        if (!m_firstByName.contains(name)) m_firstByName.insert(name, i);
    }
}

void TrashOrigPaths::rebuild(const Paths& paths) {
    // The store reads and resolves outside the lock, then swaps the new list in.
    TrashStore::forPaths(paths)->readPutBack(*this);
}

void TrashOrigPaths::replace(QStringList entries) {
    QMutexLocker locker(&m_lock);
    m_entries = std::move(entries);
    m_named.clear();
    m_dates.clear();
    m_firstByName.clear();
    indexFrom(0);
}

void TrashOrigPaths::replaceNamed(QHash<QString, QString> named, QHash<QString, QDateTime> dates) {
    QMutexLocker locker(&m_lock);
    m_entries.clear();  // the named places are the entries; a list of them too would double a big Trash's
    m_named = std::move(named);
    m_dates = std::move(dates);
    m_firstByName.clear();
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
        other.m_firstByName.clear();
    }
    replaceNamed(std::move(named), std::move(dates));
}

void TrashOrigPaths::ScanUserTrashDSStoreFilePath(const Paths& paths) {
    // The file is read and resolved without the lock so lookups never wait for the disk.
    QStringList found = PutBackReader::readRecordsFile(paths.trashRecordsFile());
    if (found.isEmpty()) return;
    for (QString& entry : found) entry = paths.onStartupVolume(entry);
    QMutexLocker locker(&m_lock);
    const qsizetype from = m_entries.size();
    m_entries += found;
    indexFrom(from);
}

void TrashOrigPaths::append(const QStringList& entries) {
    QMutexLocker locker(&m_lock);
    const qsizetype from = m_entries.size();
    m_entries += entries;
    indexFrom(from);
}

QString TrashOrigPaths::getOrigFilePath(const QString& name) const {
    const QString none = QStringLiteral("--");
    if (name.isEmpty()) return none;
    QMutexLocker locker(&m_lock);
    const auto named = m_named.constFind(name);
    if (named != m_named.constEnd()) return named.value();
    const auto it = m_firstByName.constFind(name);
    if (it == m_firstByName.constEnd()) return none;
    const QString folder = deletingLastPathComponent(m_entries.at(it.value()));
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
    QMutexLocker locker(&m_lock);
    return m_named.values() + m_entries;
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
