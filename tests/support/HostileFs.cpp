#include "HostileFs.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <algorithm>

#include "core/fs/FsName.h"

namespace HostileFs {

Swapper::Swapper(const QString& a, const QString& b) {
    const QByteArray pa = QFile::encodeName(a);
    const QByteArray pb = QFile::encodeName(b);
    m_thread = std::thread([this, pa, pb] {
        while (!m_stop.load())
            if (::renameat2(AT_FDCWD, pa.constData(), AT_FDCWD, pb.constData(), RENAME_EXCHANGE) == 0)
                ++m_swaps;
    });
}

Swapper::~Swapper() {
    m_stop = true;
    m_thread.join();
}

QList<QByteArray> rawNamesAt(int folder) {
    QList<QByteArray> names;
    const int own = ::openat(folder, ".", O_RDONLY | O_DIRECTORY);
    if (DIR* dir = own >= 0 ? ::fdopendir(own) : nullptr) {
        while (const dirent* e = ::readdir(dir))
            if (qstrcmp(e->d_name, ".") && qstrcmp(e->d_name, "..")) names << QByteArray(e->d_name);
        ::closedir(dir);
    }
    return names;
}

namespace {

void digestAt(int folder, const QByteArray& relative, QCryptographicHash& hash) {
    QList<QByteArray> names = rawNamesAt(folder);
    std::sort(names.begin(), names.end());
    for (const QByteArray& name : names) {
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        hash.addData(relative + '/' + name + ':' + QByteArray::number(st.st_mode) + '\n');
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlinkat(folder, name.constData(), target, sizeof target);
            if (n > 0) hash.addData(QByteArrayView(target, n));
        } else if (S_ISREG(st.st_mode)) {
            const int fd = ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW);
            if (fd >= 0) {
                int flags = 0;
                if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0)
                    hash.addData(QByteArray::number(flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)));
                char buffer[65536];
                ssize_t n;
                while ((n = ::read(fd, buffer, sizeof buffer)) > 0) hash.addData(QByteArrayView(buffer, n));
                ::close(fd);
            }
        } else if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (sub >= 0) {
                digestAt(sub, relative + '/' + name, hash);
                ::close(sub);
            }
        }
    }
}

}  // namespace

QByteArray treeDigest(const QString& path) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return QByteArray("<unreadable>");
    digestAt(fd, QByteArray(), hash);
    ::close(fd);
    return hash.result().toHex();
}

bool writeRaw(const QString& folder, const QByteArray& name, const QByteArray& content) {
    const QByteArray path = FsName::toBytes(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const bool ok = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && ok;
}

bool hasRaw(const QString& folder, const QByteArray& name) {
    struct stat st;
    return ::lstat((FsName::toBytes(folder) + '/' + name).constData(), &st) == 0;
}

bool makeDeepChain(const QString& folder, const QByteArray& step, int depth, const QByteArray& content) {
    int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < depth && fd >= 0; ++i) {
        ::mkdirat(fd, step.constData(), 0755);
        const int next = ::openat(fd, step.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    if (fd < 0) return false;
    const int file = ::openat(fd, "leaf", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::close(fd);
    if (file < 0) return false;
    const bool ok = ::write(file, content.constData(), size_t(content.size())) == content.size();
    return ::close(file) == 0 && ok;
}

bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

}  // namespace HostileFs
