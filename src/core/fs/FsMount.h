#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QtGlobal>
#include <optional>

/// Which mount a file lies on. A bind mount of the same file system keeps the device number, so
/// the kernel's mount id is what tells two mounts apart; where the kernel gives none, the device
/// number has to do.
struct FsMount {
    quint64 id = 0;
    dev_t device = 0;
    bool hasId = false;

    bool operator==(const FsMount& other) const {
        return hasId && other.hasId ? id == other.id : device == other.device;
    }

    /// The mount of the open file `fd` itself.
    static std::optional<FsMount> of(int fd);
    /// The mount of entry `name` of the open folder `folder`, without following a link.
    static std::optional<FsMount> at(int folder, const QByteArray& name);
    /// The mount of the entry at the absolute path `path`, the last step not followed.
    static std::optional<FsMount> ofPath(const QByteArray& path);
};
