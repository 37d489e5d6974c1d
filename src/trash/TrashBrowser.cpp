#include "TrashBrowser.h"

#include <QFileInfo>
#include <QMenu>
#include <optional>

#include "CVTrashController.h"
#include "PutBackQuestion.h"
#include "PutBackReader.h"
#include "TrashFolderListing.h"
#include "TrashItemActions.h"
#include "TrashJournal.h"
#include "TrashScanner.h"
#include "TrashStore.h"
#include "TrashTableModel.h"
#include "TrashTreeModel.h"
#include "TrashWindow.h"
#include "core/FileUtilities.h"
#include "core/fs/FsName.h"
#include "core/fs/FsTree.h"
#include "erase/OverwriteReach.h"
#include "erase/SecureEraser.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/WorkProgress.h"
#include "platform/Workspace.h"
#include "trash/ItemSizes.h"
#include "widgets/WindowPlacement.h"

TrashBrowser::TrashBrowser(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
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
                     QStringLiteral("An action on Trash items is already running; the request is ignored.")),
      m_folderWorker(this) {
    m_window = new TrashWindow;
    m_table = new TrashTableModel(this);
    m_tree = new TrashTreeModel(this);
    m_window->setModels(m_table, m_tree);

    m_menu = m_window->contextMenu();
    QAction* open = m_menu->addAction(localized("Open"));
    open->setObjectName(QStringLiteral("openMenuAction"));
    QAction* reveal = m_menu->addAction(localized("Show in File Manager"));
    reveal->setObjectName(QStringLiteral("showInFinderAction"));
    m_separator = m_menu->addSeparator();
    connect(open, &QAction::triggered, this, &TrashBrowser::OpenMenuAction);
    connect(reveal, &QAction::triggered, this, &TrashBrowser::ShowinFinderAction);

    connect(m_window, &TrashWindow::checkTrashClicked, this, &TrashBrowser::ScanUserTrashFile);
    connect(m_window, &TrashWindow::undoClicked, this, &TrashBrowser::UndoAction);
    connect(m_window, &TrashWindow::filterChanged, this,
            [this](const QString& text) { m_table->setFilterText(text); });
    connect(m_window, &TrashWindow::backClicked, this, &TrashBrowser::clickBackViewAction);
    connect(m_window, &TrashWindow::buildTreeClicked, this, &TrashBrowser::buildTree);
    connect(m_window, &TrashWindow::rowDoubleClicked, this, [this] { doubleclickAction(); });
    connect(m_window, &TrashWindow::rowMenuRequested, this, &TrashBrowser::showContextMenu);
}

TrashBrowser::~TrashBrowser() {
    // A worker may be waiting for the main thread: the workers serve events until they end, and no
    // hand-back reaches the window after this.
    m_stop->store(true);
    m_folderWorker.close();
    m_scanWorker.close();
    m_treeWorker.close();
    m_actionWorker.close();
    delete m_window;
}

namespace {

// The first entries of a folder show at once; the rest follow from a worker in parts this size.
constexpr qsizetype FolderPart = 512;

}  // namespace

