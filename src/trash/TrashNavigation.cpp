#include "TrashNavigation.h"

#include <sys/stat.h>

#include "TrashScanner.h"
#include "core/FileUtilities.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"

void TrashNavigation::showTopLevel(const QList<CVTrashFileNode::Ptr>& items) {
    m_trashItems = items;
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
    m_backVisible = false;
}

QList<CVTrashFileNode::Ptr> TrashNavigation::folderItems(const CVTrashFileNode& folder,
                                                         const FileUtilities& files) {
    QList<CVTrashFileNode::Ptr> items;
    // Names inside an item are shown whole where the Trash hides nothing behind a leading dot.
    const bool wholeNames = files.paths() && files.paths()->layout() == Paths::Layout::Freedesktop;
    const OpenFolder base = OpenFolder::open(folder.theTrashPath);
    for (const FsEntry& entry : base.entries()) {
        CVTrashFileNode::Ptr node = TrashScanner::nodeFor(base, entry);
        if (!node) continue;
        const QString name = node->theFileName;
        if (!wholeNames && name.startsWith(QLatin1Char('.'))) {
            node->theFileName = name.mid(1);
            node->theOrignalpath = QStringLiteral("--");
        } else {
            node->theOrignalpath = folder.theOrignalpath == QLatin1String("--")
                                       ? QStringLiteral("--")
                                       : folder.theOrignalpath + QLatin1Char('/') + name;
        }
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
