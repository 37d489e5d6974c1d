#include "BinaryCookieReader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>

#include "CookieText.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"

namespace BinaryCookieReader {
namespace {

constexpr qint64 kRecordHeader = 56;
constexpr qint64 kPageHeader = 8;  // page tag and cookie count, before the offset table

quint32 be32(const uchar* p) {
    return qFromBigEndian<quint32>(p);
}
quint32 le32(const uchar* p) {
    return qFromLittleEndian<quint32>(p);
}
double le64double(const uchar* p) {
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// One record of a page; false when the record's own offsets don't fit it (it is dropped).
bool readRecord(const uchar* s, qint64 size, qint64 start, PRCookFileNode& node) {
    const qint64 h = qint32(le32(s + 16));
    const qint64 m = qint32(le32(s + 20));
    const qint64 p = qint32(le32(s + 24));
    const qint64 v = qint32(le32(s + 28));
    if (!(kRecordHeader <= h && h < m && m < p && p < v && v < size)) return false;
    const auto* c = reinterpret_cast<const char*>(s);
    node.cookieStartOffSet = quint64(start);
    node.cookieLength = qint32(size);
    const quint32 flags = le32(s + 8);
    if (flags & 0x1) node.secureValue = QStringLiteral("YES");
    node.httpOnly = (flags & 0x4) != 0;
    node.fileHost = CookieText::GetStringFormChar(c + h, m - h);
    node.fileName = CookieText::GetStringFormChar(c + m, p - m);
    node.filePath = CookieText::GetStringFormChar(c + p, v - p);
    const void* nul = std::memchr(c + v, 0, size_t(size - v));
    node.fileValue = CookieText::valueText(
        QByteArrayView(c + v, nul ? static_cast<const char*>(nul) - (c + v) : size - v), &node.valueBytes);
    node.expiryUnix = CookieText::fromReferenceDate(le64double(s + 40));
    if (node.expiryUnix)
        node.expiredDate = CookieText::GetNSStringDate(CookieText::GetDateTime(*node.expiryUnix));
    return true;
}

}  // namespace

Result parse(const QByteArray& bytes) {
    Result result;
    result.opened = true;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 fileSize = bytes.size();
    if (fileSize < 8) return result;
    const qint64 pages = qint32(be32(data + 4));
    if (pages < 1) return result;
    const qint64 tableEnd = 8 + 4 * pages;
    if (tableEnd > fileSize) return result;  // a page count past the end of the file

    // Room for the records a file of this size can hold at a typical record size, never more
    // than its bytes could make.
    result.cookies.reserve(qsizetype(fileSize / 128));
    qint64 pageStart = tableEnd;
    for (qint64 page = 0; page < pages && pageStart + kPageHeader <= fileSize; ++page) {
        // The page table's size bounds the page where it fits the file; else the file does.
        const qint64 declared = qint32(be32(data + 8 + 4 * page));
        const bool sizeFits = declared >= kPageHeader + 4 && pageStart + declared <= fileSize;
        const qint64 pageEnd = sizeFits ? pageStart + declared : fileSize;
        const qint64 count = qint32(le32(data + pageStart + 4));
        qint64 o = pageStart + 12;
        if (count > 0) {
            const qint64 recordsStart = pageStart + kPageHeader + 4 * count + 4;
            if (recordsStart > pageEnd) break;  // more offsets than the page holds
            o = recordsStart;
            for (qint64 k = 0; k < count; ++k) {
                if (o + kRecordHeader > pageEnd) break;
                const qint64 size = qint32(le32(data + o));
                if (size < kRecordHeader || o + size > pageEnd) break;  // a size of 0 would never move on
                PRCookFileNode node;
                if (readRecord(data + o, size, o, node))
                    result.cookies.append(std::move(node));
                else
                    ++result.dropped;
                o += size;
            }
        }
        pageStart = sizeFits ? pageEnd : o;
    }
    return result;
}

Result ReadCookBinaryFileWithPath(const QString& path) {
    Result result;
    if (path.isEmpty()) return result;
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath(), &result.problem);
    if (!folder.isOpen()) return result;
    const QByteArray name = FsName::toBytes(info.fileName());
    const auto st = folder.entry(name);
    if (!st || !S_ISREG(st->st_mode)) {
        result.problem = localized("\"%1\" is not a file that can be read.").arg(path);
        return result;
    }
    if (st->st_size > MaxFileSize) {
        result.problem = localized("\"%1\" is too large to be a cookie file.").arg(path);
        return result;
    }
    const auto bytes = folder.readFile(name, MaxFileSize);
    if (!bytes) {
        result.problem = localized("\"%1\" can't be read.").arg(path);
        return result;
    }
    return parse(*bytes);
}

QByteArray emptyFile() {
    return QByteArray("cook\0\0\0\0", 8);
}

}  // namespace BinaryCookieReader
