#pragma once

#include <sys/mount.h>

#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>

/// A small tmpfs mounted on `target` for the guard's life (a second file system for a test), read
/// only when asked; detached whatever the outcome. Where mounting is refused, why() says so.
class TmpfsMount {
  public:
    explicit TmpfsMount(const QString& target, bool readOnly = false) : m_target(QFile::encodeName(target)) {
        m_mounted =
            ::mount("tmpfs", m_target.constData(), "tmpfs", readOnly ? MS_RDONLY : 0, "size=64m") == 0;
        if (!m_mounted)
            m_why = QStringLiteral("a tmpfs can't be mounted here: ") +
                    QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TmpfsMount() {
        if (m_mounted) ::umount2(m_target.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;
    bool isMounted() const { return m_mounted; }
    QString why() const { return m_why; }

  private:
    QByteArray m_target;
    bool m_mounted = false;
    QString m_why;
};
