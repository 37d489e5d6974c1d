#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// The small text helpers the cookie readers share.
namespace CookieText {

/// The bytes up to the first NUL (or the end) decoded as UTF-8; bytes that are not valid UTF-8 give
/// an empty text.
QString GetStringFormChar(const char* bytes, qsizetype maxLength);
QString GetStringFormChar(const QByteArray& bytes);

/// A cookie value (a server may send any octets): the text when the bytes are UTF-8 without a NUL,
/// `raw` left empty; otherwise the bytes shown losslessly (UTF-8 sequences as they are, a backslash
/// doubled, every other byte as "\xNN") and `raw` set to them.
QString valueText(QByteArrayView bytes, QByteArray* raw);

/// "MM-dd-yyyy HH:mm" of a time in seconds since 1970 UTC, in the local time zone; a year before
/// 1990 is shown 31 years later. Nothing when the time can't be broken down.
std::optional<QString> GetDateTime(qint64 unixSeconds, int fileType = 0);
/// The text, or "Unkown Date" for nothing.
QString GetNSStringDate(const std::optional<QString>& text);

/// How a data object describes its bytes: "<", lower-case hex with a space after every fourth byte
/// but the last, ">".
QString dataDescription(const QByteArray& bytes);

/// Chrome's times: microseconds since 1601-01-01 UTC, to seconds since 1970 (0 stays none).
std::optional<qint64> fromChromeTime(qint64 microseconds);
/// The binary file's times: seconds since 2001-01-01 UTC, to seconds since 1970.
std::optional<qint64> fromReferenceDate(double seconds);

}  // namespace CookieText
