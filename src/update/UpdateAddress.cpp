#include "UpdateAddress.h"

#include <QHostAddress>

#include "platform/Localized.h"

#ifndef CORVANE_UPDATE_HOST
#define CORVANE_UPDATE_HOST "https://corvane.app"
#endif
#ifndef CORVANE_DOWNLOAD_PAGE
#define CORVANE_DOWNLOAD_PAGE "https://corvane.app/download/"
#endif
#ifndef CORVANE_UPDATE_CHECK
#define CORVANE_UPDATE_CHECK 1
#endif

bool UpdateAddress::builtIn() {
    return CORVANE_UPDATE_CHECK != 0;
}

bool UpdateAddress::isAcceptable(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https")) return true;
    if (scheme != QLatin1String("http")) return false;
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost")) return true;
    const QHostAddress address(host);
    return address == QHostAddress(QHostAddress::LocalHost) ||
           address == QHostAddress(QHostAddress::LocalHostIPv6);
}

QUrl UpdateAddress::documentUrl(QString* error) {
    const QString given = qEnvironmentVariable("CORVANE_UPDATE_URL");
    const QUrl url = given.isEmpty() ? QUrl(QLatin1String(CORVANE_UPDATE_HOST) + QLatin1String(DocumentPath))
                                     : QUrl(given, QUrl::StrictMode);
    if (isAcceptable(url)) return url;
    if (error)
        *error = localized(
                     "the update address \"%1\" is not used: it must be https://, or http:// to this "
                     "machine only")
                     .arg(given.isEmpty() ? QLatin1String(CORVANE_UPDATE_HOST) : given);
    return {};
}

QUrl UpdateAddress::downloadPage() {
    return QUrl(QLatin1String(CORVANE_DOWNLOAD_PAGE));
}
