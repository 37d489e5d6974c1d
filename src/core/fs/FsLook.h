#pragma once

#include <sys/stat.h>

#include <QString>
#include <optional>

/// One look at a path, for code that only reads what is there (a test after a removal, the text of
/// an item's access, whether a place is taken). Work on what is found goes through OpenFolder.
namespace FsLook {

/// lstat of `path` (a final link not followed); nothing when nothing is there or it can't be seen.
std::optional<struct stat> at(const QString& path);
/// stat of `path`, every link followed; nothing when it leads nowhere.
std::optional<struct stat> through(const QString& path);
/// Whether anything is at `path`, a dangling link included.
inline bool exists(const QString& path) {
    return at(path).has_value();
}
/// Whether `path` is missing: nothing there (as opposed to something that can't be seen).
bool missing(const QString& path);

/// The type (f_type, the file system's magic number) of the file system that holds `path`, a
/// final link followed; 0 when the system can't say.
quint32 fileSystemType(const QString& path);

/// A path as the user or a record named it: anything not a folder measures its own length (a
/// final link not followed), a folder (a link to one followed once, as the user meant it) the
/// bytes allocated below it, as FsTree::allocatedBytes counts them. Nothing when it can't be read.
std::optional<quint64> allocatedBytes(const QString& path);

}  // namespace FsLook
