#include "PutBackReader.h"

#include <QByteArrayMatcher>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/Path.h"
#include "core/fs/OpenFolder.h"

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

using Take = std::function<void(QStringView)>;

/// "/" + folder + "/" + name, each "/" only where missing, written into `entry`; one buffer serves
/// every record because a file packed with records turns allocation into most of the reading time.
QStringView entryOf(QString& entry, const uchar* folder, qsizetype folderUnits, const uchar* name,
                    qsizetype nameUnits) {
    const char16_t slash = u'/';
    const char16_t first = folderUnits > 0 ? unitAt(folder, 0) : unitAt(name, 0);
    const bool lead = first != slash;
    const bool between = folderUnits > 0 && unitAt(folder, folderUnits - 1) != slash;
    entry.resize(qsizetype(lead) + folderUnits + qsizetype(between) + nameUnits);
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

    void decode(const std::vector<qsizetype>& markers, qsizetype begin, qsizetype end, const Take& take) {
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
            take(entryOf(m_entry, folder, m, name, k));
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
    QString m_entry;
};

constexpr qsizetype MarkerSize = 8;

bool hasMagic(QByteArrayView data) {
    return data.size() >= 8 && std::memcmp(data.data() + 4, "Bud1", 4) == 0;
}

// Decodes the markers of `data` that start in [from, to).
void decodeMarkers(QByteArrayView data, qsizetype from, qsizetype to, const Take& take) {
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
        decoder.decode(markers, begin, end, take);
    }
}

}  // namespace

namespace PutBackReader {

QStringList parseRecords(const QByteArray& data) {
    QStringList entries;
    if (hasMagic(data))
        decodeMarkers(data, 0, data.size(), [&entries](QStringView e) { entries << e.toString(); });
    return entries;
}

QStringList readRecordsFile(const QString& path, qsizetype chunk) {
    QStringList entries;
    const bool read = scanRecordsFile(
        path, [&entries](QStringView e) { entries << e.toString(); }, chunk);
    return read ? entries : QStringList();
}

bool scanRecordsFile(const QString& path, const std::function<void(QStringView)>& take, qsizetype chunk) {
    if (!path.contains(QLatin1Char('/'))) return false;
    // Far above any real records file; a link to a device or a FIFO in its place is not read.
    constexpr qint64 Cap = 64 * 1024 * 1024;
    const Path file(path);
    // The file goes through a window: the markers whole in it are decoded, and only as much of it
    // is kept as a record can reach back from the next marker.
    constexpr qsizetype Reach = kNameReach + kFolderReach + 16;
    QByteArray window;
    qsizetype decodedTo = 0;  // in `window`: the markers starting before it are done
    bool checked = false;
    const auto add = [&](QByteArrayView piece) {
        window.append(piece);
        if (!checked) {
            if (window.size() < 8) return true;
            if (!hasMagic(window)) return false;
            checked = true;
        }
        const qsizetype whole = window.size() - MarkerSize + 1;
        decodeMarkers(window, decodedTo, whole, take);
        const qsizetype drop = std::max<qsizetype>(0, whole - Reach);
        window.remove(0, drop);
        decodedTo = whole - drop;
        return true;
    };
    const bool read =
        OpenFolder::open(file.parent().text()).readFileInChunks(file.leafBytes(), Cap, chunk, add);
    return read && checked;
}

}  // namespace PutBackReader
