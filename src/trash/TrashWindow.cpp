#include "TrashWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

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
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("trashTabs"));
    buildItemsTab();
    buildTreeTab();
    layout->addWidget(tabs, 1);

    actionPanel = new ProgressPanel(this);
    layout->addWidget(actionPanel);

    trashStoragelab = new QLabel(this);
    trashStoragelab->setObjectName(QStringLiteral("trashStoragelab"));
    trashStoragelab->setStyleSheet(ThemeColors::css(ThemeColors::text(trashStoragelab)));
    layout->addWidget(trashStoragelab);
}

// Back, where the table is, the busy spinner, undo and check.
void TrashWindow::buildBar(QVBoxLayout* layout) {
    auto* bar = new QHBoxLayout;
    backBtn = new QToolButton(this);
    backBtn->setObjectName(QStringLiteral("backBtn"));
    backBtn->setText(localized("‹ Back"));
    backBtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    backBtn->hide();
    locationLabel = new QLabel(localized("Everything in your Trash"), this);
    locationLabel->setObjectName(QStringLiteral("locationLabel"));
    QFont f = locationLabel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 2);
    locationLabel->setFont(f);
    locationLabel->setStyleSheet(ThemeColors::css(ThemeColors::heading(locationLabel)));
    theIndProcesser = spinner(this, "theIndProcesser");
    checkTrashButton = new QPushButton(localized("Check Trash"), this);
    checkTrashButton->setObjectName(QStringLiteral("checkTrashButton"));
    checkTrashButton->setDefault(true);
    undoButton = new QPushButton(localized("Undo"), this);
    undoButton->setObjectName(QStringLiteral("trashUndoButton"));
    undoButton->setEnabled(false);
    bar->addWidget(backBtn);
    bar->addWidget(locationLabel, 1);
    bar->addWidget(theIndProcesser);
    bar->addSpacing(8);
    bar->addWidget(undoButton);
    bar->addWidget(checkTrashButton);
    layout->addLayout(bar);
}

// The filter over the table of every Trash.
void TrashWindow::buildItemsTab() {
    auto* itemsPage = new QWidget(tabs);
    auto* itemsLayout = new QVBoxLayout(itemsPage);
    itemsLayout->setContentsMargins(0, 8, 0, 0);
    filterField = new QLineEdit(itemsPage);
    filterField->setObjectName(QStringLiteral("trashFilterField"));
    filterField->setPlaceholderText(localized("Filter"));
    filterField->setClearButtonEnabled(true);
    filterField->setMinimumWidth(280);
    itemsLayout->addWidget(filterField, 0, Qt::AlignLeft);
    theTableView = new QTableView(itemsPage);
    theTableView->setTabKeyNavigation(false);  // arrows move between rows; Tab leaves the table
    theTableView->setObjectName(QStringLiteral("theTableView"));
    theTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    theTableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    theTableView->setContextMenuPolicy(Qt::CustomContextMenu);
    theTableView->setShowGrid(false);
    theTableView->setAlternatingRowColors(true);
    theTableView->setWordWrap(false);
    theTableView->verticalHeader()->hide();
    theTableView->verticalHeader()->setDefaultSectionSize(24);
    theTableView->setIconSize(QSize(18, 18));
    theTableView->horizontalHeader()->setHighlightSections(false);
    theTableView->horizontalHeader()->setStretchLastSection(false);
    theTableView->horizontalHeader()->setSortIndicatorShown(true);
    TableTextStyle::apply(theTableView);
    itemsLayout->addWidget(theTableView, 1);
    tabs->addTab(itemsPage, localized("Items"));
}

// The tree of the user's Trash, built on request.
void TrashWindow::buildTreeTab() {
    auto* treePage = new QWidget(tabs);
    auto* treeLayout = new QVBoxLayout(treePage);
    treeLayout->setContentsMargins(0, 8, 0, 0);
    auto* treeBar = new QHBoxLayout;
    treeStatusLabel = new QLabel(localized("The whole content of your Trash, folder by folder."), treePage);
    treeStatusLabel->setObjectName(QStringLiteral("treeStatusLabel"));
    treeStatusLabel->setStyleSheet(ThemeColors::css(ThemeColors::muted(treeStatusLabel)));
    treeProgress = spinner(treePage, "treeProgress");
    buildTreeButton = new QPushButton(localized("Build Tree"), treePage);
    buildTreeButton->setObjectName(QStringLiteral("buildTreeButton"));
    treeBar->addWidget(treeStatusLabel, 1);
    treeBar->addWidget(treeProgress);
    treeBar->addWidget(buildTreeButton);
    treeLayout->addLayout(treeBar);
    theOutlineView = new QTreeView(treePage);
    theOutlineView->setTabKeyNavigation(false);
    theOutlineView->setObjectName(QStringLiteral("theOutlineView"));
    theOutlineView->setAlternatingRowColors(true);
    theOutlineView->setUniformRowHeights(true);
    TableTextStyle::apply(theOutlineView);
    treeLayout->addWidget(theOutlineView, 1);
    tabs->addTab(treePage, localized("Tree"));
}
