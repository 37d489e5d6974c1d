#include "TolvikCleaner.h"

#include "AnchoredFolder.h"
#include "app/FileUtilities.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"

namespace {

bool isVolumeUnderVolumes(const QString& volume) {
    return volume.contains(QLatin1String("/Volumes/"), Qt::CaseInsensitive);
}

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
    // Steps 1 and 2: the user's Trash, ".DS_Store" and all.
    const AnchoredFolder trash(m_paths->userTrash());
    if (trash.isOpen()) {
        m_commands->clearLockedFlags(trash.commandPath());
        removeEntries(trash);
    }

    // Step 3: the two users' Trash folders of every volume under "/Volumes/".
    const QStringList volumes = m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (!isVolumeUnderVolumes(volume)) continue;
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
        if (trashes.isOpen() && isVolumeUnderVolumes(volume)) {
            for (const QString& name : trashes.entryNames()) {
                if (name == QLatin1String(".DS_Store")) continue;
                m_backupDelete(trashes.displayPath() + QLatin1Char('/') + name);
            }
        }
        result.remainingBytes += sizeOf(trashes);
    }
    return result;
}

void TolvikCleaner::removeEntries(const AnchoredFolder& folder) const {
    for (const QString& name : folder.entryNames(true)) m_commands->removeTree(folder.entryCommandPath(name));
}

quint64 TolvikCleaner::sizeOf(const AnchoredFolder& folder) const {
    return folder.isOpen() ? m_files->fastFolderSizeAtFilePath(folder.commandPath()) : 0;
}
