#include "BindMount.h"

#include <sys/mount.h>

#include <QFile>
#include <cerrno>
#include <cstring>

BindMount::BindMount(const QString& source, const QString& target) : m_target(QFile::encodeName(target)) {
    m_mounted =
        ::mount(QFile::encodeName(source).constData(), m_target.constData(), nullptr, MS_BIND, nullptr) == 0;
    if (!m_mounted)
        m_why = QStringLiteral("a bind mount can't be made here: ") +
                QString::fromLocal8Bit(std::strerror(errno));
}

BindMount::~BindMount() {
    if (m_mounted) ::umount2(m_target.constData(), MNT_DETACH);
}
