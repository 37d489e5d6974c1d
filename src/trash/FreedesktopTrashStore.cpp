#include "FreedesktopTrashStore.h"

#include <QHash>
#include <QStringBuilder>

#include "CVTrashFileNode.h"
#include "DirectorySizes.h"
#include "PutBackReader.h"
#include "TrashInfo.h"
#include "core/fs/FsName.h"
#include "core/fs/FsScope.h"
#include "core/fs/LockedFlags.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"

namespace {

const QByteArray InfoSuffix(".trashinfo");

class FreedesktopListing : public TrashListing {
  public:
    FreedesktopListing(const QString& folder, QString volume, const TrashOrigPaths& origPaths,
                       const Paths& paths)
        : m_volume(std::move(volume)),
          m_origPaths(origPaths),
          m_sizes(TrashInfo::trashFolderOfFiles(folder)) {
        const QString trash = TrashInfo::trashFolderOfFiles(folder);
        if (!m_volume.isEmpty()) {
            // A volume's Trash keeps its own info files, relative to the volume.
            m_volumeRecords = TrashInfo::readRecords(trash, m_volume, paths);
            return;
        }
        // The home Trash's folders are measured once and then kept in its size cache.
        m_sizes.load();
        m_info = OpenFolder::open(trash).child(QByteArray("info"));
    }

    void place(CVTrashFileNode& node) const override {
        // Every entry of "files/" is an item, hidden or not; its info file says where it goes.
        const QString name = node.theFileName;
        if (m_volume.isEmpty()) {
            node.theOrignalpath = m_origPaths.getOrigFilePath(name);
            node.deletionDate = m_origPaths.deletionDateOf(name);
            return;
        }
        const auto record = m_volumeRecords.constFind(name);
        node.theOrignalpath = record == m_volumeRecords.constEnd() ? QStringLiteral("--") : record->path;
        if (record != m_volumeRecords.constEnd()) node.deletionDate = record->deletionDate;
    }
    std::optional<quint64> knownSize(const QByteArray& name) override {
        const auto infoStat = m_info.isOpen() ? m_info.entry(name + InfoSuffix) : std::nullopt;
        if (!infoStat) return std::nullopt;
        const qint64 mtime = qint64(infoStat->st_mtime);
        m_infoMtimes.insert(name, mtime);
        // A folder whose info file is unchanged since it was measured takes its size from the cache.
        return m_sizes.cached(FsName::fromBytes(name), mtime);
    }
    std::optional<quint64> measure(const OpenFolder& items, const QByteArray& name,
                                   const QString&) const override {
        return FsTree::allocatedBytes(items, name);
    }
    bool measuresInParallel() const override { return true; }
    void remember(const QByteArray& name, quint64 bytes) override {
        const auto mtime = m_infoMtimes.constFind(name);
        if (mtime != m_infoMtimes.constEnd()) m_sizes.store(FsName::fromBytes(name), bytes, *mtime);
    }
    void finish(const QSet<QString>& folders) override {
        if (!m_volume.isEmpty()) return;
        m_sizes.keepOnly(folders);
        m_sizes.save();  // a cache that can't be written only costs the next listing time
    }

  private:
    QString m_volume;
    const TrashOrigPaths& m_origPaths;
    QHash<QString, TrashInfo::Record> m_volumeRecords;
    DirectorySizes m_sizes;
    OpenFolder m_info;
    QHash<QByteArray, qint64> m_infoMtimes;
};

/// Records as the store hands them out: place and date by item name.
QHash<QString, TrashStore::DatedRecord> dated(const QHash<QString, TrashInfo::Record>& records) {
    QHash<QString, TrashStore::DatedRecord> out;
    out.reserve(records.size());
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        out.insert(it.key(), {it->path, it->deletionDate});
    return out;
}

}  // namespace

std::unique_ptr<TrashListing> FreedesktopTrashStore::beginListing(const QString& folder,
                                                                  const QString& volume,
                                                                  const TrashOrigPaths& origPaths,
                                                                  const ItemSizes&) const {
    return std::make_unique<FreedesktopListing>(folder, volume, origPaths, *m_paths);
}

void FreedesktopTrashStore::placeInside(CVTrashFileNode& node, const QString& parentPlace) const {
    node.theOrignalpath = parentPlace == QLatin1String("--")
                              ? QStringLiteral("--")
                              : QString(parentPlace % QLatin1Char('/') % node.theFileName);
}

TrashStore::TreeRow FreedesktopTrashStore::treeRow(
    const QString& name, bool topLevel, const std::function<QString(const QString&)>& origPath) const {
    // Every name is shown whole; only the Trash's own items have an info file.
    return {name, topLevel && origPath ? origPath(name) : QStringLiteral("--")};
}

void FreedesktopTrashStore::readPutBack(TrashOrigPaths& list) const {
    const QString trash = TrashInfo::trashFolderOfFiles(m_paths->userTrash());
    QHash<QString, QString> places;
    QHash<QString, QDateTime> dates;
    TrashInfo::eachRecord(trash, TrashOrigPaths::deletingLastPathComponent(trash), *m_paths,
                          [&](const QString& name, const TrashInfo::Record& record) {
                              places.insert(name, record.path);
                              if (record.deletionDate.isValid()) dates.insert(name, record.deletionDate);
                          });
    list.replaceNamed(std::move(places), std::move(dates));
}

