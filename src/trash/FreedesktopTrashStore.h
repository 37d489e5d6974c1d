#pragma once

#include "TrashStore.h"

/// "$trash/files" holds the items, "$trash/info/<name>.trashinfo" each item's record and
/// "$trash/directorysizes" the sizes of the user's Trash folders. Every name is shown whole.
class FreedesktopTrashStore : public TrashStore {
  public:
    explicit FreedesktopTrashStore(std::shared_ptr<const Paths> paths) : TrashStore(std::move(paths)) {}

    std::unique_ptr<TrashListing> beginListing(const QString& folder, const QString& volume,
                                               const TrashOrigPaths& origPaths,
                                               const ItemSizes& files) const override;
    void placeInside(CVTrashFileNode& node, const QString& parentPlace) const override;
    TreeRow treeRow(const QString& name, bool topLevel,
                    const std::function<QString(const QString&)>& origPath) const override;
    void readPutBack(TrashOrigPaths& list) const override;
    std::optional<QHash<QString, DatedRecord>> putBackOf(const QList<QByteArray>& items) const override;
    bool readsPutBackInParts() const override { return true; }
    std::optional<QHash<QString, DatedRecord>> datedRecords(const QString& folder,
                                                            const QString& volume) const override;
    void forgetItem(const QString& itemPath) const override;
    void folderSizeChanged(const QString& itemPath, quint64 bytes) const override;
    bool isRecordsEntry(const QByteArray&) const override { return false; }
    bool takesItems() const override { return true; }
    void tidyAfterEmptying(const QString& folder, const QSet<QByteArray>& removed) const override;
    WholeEmptying wholeEmptying() const override;
    void emptyWhole(const FolderOpener& open, const QString& folder,
                    const FsTree::Options& options) const override;
    void forgetRemoved(const FolderOpener& open, const QString& itemsFolder,
                       const QByteArray& name) const override;

  protected:
    bool measuresFoldersInProcess() const override { return true; }
};
