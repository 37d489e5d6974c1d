#include "TrashNavigation.h"

#include <sys/stat.h>

#include "TrashFolderListing.h"
#include "TrashStore.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"
#include "trash/ItemSizes.h"

void TrashNavigation::showTopLevel(const QList<CVTrashFileNode::Ptr>& items) {
    m_trashItems = items;
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
    m_liveTop = m_content;
    m_backVisible = false;
}

QList<CVTrashFileNode::Ptr> TrashNavigation::folderItems(const CVTrashFileNode& folder,
                                                         const ItemSizes& files) {
    TrashFolderListing listing(folder, TrashStore::forPaths(files.paths()));
    QList<CVTrashFileNode::Ptr> items;
    while (!listing.atEnd()) items.append(listing.next(4096));
    return items;
}

bool TrashNavigation::canEnter(const CVTrashFileNode::Ptr& folder) {
    // A link is an item, never a way in: what it points to lies outside the Trash.
    return folder && !folder->bFile && !S_ISLNK(folder->mode);
}

bool TrashNavigation::enterFolder(const CVTrashFileNode::Ptr& folder) {
    if (!canEnter(folder)) return false;
    showFolder(folderItems(*folder, *m_files));
    return true;
}

void TrashNavigation::showFolder(QList<CVTrashFileNode::Ptr> items) {
    // The list left is kept itself, not copied: what is still being added to it reaches it there.
    m_last = m_content;
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(std::move(items));
    m_backVisible = true;
}

bool TrashNavigation::append(const std::weak_ptr<QList<CVTrashFileNode::Ptr>>& target,
                             const QList<CVTrashFileNode::Ptr>& batch) {
    const List list = target.lock();
    if (!list) return false;
    list->append(batch);
    return list == m_content;
}

bool TrashNavigation::appendTopLevel(const QList<CVTrashFileNode::Ptr>& batch) {
    const List live = m_liveTop.lock();
    if (live && live->isSharedWith(m_trashItems)) {
        // The list shown is the top level itself: it lets go while the top level grows (in place
        // rather than into a copy) and then shares it again.
        *live = {};
        m_trashItems.append(batch);
        *live = m_trashItems;
        return live == m_content;
    }
    m_trashItems.append(batch);
    return append(m_liveTop, batch);
}

bool TrashNavigation::growSharedTopLevel(const QList<CVTrashFileNode::Ptr>& rows,
                                         const std::function<void()>& grow) {
    const List live = m_liveTop.lock();
    if (!live || live != m_content || !rows.isSharedWith(m_trashItems)) return false;
    m_trashItems = {};
    *live = {};
    grow();
    m_trashItems = rows;
    *live = rows;
    return true;
}

void TrashNavigation::shareTopLevel() {
    const List live = m_liveTop.lock();
    if (live && *live == m_trashItems) *live = m_trashItems;
}

void TrashNavigation::back() {
    const bool wasHistory = m_content == m_last;
    if (wasHistory) {
        m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
        m_liveTop = m_content;
        m_backVisible = false;
        return;
    }
    if (m_last->isEmpty()) {
        m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
        m_liveTop = m_content;
        return;
    }
    m_content = m_last;
}

void TrashNavigation::removeItem(const CVTrashFileNode::Ptr& item) {
    m_trashItems.removeAll(item);
    m_content->removeAll(item);
}
