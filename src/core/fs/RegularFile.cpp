#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "FsName.h"

namespace RegularFile {

namespace {

/// Opens for reading and checks the type on the opened file, handing back its attributes.
int openChecked(int folder, const QByteArray& name, bool noFollow, struct stat& st) {
    if (name.isEmpty()) return -1;
    // Non-blocking, so opening a FIFO returns at once; the type is then checked on what was opened.
    // A regular file ignores the flag, so it stays set: a read of one never waits anyway.
    const int fd = ::openat(folder, name.constData(),
                            O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0));
    if (fd < 0) return -1;
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        const int error = known ? EINVAL : errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::optional<QByteArray> readOpened(int fd, const struct stat& st, qint64 cap) {
    QByteArray data;
    data.resize(qMin<qint64>(cap, qMax<qint64>(st.st_size, 0)));
    qint64 got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            // A read that fails half-way (a failing disk, a folder's descriptor) is no shorter file:
            // what came before it must not pass for the whole.
            const int error = errno;
            ::close(fd);
            errno = error;
            return std::nullopt;
        }
        if (n == 0) break;  // shrank since the fstat
        got += n;
    }
    ::close(fd);
    data.truncate(got);
    return data;
}

}  // namespace

int openAt(int folder, const QByteArray& name, bool noFollow) {
    struct stat st {};
    return openChecked(folder, name, noFollow, st);
}

std::optional<QByteArray> readAndClose(int fd, qint64 cap) {
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return readOpened(fd, st, cap);
}

std::optional<QByteArray> readAt(int folder, const QByteArray& name, bool noFollow, qint64 cap) {
    struct stat st {};
    const int fd = openChecked(folder, name, noFollow, st);
    if (fd < 0) return std::nullopt;
    return readOpened(fd, st, cap);
}

bool readChunksAt(int folder, const QByteArray& name, qint64 cap, qint64 chunk,
                  const std::function<bool(QByteArrayView)>& each) {
    struct stat st {};
    const int fd = openChecked(folder, name, true, st);
    if (fd < 0) return false;
    QByteArray buffer(qMax<qint64>(1, chunk), Qt::Uninitialized);
    qint64 done = 0;
    bool ok = true;
    while (ok && done < cap) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(qMin<qint64>(buffer.size(), cap - done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        done += n;
        if (!each(QByteArrayView(buffer.constData(), n))) break;
    }
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

Stream::Stream(const QString& path) : m_fd(openAt(AT_FDCWD, FsName::toBytes(path), false)) {
    if (m_fd >= 0) m_file.open(m_fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
}

Stream::~Stream() {
    m_file.close();
    if (m_fd >= 0) ::close(m_fd);
}

std::optional<QByteArray> read(const QString& path, qint64 cap) {
    return readAndClose(openAt(AT_FDCWD, FsName::toBytes(path), false), cap);
}

}  // namespace RegularFile
