#pragma once

#include <QList>
#include <memory>

#include "CVTrashFileNode.h"

class ItemSizes;

/// The trash table's rows and its one level of history: the top level from the last scan, the
/// folder shown now, and the list it was entered from.
class TrashNavigation {
  public:
    explicit TrashNavigation(std::shared_ptr<const ItemSizes> files) : m_files(std::move(files)) {}

    /// A new scan: the top level is `items`, history is emptied, the back button hides.
    void showTopLevel(const QList<CVTrashFileNode::Ptr>& items);
    /// Enters the folder item `folder`: its entries become the content, the content shown so far
    /// becomes the history. False (nothing changes) for a file.
    bool enterFolder(const CVTrashFileNode::Ptr& folder);
    /// One step back: the first step shows the list the folder was entered from, the next one
    /// always the top level (and hides the back button).
    void back();

    /// The records of a folder's entries, as a folder view shows them.
    static QList<CVTrashFileNode::Ptr> folderItems(const CVTrashFileNode& folder, const ItemSizes& files);

    const QList<CVTrashFileNode::Ptr>& content() const { return *m_content; }
    QList<CVTrashFileNode::Ptr>& trashItemsArray() { return m_trashItems; }
    const QList<CVTrashFileNode::Ptr>& lastItemsArray() const { return *m_last; }
    bool backVisible() const { return m_backVisible; }
    /// Removes an item from the top level and from the content (after it was deleted or moved).
    void removeItem(const CVTrashFileNode::Ptr& item);

  private:
    std::shared_ptr<const ItemSizes> m_files;
    QList<CVTrashFileNode::Ptr> m_trashItems;
    // The content can be the history list itself (right after a step back), so both are shared.
    std::shared_ptr<QList<CVTrashFileNode::Ptr>> m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    std::shared_ptr<QList<CVTrashFileNode::Ptr>> m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    bool m_backVisible = false;
};
