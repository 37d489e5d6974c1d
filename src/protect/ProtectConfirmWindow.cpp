#include "ProtectConfirmWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "PSTableCellView.h"
#include "core/FileUtilities.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/WorkProgress.h"
#include "trash/PutBackQuestion.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashStore.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ProgressPanel.h"
#include "widgets/ThemeColors.h"
#include "widgets/WindowPlacement.h"

ProtectConfirmWindow::ProtectConfirmWindow(NotificationCenter* center, std::shared_ptr<Workspace> workspace,
                                           std::shared_ptr<Alerts> alerts,
                                           std::shared_ptr<const SystemCommands> commands,
                                           std::shared_ptr<const TrashStore> store, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_nc(center),
      m_workspace(std::move(workspace)),
      m_alerts(std::move(alerts)),
      m_commands(std::move(commands)),
      m_store(std::move(store)),
      m_worker(this, QStringLiteral(
                         "Protected items are already being removed or put back; the request is ignored.")) {
    setObjectName(QStringLiteral("theConfirmWindow"));
    setWindowTitle(localized("Protected Items"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("QWidget#theConfirmWindow { background: %1; }").arg(ThemeColors::pane(this).name()));
    resize(560, 440);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    QLabel* intro =
        mutedLabel(localized("These items match your protection rules and were kept in the Trash. Mark "
                             "the ones to remove for good or to put back where they came from."),
                   this);
    intro->setObjectName(QStringLiteral("confirmIntro"));
    layout->addWidget(intro);

    m_selectAllCheckBox = new QCheckBox(localized("Select All"), this);
    m_selectAllCheckBox->setObjectName(QStringLiteral("selectAllCheckBox"));
    layout->addWidget(m_selectAllCheckBox, 0, Qt::AlignLeft);  // no click target across the empty width

    m_protectTableView = new QListWidget(this);
    m_protectTableView->setObjectName(QStringLiteral("protectTableView"));
    m_protectTableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_protectTableView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_protectTableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_protectTableView, 1);
    m_emptyNote = mutedLabel(localized("No protected items are listed."), this);
    m_emptyNote->setObjectName(QStringLiteral("emptyNote"));
    m_emptyNote->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_emptyNote);

    m_actionPanel = new ProgressPanel(this);
    layout->addWidget(m_actionPanel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_deleteButton = new QPushButton(localized("Delete Immediately"), this);
    m_deleteButton->setObjectName(QStringLiteral("deleteProtectItemButton"));
    m_putBackButton = new QPushButton(localized("Put Back"), this);
    m_putBackButton->setObjectName(QStringLiteral("putBackProtectItemButton"));
    buttons->addWidget(m_deleteButton);
    buttons->addWidget(m_putBackButton);
    layout->addLayout(buttons);

    connect(m_selectAllCheckBox, &QCheckBox::clicked, this, &ProtectConfirmWindow::SelectProtectItems);
    connect(m_deleteButton, &QPushButton::clicked, this, &ProtectConfirmWindow::DeleteProtectItem);
    connect(m_putBackButton, &QPushButton::clicked, this, &ProtectConfirmWindow::PutBackProtectItem);
    reloadData();
}

void ProtectConfirmWindow::setContent(const QList<CVTrashFileNode::Ptr>& items) {
    m_content = items;
    reloadData();
}

void ProtectConfirmWindow::NeeDeleteConfirmWarning(const QList<CVTrashFileNode::Ptr>& items) {
    setContent(items);
    WindowPlacement::centerOnScreen(this);
    show();
    raise();
    activateWindow();
}

void ProtectConfirmWindow::reloadData() {
    m_protectTableView->clear();
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) {
        auto* row = new QListWidgetItem(m_protectTableView);
        auto* cell = new PSTableCellView(node, m_nc, m_workspace.get());
        row->setSizeHint(cell->sizeHint());
        m_protectTableView->setItemWidget(row, cell);
    }
    m_emptyNote->setVisible(m_content.isEmpty());
    updateButtons();
}

void ProtectConfirmWindow::updateButtons() {
    // They rest while an action runs.
    const bool usable = !m_content.isEmpty() && !m_worker.isRunning();
    m_deleteButton->setEnabled(usable);
    m_putBackButton->setEnabled(usable);
    m_selectAllCheckBox->setEnabled(usable);
}

PSTableCellView* ProtectConfirmWindow::cellAt(int row) const {
    return qobject_cast<PSTableCellView*>(m_protectTableView->itemWidget(m_protectTableView->item(row)));
}

