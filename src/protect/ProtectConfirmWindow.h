#pragma once

#include <QWidget>
#include <memory>

#include "platform/Worker.h"
#include "trash/CVTrashFileNode.h"

class Alerts;
class NotificationCenter;
class ProgressPanel;
class PSTableCellView;
class PutBackQuestion;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class SystemCommands;
class TrashStore;
class Workspace;
struct WorkProgress;

/// The protected-items window: the entries a forced emptying kept because of the protection
/// rules, each with a check box, and the actions that remove the marked ones for good or put them
/// back, which run on a worker with their progress shown in the window. Main thread only.
class ProtectConfirmWindow : public QWidget {
    Q_OBJECT
  public:
    ProtectConfirmWindow(NotificationCenter* nc, std::shared_ptr<Workspace> workspace,
                         std::shared_ptr<Alerts> alerts, std::shared_ptr<const SystemCommands> commands,
                         std::shared_ptr<const TrashStore> store, QWidget* parent = nullptr);

    /// Replaces the rows with `items` (one pass's list) and shows the window centred, in front.
    void NeeDeleteConfirmWarning(const QList<CVTrashFileNode::Ptr>& items);
    /// Replaces the rows without showing anything.
    void setContent(const QList<CVTrashFileNode::Ptr>& items);
    const QList<CVTrashFileNode::Ptr>& content() const { return m_content; }
    /// The row showing item `row`.
    PSTableCellView* cellAt(int row) const;

    /// Marks every row when the select-all box is on, else unmarks every row.
    void SelectProtectItems();
    /// Removes every marked item on a worker, cancellable between items; an item that is still
    /// there afterwards stays listed. actionFinished() says when it is over.
    void DeleteProtectItem();
    /// Puts every marked item back on a worker. One that can't be (place taken, place unknown, the
    /// move failed) stays in the Trash and in the list, and one alert names them all.
    void PutBackProtectItem();
    /// The question asked when an item's place is taken; none: such items stay in the Trash.
    void setPutBackQuestion(std::shared_ptr<PutBackQuestion> question) { m_question = std::move(question); }
    void reloadData();
    bool isActing() const { return m_worker.isRunning(); }

  Q_SIGNALS:
    /// A delete or put back is over and the list shows what is left.
    void actionFinished();

  private:
    QList<CVTrashFileNode::Ptr> markedItems() const;
    void updateButtons();
    void beginAction(const std::shared_ptr<WorkProgress>& progress, const QString& what, bool cancellable);
    /// Drops `gone` from the list (whatever else changed meanwhile) and ends the action.
    void endAction(const QList<CVTrashFileNode::Ptr>& gone);

    NotificationCenter* m_nc;
    std::shared_ptr<Workspace> m_workspace;
    std::shared_ptr<Alerts> m_alerts;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<const TrashStore> m_store;
    std::shared_ptr<PutBackQuestion> m_question;
    QList<CVTrashFileNode::Ptr> m_content;
    Worker m_worker;

    QListWidget* m_protectTableView = nullptr;
    QCheckBox* m_selectAllCheckBox = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_putBackButton = nullptr;
    QLabel* m_emptyNote = nullptr;
    ProgressPanel* m_actionPanel = nullptr;
};
