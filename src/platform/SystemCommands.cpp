#include "SystemCommands.h"

#include "Tasks.h"

#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

SystemCommands::SystemCommands(std::shared_ptr<Tasks> tasks)
    : m_tasks(std::move(tasks)),
      m_srm(QStandardPaths::findExecutable(QStringLiteral("srm"))),
      m_chattr(QStandardPaths::findExecutable(QStringLiteral("chattr"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin"),
                                                                         QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})) {}

QString SystemCommands::safeArgument(const QString& path) {
    return path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path;
}

void SystemCommands::removeTree(const QString& path) const {
    if (path.isEmpty()) return;
    m_tasks->run(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--"), path});
}

void SystemCommands::moveNoReplace(const QString& from, const QString& to) const {
    // -T: never into a folder that is there; -n: never over what is there.
    m_tasks->run(QStringLiteral("mv"), {QStringLiteral("-n"), QStringLiteral("-T"), QStringLiteral("--"), from, to});
}

void SystemCommands::clearLockedFlags(const QString& path) const {
    if (m_chattr.isEmpty() || path.isEmpty()) return;
    m_tasks->run(m_chattr, {QStringLiteral("-R"), QStringLiteral("-i"), QStringLiteral("-a"), safeArgument(path)});
}

void SystemCommands::secureRemove(const QString& path) const {
    if (path.isEmpty()) return;
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    const bool isLink = ::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode);
    if (!m_srm.isEmpty() && !isLink) {
        m_tasks->run(m_srm, {safeArgument(path)});
        return;
    }
    overwriteAndUnlink(path);
}

void SystemCommands::backupDelete(const QString&) const {}

bool SystemCommands::overwriteAndUnlink(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const int flags = O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(native.constData(), flags);
    struct stat own;
    if (fd < 0 && errno == EACCES && ::lstat(native.constData(), &own) == 0 && S_ISREG(own.st_mode) &&
        own.st_uid == ::geteuid()) {
        // A read-only file of ours: make it writable so its contents are overwritten, not just unlinked.
        ::chmod(native.constData(), (own.st_mode & 07777) | S_IWUSR);
        fd = ::open(native.constData(), flags);
    }
    if (fd >= 0) {
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            std::vector<char> block(1 << 16, 0);
            for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 131 + 17) & 0xff);
            off_t written = 0;
            bool ok = true;
            while (ok && written < st.st_size) {
                const size_t chunk = static_cast<size_t>(std::min<off_t>(static_cast<off_t>(block.size()), st.st_size - written));
                const ssize_t n = ::pwrite(fd, block.data(), chunk, written);
                if (n > 0)
                    written += n;
                else if (n < 0 && errno == EINTR)
                    continue;
                else
                    ok = false;
            }
            ::fsync(fd);
        }
        ::close(fd);
    }
    // A link, a special file or an unwritable file is only unlinked.
    return ::unlink(native.constData()) == 0;
}