std::optional<QHash<QString, TrashStore::DatedRecord>> FreedesktopTrashStore::putBackOf(
    const QList<QByteArray>& items) const {
    const QString trash = TrashInfo::trashFolderOfFiles(m_paths->userTrash());
    return dated(
        TrashInfo::readRecordsOf(trash, items, TrashOrigPaths::deletingLastPathComponent(trash), *m_paths));
}

std::optional<QHash<QString, TrashStore::DatedRecord>> FreedesktopTrashStore::datedRecords(
    const QString& folder, const QString& volume) const {
    const QString trash = TrashInfo::trashFolderOfFiles(folder);
    if (trash.isEmpty()) return QHash<QString, DatedRecord>();
    // A volume's records are relative to the volume, the home Trash's to the folder above it.
    const QString top = volume.isEmpty() ? TrashOrigPaths::deletingLastPathComponent(trash) : volume;
    return dated(TrashInfo::readRecords(trash, top, *m_paths));
}

void FreedesktopTrashStore::forgetItem(const QString& itemPath) const {
    TrashInfo::forgetItem(itemPath);
}

void FreedesktopTrashStore::folderSizeChanged(const QString& itemPath, quint64 bytes) const {
    const qsizetype slash = itemPath.lastIndexOf(QLatin1Char('/'));
    const QString trash = TrashInfo::trashFolderOfFiles(itemPath.left(slash));
    if (slash <= 0 || trash.isEmpty()) return;
    const QString name = itemPath.mid(slash + 1);
    const std::optional<qint64> mtime =
        DirectorySizes::infoMtime(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
    if (!mtime) return;
    DirectorySizes sizes(trash);
    sizes.load();
    sizes.store(name, bytes, *mtime);
    sizes.save();
}

void FreedesktopTrashStore::tidyAfterEmptying(const QString& folder, const QSet<QByteArray>& removed) const {
    TrashInfo::removeOrphans(TrashInfo::trashFolderOfFiles(folder), removed);
}

TrashStore::WholeEmptying FreedesktopTrashStore::wholeEmptying() const {
    WholeEmptying plan;
    QStringList folders{m_paths->userTrash()};
    for (const QString& volume : m_paths->mountedLocalVolumePaths())
        if (m_paths->visitsVolumeTrash(volume)) folders += m_paths->volumeTrashFolders(volume);
    for (const QString& folder : std::as_const(folders)) {
        const QString trash = TrashInfo::trashFolderOfFiles(folder);
        if (trash.isEmpty()) continue;
        plan.emptied << trash;
        plan.measured << folder;
        plan.items << folder;
    }
    return plan;
}

void FreedesktopTrashStore::emptyWhole(const FolderOpener& open, const QString& folder,
                                       const FsTree::Options& options) const {
    const ScopedFolder trash = open(folder);
    if (!trash.isOpen()) return;
    // Each part is opened with the same checks as the Trash itself: a part that is a link, that
    // another account owns or may change, or that lies on another mount is not entered.
    const ScopedFolder files = open(folder + QStringLiteral("/files"));
    // Without its items nothing here can be told to be an orphan: the records and the cache stay.
    if (!files.isOpen()) return;
    const ScopedFolder info = open(folder + QStringLiteral("/info"));
    const QList<QByteArray> items = files.folder().namesByInode();
    LockedFlags::clear(files.folder().fd());
    for (const QByteArray& name : items) FsTree::remove(files, name, options);
    const QList<QByteArray> leftNames = files.folder().names();
    const QSet<QByteArray> left(leftNames.cbegin(), leftNames.cend());
    const QSet<QByteArray> removed = QSet<QByteArray>(items.cbegin(), items.cend()).subtract(left);
    if (info.isOpen()) {
        LockedFlags::clear(info.folder().fd());
        for (const QByteArray& name : info.folder().namesByInode()) {
            // An info file stays while its item does, and while its item may still be on its way.
            if (name.endsWith(InfoSuffix) && (left.contains(name.chopped(InfoSuffix.size())) ||
                                              !TrashInfo::orphanMayGo(info.folder(), name, removed)))
                continue;
            FsTree::remove(info, name, options);
        }
    }
    // The size cache is not rewritten here (this may run with administrator rights); with items
    // left it is merely stale, and the next listing prunes it.
    if (left.isEmpty()) FsTree::remove(trash, QByteArray("directorysizes"), options);
}

void FreedesktopTrashStore::forgetRemoved(const FolderOpener& open, const QString& itemsFolder,
                                          const QByteArray& name) const {
    const QString trash = TrashInfo::trashFolderOfFiles(itemsFolder);
    if (trash.isEmpty()) return;
    const ScopedFolder files = open(itemsFolder);
    if (!files.isOpen() || files.has(name)) return;
    const ScopedFolder info = open(trash + QStringLiteral("/info"));
    if (info.isOpen()) info.unlinkEntry(name + InfoSuffix);
}
