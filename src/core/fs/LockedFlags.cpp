#include "LockedFlags.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace LockedFlags {

bool clear(int fd) {
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        return errno == ENOTTY || errno == EOPNOTSUPP || errno == EINVAL;
    constexpr int locked = FS_IMMUTABLE_FL | FS_APPEND_FL;
    if (!(flags & locked)) return true;
    flags &= ~locked;
    return ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
}

bool clearAt(int folder, const QByteArray& name) {
    struct stat st;
    if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return true;  // links and devices carry none we could clear
    const int fd =
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat opened;
    // Only the entry that was looked at: a file swapped in between is left alone.
    const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == st.st_dev && opened.st_ino == st.st_ino;
    const bool ok = same && clear(fd);
    ::close(fd);
    return ok;
}

}  // namespace LockedFlags
