#pragma once

#include <QWidget>
#include <memory>

class ProgressPanel;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeView;
class QVBoxLayout;
class TrashTableModel;
class TrashTreeModel;
struct WorkProgress;

/// The trash window: the table of every Trash with folder navigation, and the tree of the user's
/// Trash in a second tab. Widgets only; TrashBrowser does the work, through the calls and signals
/// below.
class TrashWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Tab { Items, Tree };

    explicit TrashWindow(QWidget* parent = nullptr);

    /// Shows `table` and `tree` (neither owned) with the columns sized for them.
    void setModels(TrashTableModel* table, TrashTreeModel* tree);
    /// The table's context menu ("trashContextMenu"), owned by the window; the browser fills it.
    QMenu* contextMenu() const { return m_menu; }

    /// The spinner runs and Check Trash is off while a scan runs.
    void setScanning(bool scanning);
    /// The total under the table.
    void setTotal(quint64 bytes);
    /// The table shows a folder inside the Trash (Back shown) or the top level of every Trash.
    void setInsideFolder(bool inside);
    void setUndoEnabled(bool enabled);
    bool isUndoEnabled() const;
    /// The filter's text, as if typed (filterChanged follows).
    void setFilterText(const QString& text);

    void clearSelection();
    /// The selected rows, in selection order.
    QList<int> selectedRows() const;
    /// The row that has the focus, else the first selected one; -1 for none.
    int currentRow() const;

    /// The tree is being built (spinner, Build Tree off) or was built with `count` items.
    void setTreeBuilding();
    void setTreeBuilt(int count);
    /// Brings a tab to the front.
    void showTab(Tab tab);
    void expandTree();
    /// Widens the window by what the original places need to show whole.
    void widenForPaths();

    /// Follows a delete, secure delete or put back while it runs.
    void showProgress(std::shared_ptr<WorkProgress> progress, const QString& what, bool cancellable);
    void finishProgress();

  Q_SIGNALS:
    void checkTrashClicked();  ///< sends CheckTrashSourceAction
    void undoClicked();        ///< undoes the last put into or out of the Trash
    void backClicked();
    void buildTreeClicked();
    void filterChanged(const QString& text);
    void rowDoubleClicked();
    /// The context menu was asked for over `row` (-1: over no row) at `globalPos`.
    void rowMenuRequested(int row, const QPoint& globalPos);

  private:
    void buildBar(QVBoxLayout* layout);
    void buildItemsTab();
    void buildTreeTab();
    void connectSignals();

    QTabWidget* m_tabs = nullptr;
    QTableView* m_theTableView = nullptr;
    QTreeView* m_theOutlineView = nullptr;
    QMenu* m_menu = nullptr;
    QPushButton* m_checkTrashButton = nullptr;
    QPushButton* m_buildTreeButton = nullptr;
    QPushButton* m_undoButton = nullptr;  ///< "trashUndoButton"
    QLineEdit* m_filterField = nullptr;   ///< "trashFilterField": narrows the table by name or original place
    QToolButton* m_backBtn = nullptr;
    QProgressBar* m_theIndProcesser = nullptr;
    QProgressBar* m_treeProgress = nullptr;
    QLabel* m_trashStoragelab = nullptr;
    QLabel* m_locationLabel = nullptr;
    QLabel* m_treeStatusLabel = nullptr;
    ProgressPanel* m_actionPanel = nullptr;  ///< delete, secure delete and put back while they run
};
