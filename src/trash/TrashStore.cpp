#include "TrashStore.h"

#include "FreedesktopTrashStore.h"
#include "MacTrashStore.h"
#include "platform/Paths.h"

std::shared_ptr<const TrashStore> TrashStore::forPaths(std::shared_ptr<const Paths> paths) {
    if (paths && paths->layout() == Paths::Layout::Freedesktop)
        return std::make_shared<FreedesktopTrashStore>(std::move(paths));
    return std::make_shared<MacTrashStore>(std::move(paths));
}

std::shared_ptr<const TrashStore> TrashStore::forPaths(const Paths& paths) {
    // Shares nothing: the caller keeps `paths` alive.
    return forPaths(std::shared_ptr<const Paths>(std::shared_ptr<const Paths>(), &paths));
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
