#include "TrashWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "TrashTableModel.h"
#include "TrashTreeModel.h"
#include "core/FileUtilities.h"
#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/ProgressPanel.h"
#include "widgets/TableTextStyle.h"
#include "widgets/ThemeColors.h"

namespace {
QProgressBar* spinner(QWidget* parent, const char* name) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, 0);  // busy
    bar->setTextVisible(false);
    bar->setFixedSize(90, 8);
    bar->hide();
    return bar;
}
}  // namespace

TrashWindow::TrashWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("theTrashInfoWindow"));
    setWindowTitle(localized("Trash"));
    setWindowIcon(QIcon(Images::named(QStringLiteral("corvane.png"))));
    resize(980, 560);
    setStyleSheet(
        QStringLiteral("QWidget#theTrashInfoWindow { background: %1; }").arg(ThemeColors::pane(this).name()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);

    buildBar(layout);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("trashTabs"));
    buildItemsTab();
    buildTreeTab();
    layout->addWidget(m_tabs, 1);

    m_actionPanel = new ProgressPanel(this);
    layout->addWidget(m_actionPanel);

    m_trashStoragelab = new QLabel(this);
    m_trashStoragelab->setObjectName(QStringLiteral("trashStoragelab"));
    m_trashStoragelab->setStyleSheet(ThemeColors::css(ThemeColors::text(m_trashStoragelab)));
    layout->addWidget(m_trashStoragelab);

    m_menu = new QMenu(m_theTableView);
    m_menu->setObjectName(QStringLiteral("trashContextMenu"));
    connectSignals();
}

void TrashWindow::connectSignals() {
    connect(m_checkTrashButton, &QPushButton::clicked, this, &TrashWindow::checkTrashClicked);
    connect(m_undoButton, &QPushButton::clicked, this, &TrashWindow::undoClicked);
    connect(m_backBtn, &QToolButton::clicked, this, &TrashWindow::backClicked);
    connect(m_buildTreeButton, &QPushButton::clicked, this, &TrashWindow::buildTreeClicked);
    connect(m_filterField, &QLineEdit::textChanged, this, &TrashWindow::filterChanged);
    connect(m_theTableView, &QTableView::doubleClicked, this, &TrashWindow::rowDoubleClicked);
    connect(m_theTableView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Q_EMIT rowMenuRequested(m_theTableView->indexAt(pos).row(),
                                m_theTableView->viewport()->mapToGlobal(pos));
    });
}

// Back, where the table is, the busy spinner, undo and check.
void TrashWindow::buildBar(QVBoxLayout* layout) {
    auto* bar = new QHBoxLayout;
    m_backBtn = new QToolButton(this);
    m_backBtn->setObjectName(QStringLiteral("backBtn"));
    m_backBtn->setText(localized("‹ Back"));
    m_backBtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_backBtn->hide();
    m_locationLabel = new QLabel(localized("Everything in your Trash"), this);
    m_locationLabel->setObjectName(QStringLiteral("locationLabel"));
    QFont f = m_locationLabel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 2);
    m_locationLabel->setFont(f);
    m_locationLabel->setStyleSheet(ThemeColors::css(ThemeColors::heading(m_locationLabel)));
    m_theIndProcesser = spinner(this, "theIndProcesser");
    m_checkTrashButton = new QPushButton(localized("Check Trash"), this);
    m_checkTrashButton->setObjectName(QStringLiteral("checkTrashButton"));
    m_checkTrashButton->setDefault(true);
    m_undoButton = new QPushButton(localized("Undo"), this);
    m_undoButton->setObjectName(QStringLiteral("trashUndoButton"));
    m_undoButton->setEnabled(false);
    bar->addWidget(m_backBtn);
    bar->addWidget(m_locationLabel, 1);
    bar->addWidget(m_theIndProcesser);
    bar->addSpacing(8);
    bar->addWidget(m_undoButton);
    bar->addWidget(m_checkTrashButton);
    layout->addLayout(bar);
}

// The filter over the table of every Trash.
void TrashWindow::buildItemsTab() {
    auto* itemsPage = new QWidget(m_tabs);
    auto* itemsLayout = new QVBoxLayout(itemsPage);
    itemsLayout->setContentsMargins(0, 8, 0, 0);
    m_filterField = new QLineEdit(itemsPage);
    m_filterField->setObjectName(QStringLiteral("trashFilterField"));
    m_filterField->setPlaceholderText(localized("Filter"));
    m_filterField->setClearButtonEnabled(true);
    m_filterField->setMinimumWidth(280);
    itemsLayout->addWidget(m_filterField, 0, Qt::AlignLeft);
    m_theTableView = new QTableView(itemsPage);
    m_theTableView->setTabKeyNavigation(false);  // arrows move between rows; Tab leaves the table
    m_theTableView->setObjectName(QStringLiteral("theTableView"));
    m_theTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_theTableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_theTableView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_theTableView->setShowGrid(false);
    m_theTableView->setAlternatingRowColors(true);
    m_theTableView->setWordWrap(false);
    m_theTableView->verticalHeader()->hide();
    m_theTableView->verticalHeader()->setDefaultSectionSize(24);
    m_theTableView->setIconSize(QSize(18, 18));
    m_theTableView->horizontalHeader()->setHighlightSections(false);
    m_theTableView->horizontalHeader()->setStretchLastSection(false);
    m_theTableView->horizontalHeader()->setSortIndicatorShown(true);
    TableTextStyle::apply(m_theTableView);
    itemsLayout->addWidget(m_theTableView, 1);
    m_tabs->addTab(itemsPage, localized("Items"));
}

