#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "CVTrashFileNode.h"

class ItemSizes;

/// The trash table's rows and its one level of history: the top level from the last scan, the
/// folder shown now, and the list it was entered from.
class TrashNavigation {
  public:
    using List = std::shared_ptr<QList<CVTrashFileNode::Ptr>>;

    explicit TrashNavigation(std::shared_ptr<const ItemSizes> files) : m_files(std::move(files)) {}

    /// A new scan: the top level is `items`, history is emptied, the back button hides.
    void showTopLevel(const QList<CVTrashFileNode::Ptr>& items);
    /// Enters the folder item `folder`: its entries become the content, the content shown so far
    /// becomes the history. False (nothing changes) for a file.
    bool enterFolder(const CVTrashFileNode::Ptr& folder);
    /// Whether `folder` can be entered: a folder, not a link to one.
    static bool canEnter(const CVTrashFileNode::Ptr& folder);
    /// Enters a folder whose first records are `items` (more may follow through append()).
    void showFolder(QList<CVTrashFileNode::Ptr> items);
    /// One step back: the first step shows the list the folder was entered from, the next one
    /// always the top level (and hides the back button).
    void back();

    /// The records of a folder's entries, as a folder view shows them.
    static QList<CVTrashFileNode::Ptr> folderItems(const CVTrashFileNode& folder, const ItemSizes& files);

    const QList<CVTrashFileNode::Ptr>& content() const { return *m_content; }
    /// The list shown now, for a producer that keeps filling it (a folder listed a part at a time).
    List contentList() const { return m_content; }
    /// Appends `batch` to `target` while it is shown or kept as history. True when it is shown now,
    /// so the table takes the batch as new rows.
    bool append(const std::weak_ptr<QList<CVTrashFileNode::Ptr>>& target,
                const QList<CVTrashFileNode::Ptr>& batch);
    /// Adds a scan's batch to the top level, and to the top-level list shown or kept as history.
    /// True when the top level is shown now.
    bool appendTopLevel(const QList<CVTrashFileNode::Ptr>& batch);
    /// A scan's batch for a top level that is shown and is `rows` itself (the table's list, which
    /// `grow` appends the batch to): the top level lets go of the list while it grows, so it grows
    /// in place rather than into a copy, and then shares it again. False, nothing done, otherwise.
    bool growSharedTopLevel(const QList<CVTrashFileNode::Ptr>& rows, const std::function<void()>& grow);
    /// After the last batch: the top-level list shown shares its storage with the top level again
    /// when it holds the same records (appending gave each list its own).
    void shareTopLevel();
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
    std::weak_ptr<QList<CVTrashFileNode::Ptr>> m_liveTop;  ///< the copy of the top level a scan still fills
    bool m_backVisible = false;
};
