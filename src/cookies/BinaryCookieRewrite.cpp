#include "BinaryCookieRewrite.h"

#include <QHash>
#include <QList>
#include <QtEndian>

#include "BinaryCookieReader.h"

namespace BinaryCookieRewrite {
namespace {

quint32 be32(const QByteArray& data, qint64 at) {
    return qFromBigEndian<quint32>(data.constData() + at);
}
void putBe32(QByteArray& out, quint32 v) {
    char bytes[4];
    qToBigEndian(v, bytes);
    out.append(bytes, 4);
}
void putLe32(QByteArray& out, quint32 v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

bool same(const PRCookFileNode& a, const PRCookFileNode& b) {
    return a.cookieLength == b.cookieLength && a.fileHost == b.fileHost && a.fileName == b.fileName &&
           a.filePath == b.filePath && a.fileValue == b.fileValue;
}

QByteArray page(const QList<QByteArray>& records) {
    QByteArray out;
    putBe32(out, 0x00000100);
    putLe32(out, quint32(records.size()));
    quint32 offset = 12 + 4 * quint32(records.size());
    for (const QByteArray& r : records) {
        putLe32(out, offset);
        offset += quint32(r.size());
    }
    putLe32(out, 0);
    for (const QByteArray& r : records) out += r;
    return out;
}

// The sum the file ends with: every fourth byte of each page, from its first.
quint32 checksum(const QList<QByteArray>& pages) {
    quint32 sum = 0;
    for (const QByteArray& p : pages)
        for (qsizetype i = 0; i < p.size(); i += 4) sum += uchar(p[i]);
    return sum;
}

}  // namespace

QByteArray without(const QByteArray& file, const CookieList& remove, int* removed) {
    const BinaryCookieReader::Result read = BinaryCookieReader::parse(file);
    QHash<quint64, const PRCookFileNode*> wanted;
    for (const PRCookFileNode& c : remove) wanted.insert(c.cookieStartOffSet, &c);
    // The page each record lies in, by the page table where its sizes fit the file.
    const qint64 pages = file.size() >= 8 ? qint64(qint32(be32(file, 4))) : 0;
    QList<qint64> pageEnds;
    qint64 start = 8 + 4 * std::max<qint64>(pages, 0);
    for (qint64 k = 0; k < pages && start < file.size() && 8 + 4 * (k + 1) <= file.size(); ++k) {
        const qint64 declared = qint32(be32(file, 8 + 4 * k));
        start = declared > 0 && start + declared <= file.size() ? start + declared : file.size();
        pageEnds << start;
    }
    QList<QList<QByteArray>> kept(pageEnds.size() + 1);
    qint64 end = pageEnds.isEmpty() ? file.size() : pageEnds.last();
    int gone = 0;
    for (const PRCookFileNode& c : read.cookies) {
        const auto it = wanted.constFind(c.cookieStartOffSet);
        if (it != wanted.cend() && same(**it, c)) {
            ++gone;
            continue;
        }
        const qint64 at = qint64(c.cookieStartOffSet);
        const qsizetype p = std::upper_bound(pageEnds.cbegin(), pageEnds.cend(), at) - pageEnds.cbegin();
        kept[p] << file.mid(at, c.cookieLength);
        end = std::max(end, at + c.cookieLength);
    }
    QList<QByteArray> out;
    for (const auto& records : std::as_const(kept))
        if (!records.isEmpty()) out << page(records);
    QByteArray result("cook");
    putBe32(result, quint32(out.size()));
    for (const QByteArray& p : out) putBe32(result, quint32(p.size()));
    for (const QByteArray& p : out) result += p;
    // What follows the pages: a checksum before the footer's magic is made anew, the rest kept.
    QByteArray tail = file.mid(end);
    if (tail.size() >= 8 && tail.mid(4, 4) == QByteArray("\x07\x17\x20\x05", 4)) {
        QByteArray sum;
        putBe32(sum, checksum(out));
        tail.replace(0, 4, sum);
    }
    if (removed) *removed = gone;
    return result + tail;
}

}  // namespace BinaryCookieRewrite