void TrashBrowser::ScanUserTrashFile() {
    TrashScanner scanner(m_paths, m_files, m_origPaths, m_workspace);
    scanner.setStop(m_stop);
    // Batches and the hand-back are queued for this thread, so they come after the set-up below,
    // and every batch before the hand-back (one thread posts them all, in order).
    const bool started = m_scanWorker.start(
        [this, scanner, stop = std::shared_ptr<const std::atomic_bool>(m_stop)] {
            return scanner.scanBatches([this, stop](const QList<CVTrashFileNode::Ptr>& batch) {
                // Through the main thread's own queue, which the thread sanitizer sees; the stop
                // flag, set when this browser goes, is read on the main thread before `this` is.
                MainThread::post([this, stop, batch] {
                    if (!stop->load()) addScanBatch(batch);
                });
            });
        },
        [this](quint64) {
            ScanUserTrashFileThreaderToMainThread();
            Q_EMIT scanFinished();
        });
    if (!started) return;
    if (!m_window->isVisible()) {
        WindowPlacement::centerOnScreen(m_window);
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
    m_window->setScanning(true);
    // A rescan starts from an empty list: the rows shown before are not added to.
    m_navigation.showTopLevel({});
    m_trashFileSize = 0;
    reloadTable();
}

void TrashBrowser::addScanBatch(const QList<CVTrashFileNode::Ptr>& batch) {
    if (m_stop->load()) return;
    // While the top level is shown, it and the table's rows are one list, grown once per batch.
    const bool grown =
        m_navigation.growSharedTopLevel(m_table->items(), [&] { m_table->appendItems(batch); });
    if (!grown && m_navigation.appendTopLevel(batch)) m_table->appendItems(batch);
    for (const CVTrashFileNode::Ptr& item : batch)
        if (item->theVolume.isEmpty()) m_trashFileSize += item->filesize;
    m_window->setTotal(m_trashFileSize);
}

void TrashBrowser::ScanUserTrashFileThreaderToMainThread() {
    m_window->setScanning(false);
    // The rows are all in; they take the order the view is sorted by. The lists that batches were
    // appended to share one storage again.
    m_table->sortAppended();
    m_navigation.shareTopLevel();
    m_table->shareItems(m_navigation.content());
    updateTotal();
    updateUndo();
}

void TrashBrowser::enterFolder(const CVTrashFileNode::Ptr& item) {
    if (!TrashNavigation::canEnter(item)) return;
    auto listing = std::make_shared<TrashFolderListing>(*item, TrashStore::forPaths(m_paths));
    m_navigation.showFolder(listing->next(FolderPart));
    reloadTable();
    if (!listing->atEnd()) listRest(std::move(listing));
}

void TrashBrowser::listRest(std::shared_ptr<TrashFolderListing> listing) {
    const std::weak_ptr<QList<CVTrashFileNode::Ptr>> target = m_navigation.contentList();
    const std::shared_ptr<const std::atomic_bool> stop = m_stop;
    m_folderWorker.start(
        [this, listing, target, stop] {
            // Once the folder is neither shown nor kept to go back to, its list is gone: stop.
            while (!listing->atEnd() && !stop->load() && !target.expired()) {
                const QList<CVTrashFileNode::Ptr> part = listing->next(FolderPart);
                if (part.isEmpty()) continue;
                MainThread::post([this, stop, target, part] {
                    if (!stop->load() && m_navigation.append(target, part)) m_table->appendItems(part);
                });
            }
        },
        [this, target] {
            if (target.lock() == m_navigation.contentList()) m_table->sortAppended();
            Q_EMIT folderListed();
        });
}

void TrashBrowser::rescanIfShown() {
    if (!m_window->isVisible() || m_scanWorker.isRunning()) return;
    ScanUserTrashFile();
}

void TrashBrowser::updateTotal(const QHash<QString, quint64>& remeasured) {
    quint64 total = 0;
    for (const CVTrashFileNode::Ptr& item : std::as_const(m_navigation.trashItemsArray())) {
        if (!item->theVolume.isEmpty()) continue;
        const auto size = remeasured.constFind(item->theTrashPath);
        if (size != remeasured.constEnd()) {
            item->filesize = *size;
            item->theFileSize = FileUtilities::size_to_unit(*size);
        }
        total += item->filesize;
    }
    m_trashFileSize = total;
    m_window->setTotal(m_trashFileSize);
}

QHash<QString, quint64> TrashBrowser::measureHolders(const QStringList& paths, const QString& userTrash,
                                                     const ItemSizes& files, const TrashStore& store) {
    QHash<QString, quint64> sizes;
    const QString top = userTrash + QLatin1Char('/');
    for (const QString& path : paths) {
        if (!path.startsWith(top)) continue;
        const qsizetype slash = path.indexOf(QLatin1Char('/'), top.size());
        if (slash < 0) continue;  // a top-level item itself
        const QString holder = path.left(slash);
        if (sizes.contains(holder)) continue;
        const std::optional<quint64> bytes = files.sizeAtFilePath(holder);
        if (!bytes) continue;  // unmeasured: the old size stays until a scan
        sizes.insert(holder, *bytes);
        store.folderSizeChanged(holder, *bytes);
    }
    return sizes;
}

void TrashBrowser::reloadTable() {
    m_window->clearSelection();
    m_table->setItems(m_navigation.content());
    m_window->setInsideFolder(m_navigation.backVisible());
}

void TrashBrowser::doubleclickAction() {
    const CVTrashFileNode::Ptr item = m_table->itemAt(m_window->currentRow());
    if (!item || item->bFile) return;
    enterFolder(item);
}

void TrashBrowser::OpenMenuAction() {
    const CVTrashFileNode::Ptr item = m_table->itemAt(clickedRow());
    if (!item) return;
    if (item->bFile) {
        m_workspace->openFile(item->theTrashPath);
        return;
    }
    enterFolder(item);
}

void TrashBrowser::clickBackViewAction() {
    m_navigation.back();
    reloadTable();
}

void TrashBrowser::ShowinFinderAction() {
    const CVTrashFileNode::Ptr item = m_table->itemAt(clickedRow());
    if (!item) return;
    m_workspace->selectFile(item->theTrashPath, QFileInfo(item->theTrashPath).absolutePath());
}

int TrashBrowser::clickedRow() const {
    return m_clickedItem ? m_table->rowOf(m_clickedItem) : -1;
}

void TrashBrowser::setClickedRow(int row) {
    m_clickedItem = m_table->itemAt(row);
}

QList<CVTrashFileNode::Ptr> TrashBrowser::itemsForAction() const {
    // The rows are those the filter shows: neither the clicked row nor the selection reaches a
    // hidden record.
    const int clickedRow = this->clickedRow();
    const CVTrashFileNode::Ptr clicked = m_table->itemAt(clickedRow);
    if (!clicked) return {};
    const QList<int> selected = m_window->selectedRows();
    if (selected.size() < 2) return {clicked};
    QList<int> rows{clickedRow};
    for (int row : selected)
        if (!rows.contains(row)) rows << row;
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

void TrashBrowser::showContextMenu(int row, const QPoint& globalPos) {
    setClickedRow(row);
    if (!m_clickedItem) return;
    m_menu->popup(globalPos);
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
                paths, [files](const FsTree::WalkEntry& entry) { return files->sizeOfEntry(entry); },
                [origPaths](const QString& name) { return origPaths->getOrigFilePath(name); });
            controller.addTrashTreeList();
            const int count = controller.nodeCount();
            return Tree{controller.takeContent(), count};
        },
        [this](Tree tree) {
            m_tree->setContent(std::move(tree.content));
            m_window->setTreeBuilt(tree.count);
            Q_EMIT treeBuilt();
        });
    if (!started) return;
    m_window->setTreeBuilding();
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
    m_window->setUndoEnabled(false);
    m_window->showProgress(progress, what, cancellable);
}

