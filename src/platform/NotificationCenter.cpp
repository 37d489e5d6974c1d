#include "NotificationCenter.h"

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler) {
    m_entries.append({observer, name, std::move(handler)});
}

void NotificationCenter::removeObserver(QObject* observer) {
    m_entries.removeIf([observer](const Entry& e) { return e.observer == observer; });
}

void NotificationCenter::post(const QString& name, QObject* object) {
    m_entries.removeIf([](const Entry& e) { return e.observer.isNull(); });
    // A handler may register or remove observers; deliver to a snapshot.
    const QList<Entry> snapshot = m_entries;
    const Notification note{name, object};
    for (const Entry& e : snapshot)
        if (e.name == name && !e.observer.isNull()) e.handler(note);
}
