#include "AnchoredFolder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

QString joined(const QString& base, const QString& relative) {
    return base.endsWith(QLatin1Char('/')) ? base + relative : base + QLatin1Char('/') + relative;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

AnchoredFolder::AnchoredFolder(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return;
    open(slash == 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1));
}

AnchoredFolder::AnchoredFolder(const QString& base, const QString& relative) { open(base, relative); }

AnchoredFolder::~AnchoredFolder() {
    if (m_fd >= 0) ::close(m_fd);
}

void AnchoredFolder::open(const QString& base, const QString& relative) {
    m_display = relative.isEmpty() ? base : joined(base, relative);
    int fd = ::open(QFile::encodeName(base).constData(), FolderFlags);
    for (const QString& step : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (fd < 0) return;
        const int next = ::openat(fd, QFile::encodeName(step).constData(), FolderFlags | O_NOFOLLOW);
        ::close(fd);
        fd = next;
    }
    if (fd < 0) return;
    m_fd = fd;
    // Commands reach the folder through our descriptor where /proc shows it; else by the path
    // that was just checked.
    m_anchor = QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(m_fd);
    struct stat held, seen;
    if (::fstat(m_fd, &held) != 0 || ::stat(QFile::encodeName(m_anchor).constData(), &seen) != 0 ||
        !sameFile(held, seen))
        m_anchor = m_display;
}

QString AnchoredFolder::commandPath() const { return isOpen() ? m_anchor + QStringLiteral("/.") : QString(); }

QString AnchoredFolder::entryCommandPath(const QString& name) const {
    return isOpen() ? joined(m_anchor, name) : QString();
}

QStringList AnchoredFolder::entryNames(bool renameUnrepresentable) const {
    QStringList names;
    if (!isOpen()) return names;
    // A descriptor of its own, so that reading does not move the held one.
    const int fd = ::openat(m_fd, ".", FolderFlags);
    if (fd < 0) return names;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return names;
    }
    QList<QByteArray> unrepresentable;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..") continue;
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) == raw)
            names << name;
        else
            unrepresentable << raw;
    }
    ::closedir(dir);
    if (!renameUnrepresentable) return names;
    int serial = 0;
    for (const QByteArray& raw : std::as_const(unrepresentable)) {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            const QString plain = QStringLiteral("unreadable-name-%1").arg(++serial);
            if (::renameat2(m_fd, raw.constData(), m_fd, QFile::encodeName(plain).constData(), RENAME_NOREPLACE) == 0) {
                names << plain;
                break;
            }
            if (errno != EEXIST) break;
        }
    }
    return names;
}
