#include "FsMount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

std::optional<FsMount> query(int folder, const char* name, int flags) {
    struct statx sx {};
    if (::statx(folder, name, flags | AT_STATX_DONT_SYNC, STATX_MNT_ID | STATX_INO, &sx) != 0)
        return std::nullopt;
    FsMount mount;
    mount.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    mount.hasId = (sx.stx_mask & STATX_MNT_ID) != 0;
    mount.id = mount.hasId ? sx.stx_mnt_id : 0;
    return mount;
}

}  // namespace

std::optional<FsMount> FsMount::of(int fd) {
    return query(fd, "", AT_EMPTY_PATH);
}

std::optional<FsMount> FsMount::at(int folder, const QByteArray& name) {
    return query(folder, name.constData(), AT_SYMLINK_NOFOLLOW);
}

std::optional<FsMount> FsMount::ofPath(const QByteArray& path) {
    if (!path.startsWith('/')) return std::nullopt;
    return query(AT_FDCWD, path.constData(), AT_SYMLINK_NOFOLLOW);
}
