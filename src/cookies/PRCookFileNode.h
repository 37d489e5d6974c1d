#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// One cookie as a source gives it. A plain value: lists copy records cheaply (the texts are
/// shared), and a list handed to the main thread is never written by a worker again.
struct PRCookFileNode {
    QString fileHost;
    QString fileName;
    QString filePath;
    QString fileValue;  ///< null when the source gives none (exported as "(null)")
    QString secureValue = QStringLiteral("NO");
    QString expiredDate;  ///< the date text; null for a session cookie or where the source has none
    bool hasExpired = false;
    quint64 cookieStartOffSet = 0;  ///< binary file only
    qint32 cookieLength = 1;        ///< binary file only
    QString fileURL;
    QByteArray dataValue;

    // Kept for the Netscape export, which the shown texts can't give back.
    bool httpOnly = false;
    std::optional<qint64> expiryUnix;  ///< seconds since 1970 UTC; none for a session cookie
    bool undecryptable = false;        ///< the value shown is the description of encrypted bytes

    /// The value's bytes when they are not UTF-8 text; `fileValue` then shows them escaped
    /// ("\\xff", a backslash doubled). Empty for a value that is text.
    QByteArray valueBytes;
    /// The top-level site a partitioned cookie belongs to (empty: an ordinary, first-party cookie).
    QString partition;
    /// "None", "Lax" or "Strict"; empty when the source says nothing.
    QString sameSite;
    /// The database row, to remove exactly this cookie (-1 for the binary file).
    qint64 rowId = -1;

    bool isSecure() const { return secureValue == QLatin1String("YES"); }
    bool isPartitioned() const { return !partition.isEmpty(); }
    /// The value as a cookies.txt line carries it: its own bytes.
    QByteArray wireValue() const { return valueBytes.isEmpty() ? fileValue.toUtf8() : valueBytes; }
};

// Moved by memory copy when a list grows: every member is.
Q_DECLARE_TYPEINFO(PRCookFileNode, Q_RELOCATABLE_TYPE);

using CookieList = QList<PRCookFileNode>;
