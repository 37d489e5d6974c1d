#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace FsTree {
class WalkEntry;
}
class Paths;
class Tasks;
class TrashStore;

/// Sizes of items and folders by path, measured the way the running layout's Trash store measures
/// (a du run per folder, or in-process), shared by the Trash browser, the forced emptying, the
/// auto-clean and the desktop tidy.
class ItemSizes {
  public:
    ItemSizes(std::shared_ptr<const Paths> paths, std::shared_ptr<Tasks> tasks);

    /// A folder's size as du counts it; anything else its length (not following a final link).
    /// Nothing when it could not be measured: the entry can't be read, or du did not start or ran
    /// past its time limit. Blocks until the measuring is done.
    std::optional<quint64> sizeAtFilePath(const QString& path) const;
    /// The same with 0 for a size that could not be measured, for callers that need a number.
    quint64 fastFolderSizeAtFilePath(const QString& path) const { return sizeAtFilePath(path).value_or(0); }
    /// The same for an entry met by a walk; 0 when it could not be measured.
    quint64 sizeOfEntry(const FsTree::WalkEntry& entry) const;
    /// The size of the user's Trash folder.
    quint64 getTrashFileSize() const;
    /// The layout these sizes are measured in.
    std::shared_ptr<const Paths> paths() const { return m_paths; }

  private:
    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<Tasks> m_tasks;
    std::shared_ptr<const TrashStore> m_store;
};
