#pragma once

#include <functional>
#include <memory>

#include "CVTrashController.h"

/// The tree of the user's Trash handed over one item at a time, each with everything below it, in
/// the order the tree controller's content() holds them. Only a batch of items is held at once, so
/// a Trash of any size is gone through in bounded memory; the items of a batch are built on every
/// core.
class TrashTreeItems {
  public:
    TrashTreeItems(std::shared_ptr<const Paths> paths, CVTrashController::SizeFunction size,
                   CVTrashController::OrigPathFunction origPath);

    /// Calls `visit` on the calling thread for each item. The size and put-back functions are called
    /// from several threads at once.
    void each(const std::function<void(const CVTrashFileNode& item)>& visit) const;

  private:
    std::shared_ptr<const Paths> m_paths;
    CVTrashController::SizeFunction m_size;
    CVTrashController::OrigPathFunction m_origPath;
};
