#include "ItemSizes.h"

#include "TrashStore.h"
#include "platform/Paths.h"

ItemSizes::ItemSizes(std::shared_ptr<const Paths> paths, std::shared_ptr<Tasks> tasks)
    : m_paths(std::move(paths)), m_tasks(std::move(tasks)), m_store(TrashStore::forPaths(m_paths)) {}

std::optional<quint64> ItemSizes::sizeAtFilePath(const QString& path) const {
    return m_store->sizeAt(path, *m_tasks);
}

quint64 ItemSizes::sizeOfEntry(const FsTree::WalkEntry& entry) const {
    return m_store->sizeOf(entry, *m_tasks).value_or(0);
}

quint64 ItemSizes::getTrashFileSize() const {
    return fastFolderSizeAtFilePath(m_paths->userTrash());
}