// The tree of the user's Trash, built on request.
void TrashWindow::buildTreeTab() {
    auto* treePage = new QWidget(m_tabs);
    auto* treeLayout = new QVBoxLayout(treePage);
    treeLayout->setContentsMargins(0, 8, 0, 0);
    auto* treeBar = new QHBoxLayout;
    m_treeStatusLabel = new QLabel(localized("The whole content of your Trash, folder by folder."), treePage);
    m_treeStatusLabel->setObjectName(QStringLiteral("treeStatusLabel"));
    m_treeStatusLabel->setStyleSheet(ThemeColors::css(ThemeColors::muted(m_treeStatusLabel)));
    m_treeProgress = spinner(treePage, "treeProgress");
    m_buildTreeButton = new QPushButton(localized("Build Tree"), treePage);
    m_buildTreeButton->setObjectName(QStringLiteral("buildTreeButton"));
    treeBar->addWidget(m_treeStatusLabel, 1);
    treeBar->addWidget(m_treeProgress);
    treeBar->addWidget(m_buildTreeButton);
    treeLayout->addLayout(treeBar);
    m_theOutlineView = new QTreeView(treePage);
    m_theOutlineView->setTabKeyNavigation(false);
    m_theOutlineView->setObjectName(QStringLiteral("theOutlineView"));
    m_theOutlineView->setAlternatingRowColors(true);
    m_theOutlineView->setUniformRowHeights(true);
    TableTextStyle::apply(m_theOutlineView);
    treeLayout->addWidget(m_theOutlineView, 1);
    m_tabs->addTab(treePage, localized("Tree"));
}

void TrashWindow::setModels(TrashTableModel* table, TrashTreeModel* tree) {
    m_theTableView->setModel(table);
    m_theOutlineView->setModel(tree);
    QHeaderView* header = m_theTableView->horizontalHeader();
    header->setSectionResizeMode(TrashTableModel::Name, QHeaderView::Stretch);
    header->resizeSection(TrashTableModel::Size, 104);
    header->resizeSection(TrashTableModel::Permisson, 120);
    header->resizeSection(TrashTableModel::Path, 280);
    header->resizeSection(TrashTableModel::Date, 170);
    header->resizeSection(TrashTableModel::Deleted, 175);
    // The list's own order until a header is clicked.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_theTableView->setSortingEnabled(true);
    m_theOutlineView->header()->resizeSection(TrashTreeModel::Name, 320);
}

void TrashWindow::setScanning(bool scanning) {
    m_theIndProcesser->setVisible(scanning);
    m_checkTrashButton->setEnabled(!scanning);
}

void TrashWindow::setTotal(quint64 bytes) {
    m_trashStoragelab->setText(localized("Trash Storage - - %1").arg(FileUtilities::size_to_unit(bytes)));
}

void TrashWindow::setInsideFolder(bool inside) {
    m_backBtn->setVisible(inside);
    m_locationLabel->setText(inside ? localized("Inside a folder of the Trash")
                                    : localized("Everything in your Trash"));
}

void TrashWindow::setUndoEnabled(bool enabled) {
    m_undoButton->setEnabled(enabled);
}

bool TrashWindow::isUndoEnabled() const {
    return m_undoButton->isEnabled();
}

void TrashWindow::setFilterText(const QString& text) {
    m_filterField->setText(text);
}

void TrashWindow::clearSelection() {
    m_theTableView->clearSelection();
}

QList<int> TrashWindow::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : m_theTableView->selectionModel()->selectedRows()) rows << index.row();
    return rows;
}

int TrashWindow::currentRow() const {
    const QModelIndex current = m_theTableView->currentIndex();
    if (current.isValid()) return current.row();
    const QModelIndexList rows = m_theTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TrashWindow::setTreeBuilding() {
    m_treeProgress->show();
    m_buildTreeButton->setEnabled(false);
    m_treeStatusLabel->setText(localized("Measuring every folder of the Trash…"));
}

void TrashWindow::setTreeBuilt(int count) {
    m_treeProgress->hide();
    m_buildTreeButton->setEnabled(true);
    m_treeStatusLabel->setText(count == 1 ? localized("1 item in the Trash.")
                                          : localized("%1 items in the Trash.").arg(count));
}

void TrashWindow::showTab(Tab tab) {
    m_tabs->setCurrentIndex(tab == Tab::Tree ? 1 : 0);
}

void TrashWindow::expandTree() {
    m_theOutlineView->expandAll();
}

void TrashWindow::widenForPaths() {
    const int before = m_theTableView->columnWidth(TrashTableModel::Path);
    m_theTableView->resizeColumnToContents(TrashTableModel::Path);
    const int gained = m_theTableView->columnWidth(TrashTableModel::Path) - before;
    resize(width() + std::max(0, gained), height());
}

void TrashWindow::showProgress(std::shared_ptr<WorkProgress> progress, const QString& what,
                               bool cancellable) {
    m_actionPanel->track(std::move(progress), what, cancellable);
}

void TrashWindow::finishProgress() {
    m_actionPanel->finish();
}
