#include "TrashStore.h"

#include <sys/stat.h>

#include "FreedesktopTrashStore.h"
#include "MacTrashStore.h"
#include "core/FileUtilities.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsScope.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Tasks.h"

std::shared_ptr<const TrashStore> TrashStore::forPaths(std::shared_ptr<const Paths> paths) {
    if (paths && paths->layout() == Paths::Layout::Freedesktop)
        return std::make_shared<FreedesktopTrashStore>(std::move(paths));
    return std::make_shared<MacTrashStore>(std::move(paths));
}

std::shared_ptr<const TrashStore> TrashStore::forPaths(const Paths& paths) {
    // Shares nothing: the caller keeps `paths` alive.
    return forPaths(std::shared_ptr<const Paths>(std::shared_ptr<const Paths>(), &paths));
}

ScopedFolder TrashStore::folderInTrash(const QString& folder, QString* why) const {
    const ScopeLimits limits = m_paths->scopeLimits();
    // The deepest Trash folder that is or holds `folder`.
    QString trash;
    for (const QString& candidate : limits.trashes)
        if ((folder == candidate || folder.startsWith(candidate + QLatin1Char('/'))) &&
            candidate.size() > trash.size())
            trash = candidate;
    if (trash.isEmpty()) {
        if (why)
            *why = localized("\"%1\" is not in a Trash folder of yours; Corvane leaves it alone.")
                       .arg(FsName::displayText(folder));
        return {};
    }
    FsScope scope = FsScope::trash(trash, limits, why);
    ScopedFolder here = scope.release();
    for (const QString& step : folder.mid(trash.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!here.isOpen()) break;
        here = here.child(step, why);
    }
    return here;
}

ScopeLimits TrashStore::scopeLimits() const {
    return m_paths->scopeLimits();
}

QString TrashStore::volumeOf(const QString& itemPath) const {
    if (!m_paths) return QString();
    for (const QString& volume : m_paths->mountedLocalVolumePaths()) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume))
            if (itemPath.startsWith(folder + QLatin1Char('/'))) return volume;
    }
    return QString();
}

std::optional<quint64> TrashStore::sizeOf(const FsTree::WalkEntry& entry, Tasks& tasks) const {
    const mode_t mode = entry.st().st_mode;
    // A link is measured where it leads, which only its path says.
    if (S_ISLNK(mode) || (S_ISDIR(mode) && !measuresFoldersInProcess())) return sizeAt(entry.path(), tasks);
    if (S_ISDIR(mode)) return entry.allocatedBytes();
    return static_cast<quint64>(entry.st().st_size);
}

std::optional<quint64> TrashStore::sizeAt(const QString& path, Tasks& tasks) const {
    const std::optional<struct stat> st = FsLook::through(path);
    if (!st || !S_ISDIR(st->st_mode)) {
        const std::optional<struct stat> self = FsLook::at(path);
        if (!self) return std::nullopt;
        return static_cast<quint64>(self->st_size);
    }
    // A name du could not be given is measured in-process too.
    if (measuresFoldersInProcess() || !FsName::isPlain(path)) return FsLook::allocatedBytes(path);
    const TaskResult result = tasks.run(
        QStringLiteral("/usr/bin/du"),
        {QStringLiteral("-k"), QStringLiteral("-d"), QStringLiteral("0"), QStringLiteral("--"), path});
    if (!result.finished()) return std::nullopt;
    return FileUtilities::parseDuOutput(result.standardOutput);
}
