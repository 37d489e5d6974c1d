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

    bool isSecure() const { return secureValue == QLatin1String("YES"); }
};

// Moved by memory copy when a list grows: every member is.
Q_DECLARE_TYPEINFO(PRCookFileNode, Q_RELOCATABLE_TYPE);

using CookieList = QList<PRCookFileNode>;
