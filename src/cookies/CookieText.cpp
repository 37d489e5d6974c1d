#include "CookieText.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace CookieText {

QString GetStringFormChar(const char* bytes, qsizetype maxLength) {
    if (!bytes || maxLength <= 0) return QString(QLatin1String(""));
    const void* nul = std::memchr(bytes, 0, size_t(maxLength));
    const qsizetype length = nul ? static_cast<const char*>(nul) - bytes : maxLength;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes, length));
    if (decoder.hasError()) return QString(QLatin1String(""));
    return text;
}

QString GetStringFormChar(const QByteArray& bytes) {
    return GetStringFormChar(bytes.constData(), bytes.size());
}

std::optional<QString> GetDateTime(qint64 unixSeconds, int) {
    const time_t t = static_cast<time_t>(unixSeconds);
    struct tm parts {};
    if (!localtime_r(&t, &parts)) return std::nullopt;
    int year = parts.tm_year + 1900;
    if (year < 1990) year += 31;
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d", parts.tm_mon + 1, parts.tm_mday, year,
                  parts.tm_hour, parts.tm_min);
    return QString::fromLatin1(text, qsizetype(std::min<size_t>(std::strlen(text), 16)));
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
