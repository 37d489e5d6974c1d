#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

/// Named notifications carrying the object that posted them. Observers get every notification of
/// the name and compare the object with their own (buttons post themselves). Main thread only.
class NotificationCenter {
public:
    struct Notification {
        QString name;
        QObject* object = nullptr;
    };
    using Handler = std::function<void(const Notification&)>;

    /// Registers `handler` for `name`; it is dropped when `observer` is destroyed.
    void addObserver(QObject* observer, const QString& name, Handler handler);
    void removeObserver(QObject* observer);
    /// Delivers synchronously to the observers registered for `name`, in registration order.
    void post(const QString& name, QObject* object);

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    QList<Entry> m_entries;
};
