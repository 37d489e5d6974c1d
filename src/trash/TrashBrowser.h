#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "CVTrashFileNode.h"
#include "TrashNavigation.h"
#include "platform/Worker.h"

class Alerts;
class FileUtilities;
class SystemCommands;
class Paths;
class QAction;
class QMenu;
class TrashOrigPaths;
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
    TrashBrowser(std::shared_ptr<const Paths> paths, std::shared_ptr<const FileUtilities> files,
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
    bool isBuildingTree() const { return m_treeWorker.isRunning(); }
    /// A delete, secure delete or put back is running.
    bool isActing() const { return m_actionWorker.isRunning(); }

    /// Shows the window and starts a scan; ignored (and logged) while one runs.
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
    /// in one alert.
    void PutBackAction();
    /// Builds the tree of the user's Trash on a worker and hands it to the outline view.
    void buildTree();

    /// The row the context menu was opened on (the "clicked row"); -1 for none.
    int clickedRow() const { return m_clickedRow; }
    void setClickedRow(int row) { m_clickedRow = row; }
    /// The items an action on several rows works on: the selected rows plus the clicked one, in
    /// row order; the clicked one alone when fewer than two rows are selected.
    QList<CVTrashFileNode::Ptr> itemsForAction() const;
    /// Adds an item to the context menu (the actions of other parts join here).
    QAction* addMenuAction(const QString& title, const QString& objectName);
    /// Shows the navigation's content in the table.
    void reloadTable();

  Q_SIGNALS:
    void scanFinished();
    void treeBuilt();
    /// A delete, secure delete or put back is over and the table shows what is left.
    void actionFinished();

  private:
    void ScanUserTrashFileThreaderToMainThread(const QList<CVTrashFileNode::Ptr>& items, quint64 size);
    void showContextMenu(const QPoint& pos);
    void removeItems(bool securely);
    void beginAction(const std::shared_ptr<WorkProgress>& progress, const QString& what, bool cancellable);
    void endAction();

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const FileUtilities> m_files;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<Workspace> m_workspace;
    TrashNavigation m_navigation;
    TrashWindow* m_window;
    TrashTableModel* m_table;
    TrashTreeModel* m_tree;
    QMenu* m_menu;
    QAction* m_separator = nullptr;
    QList<QAction*> m_itemActions;  ///< delete, secure delete, put back: off while one runs
    int m_clickedRow = -1;
    quint64 m_trashFileSize = 0;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<Alerts> m_alerts;
    std::function<void(const QStringList& resisted)> m_permissionAlert;
    Worker m_scanWorker;
    Worker m_treeWorker;
    Worker m_actionWorker;
};
