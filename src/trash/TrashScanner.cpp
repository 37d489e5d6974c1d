#include "TrashScanner.h"

#include "DirectorySizes.h"
#include "PutBackReader.h"
#include "TrashInfo.h"
#include "app/FileUtilities.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

TrashScanner::TrashScanner(std::shared_ptr<const Paths> paths, std::shared_ptr<const FileUtilities> files,
                           std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace)
    : m_paths(std::move(paths)),
      m_files(std::move(files)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)) {}

QStringList TrashScanner::listFolder(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QStringList TrashScanner::scannedVolumes() const {
    QStringList volumes;
    const QStringList all = m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
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
    const QString trash = withInfo ? TrashInfo::trashFolderOfFiles(folder) : QString();
    // A volume's Trash keeps its own info files, relative to the volume.
    const QHash<QString, QString> volumeOriginals =
        withInfo && onVolume ? TrashInfo::readFolder(trash, volume, *m_paths) : QHash<QString, QString>();
    // The home Trash's folders are measured once and then kept in its size cache.
    const bool keepsSizeCache = withInfo && !onVolume;
    DirectorySizes sizes(trash);
    if (keepsSizeCache) sizes.load();
    QSet<QString> folders;

    for (const QString& name : listFolder(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        const QFileInfo info(path);  // follows a final link: a dangling link does not exist
        if (!info.exists()) continue;
        const bool isDirectory = info.isDir();

        auto node = CVTrashFileNode::create();
        if (onVolume && isDirectory) {
            // Folders on volumes are not measured.
            node->theFileSize = QStringLiteral("--");
            node->filesize = 0;
        } else {
            const quint64 size = keepsSizeCache && isDirectory ? cachedFolderSize(sizes, path, name)
                                                               : m_files->fastFolderSizeAtFilePath(path);
            if (isDirectory) folders.insert(name);
            if (!onVolume) result.trashFileSize += size;
            node->theFileSize = FileUtilities::size_to_unit(size);
            node->filesize = size;
        }
        node->theTrashPath = path;
        node->lastModifiedDate = FileUtilities::modificationDate(path);
        node->theFilePermission = FileUtilities::getFilePermissionwithPath(path);
        if (withInfo) {
            // Every entry of "files/" is an item, hidden or not; its info file says where it goes.
            node->theFileName = name;
            node->theOrignalpath =
                onVolume ? volumeOriginals.value(name, QStringLiteral("--")) : m_origPaths->getOrigFilePath(name);
        } else if (name.startsWith(QLatin1Char('.'))) {
            node->theFileName = name.mid(1);
            node->theOrignalpath = QStringLiteral("--");
        } else {
            node->theFileName = name;
            node->theOrignalpath = onVolume ? volume : m_origPaths->getOrigFilePath(name);
        }
        node->bFile = !isDirectory;
        result.items.append(node);
    }
    if (keepsSizeCache) {
        sizes.keepOnly(folders);
        sizes.save();  // a cache that can't be written only costs the next scan time
    }
}

quint64 TrashScanner::cachedFolderSize(DirectorySizes& sizes, const QString& path, const QString& name) const {
    const std::optional<qint64> mtime = DirectorySizes::infoMtime(TrashInfo::infoFileOf(path));
    if (mtime) {
        if (const std::optional<quint64> known = sizes.cached(name, *mtime)) return *known;
    }
    const quint64 size = m_files->fastFolderSizeAtFilePath(path);
    if (mtime) sizes.store(name, size, *mtime);
    return size;
}
