#pragma once

#include "CVTrashFileNode.h"

#include <QList>

#include <memory>

class DirectorySizes;
class FileUtilities;
class Paths;
class TrashOrigPaths;
class Workspace;

/// What one scan found.
struct TrashScanResult {
    QList<CVTrashFileNode::Ptr> items;  ///< in scan order
    quint64 trashFileSize = 0;          ///< the user's own Trash only
};

/// Lists what lies in the user's Trash and in the per-user Trash folders of mounted volumes: one
/// record per top-level entry with its size, date, access text and put-back place. Runs on the
/// calling thread (a worker); keeps no state between scans.
class TrashScanner {
public:
    TrashScanner(std::shared_ptr<const Paths> paths, std::shared_ptr<const FileUtilities> files,
                 std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace);

    /// Rebuilds the put-back list from the Trash's records, then lists every Trash.
    TrashScanResult scan() const;
    /// Lists every Trash with the put-back list as it is.
    TrashScanResult ScanUserTrashItems() const;
    /// The volumes whose Trash folders are scanned (the layout says which).
    QStringList scannedVolumes() const;

    /// Names of a folder's entries in the order the file system gives them, hidden ones included.
    static QStringList listFolder(const QString& folder);

private:
    void scanFolder(const QString& folder, const QString& volume, TrashScanResult& result) const;
    /// A folder item's size from the Trash's size cache, measured (and cached) when the cache has
    /// none for its info file's present mtime.
    quint64 cachedFolderSize(DirectorySizes& sizes, const QString& path, const QString& name) const;

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const FileUtilities> m_files;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<const Workspace> m_workspace;
};
