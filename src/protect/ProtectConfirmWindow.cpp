#include "ProtectConfirmWindow.h"

#include "PSTableCellView.h"
#include "app/FileUtilities.h"
#include "app/PaneWidgets.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "trash/TrashItemActions.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>


ProtectConfirmWindow::ProtectConfirmWindow(NotificationCenter* center, std::shared_ptr<Workspace> workspace,
                                           std::shared_ptr<Alerts> alerts, std::shared_ptr<const SystemCommands> commands,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      nc(center),
      m_workspace(std::move(workspace)),
      m_alerts(std::move(alerts)),
      m_commands(std::move(commands)) {
    setObjectName(QStringLiteral("theConfirmWindow"));
    setWindowTitle(localized("Protected Items"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#theConfirmWindow { background: #f4f6f9; }"));
    resize(560, 440);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    QLabel* intro = mutedLabel(localized("These items match your protection rules and were kept in the Trash. Mark "
                                         "the ones to remove for good or to put back where they came from."),
                               this);
    intro->setObjectName(QStringLiteral("confirmIntro"));
    layout->addWidget(intro);

    selectAllCheckBox = new QCheckBox(localized("Select All"), this);
    selectAllCheckBox->setObjectName(QStringLiteral("selectAllCheckBox"));
    layout->addWidget(selectAllCheckBox, 0, Qt::AlignLeft);  // no click target across the empty width

    protectTableView = new QListWidget(this);
    protectTableView->setObjectName(QStringLiteral("protectTableView"));
    protectTableView->setSelectionMode(QAbstractItemView::NoSelection);
    protectTableView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    protectTableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(protectTableView, 1);
    emptyNote = mutedLabel(localized("No protected items are listed."), this);
    emptyNote->setObjectName(QStringLiteral("emptyNote"));
    emptyNote->setAlignment(Qt::AlignCenter);
    layout->addWidget(emptyNote);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    deleteButton = new QPushButton(localized("Delete Immediately"), this);
    deleteButton->setObjectName(QStringLiteral("deleteProtectItemButton"));
    putBackButton = new QPushButton(localized("Put Back"), this);
    putBackButton->setObjectName(QStringLiteral("putBackProtectItemButton"));
    buttons->addWidget(deleteButton);
    buttons->addWidget(putBackButton);
    layout->addLayout(buttons);

    connect(selectAllCheckBox, &QCheckBox::clicked, this, &ProtectConfirmWindow::SelectProtectItems);
    connect(deleteButton, &QPushButton::clicked, this, &ProtectConfirmWindow::DeleteProtectItem);
    connect(putBackButton, &QPushButton::clicked, this, &ProtectConfirmWindow::PutBackProtectItem);
    reloadData();
}

void ProtectConfirmWindow::setContent(const QList<CVTrashFileNode::Ptr>& items) {
    m_content = items;
    reloadData();
}

void ProtectConfirmWindow::NeeDeleteConfirmWarning(const QList<CVTrashFileNode::Ptr>& items) {
    setContent(items);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void ProtectConfirmWindow::reloadData() {
    protectTableView->clear();
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) {
        auto* row = new QListWidgetItem(protectTableView);
        auto* cell = new PSTableCellView(node, nc, m_workspace.get());
        row->setSizeHint(cell->sizeHint());
        protectTableView->setItemWidget(row, cell);
    }
    const bool any = !m_content.isEmpty();
    emptyNote->setVisible(!any);
    deleteButton->setEnabled(any);
    putBackButton->setEnabled(any);
    selectAllCheckBox->setEnabled(any);
}

PSTableCellView* ProtectConfirmWindow::cellAt(int row) const {
    return qobject_cast<PSTableCellView*>(protectTableView->itemWidget(protectTableView->item(row)));
}

void ProtectConfirmWindow::SelectProtectItems() {
    const bool on = selectAllCheckBox->isChecked();
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) node->bSelected = on;
    reloadData();
}

void ProtectConfirmWindow::DeleteProtectItem() {
    const TrashItemActions actions(m_commands);
    QList<CVTrashFileNode::Ptr> kept;
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) {
        if (!node->bSelected) {
            kept.append(node);
            continue;
        }
        // One that resisted is still in the Trash, so it stays listed.
        if (!actions.deleteItem(node->theTrashPath).gone) kept.append(node);
    }
    setContent(kept);
}

void ProtectConfirmWindow::PutBackProtectItem() {
    const TrashItemActions actions(m_commands);
    QList<CVTrashFileNode::Ptr> kept;
    QList<TrashItemActions::NotPutBack> notPutBack;
    for (const CVTrashFileNode::Ptr& node : std::as_const(m_content)) {
        if (!node->bSelected) {
            kept.append(node);
            continue;
        }
        const TrashItemActions::PutBack outcome = actions.putBack(node->theTrashPath, node->theOrignalpath);
        if (outcome == TrashItemActions::PutBack::Moved) continue;
        kept.append(node);
        notPutBack.append({node->theFileName, node->theOrignalpath, outcome});
    }
    setContent(kept);
    if (!notPutBack.isEmpty() && m_alerts)
        m_alerts->runModal({localized("Some items were not put back."), localized(" OK "), QString(),
                            TrashItemActions::notPutBackText(notPutBack)});
}