void ProtectConfirmWindow::SelectProtectItems() {
    const bool on = m_selectAllCheckBox->isChecked();
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) node->bSelected = on;
    reloadData();
}

QList<CVTrashFileNode::Ptr> ProtectConfirmWindow::markedItems() const {
    QList<CVTrashFileNode::Ptr> marked;
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content))
        if (node->bSelected) marked.append(node);
    return marked;
}

void ProtectConfirmWindow::beginAction(const std::shared_ptr<WorkProgress>& progress, const QString& what,
                                       bool cancellable) {
    m_actionPanel->track(progress, what, cancellable);
    updateButtons();
}

void ProtectConfirmWindow::endAction(const QList<CVTrashFileNode::Ptr>& gone) {
    m_actionPanel->finish();
    // A new pass may have replaced the rows meanwhile: only what left the Trash leaves the list.
    m_content.removeIf([&gone](const CVTrashFileNode::Ptr& node) { return gone.contains(node); });
    reloadData();
}

void ProtectConfirmWindow::DeleteProtectItem() {
    const QList<CVTrashFileNode::Ptr> marked = markedItems();
    if (marked.isEmpty()) return;
    QStringList paths;
    for (const CVTrashFileNode::Ptr& node : marked) paths << node->theTrashPath;
    auto progress = std::make_shared<WorkProgress>();
    progress->total = int(marked.size());
    QList<quint64> sizes;
    for (const CVTrashFileNode::Ptr& node : marked) sizes << node->filesize;
    progress->setItemBytes(sizes);
    const TrashItemActions actions(m_commands, m_store);
    const bool started = m_worker.start(
        [actions, paths, progress] {
            QList<bool> gone;
            const FsTree::Options options = progress->treeOptions();
            for (const QString& path : paths) {
                if (progress->cancel) break;
                const quint64 before = progress->bytes;
                gone << actions.deleteItem(path, options).gone;
                progress->itemDone(gone.size() - 1, before, gone.last());
            }
            return gone;
        },
        [this, marked](const QList<bool>& gone) {
            // One that resisted, or that a cancel left alone, is still in the Trash, so it stays listed.
            QList<CVTrashFileNode::Ptr> removed;
            for (qsizetype i = 0; i < gone.size(); ++i)
                if (gone[i]) removed << marked[i];
            endAction(removed);
            Q_EMIT actionFinished();
        });
    if (started) beginAction(progress, localized("Deleting"), true);
}

void ProtectConfirmWindow::PutBackProtectItem() {
    if (markedItems().isEmpty()) return;
    // An item a volume's record sends outside that volume goes only when the user agrees; one whose
    // place is taken goes as the user answers.
    const TrashItemActions::PutBackPlan plan = TrashItemActions::planPutBack(
        markedItems(), m_alerts.get(), m_store.get(), PutBackQuestion::asker(m_question.get()));
    const QList<CVTrashFileNode::Ptr> marked = plan.items;
    const QList<TrashItemActions::PutBackMove> moves = plan.moves;
    if (marked.isEmpty()) return;
    auto progress = std::make_shared<WorkProgress>();
    progress->total = int(marked.size());
    QList<quint64> sizes;
    for (const CVTrashFileNode::Ptr& node : marked) sizes << node->filesize;
    progress->setItemBytes(sizes);
    const TrashItemActions actions(m_commands, m_store);
    const bool started = m_worker.start(
        [actions, moves, progress] { return actions.putBackEach(moves, progress.get()); },
        [this, marked](const QList<TrashItemActions::PutBack>& outcomes) {
            QList<CVTrashFileNode::Ptr> moved;
            QList<TrashItemActions::NotPutBack> notPutBack;
            for (qsizetype i = 0; i < outcomes.size(); ++i) {
                if (outcomes[i] == TrashItemActions::PutBack::Moved)
                    moved << marked[i];
                else if (outcomes[i] != TrashItemActions::PutBack::Skipped)
                    notPutBack.append({marked[i]->theFileName, marked[i]->theOrignalpath, outcomes[i]});
            }
            endAction(moved);
            if (!notPutBack.isEmpty() && m_alerts)
                m_alerts->runModal({localized("Some items were not put back."), localized(" OK "), QString(),
                                    TrashItemActions::notPutBackText(notPutBack)});
            Q_EMIT actionFinished();
        });
    // A move across volumes is a copy that can't stop halfway; put back runs to its end.
    if (started) beginAction(progress, localized("Putting back"), false);
}
