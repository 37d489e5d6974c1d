#pragma once

#include <QList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "CVTrashFileNode.h"

class ItemSizes;
class OpenFolder;
struct FsEntry;
class Paths;
class TrashOrigPaths;
class TrashStore;
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
    TrashScanner(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
                 std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace);

    /// Rebuilds the put-back list from the Trash's records, then lists every Trash.
    TrashScanResult scan() const;
    /// Lists every Trash with the put-back list as it is.
    TrashScanResult ScanUserTrashItems() const;
    using EachItem = std::function<void(const CVTrashFileNode::Ptr& item)>;
    /// scan() that hands each record to `each` as soon as it is made, in the same order, and keeps
    /// none: a listing of any size in bounded memory. Returns the user's own Trash's size.
    quint64 scanEach(const EachItem& each) const;
    using EachBatch = std::function<void(const QList<CVTrashFileNode::Ptr>& batch)>;
    /// scanEach() a batch of records at a time (a few hundred, never empty), as they are measured.
    quint64 scanBatches(const EachBatch& each) const;
    /// Once `stop` is set the scan hands out no more batches and writes no size cache (what it
    /// left unseen would look gone). Checked between batches, from the scanning thread.
    void setStop(std::shared_ptr<const std::atomic_bool> stop) { m_stop = std::move(stop); }
    /// Lists every Trash from its records alone, for ageing: each item with its name, path, put-back
    /// place and deletion date, nothing measured and no entry looked at (an item is listed whatever
    /// it is, a link whose target is gone included). Rebuilds the put-back list as scan() does.
    /// Nothing when the layout keeps no deletion dates; scan() is needed then.
    std::optional<TrashScanResult> scanDated() const;
    /// A scan that writes nothing: the folder-size cache is read but neither updated nor saved
    /// (a dry run must leave the Trash folders exactly as they were).
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    /// The volumes whose Trash folders are scanned (the layout says which).
    QStringList scannedVolumes() const;

    /// Names of a folder's entries (lossless text) in the order the file system gives them, hidden
    /// ones included; nothing when the folder is reached through a link.
    static QStringList listFolder(const QString& folder);
    /// A record of one entry from its one lstat: name, path, date, access text, kind; a non-folder's
    /// length as its size, "--" for a folder (the caller measures folders). A link counts as what
    /// it leads to (and keeps its own `mode`); a link whose target is gone gives no record.
    static CVTrashFileNode::Ptr nodeFor(const OpenFolder& folder, const FsEntry& entry);
    /// nodeFor of each name, in the same order; nullptr where an entry is gone or leads nowhere.
    static QList<CVTrashFileNode::Ptr> nodesFor(const OpenFolder& folder, const QList<QByteArray>& names);

  private:
    /// `readInParts`: the user's Trash's put-back records are read into it a batch at a time.
    quint64 scanEachBatch(const EachBatch& each, TrashOrigPaths* readInParts = nullptr) const;
    void scanFolder(const QString& folder, const QString& volume, const EachBatch& each, quint64& total,
                    TrashOrigPaths* readInParts = nullptr) const;
    /// Adds the records of `items` to `list`, keyed by the names of their records `nodes` (null
    /// where an item gave none).
    void addPutBack(TrashOrigPaths& list, const QList<QByteArray>& items,
                    const QList<CVTrashFileNode::Ptr>& nodes) const;
    bool stopped() const { return m_stop && m_stop->load(); }
    OpenFolder openItems(const QString& folder, const QString& volume) const;

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const ItemSizes> m_files;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<const Workspace> m_workspace;
    std::shared_ptr<const TrashStore> m_store;
    std::shared_ptr<const std::atomic_bool> m_stop;
    bool m_readOnly = false;
};
