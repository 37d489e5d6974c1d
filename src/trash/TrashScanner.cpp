#include "TrashScanner.h"

#include <fcntl.h>

#include <QSet>
#include <limits>

#include "PutBackReader.h"
#include "TrashStore.h"
#include "core/FileUtilities.h"
#include "core/ParallelMap.h"
#include "core/TextPool.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"
#include "trash/ItemSizes.h"

namespace {

constexpr qsizetype ScanBatch = 512;

QDateTime modified(const struct stat& st) {
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000,
                                          Qt::UTC);
}

// Most entries share a handful of modes: records of one mode share one text.
QString permissionText(mode_t mode) {
    thread_local QHash<mode_t, QString> texts;
    auto it = texts.constFind(mode);
    if (it == texts.constEnd()) {
        if (texts.size() > 256) texts.clear();
        it = texts.insert(mode, FileUtilities::longPermissionText(mode));
    }
    return *it;
}

}  // namespace

TrashScanner::TrashScanner(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
                           std::shared_ptr<TrashOrigPaths> origPaths,
                           std::shared_ptr<const Workspace> workspace)
    : m_paths(std::move(paths)),
      m_files(std::move(files)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_store(TrashStore::forPaths(m_paths)) {}

QStringList TrashScanner::listFolder(const QString& folder) {
    QStringList names;
    for (const QByteArray& name : OpenFolder::open(folder).names()) names << FsName::fromBytes(name);
    return names;
}

CVTrashFileNode::Ptr TrashScanner::nodeFor(const OpenFolder& folder, const FsEntry& entry) {
    // What the entry leads to decides folder or file; a link whose target is gone is not listed.
    bool isFolder = entry.isFolder();
    if (entry.isLink()) {
        const std::optional<struct stat> target = folder.target(entry.name);
        if (!target) return nullptr;
        isFolder = S_ISDIR(target->st_mode);
    }
    auto node = CVTrashFileNode::create();
    node->theTrashPath = folder.pathOf(entry.name);
    node->theFileName = entry.text();
    node->lastModifiedDate = modified(entry.st);
    node->theFilePermission = permissionText(entry.st.st_mode);
    node->mode = entry.st.st_mode;
    // A link to a folder is shown as a folder but is never entered or measured through (see `mode`).
    node->bFile = !isFolder;
    if (node->bFile) {
        node->filesize = quint64(qMax<off_t>(entry.st.st_size, 0));
        node->theFileSize = FileUtilities::size_to_unit(node->filesize);
    } else {
        node->theFileSize = QStringLiteral("--");
    }
    return node;
}

QList<CVTrashFileNode::Ptr> TrashScanner::nodesFor(const OpenFolder& folder, const QList<QByteArray>& names) {
    const auto nodeOf = [&folder](const QByteArray& name) -> CVTrashFileNode::Ptr {
        const std::optional<struct stat> st = folder.entry(name);
        return st ? nodeFor(folder, FsEntry{name, *st}) : nullptr;
    };
    // One lstat per item is most of a listing's own work: both cores look.
    return mappedInOrder(names, nodeOf, 64);
}

QStringList TrashScanner::scannedVolumes() const {
    QStringList volumes;
    const QStringList all =
        m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
    for (const QString& v : all)
        if (m_paths->visitsVolumeTrash(v)) volumes << v;
    return volumes;
}

TrashScanResult TrashScanner::scan() const {
    m_store->readPutBack(*m_origPaths);
    return ScanUserTrashItems();
}

TrashScanResult TrashScanner::ScanUserTrashItems() const {
    TrashScanResult result;
    result.trashFileSize =
        scanEachBatch([&result](const QList<CVTrashFileNode::Ptr>& batch) { result.items.append(batch); });
    return result;
}

quint64 TrashScanner::scanEach(const EachItem& each) const {
    return scanBatches([&each](const QList<CVTrashFileNode::Ptr>& batch) {
        for (const CVTrashFileNode::Ptr& item : batch) each(item);
    });
}

quint64 TrashScanner::scanBatches(const EachBatch& each) const {
    if (!m_store->readsPutBackInParts()) {
        m_store->readPutBack(*m_origPaths);
        return scanEachBatch(each);
    }
    // Each batch's records are read with it, so the first rows need not wait for every record;
    // the list others read is replaced once, when the scan has read them all.
    TrashOrigPaths fresh;
    const quint64 total = scanEachBatch(each, &fresh);
    if (!stopped()) m_origPaths->replaceNamedWith(fresh);
    return total;
}

quint64 TrashScanner::scanEachBatch(const EachBatch& each, TrashOrigPaths* readInParts) const {
    quint64 total = 0;
    scanFolder(m_paths->userTrash(), QString(), each, total, readInParts);
    for (const QString& volume : scannedVolumes())
        for (const QString& folder : m_paths->volumeTrashFolders(volume))
            scanFolder(folder, volume, each, total);
    return total;
}

std::optional<TrashScanResult> TrashScanner::scanDated() const {
    TrashScanResult result;
    auto scanOne = [&](const QString& folder, const QString& volume) {
        const auto records = m_store->datedRecords(folder, volume);
        if (!records) return false;
        const OpenFolder items = openItems(folder, volume);
        if (volume.isEmpty()) {
            // The location rules read the home Trash's places from the put-back list.
            QHash<QString, QString> places;
            QHash<QString, QDateTime> dates;
            for (auto it = records->cbegin(); it != records->cend(); ++it) {
                places.insert(it.key(), it->place);
                if (it->when.isValid()) dates.insert(it.key(), it->when);
            }
            m_origPaths->replaceNamed(std::move(places), std::move(dates));
        }
        if (!items.isOpen()) return true;
        const QList<QByteArray> names = items.names();
        result.items.reserve(result.items.size() + names.size());
        for (const QByteArray& name : names) {
            auto node = CVTrashFileNode::create();
            node->theFileName = FsName::fromBytes(name);
            node->theTrashPath = items.pathOf(name);
            node->theFileSize = QStringLiteral("--");
            node->theVolume = volume;
            const auto record = records->constFind(node->theFileName);
            node->theOrignalpath = record == records->cend() ? QStringLiteral("--") : record->place;
            if (record != records->cend()) node->deletionDate = record->when;
            result.items.append(std::move(node));
        }
        return true;
    };
    if (!scanOne(m_paths->userTrash(), QString())) return std::nullopt;
    for (const QString& volume : scannedVolumes())
        for (const QString& folder : m_paths->volumeTrashFolders(volume))
            if (!scanOne(folder, volume)) return std::nullopt;
    return result;
}

void TrashScanner::addPutBack(TrashOrigPaths& list, const QList<QByteArray>& items,
                              const QList<CVTrashFileNode::Ptr>& nodes) const {
    const auto records = m_store->putBackOf(items);
    if (!records) return;
    QHash<QString, QString> places;
    QHash<QString, QDateTime> dates;
    places.reserve(records->size());
    const auto add = [&](const QString& name, const TrashStore::DatedRecord& record) {
        places.insert(name, record.place);
        if (record.when.isValid()) dates.insert(name, record.when);
    };
    // The list is keyed by the rows' own names, so it holds no second copy of a name; a record
    // whose item gave no row (gone, a link to nothing) keeps its own.
    for (const CVTrashFileNode::Ptr& node : nodes) {
        if (!node) continue;
        const auto record = records->constFind(node->theFileName);
        if (record != records->cend()) add(node->theFileName, *record);
    }
    for (auto it = records->cbegin(); it != records->cend(); ++it)
        if (!places.contains(it.key())) add(it.key(), *it);
    list.addNamed(places, dates);
}

OpenFolder TrashScanner::openItems(const QString& folder, const QString& volume) const {
    // A volume's Trash must be the user's own all the way down; the home Trash only may not be
    // reached through a link.
    return OpenFolder::open(folder,
                            volume.isEmpty() ? OwnerRule::none() : OwnerRule::ownedBy(m_paths->uid()));
}

void TrashScanner::scanFolder(const QString& folder, const QString& volume, const EachBatch& each,
                              quint64& total, TrashOrigPaths* readInParts) const {
    const bool onVolume = !volume.isEmpty();
    if (stopped()) return;
    const OpenFolder items = openItems(folder, volume);
    if (!items.isOpen()) return;
    const std::unique_ptr<TrashListing> listing =
        m_store->beginListing(folder, volume, readInParts ? *readInParts : *m_origPaths, *m_files);
    QSet<QString> folders;
    // The size and access texts repeat across a big Trash: its records share one copy of each.
    TextPool texts;
    struct Pending {
        CVTrashFileNode::Ptr node;
        QByteArray name;
        bool measured = false;
    };
    // A size that could not be measured (du stopped at its time limit, an unreadable folder) shows
    // as "--" and is not kept in the cache.
    auto measure = [&](Pending& p) {
        const std::optional<quint64> bytes = listing->measure(items, p.name, p.node->theTrashPath);
        p.measured = bytes.has_value();
        p.node->filesize = bytes.value_or(0);
        p.node->theFileSize = bytes ? FileUtilities::size_to_unit(*bytes) : QStringLiteral("--");
    };
    // Records go out a batch at a time as the folder is read, each batch's folders measured together
    // (on every core): a Trash of any size is listed in the memory of one batch, in the file
    // system's order.
    bool stoppedEarly = false;
    items.namesInSlices(ScanBatch, [&](QList<QByteArray>&& batch) {
        if (stoppedEarly || (stoppedEarly = stopped())) return;  // the rest of the names only
        QList<Pending> toMeasure;
        QList<CVTrashFileNode::Ptr> found;
        found.reserve(batch.size());
        const QList<CVTrashFileNode::Ptr> nodes = nodesFor(items, batch);
        if (readInParts) addPutBack(*readInParts, batch, nodes);
        for (qsizetype i = 0; i < batch.size(); ++i) {
            CVTrashFileNode::Ptr node = nodes[i];
            if (!node) continue;  // gone since the folder was read, or a link to nothing
            texts.share(node->theFilePermission);
            if (!node->bFile && !onVolume) {
                // Folders on volumes are not measured; the others are measured below unless cached.
                folders.insert(node->theFileName);
                if (const std::optional<quint64> known = listing->knownSize(batch[i])) {
                    node->filesize = *known;
                    node->theFileSize = FileUtilities::size_to_unit(*known);
                } else {
                    toMeasure.append({node, batch[i]});
                }
            }
            listing->place(*node);
            node->theVolume = volume;
            found.append(std::move(node));
        }
        Pending* pending = toMeasure.data();
        forEachIndex(
            toMeasure.size(), [&](qsizetype i) { measure(pending[i]); },
            listing->measuresInParallel() ? 2 : std::numeric_limits<qsizetype>::max());
        if (!m_readOnly)
            for (const Pending& p : std::as_const(toMeasure))
                if (p.measured) listing->remember(p.name, p.node->filesize);
        if (found.isEmpty()) return;
        for (const CVTrashFileNode::Ptr& node : std::as_const(found)) texts.share(node->theFileSize);
        if (!onVolume)
            for (const CVTrashFileNode::Ptr& node : std::as_const(found)) total += node->filesize;
        each(found);
    });
    // A stopped scan leaves the size cache as it was: it saw only some of the folders.
    if (!m_readOnly && !stoppedEarly) listing->finish(folders);
}
