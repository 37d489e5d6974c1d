#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "core/fs/FsTree.h"

struct ScopeLimits;
class CVTrashFileNode;
class ScopedFolder;
class ItemSizes;
class Tasks;
class OpenFolder;
class Paths;
class TrashOrigPaths;

/// One listing of one Trash folder, made by TrashStore::beginListing(). It places each top-level
/// entry (shown name, put-back place) and measures its folders, taking sizes from the store's
/// cache where it keeps one. Not shared between threads, except measure(), which is const.
class TrashListing {
  public:
    virtual ~TrashListing() = default;
    /// Sets the shown name and put-back place of a top-level entry named `node.theFileName`.
    virtual void place(CVTrashFileNode& node) const = 0;
    /// The size of folder `name` as the cache has it, while the folder's record is unchanged.
    virtual std::optional<quint64> knownSize(const QByteArray& name) = 0;
    /// Measures folder `name` of the opened items folder (`path` is its path, for a program that
    /// measures by path); nothing when it could not be measured.
    virtual std::optional<quint64> measure(const OpenFolder& items, const QByteArray& name,
                                           const QString& path) const = 0;
    /// Whether measure() may run on several threads at once.
    virtual bool measuresInParallel() const = 0;
    /// Keeps a measured size for the next listing.
    virtual void remember(const QByteArray& name, quint64 bytes) = 0;
    /// Ends the listing: the cache keeps the folders of `folders` only and is written back.
    virtual void finish(const QSet<QString>& folders) = 0;
};

/// Everything the two Trash layouts do differently: how items and their put-back records are kept,
/// how records are read, forgotten and tidied, and how a whole Trash is emptied. Every other part
/// asks its store instead of asking which layout runs.
class TrashStore {
  public:
    /// The store of the layout that `paths` describe (the mac one when there are none).
    static std::shared_ptr<const TrashStore> forPaths(std::shared_ptr<const Paths> paths);
    /// Same for a Paths the caller keeps alive for as long as the store is used.
    static std::shared_ptr<const TrashStore> forPaths(const Paths& paths);

    virtual ~TrashStore() = default;

    /// Starts listing the items folder `folder` (`volume` empty for the user's own Trash).
    virtual std::unique_ptr<TrashListing> beginListing(const QString& folder, const QString& volume,
                                                       const TrashOrigPaths& origPaths,
                                                       const ItemSizes& files) const = 0;
    /// Sets the shown name and put-back place of an entry found inside an item whose own put-back
    /// place is `parentPlace` ("--" when unknown).
    virtual void placeInside(CVTrashFileNode& node, const QString& parentPlace) const = 0;

    /// The texts of one row of the Trash tree.
    struct TreeRow {
        QString display;
        QString putBack;
    };
    virtual TreeRow treeRow(const QString& name, bool topLevel,
                            const std::function<QString(const QString&)>& origPath) const = 0;

    /// Reads the user's Trash records afresh into `list`, replacing it in one step.
    virtual void readPutBack(TrashOrigPaths& list) const = 0;
    /// What a record says of one item.
    struct DatedRecord {
        QString place;   ///< where it would be put back
        QDateTime when;  ///< when it was deleted; invalid when not recorded
    };
    /// The put-back records of the user's own Trash items `items` (raw names), each read from its
    /// own record: readPutBack() in parts, for a listing that hands out rows before every record is
    /// read. Nothing when this layout keeps all records in one file (readPutBack() reads them then).
    virtual std::optional<QHash<QString, DatedRecord>> putBackOf(const QList<QByteArray>& items) const {
        Q_UNUSED(items);
        return std::nullopt;
    }
    /// Whether putBackOf() gives records.
    virtual bool readsPutBackInParts() const { return false; }
    /// The record of each item of items folder `folder` (`volume` empty for the user's own Trash),
    /// by item name, read from the records alone; nothing when this layout keeps no deletion dates.
    virtual std::optional<QHash<QString, DatedRecord>> datedRecords(const QString& folder,
                                                                    const QString& volume) const {
        Q_UNUSED(folder);
        Q_UNUSED(volume);
        return std::nullopt;
    }
    /// After an item has left its Trash (removed or put back): drops its record.
    virtual void forgetItem(const QString& itemPath) const = 0;
    /// After something inside top-level folder item `itemPath` left it: the folder now measures
    /// `bytes`, which a size cache keeps so the next scan does not show the old size.
    virtual void folderSizeChanged(const QString& itemPath, quint64 bytes) const {
        Q_UNUSED(itemPath);
        Q_UNUSED(bytes);
    }
    /// Whether entry `name` of an items folder holds records rather than being an item.
    virtual bool isRecordsEntry(const QByteArray& name) const = 0;
    /// After an emptying of items folder `folder`: drops the records of the items it `removed`
    /// and of items long gone.
    virtual void tidyAfterEmptying(const QString& folder, const QSet<QByteArray>& removed) const = 0;

