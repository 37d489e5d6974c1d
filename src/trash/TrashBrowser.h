#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

#include "CVTrashFileNode.h"
#include "TrashNavigation.h"
#include "platform/Worker.h"

class Alerts;
class ItemSizes;
class SystemCommands;
class Paths;
class PutBackQuestion;
class QAction;
class QMenu;
class TrashOrigPaths;
class TrashStore;
class TrashFolderListing;
class TrashTableModel;
class TrashTreeModel;
class TrashWindow;
class Workspace;
struct WorkProgress;

/// The trash window's controller: the scan on a worker with the hand-over on the main thread,
/// folder navigation, opening and revealing items, the tree built off the main thread, and
/// deleting, erasing and putting back on a worker with their progress in the window.
class TrashBrowser : public QObject {
    Q_OBJECT
  public:
    TrashBrowser(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
                 std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<Workspace> workspace,
                 QObject* parent = nullptr);
    ~TrashBrowser() override;

    TrashWindow* window() const { return m_window; }
    TrashNavigation& navigation() { return m_navigation; }
    TrashTableModel* tableModel() const { return m_table; }
    TrashTreeModel* treeModel() const { return m_tree; }
    QMenu* contextMenu() const { return m_menu; }
    quint64 trashFileSize() const { return m_trashFileSize; }
    bool isScanning() const { return m_scanWorker.isRunning(); }
    /// A folder entered is still being listed (its first rows are shown).
    bool isListingFolder() const { return m_folderWorker.isRunning(); }
    bool isBuildingTree() const { return m_treeWorker.isRunning(); }
    /// A delete, secure delete or put back is running.
    bool isActing() const { return m_actionWorker.isRunning(); }

    /// Shows the window and starts a scan; ignored (and logged) while one runs. Rows come as the
    /// scan finds them; scanFinished() follows the last.
    void ScanUserTrashFile();
    void doubleclickAction();
    void OpenMenuAction();
    void clickBackViewAction();
    void ShowinFinderAction();
    /// What removing and putting back work with; `permissionAlert` is the shared alert whose
    /// " OK " starts the helper for the items it is handed (those that resisted).
    void setRemoval(std::shared_ptr<const SystemCommands> commands, std::shared_ptr<Alerts> alerts,
                    std::function<void(const QStringList& resisted)> permissionAlert);
    /// Removes the clicked (and selected) items on a worker, one at a time and cancellable between
    /// items; what is gone leaves the list, and the permission alert follows when any item resisted.
    /// Ignored (and logged) while another action runs; actionFinished() says when it is over.
    void DeleteTrashItemAction();
    /// Secure erase of the clicked (and selected) items, in the same way.
    void SafeDeleteItemAction();
    /// Moves the clicked (and selected) items back on a worker; what could not go back stays, named
    /// in one alert. An item whose place is taken is asked about (keep both, replace, skip) when a
    /// question is set, else it stays. The moves are recorded, so Undo can reverse them.
    void PutBackAction();
    /// The question asked when an item's place is taken; none: such items stay in the Trash.
    void setPutBackQuestion(std::shared_ptr<PutBackQuestion> question) { m_question = std::move(question); }
    /// Reverses the last put into or out of the Trash on a worker, says what could not be undone,
    /// then scans again. Ignored while another action runs; actionFinished() says when it is over.
    void UndoAction();
    /// Enables the Undo button when the journal keeps an action to undo (another program, the
    /// command line say, may have written it).
    void updateUndo();
    /// Scans again when the window is shown, without raising it (after an emptying, say).
    void rescanIfShown();
    /// Builds the tree of the user's Trash on a worker and hands it to the outline view.
    void buildTree();

    /// The row the context menu was opened on (the "clicked row"); -1 for none, and once its
    /// record is filtered out. It follows its record when the rows are sorted.
    int clickedRow() const;
    void setClickedRow(int row);
    /// The items an action on several rows works on: the selected rows plus the clicked one, in
    /// row order; the clicked one alone when fewer than two rows are selected.
    QList<CVTrashFileNode::Ptr> itemsForAction() const;
    /// Adds an item to the context menu (the actions of other parts join here).
    QAction* addMenuAction(const QString& title, const QString& objectName);
    /// Shows the navigation's content in the table.
    void reloadTable();

  Q_SIGNALS:
    void scanFinished();
    /// The last rows of a folder listed a part at a time were added (or it is no longer shown).
    void folderListed();
    void treeBuilt();
    /// A delete, secure delete or put back is over and the table shows what is left.
    void actionFinished();

  private:
    void ScanUserTrashFileThreaderToMainThread();
    /// A scan's batch: new rows while the top level is shown, and the total so far.
    void addScanBatch(const QList<CVTrashFileNode::Ptr>& batch);
    /// Shows the folder `item` with its first entries, the others following from a worker.
    void enterFolder(const CVTrashFileNode::Ptr& item);
    void listRest(std::shared_ptr<TrashFolderListing> listing);
    void showContextMenu(int row, const QPoint& globalPos);
    void removeItems(bool securely);
    void beginAction(const std::shared_ptr<WorkProgress>& progress, const QString& what, bool cancellable);
    void endAction();
    /// Brings the total under the table up to date: the top-level items of the user's own Trash,
    /// `remeasured` giving new sizes of top-level folders an action changed inside.
    void updateTotal(const QHash<QString, quint64>& remeasured = {});
    /// The top-level folders of the user's Trash holding (not being) one of `paths`, measured anew
    /// and their sizes handed to `store`'s cache; called on a worker.
    static QHash<QString, quint64> measureHolders(const QStringList& paths, const QString& userTrash,
                                                  const ItemSizes& files, const TrashStore& store);

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const ItemSizes> m_files;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<Workspace> m_workspace;
    TrashNavigation m_navigation;
    TrashWindow* m_window;
    TrashTableModel* m_table;
    TrashTreeModel* m_tree;
    QMenu* m_menu;
    QAction* m_separator = nullptr;
    QList<QAction*> m_itemActions;  ///< delete, secure delete, put back: off while one runs
    CVTrashFileNode::Ptr m_clickedItem;
    quint64 m_trashFileSize = 0;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<Alerts> m_alerts;
    std::function<void(const QStringList& resisted)> m_permissionAlert;
    std::shared_ptr<PutBackQuestion> m_question;
    Worker m_scanWorker;
    Worker m_treeWorker;
    Worker m_actionWorker;
    Worker m_folderWorker;  ///< folders entered; one left is no longer listed
    /// Set when the browser goes: a scan or listing still running stops at its next batch.
    std::shared_ptr<std::atomic_bool> m_stop = std::make_shared<std::atomic_bool>(false);
};
