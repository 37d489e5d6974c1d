#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/DesktopNotifications.h"

/// Posts nothing and remembers what it was asked. For tests and the snapshot mode.
class RecordingNotifications : public DesktopNotifications {
  public:
    struct Posted {
        QString title;
        QString body;
        QStringList actions;
        QString identifier;
    };
    void notify(const QString& title, const QString& body, const QStringList& actions,
                const QString& identifier = QString()) override {
        m_posted.append({title, body, actions, identifier});
    }
    void withdraw(const QString& identifier) override { m_withdrawn.append(identifier); }

    /// The user presses the button `action` of the notification posted under `identifier`.
    void press(const QString& identifier, const QString& action) {
        if (m_actionHandler) m_actionHandler(identifier, action);
    }

    const QList<Posted>& posted() const { return m_posted; }
    const QStringList& withdrawn() const { return m_withdrawn; }

  private:
    QList<Posted> m_posted;
    QStringList m_withdrawn;
};