    /// The mount point of the volume whose Trash folder holds `itemPath` (an item or an entry inside
    /// one); empty for the user's own Trash and for any other path.
    QString volumeOf(const QString& itemPath) const;

    /// What an emptying with administrator rights visits.
    struct WholeEmptying {
        QStringList emptied;   ///< folders emptied whole, records included (emptyWhole())
        QStringList backedUp;  ///< folders whose entries, records aside, go to the backup removal
        QStringList measured;  ///< folders whose size afterwards is what is left
        /// The items folders of this user's Trash folders (home and volumes), the same ones a
        /// forced pass empties: the only folders whose entries a removal by name may take.
        QStringList items;
    };
    virtual WholeEmptying wholeEmptying() const = 0;
    /// Opens a folder by its path, with whatever checks the caller must apply at every step.
    using FolderOpener = std::function<ScopedFolder(const QString& path)>;
    /// Removes the items of `folder`, one named in `emptied`, and their records; the folder and
    /// each part of it are opened through `open`.
    virtual void emptyWhole(const FolderOpener& open, const QString& folder,
                            const FsTree::Options& options) const = 0;
    /// After entry `name` of the items folder `itemsFolder` (one of `items`) was removed: drops its
    /// record, opening the records' folder through `open`. Nothing while the item is still there.
    virtual void forgetRemoved(const FolderOpener& open, const QString& itemsFolder,
                               const QByteArray& name) const = 0;

    /// The folder `folder` (a Trash folder of this account's, or a folder inside one) as part of
    /// that Trash's scope: opened from the Trash folder down, never through a link, onto another
    /// mount or outside the account's Trash folders. Not open, with `why`, otherwise.
    ScopedFolder folderInTrash(const QString& folder, QString* why = nullptr) const;
    /// What no action of this account may be or hold.
    ScopeLimits scopeLimits() const;
    /// Whether Corvane can move items into this layout's Trash itself (TrashPut), keeping records
    /// the other desktop programs read.
    virtual bool takesItems() const { return false; }
    /// The layout this store works in.
    std::shared_ptr<const Paths> paths() const { return m_paths; }

    /// The size of `path` as this layout measures it: a folder (a link to one followed, as the
    /// path was given) as du counts it, anything else its own length. A folder is measured by a du
    /// run started through `tasks` unless the store measures in-process (or du could not be given
    /// the name). Nothing when it could not be measured.
    std::optional<quint64> sizeAt(const QString& path, Tasks& tasks) const;
    /// The same for an entry met by a walk, measured from its opened folder where the path is not
    /// needed: a file's length is the walk's own look at it.
    std::optional<quint64> sizeOf(const FsTree::WalkEntry& entry, Tasks& tasks) const;

  protected:
    /// Whether folder sizes are measured in-process rather than with one du run per folder.
    virtual bool measuresFoldersInProcess() const { return false; }

    explicit TrashStore(std::shared_ptr<const Paths> paths) : m_paths(std::move(paths)) {}
    std::shared_ptr<const Paths> m_paths;
};
