#include "TolvikCleaner.h"

#include "core/FileUtilities.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "trash/TrashStore.h"

namespace {

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
      m_backupDelete(std::move(backupDelete)),
      m_store(TrashStore::forPaths(m_paths)) {
    if (!m_backupDelete)
        m_backupDelete = [commands = m_commands](const QString& path) { commands->backupDelete(path); };
}

ScopedFolder TolvikCleaner::openTrash(const QString& path, Result& result) const {
    // With administrator rights nothing on the way may be a link or another user's folder: either
    // would let the user steer a removal made with these rights.
    QString why;
    ScopedFolder folder = FsScope::trash(path, m_paths->scopeLimits(), &why).release();
    if (!folder.isOpen() && FileUtilities::somethingAt(path) && !result.refused.contains(why))
        result.refused << why;
    return folder;
}

TolvikCleaner::Result TolvikCleaner::run() const {
    Result result;
    const TrashStore::WholeEmptying plan = m_store->wholeEmptying();
    for (const QString& path : plan.emptied) m_store->emptyWhole(openTrash(path, result), forced());
    for (const QString& path : plan.backedUp) {
        const ScopedFolder folder = openTrash(path, result);
        for (const QByteArray& name : folder.folder().names())
            if (!m_store->isRecordsEntry(name)) m_backupDelete(folder.pathOf(name));
    }
    // What is left, everywhere the store says.
    for (const QString& path : plan.measured)
        result.remainingBytes += sizeOf(openTrash(path, result).folder());
    return result;
}

quint64 TolvikCleaner::sizeOf(const OpenFolder& folder) const {
    return folder.isOpen() ? FsTree::allocatedBytes(folder, QByteArray(".")).value_or(0) : 0;
}
