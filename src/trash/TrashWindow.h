#pragma once

#include <QWidget>

class ProgressPanel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeView;
class QVBoxLayout;

/// The trash window: the table of every Trash with folder navigation, and the tree of the user's
/// Trash in a second tab. Widgets only; TrashBrowser does the work.
class TrashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TrashWindow(QWidget* parent = nullptr);

    QTabWidget* tabs = nullptr;
    QTableView* theTableView = nullptr;
    QTreeView* theOutlineView = nullptr;
    QPushButton* checkTrashButton = nullptr;  ///< sends CheckTrashSourceAction
    QPushButton* buildTreeButton = nullptr;
    QPushButton* undoButton = nullptr;  ///< "trashUndoButton": undoes the last put into or out of the Trash
    QLineEdit* filterField = nullptr;   ///< "trashFilterField": narrows the table by name or original place
    QToolButton* backBtn = nullptr;
    QProgressBar* theIndProcesser = nullptr;
    QProgressBar* treeProgress = nullptr;
    QLabel* trashStoragelab = nullptr;
    QLabel* locationLabel = nullptr;
    QLabel* treeStatusLabel = nullptr;
    ProgressPanel* actionPanel = nullptr;  ///< delete, secure delete and put back while they run

  private:
    void buildBar(QVBoxLayout* layout);
    void buildItemsTab();
    void buildTreeTab();
};
