#pragma once

#include <QStringList>
#include <atomic>
#include <functional>

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

/// One entry met by walk(), valid during the visitor's call only. Its attributes are the one lstat
/// the walk made; anything more is asked relative to its opened folder, never by path.
class WalkEntry {
  public:
    WalkEntry(int folder, const QByteArray& name, const struct stat& st, const QString& path, int depth)
        : m_folder(folder), m_name(name), m_st(st), m_path(path), m_depth(depth) {}

    const QByteArray& name() const { return m_name; }
    /// The lossless text of its path.
    const QString& path() const { return m_path; }
    const struct stat& st() const { return m_st; }
    bool isFolder() const { return S_ISDIR(m_st.st_mode); }
    /// 1 for an entry of the folder the walk started in, 2 for one inside such a folder, and so on.
    int depth() const { return m_depth; }
    /// What a link leads to (every link followed); nothing when it leads nowhere.
    std::optional<struct stat> target() const;
    /// A fresh lstat, for a visitor that took long over the entry; nothing when it is gone.
    std::optional<struct stat> lookAgain() const;
    /// What allocatedBytes() says of this entry, measured from its opened folder.
    std::optional<quint64> allocatedBytes() const;

  private:
    int m_folder;
    const QByteArray& m_name;
    const struct stat& m_st;
    const QString& m_path;
    int m_depth;
};

/// Walks everything below the opened `folder`, depth first: `visit` sees every entry in the order
/// its folder lists it, and a folder's own entries follow it at once when `visit` returns true
/// (false leaves it unentered). The same walk as remove(), erase() and allocatedBytes(): folders are
/// entered by name from their opened parent, never through a link; a folder swapped after it was
/// looked at is not entered; a folder with another file system mounted on it is not entered; going
/// back up where a level was let go checks ".." is the folder left, and stops the walk otherwise.
/// Folders that could not be entered are in the report's problems.
Report walk(const OpenFolder& folder, const std::function<bool(const WalkEntry&)>& visit,
            const Options& options = {});

/// The same walk for the one entry `name` of `parent`: `visit` sees the entry itself first (depth 1)
/// and, when it returns true for a folder, everything below it (depth 2 and on).
Report walkEntry(const OpenFolder& parent, const QByteArray& name,
                 const std::function<bool(const WalkEntry&)>& visit, const Options& options = {});

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
