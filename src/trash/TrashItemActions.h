#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

#include "core/fs/FsTree.h"

class SystemCommands;
class TrashStore;
struct WorkProgress;

/// Removing, erasing and moving back one Trash item, shared by the trash table, the protected-items
/// window and the command line. Each works on the item's folder opened without following a link
/// and says what really happened. Putting back never replaces what is at the original place and
/// never moves into a folder there.
class TrashItemActions {
  public:
    enum class PutBack {
        Moved,    ///< the item is back at its original place
        Unknown,  ///< no original place is known ("--"): left alone
        Taken,    ///< something is already at the original place: left in the Trash
        Failed,   ///< the move did not happen (rights, another volume's rules): left in the Trash
    };
    struct NotPutBack {
        QString name;
        QString destination;
        PutBack reason;
    };

    /// `store` drops an item's record once the item has left its Trash.
    TrashItemActions(std::shared_ptr<const SystemCommands> commands, std::shared_ptr<const TrashStore> store)
        : m_commands(std::move(commands)), m_store(std::move(store)) {}

    /// Removes the item (a link as a link, a folder with all below it); its info file goes once the
    /// item is gone. The report's `gone` says whether anything is left.
    FsTree::Report deleteItem(const QString& trashPath, const FsTree::Options& options = {}) const;
    /// The item's regular files overwritten, then the item removed; its info file goes with it.
    FsTree::Report secureDeleteItem(const QString& trashPath, const FsTree::Options& options = {}) const;
    /// Creates missing parent folders of `original`, then moves the item there unless the place is
    /// taken; once moved, its info file is removed. An item of a volume's Trash whose original
    /// place is the volume itself goes to the volume's top folder under its own name.
    PutBack putBack(const QString& trashPath, const QString& original) const;
    /// putBack() of each (Trash path, original place) in order, each counted in `progress` when given.
    QList<PutBack> putBackEach(const QList<QPair<QString, QString>>& moves,
                               WorkProgress* progress = nullptr) const;
    /// The place putBack() moves the item to.
    static QString putBackDestination(const QString& trashPath, const QString& original);
    /// One text naming each item that was not put back and why, for the alert after the action.
    static QString notPutBackText(const QList<NotPutBack>& items);

  private:
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<const TrashStore> m_store;
};