void TrashBrowser::endAction() {
    m_window->finishProgress();
    for (QAction* action : std::as_const(m_itemActions)) action->setEnabled(true);
    updateUndo();
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
        QHash<QString, quint64> holders;  ///< top-level folders an item inside them left, measured anew
    };
    const std::shared_ptr<const TrashStore> store = TrashStore::forPaths(m_paths);
    const TrashItemActions actions(m_commands, store);
    const std::shared_ptr<const ItemSizes> files = m_files;
    const QString userTrash = m_paths->userTrash();
    const bool started = m_actionWorker.start(
        [actions, paths, securely, progress, files, userTrash, store] {
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
            outcome.holders = measureHolders(paths.mid(0, outcome.reports.size()), userTrash, *files, *store);
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
            updateTotal(outcome.holders);
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
    // An item a volume's record sends outside that volume goes only when the user agrees; one whose
    // place is taken goes as the user answers.
    const TrashItemActions::PutBackPlan plan = TrashItemActions::planPutBack(
        itemsForAction(), m_alerts.get(), store.get(), PutBackQuestion::asker(m_question.get()));
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
    struct Outcome {
        QList<TrashItemActions::PutBack> outcomes;
        QHash<QString, quint64> holders;
        bool kept = true;       ///< the moves made are in the journal
        bool replaced = false;  ///< what was in a place went to the Trash: the list needs a scan
    };
    const std::shared_ptr<const ItemSizes> files = m_files;
    const std::shared_ptr<const Paths> paths = m_paths;
    const bool started = m_actionWorker.start(
        [actions, moves, progress, files, paths, store] {
            Outcome outcome;
            TrashJournal journal(paths);
            outcome.outcomes = actions.putBackEach(moves, progress.get(), &journal);
            QStringList moved;
            for (qsizetype i = 0; i < outcome.outcomes.size(); ++i) {
                if (outcome.outcomes[i] != TrashItemActions::PutBack::Moved) continue;
                moved << moves[i].trashPath;
                if (moves[i].whenTaken == TrashItemActions::WhenTaken::Replace) outcome.replaced = true;
            }
            // Read back: only a journal on disk makes the put back undoable.
            if (!moved.isEmpty())
                outcome.kept = TrashJournal(paths).lastMoves().size() == journal.lastMoves().size();
            outcome.holders = measureHolders(moved, paths->userTrash(), *files, *store);
            return outcome;
        },
        [this, items](const Outcome& outcome) {
            QList<TrashItemActions::NotPutBack> left;
            for (qsizetype i = 0; i < outcome.outcomes.size(); ++i) {
                const CVTrashFileNode::Ptr& item = items[i];
                const TrashItemActions::PutBack result = outcome.outcomes[i];
                if (result == TrashItemActions::PutBack::Moved)
                    m_navigation.removeItem(item);
                else if (result != TrashItemActions::PutBack::Unknown &&
                         result != TrashItemActions::PutBack::Skipped)
                    left.append({item->theFileName, item->theOrignalpath, result});
            }
            endAction();
            reloadTable();
            updateTotal(outcome.holders);
            if (!left.isEmpty() && m_alerts)
                m_alerts->runModal({localized("Some items were not put back."), localized(" OK "), QString(),
                                    TrashItemActions::notPutBackText(left)});
            if (!outcome.kept && m_alerts)
                m_alerts->runModal({localized("This put back can't be undone."), localized(" OK "), QString(),
                                    localized("Corvane could not write down what it moved.")});
            if (outcome.replaced) rescanIfShown();
            Q_EMIT actionFinished();
        });
    // A move across volumes is a copy that can't stop halfway; put back runs to its end.
    if (started) beginAction(progress, localized("Putting back"), false);
}

void TrashBrowser::updateUndo() {
    const bool idle = !m_actionWorker.isRunning();
    m_window->setUndoEnabled(idle && !TrashJournal(m_paths).lastAction().isEmpty());
}

void TrashBrowser::UndoAction() {
    if (TrashJournal(m_paths).lastAction().isEmpty()) return;
    auto progress = std::make_shared<WorkProgress>();
    const std::shared_ptr<const Paths> paths = m_paths;
    const bool started = m_actionWorker.start(
        [paths, progress] {
            TrashJournal journal(paths);
            progress->total = int(journal.lastMoves().size());
            const QList<TrashJournal::Undone> undone = journal.undo();
            progress->done = int(undone.size());
            return undone;
        },
        [this](const QList<TrashJournal::Undone>& undone) {
            QStringList lines;
            for (const TrashJournal::Undone& step : undone) {
                if (step.done) continue;
                const TrashJournal::Move& move = step.move;
                const QString item =
                    move.way == TrashJournal::Move::Way::IntoTrash ? move.place : move.trashPath;
                lines << localized("\"%1\": %2").arg(FsName::displayText(item), step.why);
            }
            endAction();
            if (!lines.isEmpty() && m_alerts)
                m_alerts->runModal({localized("Some moves could not be undone."), localized(" OK "),
                                    QString(), lines.join(QLatin1Char('\n'))});
            // What came back into the Trash (or left it) shows after a scan.
            if (m_window->isVisible()) ScanUserTrashFile();
            Q_EMIT actionFinished();
        });
    if (started) beginAction(progress, localized("Undoing"), false);
}
