#include "TolvikCleaner.h"

#include <QSet>

#include "core/FileUtilities.h"
#include "core/fs/FsTree.h"
#include "core/fs/LockedFlags.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "trash/TrashInfo.h"

namespace {

const QByteArray InfoSuffix(".trashinfo");

FsTree::Options forced() {
    FsTree::Options options;
    options.clearLockedFlags = true;
    return options;
}

}  // namespace

TolvikCleaner::TolvikCleaner(std::shared_ptr<const Paths> paths,
                             std::shared_ptr<const SystemCommands> commands,
                             std::shared_ptr<const FileUtilities> files, BackupDelete backupDelete)
    : m_paths(std::move(paths)),
      m_commands(std::move(commands)),
      m_files(std::move(files)),
      m_backupDelete(std::move(backupDelete)) {
    if (!m_backupDelete)
        m_backupDelete = [commands = m_commands](const QString& path) { commands->backupDelete(path); };
}

OpenFolder TolvikCleaner::openTrash(const QString& path, Result& result) const {
    // With administrator rights nothing on the way may be a link or another user's folder: either
    // would let the user steer a removal made with these rights.
    QString why;
    OpenFolder folder = OpenFolder::open(path, OwnerRule::ownedBy(m_paths->uid()), &why);
    if (!folder.isOpen() && FileUtilities::somethingAt(path)) result.refused << why;
    return folder;
}

TolvikCleaner::Result TolvikCleaner::run() const {
    if (m_paths->layout() == Paths::Layout::Freedesktop) return runWithInfoFiles();
    Result result;

    // The user's Trash, ".DS_Store" and all.
    const OpenFolder trash = openTrash(m_paths->userTrash(), result);
    if (trash.isOpen()) {
        LockedFlags::clear(trash.fd());
        removeEntries(trash);
    }

    // The two users' Trash folders of every volume under "/Volumes/".
    const QStringList volumes = m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume))
            removeEntries(openTrash(folder, result));
    }

    // What is left, everywhere; the backup removal on volumes under "/Volumes/".
    result.remainingBytes = sizeOf(trash);
    for (const QString& volume : volumes) {
        const OpenFolder trashes = openTrash(volume + QStringLiteral("/.Trashes"), result);
        if (m_paths->visitsVolumeTrash(volume)) {
            for (const QByteArray& name : trashes.names())
                if (name != ".DS_Store") m_backupDelete(trashes.pathOf(name));
        }
        result.remainingBytes += sizeOf(trashes);
    }
    return result;
}

TolvikCleaner::Result TolvikCleaner::runWithInfoFiles() const {
    Result result;
    result.remainingBytes +=
        emptyTrashFolder(openTrash(TrashInfo::trashFolderOfFiles(m_paths->userTrash()), result));
    for (const QString& volume : m_paths->mountedLocalVolumePaths()) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) {
            const QString trash = TrashInfo::trashFolderOfFiles(folder);
            if (!trash.isEmpty()) result.remainingBytes += emptyTrashFolder(openTrash(trash, result));
        }
    }
    return result;
}

quint64 TolvikCleaner::emptyTrashFolder(const OpenFolder& trash) const {
    if (!trash.isOpen()) return 0;
    // Each part is opened below the held Trash folder, so a part swapped for a link is not entered.
    const OpenFolder files = trash.child(QByteArray("files"));
    const OpenFolder info = trash.child(QByteArray("info"));
    if (files.isOpen()) {
        LockedFlags::clear(files.fd());
        removeEntries(files);
    }
    const QList<QByteArray> leftNames = files.names();
    const QSet<QByteArray> left(leftNames.cbegin(), leftNames.cend());
    if (info.isOpen()) {
        LockedFlags::clear(info.fd());
        for (const QByteArray& name : info.names()) {
            // An info file stays only while its item does.
            const bool itemLeft = name.endsWith(InfoSuffix) && left.contains(name.chopped(InfoSuffix.size()));
            if (!itemLeft) FsTree::remove(info, name, forced());
        }
    }
    // The size cache is not rewritten with these rights; with items left it is merely stale, and
    // the next scan prunes it.
    if (left.isEmpty()) FsTree::remove(trash, QByteArray("directorysizes"), forced());
    return sizeOf(files);
}

void TolvikCleaner::removeEntries(const OpenFolder& folder) const {
    for (const QByteArray& name : folder.names()) FsTree::remove(folder, name, forced());
}

quint64 TolvikCleaner::sizeOf(const OpenFolder& folder) const {
    return folder.isOpen() ? FsTree::allocatedBytes(folder, QByteArray(".")).value_or(0) : 0;
}
