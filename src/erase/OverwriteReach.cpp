#include "OverwriteReach.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <mutex>

#include "core/FileUtilities.h"
#include "core/Path.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsName.h"
#include "platform/Localized.h"

namespace {

struct KnownType {
    quint32 type;
    const char* name;
};

// Types the kernel headers lack come from the file systems' own sources.
constexpr quint32 ZfsMagic = 0x2FC12FC1;
constexpr quint32 BcachefsMagic = 0xCA451A4E;
constexpr quint32 UbifsMagic = 0x24051905;
constexpr quint32 LustreMagic = 0x0BD00BD0;

// Copy-on-write and log-structured file systems write elsewhere; with a network file system the
// server decides where the bytes land.
constexpr KnownType unreachable[] = {
    {BTRFS_SUPER_MAGIC, "btrfs"},
    {ZfsMagic, "ZFS"},
    {BcachefsMagic, "bcachefs"},
    {F2FS_SUPER_MAGIC, "F2FS"},
    {NILFS_SUPER_MAGIC, "NILFS2"},
    {JFFS2_SUPER_MAGIC, "JFFS2"},
    {UbifsMagic, "UBIFS"},
    {NFS_SUPER_MAGIC, "NFS"},
    {SMB_SUPER_MAGIC, "SMB"},
    {static_cast<quint32>(CIFS_SUPER_MAGIC), "SMB"},
    {static_cast<quint32>(SMB2_SUPER_MAGIC), "SMB"},
    {CEPH_SUPER_MAGIC, "Ceph"},
    {AFS_SUPER_MAGIC, "AFS"},
    {AFS_FS_MAGIC, "AFS"},
    {CODA_SUPER_MAGIC, "Coda"},
    {V9FS_MAGIC, "9P"},
    {LustreMagic, "Lustre"},
};

std::mutex lookupMutex;
OverwriteReach::TypeLookup lookup;  // empty: statfs
std::atomic<bool> warned{false};

quint32 typeAt(const QString& path) {
    OverwriteReach::TypeLookup current;
    {
        std::lock_guard<std::mutex> lock(lookupMutex);
        current = lookup;
    }
    return current ? current(path) : OverwriteReach::fileSystemTypeAt(path);
}

}  // namespace

namespace OverwriteReach {

quint32 fileSystemTypeAt(const QString& path) {
    QString at = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const std::optional<struct stat> st = FsLook::at(at);
    if (st && !S_ISLNK(st->st_mode)) return FsLook::fileSystemType(at);
    while (at != QLatin1String("/")) {
        at = Path(at).parent().text();
        if (const quint32 type = FsLook::fileSystemType(at)) return type;
    }
    return 0;
}

QString unreachableFileSystemName(quint32 type) {
    for (const KnownType& known : unreachable)
        if (known.type == type) return QString::fromLatin1(known.name);
    return QString();
}

void setTypeLookup(TypeLookup replacement) {
    std::lock_guard<std::mutex> lock(lookupMutex);
    lookup = std::move(replacement);
}

QString unreachableFileSystem(const QStringList& paths) {
    for (const QString& path : paths) {
        const QString name = unreachableFileSystemName(typeAt(path));
        if (!name.isEmpty()) return name;
    }
    return QString();
}

AlertRequest warning(const QString& fileSystem) {
    return {
        localized("The erased items were removed, but their former contents may still be recoverable."),
        localized(" OK "), QString(),
        localized("They were on %1, a file system that can write new data to new places instead of over the "
                  "old, so overwriting them may not have reached what they held before.")
            .arg(fileSystem)};
}

std::optional<AlertRequest> warningAfterErase(const QStringList& paths) {
    if (warned.load()) return std::nullopt;  // no need to look at the file systems again
    QStringList gone;  // the text says they were removed; what is still there does not count
    for (const QString& path : paths)
        if (!FileUtilities::somethingAt(path)) gone << path;
    const QString fileSystem = unreachableFileSystem(gone);
    if (fileSystem.isEmpty() || warned.exchange(true)) return std::nullopt;
    return warning(fileSystem);
}

void resetWarning() {
    warned.store(false);
}

}  // namespace OverwriteReach
