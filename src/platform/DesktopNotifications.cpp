#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QObject>
#include <QVariantMap>

namespace {
const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
// A service that does not answer must not hold up the caller (the main thread).
constexpr int kTimeoutMs = 2000;
}  // namespace

/// The receiver of the service's ActionInvoked signal (QtDBus delivers signals to slots only).
class NotificationActionListener : public QObject {
    Q_OBJECT
  public:
    explicit NotificationActionListener(std::function<void(uint, const QString&)> invoked)
        : m_invoked(std::move(invoked)) {}
  public Q_SLOTS:
    void actionInvoked(uint id, const QString& key) { m_invoked(id, key); }

  private:
    std::function<void(uint, const QString&)> m_invoked;
};

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
        if (!identifier.isEmpty() && posted.identifier == identifier) replaces = posted.id;
    if (!actions.isEmpty() && !m_listener) {
        m_listener = std::make_shared<NotificationActionListener>(
            [this](uint id, const QString& key) { invoked(id, key); });
        bus.connect(QLatin1String(kService), QLatin1String(kPath), QLatin1String(kInterface),
                    QStringLiteral("ActionInvoked"), m_listener.get(), SLOT(actionInvoked(uint, QString)));
    }

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kInterface), QStringLiteral("Notify"));
    call << QStringLiteral("Corvane") << replaces << QStringLiteral("corvane") << title << body
         << actionPairs(actions) << QVariantMap() << -1;
    const QDBusReply<uint> reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (!reply.isValid() || identifier.isEmpty()) return;
    m_posted.removeIf([&](const Posted& p) { return p.identifier == identifier; });
    m_posted.append({identifier, reply.value(), actions});
}

void DBusDesktopNotifications::invoked(uint id, const QString& key) {
    if (!m_actionHandler) return;
    for (const Posted& p : std::as_const(m_posted)) {
        if (p.id != id) continue;
        for (const QString& title : p.actions) {
            if (title.trimmed().toLower() != key) continue;
            // Copies: the handler may withdraw the notification, and with it this record.
            const QString identifier = p.identifier;
            const QString action = title;
            m_actionHandler(identifier, action);
            return;
        }
    }
}

void DBusDesktopNotifications::withdraw(const QString& identifier) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_posted.removeIf([&](const Posted& p) {
        if (p.identifier != identifier) return false;
        if (bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                               QLatin1String(kInterface),
                                                               QStringLiteral("CloseNotification"));
            call << p.id;
            bus.call(call, QDBus::NoBlock);
        }
        return true;
    });
}

#include "DesktopNotifications.moc"
