#include "TolvikCleaner.h"

#include "AnchoredFolder.h"
#include "app/FileUtilities.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "trash/TrashInfo.h"

#include <QSet>

namespace {

// Opens a folder of a volume so that no step below the volume itself may be a link.
QString belowVolume(const QString& volume, const QString& folder) {
    const QString prefix = volume.endsWith(QLatin1Char('/')) ? volume : volume + QLatin1Char('/');
    return folder.startsWith(prefix) ? folder.mid(prefix.size()) : QString();
}

}  // namespace

TolvikCleaner::TolvikCleaner(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                             std::shared_ptr<const FileUtilities> files, BackupDelete backupDelete)
    : m_paths(std::move(paths)),
      m_commands(std::move(commands)),
      m_files(std::move(files)),
      m_backupDelete(std::move(backupDelete)) {
    if (!m_backupDelete) m_backupDelete = [commands = m_commands](const QString& path) { commands->backupDelete(path); };
}

TolvikCleaner::Result TolvikCleaner::run() const {
    if (m_paths->layout() == Paths::Layout::Freedesktop) return runWithInfoFiles();

    // Steps 1 and 2: the user's Trash, ".DS_Store" and all.
    const AnchoredFolder trash(m_paths->userTrash());
    if (trash.isOpen()) {
        m_commands->clearLockedFlags(trash.commandPath());
        removeEntries(trash);
    }

    // Step 3: the two users' Trash folders of every volume under "/Volumes/".
    const QStringList volumes = m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) {
            const QString relative = belowVolume(volume, folder);
            const AnchoredFolder trashFolder = relative.isEmpty() ? AnchoredFolder(folder) : AnchoredFolder(volume, relative);
            removeEntries(trashFolder);
        }
    }

    // Steps 4 and 5: what is left, everywhere; the backup removal on volumes under "/Volumes/".
    Result result;
    result.remainingBytes = sizeOf(trash);
    for (const QString& volume : volumes) {
        const AnchoredFolder trashes(volume, QStringLiteral(".Trashes"));
        if (trashes.isOpen() && m_paths->visitsVolumeTrash(volume)) {
            for (const QString& name : trashes.entryNames()) {
                if (name == QLatin1String(".DS_Store")) continue;
                m_backupDelete(trashes.displayPath() + QLatin1Char('/') + name);
            }
        }
        result.remainingBytes += sizeOf(trashes);
    }
    return result;
}

TolvikCleaner::Result TolvikCleaner::runWithInfoFiles() const {
    Result result;
    const QString home = TrashInfo::trashFolderOfFiles(m_paths->userTrash());
    result.remainingBytes += emptyTrashFolder(AnchoredFolder(home));
    const QStringList volumes = m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) {
            const QString relative = belowVolume(volume, TrashInfo::trashFolderOfFiles(folder));
            if (relative.isEmpty()) continue;
            result.remainingBytes += emptyTrashFolder(AnchoredFolder(volume, relative));
        }
    }
    return result;
}

quint64 TolvikCleaner::emptyTrashFolder(const AnchoredFolder& trash) const {
    if (!trash.isOpen()) return 0;
    // Each part is opened below the held Trash folder, so a part swapped for a link is not entered.
    const AnchoredFolder files(trash.commandPath(), QStringLiteral("files"));
    const AnchoredFolder info(trash.commandPath(), QStringLiteral("info"));
    if (files.isOpen()) {
        m_commands->clearLockedFlags(files.commandPath());
        removeEntries(files);
    }
    const QStringList leftNames = files.entryNames();
    const QSet<QString> left(leftNames.cbegin(), leftNames.cend());
    if (info.isOpen()) {
        m_commands->clearLockedFlags(info.commandPath());
        const QLatin1String suffix(".trashinfo");
        for (const QString& name : info.entryNames(true)) {
            // An info file stays only while its item does.
            const bool itemLeft = name.endsWith(suffix) && left.contains(name.chopped(suffix.size()));
            if (!itemLeft) m_commands->removeTree(info.entryCommandPath(name));
        }
    }
    // The size cache is not rewritten with these rights; with items left it is merely stale, and
    // the next scan prunes it.
    if (left.isEmpty()) m_commands->removeTree(trash.entryCommandPath(QStringLiteral("directorysizes")));
    return sizeOf(files);
}

void TolvikCleaner::removeEntries(const AnchoredFolder& folder) const {
    for (const QString& name : folder.entryNames(true)) m_commands->removeTree(folder.entryCommandPath(name));
}

quint64 TolvikCleaner::sizeOf(const AnchoredFolder& folder) const {
    return folder.isOpen() ? m_files->fastFolderSizeAtFilePath(folder.commandPath()) : 0;
}
