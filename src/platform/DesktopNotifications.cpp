#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace {
const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
// A service that does not answer must not hold up the caller (the main thread).
constexpr int kTimeoutMs = 2000;
}  // namespace

QStringList DBusDesktopNotifications::actionPairs(const QStringList& titles) {
    QStringList pairs;
    for (const QString& title : titles) pairs << title.trimmed().toLower() << title;
    return pairs;
}

void DBusDesktopNotifications::notify(const QString& title, const QString& body, const QStringList& actions,
                                      const QString& identifier) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    uint replaces = 0;
    for (const auto& posted : std::as_const(m_posted))
        if (!identifier.isEmpty() && posted.first == identifier) replaces = posted.second;

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kInterface), QStringLiteral("Notify"));
    call << QStringLiteral("Corvane") << replaces << QStringLiteral("corvane") << title << body
         << actionPairs(actions) << QVariantMap() << -1;
    const QDBusReply<uint> reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (!reply.isValid() || identifier.isEmpty()) return;
    m_posted.removeIf([&](const QPair<QString, uint>& p) { return p.first == identifier; });
    m_posted.append({identifier, reply.value()});
}

void DBusDesktopNotifications::withdraw(const QString& identifier) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_posted.removeIf([&](const QPair<QString, uint>& p) {
        if (p.first != identifier) return false;
        if (bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                               QLatin1String(kInterface),
                                                               QStringLiteral("CloseNotification"));
            call << p.second;
            bus.call(call, QDBus::NoBlock);
        }
        return true;
    });
}
