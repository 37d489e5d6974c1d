#include "TrashScanner.h"

#include <fcntl.h>

#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include "DirectorySizes.h"
#include "PutBackReader.h"
#include "TrashInfo.h"
#include "core/FileUtilities.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"

namespace {

QDateTime modified(const struct stat& st) {
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000,
                                          Qt::UTC);
}

}  // namespace

TrashScanner::TrashScanner(std::shared_ptr<const Paths> paths, std::shared_ptr<const FileUtilities> files,
                           std::shared_ptr<TrashOrigPaths> origPaths,
                           std::shared_ptr<const Workspace> workspace)
    : m_paths(std::move(paths)),
      m_files(std::move(files)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)) {}

QStringList TrashScanner::listFolder(const QString& folder) {
    QStringList names;
    for (const QByteArray& name : OpenFolder::open(folder).names()) names << FsName::fromBytes(name);
    return names;
}

CVTrashFileNode::Ptr TrashScanner::nodeFor(const OpenFolder& folder, const FsEntry& entry) {
    // What the entry leads to decides folder or file; a link whose target is gone is not listed.
    bool isFolder = entry.isFolder();
    if (entry.isLink()) {
        struct stat target;
        if (::fstatat(folder.fd(), entry.name.constData(), &target, 0) != 0) return nullptr;
        isFolder = S_ISDIR(target.st_mode);
    }
    auto node = CVTrashFileNode::create();
    node->theTrashPath = folder.pathOf(entry.name);
    node->theFileName = entry.text();
    node->lastModifiedDate = modified(entry.st);
    node->theFilePermission = FileUtilities::longPermissionText(entry.st.st_mode);
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

QStringList TrashScanner::scannedVolumes() const {
    QStringList volumes;
    const QStringList all =
        m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
    for (const QString& v : all)
        if (m_paths->visitsVolumeTrash(v)) volumes << v;
    return volumes;
}

TrashScanResult TrashScanner::scan() const {
    m_origPaths->rebuild(*m_paths);
    return ScanUserTrashItems();
}

TrashScanResult TrashScanner::ScanUserTrashItems() const {
    TrashScanResult result;
    scanFolder(m_paths->userTrash(), QString(), result);
    for (const QString& volume : scannedVolumes())
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) scanFolder(folder, volume, result);
    return result;
}

void TrashScanner::scanFolder(const QString& folder, const QString& volume, TrashScanResult& result) const {
    const bool onVolume = !volume.isEmpty();
    const bool withInfo = m_paths->layout() == Paths::Layout::Freedesktop;
    // A volume's Trash must be the user's own all the way down; the home Trash only may not be
    // reached through a link.
    const OpenFolder items =
        OpenFolder::open(folder, onVolume ? OwnerRule::ownedBy(m_paths->uid()) : OwnerRule::none());
    if (!items.isOpen()) return;
    const QString trash = withInfo ? TrashInfo::trashFolderOfFiles(folder) : QString();
    // A volume's Trash keeps its own info files, relative to the volume.
    const QHash<QString, QString> volumeOriginals =
        withInfo && onVolume ? TrashInfo::readFolder(trash, volume, *m_paths) : QHash<QString, QString>();
    const bool measuresInProcess = withInfo && !onVolume;
    // The home Trash's folders are measured once and then kept in its size cache.
    DirectorySizes sizes(trash);
    if (measuresInProcess) sizes.load();
    const OpenFolder info =
        measuresInProcess ? OpenFolder::open(trash).child(QByteArray("info")) : OpenFolder();
    QSet<QString> folders;
    struct Pending {
        CVTrashFileNode::Ptr node;
        QByteArray name;
        std::optional<qint64> infoMtime;
        bool measured = false;
    };
    QList<Pending> toMeasure;
    QList<CVTrashFileNode::Ptr> found;

    for (const FsEntry& entry : items.entries()) {
        CVTrashFileNode::Ptr node = nodeFor(items, entry);
        if (!node) continue;
        const QString name = node->theFileName;
        if (!node->bFile && !onVolume) {
            // Folders on volumes are not measured; the others are measured below.
            folders.insert(name);
            std::optional<qint64> mtime;
            const auto infoStat = measuresInProcess ? info.entry(entry.name + ".trashinfo") : std::nullopt;
            if (infoStat) mtime = qint64(infoStat->st_mtime);
            // A folder whose info file is unchanged since it was measured takes its size from the cache.
            const std::optional<quint64> known = mtime ? sizes.cached(name, *mtime) : std::nullopt;
            if (known) {
                node->filesize = *known;
                node->theFileSize = FileUtilities::size_to_unit(*known);
            } else {
                toMeasure.append({node, entry.name, mtime});
            }
        }
        if (withInfo) {
            // Every entry of "files/" is an item, hidden or not; its info file says where it goes.
            node->theOrignalpath = onVolume ? volumeOriginals.value(name, QStringLiteral("--"))
                                            : m_origPaths->getOrigFilePath(name);
        } else if (name.startsWith(QLatin1Char('.'))) {
            node->theFileName = name.mid(1);
            node->theOrignalpath = QStringLiteral("--");
        } else {
            node->theOrignalpath = onVolume ? volume : m_origPaths->getOrigFilePath(name);
        }
        found.append(node);
    }

    // Folder sizes: in-process walks spread over the cores where the layout measures that way,
    // one du run each otherwise.
    // A size that could not be measured (du stopped at its time limit, an unreadable folder) shows
    // as "--" and is not kept in the cache.
    auto measure = [&](Pending& p) {
        const std::optional<quint64> bytes = measuresInProcess || !FsName::isPlain(p.node->theTrashPath)
                                                 ? FsTree::allocatedBytes(items, p.name)
                                                 : m_files->sizeAtFilePath(p.node->theTrashPath);
        p.measured = bytes.has_value();
        p.node->filesize = bytes.value_or(0);
        p.node->theFileSize = bytes ? FileUtilities::size_to_unit(*bytes) : QStringLiteral("--");
    };
    if (measuresInProcess && toMeasure.size() > 1)
        QtConcurrent::blockingMap(toMeasure, measure);
    else
        for (Pending& p : toMeasure) measure(p);
    for (const Pending& p : std::as_const(toMeasure))
        if (p.infoMtime && p.measured) sizes.store(p.node->theFileName, p.node->filesize, *p.infoMtime);

    for (const CVTrashFileNode::Ptr& node : std::as_const(found))
        if (!onVolume) result.trashFileSize += node->filesize;
    result.items += found;
    if (measuresInProcess) {
        sizes.keepOnly(folders);
        sizes.save();  // a cache that can't be written only costs the next scan time
    }
}
