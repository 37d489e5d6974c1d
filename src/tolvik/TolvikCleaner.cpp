#include "TolvikCleaner.h"

#include <QMap>

#include "core/FileUtilities.h"
#include "core/Path.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"
#include "core/fs/LockedFlags.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "trash/ItemSizes.h"
#include "trash/TrashStore.h"

namespace {

FsTree::Options forced() {
    FsTree::Options options;
    options.clearLockedFlags = true;
    return options;
}

// A name of one entry: one path component, never a step up or sideways.
bool isEntryName(const QByteArray& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\0');
}

}  // namespace

TolvikCleaner::TolvikCleaner(std::shared_ptr<const Paths> paths,
                             std::shared_ptr<const SystemCommands> commands,
                             std::shared_ptr<const ItemSizes> files, BackupDelete backupDelete)
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
    const TrashStore::FolderOpener open = [&](const QString& path) { return openTrash(path, result); };
    for (const QString& path : plan.emptied) m_store->emptyWhole(open, path, forced());
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

TolvikCleaner::Result TolvikCleaner::removeNamed(const QStringList& paths) const {
    Result result;
    const QStringList allowed = m_store->wholeEmptying().items;
    // The names by items folder, each folder opened once, in the order first named.
    QStringList folders;
    QMap<QString, QList<QByteArray>> names;
    for (const QString& path : paths) {
        const QString folder = Path(path).parent().text();
        const QByteArray name = Path(path).leafBytes();
        // Compared as written: a path with another spelling of an items folder ("..", "//", a
        // link on the way) is no entry of it.
        if (!isEntryName(name) || !allowed.contains(folder)) {
            result.refused << localized("\"%1\" is not an item of your Trash; it was left alone.")
                                  .arg(FsName::displayText(path));
            continue;
        }
        if (!names.contains(folder)) folders << folder;
        if (!names[folder].contains(name)) names[folder] << name;
    }
    const TrashStore::FolderOpener open = [&](const QString& path) { return openTrash(path, result); };
    for (const QString& folder : std::as_const(folders)) {
        const ScopedFolder items = open(folder);
        if (!items.isOpen()) continue;  // said by openTrash when it is there
        LockedFlags::clear(items.folder().fd());
        for (const QByteArray& name : std::as_const(names[folder])) {
            if (!items.has(name)) continue;  // gone since it was named
            if (FsTree::remove(items, name, forced()).gone) {
                result.removed << items.pathOf(name);
                m_store->forgetRemoved(open, folder, name);
            } else {
                result.resisted << items.pathOf(name);
                result.remainingBytes += FsTree::allocatedBytes(items.folder(), name).value_or(0);
            }
        }
    }
    return result;
}

quint64 TolvikCleaner::sizeOf(const OpenFolder& folder) const {
    return folder.isOpen() ? FsTree::allocatedBytes(folder, QByteArray(".")).value_or(0) : 0;
}
