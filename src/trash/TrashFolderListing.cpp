#include "TrashFolderListing.h"

#include "TrashScanner.h"
#include "TrashStore.h"

TrashFolderListing::TrashFolderListing(const CVTrashFileNode& folder, std::shared_ptr<const TrashStore> store)
    : m_folder(OpenFolder::open(folder.theTrashPath)),
      m_names(m_folder.names()),
      m_store(std::move(store)),
      m_place(folder.theOrignalpath),
      m_volume(folder.theVolume) {}

QList<CVTrashFileNode::Ptr> TrashFolderListing::next(qsizetype count) {
    QList<CVTrashFileNode::Ptr> items;
    // An entry gone since the names were read gives nothing: keep going until a part has records
    // or the names are used up.
    while (items.isEmpty() && !atEnd()) {
        const QList<QByteArray> part = m_names.mid(m_next, count);
        m_next += part.size();
        const QList<CVTrashFileNode::Ptr> nodes = TrashScanner::nodesFor(m_folder, part);
        items.reserve(nodes.size());
        for (const CVTrashFileNode::Ptr& node : nodes) {
            if (!node) continue;
            m_texts.share(node->theFileSize);
            m_texts.share(node->theFilePermission);
            m_store->placeInside(*node, m_place);
            node->theVolume = m_volume;
            items.append(node);
        }
    }
    if (atEnd()) m_names = {};  // the names are done with: give their memory back
    return items;
}
