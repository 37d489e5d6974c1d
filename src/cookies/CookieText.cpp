#include "CookieText.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>

namespace CookieText {

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool validUtf8(const unsigned char* p, qsizetype n) {
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned int lowest;
        unsigned int cp;
        if ((c & 0xe0) == 0xc0) {
            extra = 1, lowest = 0x80, cp = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            extra = 2, lowest = 0x800, cp = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            extra = 3, lowest = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xc0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3f);
        }
        if (cp < lowest || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace

QString GetStringFormChar(const char* bytes, qsizetype maxLength) {
    if (!bytes || maxLength <= 0) return QString(QLatin1String(""));
    const void* nul = std::memchr(bytes, 0, size_t(maxLength));
    const qsizetype length = nul ? static_cast<const char*>(nul) - bytes : maxLength;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    bool ascii = true;
    for (qsizetype i = 0; i < length && ascii; ++i) ascii = p[i] < 0x80;
    if (ascii) return QString::fromLatin1(bytes, length);
    return validUtf8(p, length) ? QString::fromUtf8(bytes, length) : QString(QLatin1String(""));
}

QString GetStringFormChar(const QByteArray& bytes) {
    return GetStringFormChar(bytes.constData(), bytes.size());
}

QString valueText(QByteArrayView bytes, QByteArray* raw) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    if (!std::memchr(p, 0, size_t(n)) && validUtf8(p, n)) {
        if (raw) raw->clear();
        return QString::fromUtf8(bytes);
    }
    if (raw) *raw = bytes.toByteArray();
    static const char digits[] = "0123456789abcdef";
    QByteArray shown;
    shown.reserve(n * 2);
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        const int length = c < 0x80             ? 1
                           : (c & 0xe0) == 0xc0 ? 2
                           : (c & 0xf0) == 0xe0 ? 3
                           : (c & 0xf8) == 0xf0 ? 4
                                                : 0;
        if (c == '\\') {
            shown += "\\\\";
        } else if (c != 0 && length > 0 && i + length <= n && validUtf8(p + i, length)) {
            shown.append(bytes.data() + i, length);
            i += length;
            continue;
        } else {
            shown += "\\x";
            shown += digits[c >> 4];
            shown += digits[c & 15];
        }
        ++i;
    }
    return QString::fromUtf8(shown);
}

namespace {

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The local zone's offset at a time, asked of the C library once per quarter hour (zones change
// their offset only on such boundaries) and kept in a small table per thread.
std::optional<long> localOffset(qint64 t) {
    struct Slot {
        qint64 quarter = std::numeric_limits<qint64>::min();
        long offset = 0;
        bool ok = false;
    };
    thread_local Slot slots[512];
    // A changed TZ (tests, or a user who sets it) empties the table.
    thread_local QByteArray zone;
    const char* now = std::getenv("TZ");
    if (zone != QByteArrayView(now ? now : "")) {
        zone = now ? now : "";
        for (Slot& s : slots) s.quarter = std::numeric_limits<qint64>::min();
    }
    const qint64 quarter = floorDiv(t, 900);
    Slot& slot = slots[quint64(quarter) % 512];
    if (slot.quarter != quarter) {
        const time_t start = static_cast<time_t>(quarter * 900);
        struct tm parts {};
        slot.ok = localtime_r(&start, &parts) != nullptr;
        slot.offset = parts.tm_gmtoff;
        slot.quarter = quarter;
    }
    if (!slot.ok) return std::nullopt;
    return slot.offset;
}

void twoDigits(char* out, int value) {
    out[0] = char('0' + value / 10 % 10);
    out[1] = char('0' + value % 10);
}

}  // namespace

std::optional<QString> GetDateTime(qint64 unixSeconds, int) {
    // Beyond what the C library's broken-down time can hold, there is no date to show.
    if (unixSeconds < -(1LL << 40) || unixSeconds > (1LL << 40)) return std::nullopt;
    const auto offset = localOffset(unixSeconds);
    if (!offset) return std::nullopt;
    const qint64 local = unixSeconds + *offset;
    // Days to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
    const qint64 days = floorDiv(local, 86400) + 719468;
    const qint64 secondOfDay = local - floorDiv(local, 86400) * 86400;
    const qint64 era = floorDiv(days, 146097);
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    qint64 year = yearOfEra + era * 400 + (month <= 2);
    if (year < 1990) year += 31;
    if (year < 0 || year > 9999) return std::nullopt;
    char text[16];
    twoDigits(text, month);
    text[2] = '-';
    twoDigits(text + 3, day);
    text[5] = '-';
    twoDigits(text + 6, int(year / 100));
    twoDigits(text + 8, int(year % 100));
    text[10] = ' ';
    twoDigits(text + 11, int(secondOfDay / 3600));
    text[13] = ':';
    twoDigits(text + 14, int(secondOfDay / 60 % 60));
    return QString::fromLatin1(text, 16);
}

QString GetNSStringDate(const std::optional<QString>& text) {
    return text ? *text : QStringLiteral("Unkown Date");
}

QString dataDescription(const QByteArray& bytes) {
    static const char digits[] = "0123456789abcdef";
    QString out;
    out.reserve(2 + bytes.size() * 2 + bytes.size() / 4);
    out += QLatin1Char('<');
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 15]);
        if (i % 4 == 3 && i + 1 < bytes.size()) out += QLatin1Char(' ');
    }
    out += QLatin1Char('>');
    return out;
}

std::optional<qint64> fromChromeTime(qint64 microseconds) {
    if (microseconds <= 0) return std::nullopt;
    constexpr qint64 kFrom1601To1970 = 11644473600LL;
    return microseconds / 1000000 - kFrom1601To1970;
}

std::optional<qint64> fromReferenceDate(double seconds) {
    constexpr double kFrom1970To2001 = 978307200.0;
    // A time no calendar can show is no time at all.
    if (!std::isfinite(seconds) || seconds <= 0 || seconds > 1e12) return std::nullopt;
    return static_cast<qint64>(seconds + kFrom1970To2001);
}

}  // namespace CookieText
