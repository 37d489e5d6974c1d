#pragma once

#include <QByteArray>
#include <QString>

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

/// The Netscape cookie file that curl, wget and yt-dlp read. Cookies whose value could not be
/// decrypted, or that the format can't carry (a tab or a line break in a field), are left out and
/// counted in `leftOut`.
QByteArray netscapeText(const CookieList& cookies, int* leftOut = nullptr);

/// Writes `data` at `path` with mode 0600 through a new file and a rename; the folder must exist.
bool writePrivateFile(const QString& path, const QByteArray& data);

}  // namespace CookieExport
