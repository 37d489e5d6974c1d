#pragma once

#include "TrashStore.h"

/// One folder of items per Trash, the put-back records of the user's Trash in its ".DS_Store". A
/// name that starts with a dot is shown without it and has no put-back place; volume items go
/// back to their volume's top folder.
class MacTrashStore : public TrashStore {
  public:
    explicit MacTrashStore(std::shared_ptr<const Paths> paths) : TrashStore(std::move(paths)) {}

    std::unique_ptr<TrashListing> beginListing(const QString& folder, const QString& volume,
                                               const TrashOrigPaths& origPaths,
                                               const ItemSizes& files) const override;
    void placeInside(CVTrashFileNode& node, const QString& parentPlace) const override;
    TreeRow treeRow(const QString& name, bool topLevel,
                    const std::function<QString(const QString&)>& origPath) const override;
    void readPutBack(TrashOrigPaths& list) const override;
    void forgetItem(const QString&) const override {}
    bool isRecordsEntry(const QByteArray& name) const override;
    void tidyAfterEmptying(const QString&, const QSet<QByteArray>&) const override {}
    WholeEmptying wholeEmptying() const override;
    void emptyWhole(const FolderOpener& open, const QString& folder,
                    const FsTree::Options& options) const override;
    void forgetRemoved(const FolderOpener& open, const QString& itemsFolder,
                       const QByteArray& name) const override;
};
