#pragma once

#include <QByteArray>
#include <QString>

/// `source` bind-mounted on `target` (a folder on a folder, a file on a file) for the guard's life;
/// detached again whatever the test's outcome. Where mounting is refused, `why` says so and the
/// test skips.
class BindMount {
  public:
    BindMount(const QString& source, const QString& target);
    ~BindMount();
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;
    bool isMounted() const { return m_mounted; }
    QString why() const { return m_why; }

  private:
    QByteArray m_target;
    bool m_mounted = false;
    QString m_why;
};
