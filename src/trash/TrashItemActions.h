#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

#include "core/fs/FsTree.h"
#include "platform/Alerts.h"

class CVTrashFileNode;
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
        /// an item of a volume's Trash whose record names a place outside that volume, and leaving
        /// the volume was not agreed: left in the Trash
        OutsideVolume,
    };
    /// One item to put back.
    struct PutBackMove {
        QString trashPath;
        QString original;
        QString volume;  ///< mount point of the volume whose Trash holds it; empty: the home Trash
        bool mayLeaveVolume = false;  ///< the user agreed to a place outside `volume`
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
    /// place is the volume itself goes to the volume's top folder under its own name. An item of a
    /// volume's Trash (`volume` its mount point) is moved outside that volume only with
    /// `mayLeaveVolume`: its record may name any place, the home's start-up folders included.
    PutBack putBack(const QString& trashPath, const QString& original, const QString& volume = QString(),
                    bool mayLeaveVolume = false) const;
    /// putBack() of each move in order, each counted in `progress` when given.
    QList<PutBack> putBackEach(const QList<PutBackMove>& moves, WorkProgress* progress = nullptr) const;
    /// The place putBack() moves the item to.
    static QString putBackDestination(const QString& trashPath, const QString& original);
    /// Whether putting back an item of the Trash of `volume` (empty: the home Trash) would place it
    /// outside that volume: its destination is neither the mount point nor below it.
    static bool leavesVolume(const QString& trashPath, const QString& original, const QString& volume);
    /// What a window puts back of `items`: one question through `alerts` first about those that would
    /// leave their volume (the scanner's volume, else the one `store` finds); when it is not
    /// answered with the default button, or there is no one to ask, they stay out of the plan.
    struct PutBackPlan {
        QList<std::shared_ptr<CVTrashFileNode>> items;
        QList<PutBackMove> moves;  ///< one per item, in the same order
    };
    static PutBackPlan planPutBack(const QList<std::shared_ptr<CVTrashFileNode>>& items, Alerts* alerts,
                                   const TrashStore* store);
    /// The question asked before items are put back outside their volumes: each as (name, place).
    /// The default button puts them back, the alternate one keeps them in the Trash.
    static AlertRequest leaveVolumeQuestion(const QList<QPair<QString, QString>>& items);
    /// One text naming each item that was not put back and why, for the alert after the action.
    static QString notPutBackText(const QList<NotPutBack>& items);

  private:
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<const TrashStore> m_store;
};
