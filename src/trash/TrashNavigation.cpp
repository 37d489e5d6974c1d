#include "TrashNavigation.h"

#include <sys/stat.h>

#include "TrashScanner.h"
#include "TrashStore.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"
#include "trash/ItemSizes.h"

void TrashNavigation::showTopLevel(const QList<CVTrashFileNode::Ptr>& items) {
    m_trashItems = items;
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
    m_backVisible = false;
}

QList<CVTrashFileNode::Ptr> TrashNavigation::folderItems(const CVTrashFileNode& folder,
                                                         const ItemSizes& files) {
    QList<CVTrashFileNode::Ptr> items;
    const std::shared_ptr<const TrashStore> store = TrashStore::forPaths(files.paths());
    const OpenFolder base = OpenFolder::open(folder.theTrashPath);
    for (const FsEntry& entry : base.entries()) {
        CVTrashFileNode::Ptr node = TrashScanner::nodeFor(base, entry);
        if (!node) continue;
        store->placeInside(*node, folder.theOrignalpath);
        node->theVolume = folder.theVolume;
        items.append(node);
    }
    return items;
}

bool TrashNavigation::enterFolder(const CVTrashFileNode::Ptr& folder) {
    // A link is an item, never a way in: what it points to lies outside the Trash.
    if (!folder || folder->bFile || S_ISLNK(folder->mode)) return false;
    QList<CVTrashFileNode::Ptr> items = folderItems(*folder, *m_files);
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>(*m_content);
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(std::move(items));
    m_backVisible = true;
    return true;
}

void TrashNavigation::back() {
    const bool wasHistory = m_content == m_last;
    if (wasHistory) {
        m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
        m_backVisible = false;
        return;
    }
    m_content = m_last->isEmpty() ? std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems) : m_last;
}

void TrashNavigation::removeItem(const CVTrashFileNode::Ptr& item) {
    m_trashItems.removeAll(item);
    m_content->removeAll(item);
}
