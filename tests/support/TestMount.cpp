#include "TestMount.h"

#include <sys/mount.h>

#include <QFile>
#include <cerrno>
#include <cstring>

TestMount::TestMount(const QByteArray& source, const QString& target, const char* type, unsigned long flags,
                     const char* data, const QString& what)
    : m_target(QFile::encodeName(target)) {
    m_mounted = ::mount(source.constData(), m_target.constData(), type, flags, data) == 0;
    if (!m_mounted)
        m_why = what + QStringLiteral(" can't be made here: ") + QString::fromLocal8Bit(std::strerror(errno));
}

TestMount::~TestMount() {
    if (m_mounted) ::umount2(m_target.constData(), MNT_DETACH);
}

std::unique_ptr<TestMount> TestMount::bind(const QString& source, const QString& target) {
    return std::unique_ptr<TestMount>(new TestMount(QFile::encodeName(source), target, nullptr, MS_BIND,
                                                    nullptr, QStringLiteral("a bind mount")));
}

std::unique_ptr<TestMount> TestMount::tmpfs(const QString& target, bool readOnly) {
    return std::unique_ptr<TestMount>(new TestMount("tmpfs", target, "tmpfs", readOnly ? MS_RDONLY : 0,
                                                    "size=64m", QStringLiteral("a tmpfs")));
}
