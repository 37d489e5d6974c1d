#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

#include "core/fs/FsMove.h"
#include "core/fs/FsTree.h"
#include "platform/Alerts.h"

class CVTrashFileNode;
class SystemCommands;
class TrashJournal;
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
        Skipped,  ///< the place was taken and the user chose to skip it: left in the Trash
    };
    /// What to do when something is already at the original place.
    enum class WhenTaken {
        Refuse,    ///< leave the item in the Trash and say so (Taken)
        KeepBoth,  ///< bring it back under a free name beside it ("name 2.ext")
        Replace,   ///< move what is there to the Trash first, then bring the item back
        Skip,      ///< leave the item in the Trash (Skipped)
    };
    /// The answer to the question asked when a place is taken.
    struct TakenAnswer {
        WhenTaken choice = WhenTaken::Skip;
        bool applyToAll = false;  ///< the same for every further item whose place is taken
    };
    /// Asks about item `name` whose place `place` is taken; `more` items after it meet the question.
    using AskWhenTaken = std::function<TakenAnswer(const QString& name, const QString& place, int more)>;
    /// One item to put back.
    struct PutBackMove {
        QString trashPath;
        QString original;
        QString volume;  ///< mount point of the volume whose Trash holds it; empty: the home Trash
        bool mayLeaveVolume = false;  ///< the user agreed to a place outside `volume`
        WhenTaken whenTaken = WhenTaken::Refuse;
    };
    /// What one put back did, and where the item is now (its new name with KeepBoth).
    struct PutBackDone {
        PutBack outcome = PutBack::Failed;
        QString destination;
        QString replacedTo;  ///< with Replace: where what was in the place went in the Trash
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
    /// deleteItem() of many items, each Trash folder opened once, its items removed in the order of
    /// their inode numbers and the records of what went dropped in one sweep per folder (with those
    /// of items long gone, as an emptying does). `each` is then told every item's report, in the
    /// order of `trashPaths`. For thousands of items.
    void deleteItems(const QStringList& trashPaths, const FsTree::Options& options,
                     const std::function<void(qsizetype index, const FsTree::Report& report)>& each) const;
    /// The item's regular files overwritten, then the item removed; its info file goes with it.
    FsTree::Report secureDeleteItem(const QString& trashPath, const FsTree::Options& options = {}) const;
    /// Creates missing parent folders of `original`, then moves the item there unless the place is
    /// taken; once moved, its info file is removed. An item of a volume's Trash whose original
    /// place is the volume itself goes to the volume's top folder under its own name. An item of a
    /// volume's Trash (`volume` its mount point) is moved outside that volume only with
    /// `mayLeaveVolume`: its record may name any place, the home's start-up folders included.
    /// A move across file systems counts its files and bytes in `progress`.
    PutBack putBack(const QString& trashPath, const QString& original, const QString& volume = QString(),
                    bool mayLeaveVolume = false) const;
    /// putBack() with the choice of `move.whenTaken`; each move made (the item's, and with Replace
    /// the one that trashed what was in its place) is added to `journal` when given. `dryRun` says
    /// what would happen and changes nothing.
    PutBackDone putBackMove(const PutBackMove& move, TrashJournal* journal = nullptr, bool dryRun = false,
                            const FsMove::Progress& progress = {}) const;
    /// putBackMove() of each move in order, each counted in `progress` when given, with the files
    /// and bytes a move across file systems copies.
    QList<PutBack> putBackEach(const QList<PutBackMove>& moves, WorkProgress* progress = nullptr,
                               TrashJournal* journal = nullptr) const;
    /// A free name beside `place` for KeepBoth: "name 2.ext", "name 3.ext"... (a folder or a name
    /// without extension: "name 2").
    static QString keepBothPlace(const QString& place);
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
    /// Then, for each item whose place is taken, `askWhenTaken` (when given) chooses what happens; an
    /// answer "apply to all" is used for the rest without asking. Without it, taken places refuse.
    static PutBackPlan planPutBack(const QList<std::shared_ptr<CVTrashFileNode>>& items, Alerts* alerts,
                                   const TrashStore* store, const AskWhenTaken& askWhenTaken = {});
    /// The question asked before items are put back outside their volumes: each as (name, place).
    /// The default button puts them back, the alternate one keeps them in the Trash.
    static AlertRequest leaveVolumeQuestion(const QList<QPair<QString, QString>>& items);
    /// One text naming each item that was not put back and why, for the alert after the action.
    static QString notPutBackText(const QList<NotPutBack>& items);

  private:
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<const TrashStore> m_store;
};
