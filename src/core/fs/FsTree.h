#pragma once

#include <QStringList>
#include <atomic>

#include "OpenFolder.h"

class ScopedFolder;

/// Work on a whole entry of an opened folder, at any depth: removal, secure erase and measuring.
/// The walk holds each folder by descriptor and enters a sub-folder only by its name in the folder
/// just listed, never following a link; a folder swapped for a link mid-walk is not entered, and a
/// folder moved away mid-walk stops the work. It never crosses a mount point: a folder or file with
/// another file system mounted on it is left alone and said so. Depth is not limited by PATH_MAX or
/// by descriptors. Removing and erasing act only inside a scope (FsScope).
namespace FsTree {

struct Options {
    bool clearLockedFlags = false;             ///< clear immutable and append-only flags on the way
    const std::atomic_bool* cancel = nullptr;  ///< checked between entries
    /// Advanced by one per entry other than a folder that is removed (erase: or overwritten); may
    /// be read by another thread while the work runs.
    std::atomic<quint64>* files = nullptr;
    /// Advanced by the size (st_size) of each regular file removed; an erase advances it as the
    /// overwrite goes, so one big file shows its progress too.
    std::atomic<quint64>* bytes = nullptr;
};

struct Report {
    bool gone = false;        ///< nothing is left at the entry's name
    bool cancelled = false;   ///< stopped by the caller's cancel flag
    quint64 removed = 0;      ///< entries removed, folders included
    quint64 overwritten = 0;  ///< regular files overwritten whole (erase only)
    QStringList problems;     ///< one line per entry that resisted or was not overwritten: "path: what"
};

/// Removes the entry `name` of `parent`: a link as a link, a folder with everything below it. An
/// entry the scope does not allow is left alone and said so.
Report remove(const ScopedFolder& parent, const QByteArray& name, const Options& options = {});

/// Like remove(), but every regular file is overwritten whole and synced before it is unlinked. A
/// file with other hard links is unlinked without being overwritten (its data lives on under its
/// other names) and said so; a file that can't be opened for writing, a short write, a failed sync
/// and data added during the overwrite are said too.
Report erase(const ScopedFolder& parent, const QByteArray& name, const Options& options = {});

/// Bytes allocated to the entry and everything below it, as "du -k" counts them (1 KB units, a
/// hard-linked file once, links not followed), times 1024. Nothing when the entry can't be read.
std::optional<quint64> allocatedBytes(const OpenFolder& parent, const QByteArray& name);

/// The text of the problem line for a hard-linked file that was only unlinked.
QString otherNamesText();

}  // namespace FsTree
