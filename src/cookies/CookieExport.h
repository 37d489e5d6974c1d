#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "PRCookFileNode.h"

/// Collects the export text: one line per cookie followed by an empty line, plain UTF-8 (the
/// method names speak of RTF, the text is not).
class PRRtfController {
  public:
    PRRtfController() { setRtfHeader(); }
    void setRtfHeader() { strRtfContent.clear(); }
    /// Appends `line`, then two line feeds.
    void addRtfContent(const QString& line);
    void setRtfEnder() {}
    /// Writes the text to `folder`/"cookiedata.txt", readable by the user only, through a new file
    /// and a rename. False, with the old file left, when it could not be written whole.
    bool writeRtfInPath(const QString& folder, const QString& fileType);

    /// "Website:%@  Name:%@  Secure:%@  Path:%@  Value:%@  ", a missing text as "(null)".
    static QString lineFor(const PRCookFileNode& cookie);

    QString strRtfContent;
};

namespace CookieExport {

inline constexpr char FileName[] = "cookiedata.txt";

/// The Netscape cookie file that curl, wget and yt-dlp read; a value that is not text is written as
/// its own bytes. Cookies whose value could not be decrypted, or that the format can't carry (a tab
/// or a line break in a field), are left out and counted in `leftOut`; partitioned cookies are left
/// out and counted in `partitioned` (the format has no place for the partition, and a client would
/// send them where the browser sends the first-party cookie of the same name).
QByteArray netscapeText(const CookieList& cookies, int* leftOut = nullptr, int* partitioned = nullptr);
/// The first lines of such a file.
inline constexpr char NetscapeHeader[] = "# Netscape HTTP Cookie File\n\n";
/// One cookie's line of such a file; empty, and counted as netscapeText counts, when it is left out.
QByteArray netscapeLine(const PRCookFileNode& cookie, int* leftOut, int* partitioned);

/// One cookie as a JSON object: host, name, path, value, secure, httpOnly, encrypted, expires,
/// sameSite and partition (null when none), and valueBytes (base64) for a value that is not text.
QJsonObject jsonOf(const PRCookFileNode& cookie);

/// `jsonOf` with the cookie's "site" and whether it is "kept".
QJsonObject jsonRow(const PRCookFileNode& cookie, const QStringList& keepList);
/// The same object as one line of JSON text, written without a document per row (for millions).
QByteArray jsonLine(const PRCookFileNode& cookie, const QStringList& keepList);
/// The cookies as a JSON array of `jsonRow` objects.
QByteArray jsonText(const CookieList& cookies, const QStringList& keepList);

/// Why an export of `cookies` would carry no value at all (there are cookies, and not one of them
/// could be decrypted); empty when it carries some.
QString nothingToExport(const CookieList& cookies);
/// What nothingToExport says of `count` cookies, none of them decrypted.
QString nothingDecrypted(qint64 count);

/// Writes `data` at `path` with mode 0600 through a new file and a rename; the folder must exist.
bool writePrivateFile(const QString& path, const QByteArray& data);

}  // namespace CookieExport
