#include "DesktopWorkspace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>

bool DesktopWorkspace::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool DesktopWorkspace::openURL(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopWorkspace::selectFile(const QString& path, const QString& rootFolder) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
        if (reply.type() == QDBusMessage::ReplyMessage) return true;
    }
    const QString folder = rootFolder.isEmpty() ? QFileInfo(path).absolutePath() : rootFolder;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
