#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QObject;

/// Posts a notification on the user's desktop. This base posts nothing (no desktop to talk to).
class DesktopNotifications {
  public:
    virtual ~DesktopNotifications() = default;

    /// Posts `title` and `body` with buttons titled `actions`. A notification with the same
    /// non-empty `identifier` as an earlier one of this process replaces it. Never blocks for long,
    /// never fails loudly: without a desktop it does nothing.
    virtual void notify(const QString& /*title*/, const QString& /*body*/, const QStringList& /*actions*/,
                        const QString& /*identifier*/ = QString()) {}
    /// Takes back the notifications of this process posted under `identifier`.
    virtual void withdraw(const QString& /*identifier*/) {}

    /// Told the identifier and the button's title when the user presses a button of a notification
    /// posted with an identifier, where the desktop reports presses. Main thread.
    using ActionHandler = std::function<void(const QString& identifier, const QString& action)>;
    void setActionHandler(ActionHandler handler) { m_actionHandler = std::move(handler); }

  protected:
    ActionHandler m_actionHandler;
};

/// The desktop's notification service on the session bus (org.freedesktop.Notifications), under
/// the application name "Corvane". Without a session bus or a service it posts nothing.
class DBusDesktopNotifications : public DesktopNotifications {
  public:
    void notify(const QString& title, const QString& body, const QStringList& actions,
                const QString& identifier = QString()) override;
    void withdraw(const QString& identifier) override;

    /// The action list of the service: a key and a title for each button.
    static QStringList actionPairs(const QStringList& titles);

  private:
    struct Posted {
        QString identifier;
        uint id = 0;
        QStringList actions;
    };
    void invoked(uint id, const QString& key);

    QList<Posted> m_posted;
    std::shared_ptr<QObject> m_listener;  ///< receives the service's ActionInvoked signal
};
