#include "TrashBrowser.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <optional>

#include "CVTrashController.h"
#include "PutBackReader.h"
#include "TrashItemActions.h"
#include "TrashScanner.h"
#include "TrashStore.h"
#include "TrashTableModel.h"
#include "TrashTreeModel.h"
#include "TrashWindow.h"
#include "core/FileUtilities.h"
#include "erase/OverwriteReach.h"
#include "erase/SecureEraser.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/WorkProgress.h"
#include "platform/Workspace.h"
#include "widgets/ProgressPanel.h"
#include "widgets/WindowPlacement.h"

TrashBrowser::TrashBrowser(std::shared_ptr<const Paths> paths, std::shared_ptr<const FileUtilities> files,
                           std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<Workspace> workspace,
                           QObject* parent)
    : QObject(parent),
      m_paths(std::move(paths)),
      m_files(std::move(files)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_navigation(m_files),
      m_scanWorker(this, QStringLiteral("A trash scan is already running; the request is ignored.")),
      m_treeWorker(this, QStringLiteral("The trash tree is already being built; the request is ignored.")),
      m_actionWorker(this,
                     QStringLiteral("An action on Trash items is already running; the request is ignored.")) {
    m_window = new TrashWindow;
    m_table = new TrashTableModel(this);
    m_tree = new TrashTreeModel(this);
    m_window->theTableView->setModel(m_table);
    m_window->theOutlineView->setModel(m_tree);
    QHeaderView* header = m_window->theTableView->horizontalHeader();
    header->setSectionResizeMode(TrashTableModel::Name, QHeaderView::Stretch);
    header->resizeSection(TrashTableModel::Size, 104);
    header->resizeSection(TrashTableModel::Permisson, 120);
    header->resizeSection(TrashTableModel::Path, 280);
    header->resizeSection(TrashTableModel::Date, 170);
    m_window->theOutlineView->header()->resizeSection(TrashTreeModel::Name, 320);

    m_menu = new QMenu(m_window->theTableView);
    m_menu->setObjectName(QStringLiteral("trashContextMenu"));
    QAction* open = m_menu->addAction(localized("Open"));
    open->setObjectName(QStringLiteral("openMenuAction"));
    QAction* reveal = m_menu->addAction(localized("Show in File Manager"));
    reveal->setObjectName(QStringLiteral("showInFinderAction"));
    m_separator = m_menu->addSeparator();
    connect(open, &QAction::triggered, this, &TrashBrowser::OpenMenuAction);
    connect(reveal, &QAction::triggered, this, &TrashBrowser::ShowinFinderAction);

    connect(m_window->checkTrashButton, &QPushButton::clicked, this, &TrashBrowser::ScanUserTrashFile);
    connect(m_window->backBtn, &QToolButton::clicked, this, &TrashBrowser::clickBackViewAction);
    connect(m_window->buildTreeButton, &QPushButton::clicked, this, &TrashBrowser::buildTree);
    connect(m_window->theTableView, &QTableView::doubleClicked, this, [this] { doubleclickAction(); });
    connect(m_window->theTableView, &QWidget::customContextMenuRequested, this,
            &TrashBrowser::showContextMenu);
}

TrashBrowser::~TrashBrowser() {
    // A worker may be waiting for the main thread: the workers serve events until they end, and no
    // hand-back reaches the window after this.
    m_scanWorker.close();
    m_treeWorker.close();
    m_actionWorker.close();
    delete m_window;
}

void TrashBrowser::ScanUserTrashFile() {
    const TrashScanner scanner(m_paths, m_files, m_origPaths, m_workspace);
    // The hand-back is queued for this thread, so it always comes after the set-up below.
    const bool started =
        m_scanWorker.start([scanner] { return scanner.scan(); },
                           [this](const TrashScanResult& result) {
                               ScanUserTrashFileThreaderToMainThread(result.items, result.trashFileSize);
                               Q_EMIT scanFinished();
                           });
    if (!started) return;
    if (!m_window->isVisible()) {
        WindowPlacement::centerOnScreen(m_window);
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
    m_window->theIndProcesser->show();
    m_window->checkTrashButton->setEnabled(false);
    m_navigation.showTopLevel({});
    m_trashFileSize = 0;
    reloadTable();
}

void TrashBrowser::ScanUserTrashFileThreaderToMainThread(const QList<CVTrashFileNode::Ptr>& items,
                                                         quint64 size) {
    m_window->theIndProcesser->hide();
    m_window->checkTrashButton->setEnabled(true);
    m_navigation.showTopLevel(items);
    m_trashFileSize = size;
    reloadTable();
    m_window->trashStoragelab->setText(
        localized("Trash Storage - - %1").arg(FileUtilities::size_to_unit(m_trashFileSize)));
}

void TrashBrowser::reloadTable() {
    m_window->theTableView->clearSelection();
    m_table->setItems(m_navigation.content());
    m_window->backBtn->setVisible(m_navigation.backVisible());
    m_window->locationLabel->setText(m_navigation.backVisible() ? localized("Inside a folder of the Trash")
                                                                : localized("Everything in your Trash"));
}

void TrashBrowser::doubleclickAction() {
    const QModelIndexList rows = m_window->theTableView->selectionModel()->selectedRows();
    const QModelIndex current = m_window->theTableView->currentIndex();
    const int row = current.isValid() ? current.row() : (rows.isEmpty() ? -1 : rows.first().row());
    const CVTrashFileNode::Ptr item = m_table->itemAt(row);
    if (!item || item->bFile) return;
    if (m_navigation.enterFolder(item)) reloadTable();
}

void TrashBrowser::OpenMenuAction() {
    const CVTrashFileNode::Ptr item = m_table->itemAt(m_clickedRow);
    if (!item) return;
    if (item->bFile) {
        m_workspace->openFile(item->theTrashPath);
        return;
    }
    if (m_navigation.enterFolder(item)) reloadTable();
}

void TrashBrowser::clickBackViewAction() {
    m_navigation.back();
    reloadTable();
}

void TrashBrowser::ShowinFinderAction() {
    const CVTrashFileNode::Ptr item = m_table->itemAt(m_clickedRow);
    if (!item) return;
    m_workspace->selectFile(item->theTrashPath, QFileInfo(item->theTrashPath).absolutePath());
}

QList<CVTrashFileNode::Ptr> TrashBrowser::itemsForAction() const {
    const CVTrashFileNode::Ptr clicked = m_table->itemAt(m_clickedRow);
    if (!clicked) return {};
    const QModelIndexList selected = m_window->theTableView->selectionModel()->selectedRows();
    if (selected.size() < 2) return {clicked};
    QList<int> rows{m_clickedRow};
    for (const QModelIndex& index : selected)
        if (!rows.contains(index.row())) rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<CVTrashFileNode::Ptr> items;
    for (int row : rows)
        if (auto item = m_table->itemAt(row)) items << item;
    return items;
}

QAction* TrashBrowser::addMenuAction(const QString& title, const QString& objectName) {
    auto* action = new QAction(title, m_menu);
    action->setObjectName(objectName);
    m_menu->addAction(action);
    return action;
}

void TrashBrowser::showContextMenu(const QPoint& pos) {
    const QModelIndex index = m_window->theTableView->indexAt(pos);
    m_clickedRow = index.isValid() ? index.row() : -1;
    if (m_clickedRow < 0) return;
    m_menu->popup(m_window->theTableView->viewport()->mapToGlobal(pos));
}

void TrashBrowser::buildTree() {
    struct Tree {
        QList<CVTrashFileNode::Ptr> content;
        int count = 0;
    };
    auto files = m_files;
    auto origPaths = m_origPaths;
    auto paths = m_paths;
    const bool started = m_treeWorker.start(
        [files, origPaths, paths] {
            origPaths->rebuild(*paths);
            CVTrashController controller(
                paths, [files](const QString& p) { return files->fastFolderSizeAtFilePath(p); },
                [origPaths](const QString& name) { return origPaths->getOrigFilePath(name); });
            controller.addTrashTreeList();
            const int count = controller.nodeCount();
            return Tree{controller.takeContent(), count};
        },
        [this](Tree tree) {
            m_tree->setContent(std::move(tree.content));
            m_window->treeProgress->hide();
            m_window->buildTreeButton->setEnabled(true);
            m_window->treeStatusLabel->setText(tree.count == 1
                                                   ? localized("1 item in the Trash.")
                                                   : localized("%1 items in the Trash.").arg(tree.count));
            Q_EMIT treeBuilt();
        });
    if (!started) return;
    m_window->treeProgress->show();
    m_window->buildTreeButton->setEnabled(false);
    m_window->treeStatusLabel->setText(localized("Measuring every folder of the Trash…"));
}

void TrashBrowser::setRemoval(std::shared_ptr<const SystemCommands> commands, std::shared_ptr<Alerts> alerts,
                              std::function<void(const QStringList& resisted)> permissionAlert) {
    m_commands = std::move(commands);
    m_alerts = std::move(alerts);
    m_permissionAlert = std::move(permissionAlert);
    QAction* remove = addMenuAction(localized("Delete Immediately"), QStringLiteral("deleteTrashItemAction"));
    QAction* shred = addMenuAction(localized("Securely Delete"), QStringLiteral("safeDeleteItemAction"));
    QAction* putBack = addMenuAction(localized("Put Back"), QStringLiteral("putBackAction"));
    m_itemActions = {remove, shred, putBack};
    connect(remove, &QAction::triggered, this, &TrashBrowser::DeleteTrashItemAction);
    connect(shred, &QAction::triggered, this, &TrashBrowser::SafeDeleteItemAction);
    connect(putBack, &QAction::triggered, this, &TrashBrowser::PutBackAction);
}

void TrashBrowser::beginAction(const std::shared_ptr<WorkProgress>& progress, const QString& what,
                               bool cancellable) {
    for (QAction* action : std::as_const(m_itemActions)) action->setEnabled(false);
    m_window->actionPanel->track(progress, what, cancellable);
}

void TrashBrowser::endAction() {
    m_window->actionPanel->finish();
    for (QAction* action : std::as_const(m_itemActions)) action->setEnabled(true);
}

void TrashBrowser::removeItems(bool securely) {
    const QList<CVTrashFileNode::Ptr> items = itemsForAction();
    if (items.isEmpty() || !m_commands) return;
    QStringList paths;
    for (const auto& item : items) paths << item->theTrashPath;
    auto progress = std::make_shared<WorkProgress>();
    progress->total = int(items.size());
    QList<quint64> sizes;
    for (const auto& item : items) sizes << item->filesize;
    progress->setItemBytes(sizes);
    struct Outcome {
        QList<FsTree::Report> reports;  ///< one per item handled, in order; fewer when cancelled
        std::optional<AlertRequest> warning;
    };
    const TrashItemActions actions(m_commands, TrashStore::forPaths(m_paths));
    const bool started = m_actionWorker.start(
        [actions, paths, securely, progress] {
            Outcome outcome;
            const FsTree::Options options = progress->treeOptions();
            for (const QString& path : paths) {
                if (progress->cancel) break;
                const quint64 before = progress->bytes;
                outcome.reports << (securely ? actions.secureDeleteItem(path, options)
                                             : actions.deleteItem(path, options));
                progress->itemDone(outcome.reports.size() - 1, before, outcome.reports.last().gone);
            }
            // Looked up here: statfs on a network file system may take a while.
            if (securely)
                outcome.warning = OverwriteReach::warningAfterErase(paths.mid(0, outcome.reports.size()));
            return outcome;
        },
        [this, items, securely](const Outcome& outcome) {
            FsTree::Report all;
            QStringList resistedPaths;
            for (qsizetype i = 0; i < outcome.reports.size(); ++i) {
                const FsTree::Report& report = outcome.reports[i];
                all.problems += report.problems;
                // Only what is really gone leaves the list; what resisted stays for the helper to
                // finish, and what a cancel left alone stays as it is.
                if (report.gone)
                    m_navigation.removeItem(items[i]);
                else if (!report.cancelled)
                    resistedPaths << items[i]->theTrashPath;
            }
            const bool resisted = !resistedPaths.isEmpty();
            endAction();
            reloadTable();
            if (m_alerts && securely) {
                all.gone = !resisted;
                const QString problems = SecureEraser::problemsText(all);
                if (!problems.isEmpty() && !resisted)
                    m_alerts->runModal({localized("Some items were not erased as asked."), localized(" OK "),
                                        QString(), problems});
                if (outcome.warning) m_alerts->runModal(*outcome.warning);
            }
            if (resisted && m_permissionAlert) m_permissionAlert(resistedPaths);
            Q_EMIT actionFinished();
        });
    if (started)
        beginAction(progress, securely ? localized("Securely deleting") : localized("Deleting"), true);
}

void TrashBrowser::DeleteTrashItemAction() {
    removeItems(false);
}

void TrashBrowser::SafeDeleteItemAction() {
    removeItems(true);
}

void TrashBrowser::PutBackAction() {
    if (itemsForAction().isEmpty() || !m_commands) return;
    const std::shared_ptr<const TrashStore> store = TrashStore::forPaths(m_paths);
    // An item a volume's record sends outside that volume goes only when the user agrees.
    const TrashItemActions::PutBackPlan plan =
        TrashItemActions::planPutBack(itemsForAction(), m_alerts.get(), store.get());
    const QList<CVTrashFileNode::Ptr> items = plan.items;
    const QList<TrashItemActions::PutBackMove> moves = plan.moves;
    if (items.isEmpty()) {
        // The user kept every item where it is; the end is said after the call, as for any action.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT actionFinished(); }, Qt::QueuedConnection);
        return;
    }
    auto progress = std::make_shared<WorkProgress>();
    progress->total = int(items.size());
    QList<quint64> sizes;
    for (const auto& item : items) sizes << item->filesize;
    progress->setItemBytes(sizes);
    const TrashItemActions actions(m_commands, store);
    const bool started = m_actionWorker.start(
        [actions, moves, progress] { return actions.putBackEach(moves, progress.get()); },
        [this, items](const QList<TrashItemActions::PutBack>& outcomes) {
            QList<TrashItemActions::NotPutBack> left;
            for (qsizetype i = 0; i < outcomes.size(); ++i) {
                const CVTrashFileNode::Ptr& item = items[i];
                if (outcomes[i] == TrashItemActions::PutBack::Moved)
                    m_navigation.removeItem(item);
                else if (outcomes[i] != TrashItemActions::PutBack::Unknown)
                    left.append({item->theFileName, item->theOrignalpath, outcomes[i]});
            }
            endAction();
            reloadTable();
            if (!left.isEmpty() && m_alerts)
                m_alerts->runModal({localized("Some items were not put back."), localized(" OK "), QString(),
                                    TrashItemActions::notPutBackText(left)});
            Q_EMIT actionFinished();
        });
    // A move across volumes is a copy that can't stop halfway; put back runs to its end.
    if (started) beginAction(progress, localized("Putting back"), false);
}
