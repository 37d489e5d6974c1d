#include "MacTrashStore.h"

#include <QStringBuilder>

#include "CVTrashFileNode.h"
#include "PutBackReader.h"
#include "core/fs/FsName.h"
#include "core/fs/FsScope.h"
#include "core/fs/LockedFlags.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"
#include "trash/ItemSizes.h"

namespace {

class MacListing : public TrashListing {
  public:
    MacListing(QString volume, const TrashOrigPaths& origPaths, const ItemSizes& files)
        : m_volume(std::move(volume)), m_origPaths(origPaths), m_files(files) {}

    void place(CVTrashFileNode& node) const override {
        const QString name = node.theFileName;
        if (name.startsWith(QLatin1Char('.'))) {
            node.theFileName = name.mid(1);
            node.theOrignalpath = QStringLiteral("--");
        } else {
            node.theOrignalpath = m_volume.isEmpty() ? m_origPaths.getOrigFilePath(name) : m_volume;
        }
    }
    std::optional<quint64> knownSize(const QByteArray&) override { return std::nullopt; }
    std::optional<quint64> measure(const OpenFolder& items, const QByteArray& name,
                                   const QString& path) const override {
        // One du run per folder; a name du can't be given is measured here.
        return FsName::isPlain(path) ? m_files.sizeAtFilePath(path) : FsTree::allocatedBytes(items, name);
    }
    bool measuresInParallel() const override { return false; }
    void remember(const QByteArray&, quint64) override {}
    void finish(const QSet<QString>&) override {}

  private:
    QString m_volume;
    const TrashOrigPaths& m_origPaths;
    const ItemSizes& m_files;
};

}  // namespace

std::unique_ptr<TrashListing> MacTrashStore::beginListing(const QString&, const QString& volume,
                                                          const TrashOrigPaths& origPaths,
                                                          const ItemSizes& files) const {
    return std::make_unique<MacListing>(volume, origPaths, files);
}

void MacTrashStore::placeInside(CVTrashFileNode& node, const QString& parentPlace) const {
    const QString name = node.theFileName;
    if (name.startsWith(QLatin1Char('.'))) {
        node.theFileName = name.mid(1);
        node.theOrignalpath = QStringLiteral("--");
    } else {
        node.theOrignalpath = parentPlace == QLatin1String("--")
                                  ? QStringLiteral("--")
                                  : QString(parentPlace % QLatin1Char('/') % name);
    }
}

TrashStore::TreeRow MacTrashStore::treeRow(const QString& name, bool,
                                           const std::function<QString(const QString&)>& origPath) const {
    TreeRow row;
    row.display = name.startsWith(QLatin1Char('.')) ? name.mid(1) : name;
    // Names that began with two dots have no put-back record to look up.
    if (!row.display.startsWith(QLatin1Char('.')) && origPath)
        row.putBack = origPath(row.display);
    else
        row.putBack = QLatin1String("");
    return row;
}

void MacTrashStore::readPutBack(TrashOrigPaths& list) const {
    // Each entry goes straight into the table: a big Trash's records never stand as a list of strings.
    OrigPathTable fresh;
    const bool read = PutBackReader::scanRecordsFile(m_paths->trashRecordsFile(), [&](QStringView entry) {
        fresh.append(m_paths->onStartupVolume(entry.toString()));
    });
    if (!read) fresh.clear();
    list.replace(std::move(fresh));
}

bool MacTrashStore::isRecordsEntry(const QByteArray& name) const {
    return name == ".DS_Store";
}

TrashStore::WholeEmptying MacTrashStore::wholeEmptying() const {
    WholeEmptying plan;
    plan.emptied << m_paths->userTrash();
    plan.measured << m_paths->userTrash();
    const QStringList volumes = m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (m_paths->visitsVolumeTrash(volume)) plan.emptied += m_paths->volumeTrashFolders(volume);
    }
    plan.items = plan.emptied;
    // Every user's folder of a volume goes to the backup removal; what is left counts on every
    // volume, the start-up one too.
    for (const QString& volume : volumes) {
        const QString trashes = volume + QStringLiteral("/.Trashes");
        if (m_paths->visitsVolumeTrash(volume)) plan.backedUp << trashes;
        plan.measured << trashes;
    }
    return plan;
}

void MacTrashStore::emptyWhole(const FolderOpener& open, const QString& path,
                               const FsTree::Options& options) const {
    const ScopedFolder folder = open(path);
    if (!folder.isOpen()) return;
    LockedFlags::clear(folder.folder().fd());
    // The records go too: nothing is left to put back.
    for (const QByteArray& name : folder.folder().names()) FsTree::remove(folder, name, options);
}

void MacTrashStore::forgetRemoved(const FolderOpener&, const QString&, const QByteArray&) const {
    // The records file is the user's and is rewritten only by the user's own programs, never with
    // administrator rights; a record whose item is gone matches nothing that is listed.
}
