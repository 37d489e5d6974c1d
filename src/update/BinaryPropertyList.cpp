// The binary property list ("bplist00"): objects, then a table of their offsets, then a 32-byte
// trailer that says where the table is and how wide its numbers are. Read from memory with every
// number taken from the file checked before it is used.
#include <QDateTime>
#include <cmath>
#include <cstring>

#include "PropertyList.h"

namespace {

constexpr qsizetype kHeaderSize = 8;
constexpr qsizetype kTrailerSize = 32;
constexpr int kMaxDepth = 64;
// Objects shared between containers are decoded once per use; this bounds the work a small file
// made of arrays that all point at each other could ask for.
constexpr int kMaxDecoded = 100000;

class BinaryReader {
  public:
    explicit BinaryReader(const QByteArray& body)
        : m_data(reinterpret_cast<const uchar*>(body.constData())), m_size(body.size()) {}

    QVariant document() {
        if (m_size < kHeaderSize + kTrailerSize || std::memcmp(m_data, "bplist00", 8) != 0) return {};
        const uchar* trailer = m_data + m_size - kTrailerSize;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        const quint64 count = be(trailer + 8, 8);
        const quint64 top = be(trailer + 16, 8);
        const quint64 table = be(trailer + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8) return {};
        const quint64 tableEnd = static_cast<quint64>(m_size - kTrailerSize);
        if (count == 0 || top >= count || table < kHeaderSize || table > tableEnd) return {};
        if (count > (tableEnd - table) / m_offsetSize) return {};
        m_count = count;
        m_table = table;
        return object(top, 0);
    }

  private:
    static quint64 be(const uchar* p, int n) {
        quint64 v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
        return v;
    }

    // True when `n` bytes from `pos` lie within the object area (before the offset table).
    bool fits(quint64 pos, quint64 n) const { return pos <= m_table && n <= m_table - pos; }

    QVariant object(quint64 ref, int depth) {
        if (ref >= m_count || depth > kMaxDepth || ++m_decoded > kMaxDecoded) return {};
        const quint64 off = be(m_data + m_table + ref * m_offsetSize, m_offsetSize);
        if (off < kHeaderSize || !fits(off, 1)) return {};
        const uchar marker = m_data[off];
        const int kind = marker >> 4;
        const int low = marker & 0x0F;
        quint64 pos = off + 1;
        switch (kind) {
            case 0x0:
                if (low == 0x8) return false;
                if (low == 0x9) return true;
                return {};  // null and fill carry no value a dictionary could use
            case 0x1: {
                if (low > 4) return {};
                const int n = 1 << low;
                if (!fits(pos, n)) return {};
                // 16-byte integers hold their value in the low eight bytes.
                const quint64 raw = be(m_data + pos + (n == 16 ? 8 : 0), n == 16 ? 8 : n);
                return static_cast<qint64>(raw);  // eight bytes are signed, narrower ones are not
            }
            case 0x2: {
                if (low != 2 && low != 3) return {};
                const int n = 1 << low;
                if (!fits(pos, n)) return {};
                return realAt(pos, n);
            }
            case 0x3: {
                if (marker != 0x33 || !fits(pos, 8)) return {};
                const double seconds = realAt(pos, 8);
                if (!std::isfinite(seconds) || std::fabs(seconds) > 1e11) return {};
                // Seconds since 2001-01-01 00:00 UTC.
                static const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
                return epoch.addMSecs(static_cast<qint64>(seconds * 1000.0));
            }
            case 0x4:
            case 0x5:
            case 0x6: {
                quint64 n = 0;
                if (!length(low, &pos, &n)) return {};
                const quint64 width = kind == 0x6 ? 2 : 1;
                if (n > m_table / width || !fits(pos, n * width)) return {};
                const char* p = reinterpret_cast<const char*>(m_data + pos);
                if (kind == 0x4) return QByteArray(p, static_cast<qsizetype>(n));
                if (kind == 0x5) return QString::fromLatin1(p, static_cast<qsizetype>(n));
                QString s(static_cast<qsizetype>(n), Qt::Uninitialized);
                for (quint64 i = 0; i < n; ++i)
                    s[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(be(m_data + pos + 2 * i, 2)));
                return s;
            }
            case 0xA:
            case 0xC: {
                quint64 n = 0;
                if (!length(low, &pos, &n) || n > m_table / m_refSize || !fits(pos, n * m_refSize)) return {};
                QVariantList list;
                for (quint64 i = 0; i < n; ++i) {
                    QVariant v = object(be(m_data + pos + i * m_refSize, m_refSize), depth + 1);
                    if (!v.isValid()) return {};
                    list.append(v);
                }
                return list;
            }
            case 0xD: {
                quint64 n = 0;
                if (!length(low, &pos, &n) || n > m_table / (2 * m_refSize) || !fits(pos, 2 * n * m_refSize))
                    return {};
                QVariantMap map;
                for (quint64 i = 0; i < n; ++i) {
                    const QVariant key = object(be(m_data + pos + i * m_refSize, m_refSize), depth + 1);
                    if (key.typeId() != QMetaType::QString) return {};
                    QVariant v = object(be(m_data + pos + (n + i) * m_refSize, m_refSize), depth + 1);
                    if (!v.isValid()) return {};
                    if (!map.contains(key.toString())) map.insert(key.toString(), v);
                }
                return map;
            }
            default:
                return {};  // UIDs belong to archives, not to documents
        }
    }

    // The element count of a data, string or container: the marker's low nibble, or 0xF followed
    // by an integer object.
    bool length(int low, quint64* pos, quint64* n) const {
        if (low != 0xF) {
            *n = static_cast<quint64>(low);
            return true;
        }
        if (!fits(*pos, 1)) return false;
        const uchar marker = m_data[*pos];
        if ((marker >> 4) != 0x1 || (marker & 0x0F) > 3) return false;
        const int width = 1 << (marker & 0x0F);
        if (!fits(*pos + 1, width)) return false;
        *n = be(m_data + *pos + 1, width);
        *pos += 1 + width;
        return true;
    }

    double realAt(quint64 pos, int n) const {
        const quint64 bits = be(m_data + pos, n);
        if (n == 4) {
            const auto narrow = static_cast<quint32>(bits);
            float f = 0;
            std::memcpy(&f, &narrow, sizeof f);
            return f;
        }
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

    const uchar* m_data;
    qsizetype m_size;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_count = 0;
    quint64 m_table = 0;
    int m_decoded = 0;
};

}  // namespace

QVariant PropertyList::readBinary(const QByteArray& body) {
    return BinaryReader(body).document();
}
