#include "SnapshotWriter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "AccessGrants.h"
#include "AppDelegate.h"
#include "MainWindow.h"
#include "PopoverWindow.h"
#include "StatusItem.h"
#include "cookies/CookieManager.h"
#include "cookies/CookiePane.h"
#include "desktop/DesktopController.h"
#include "desktop/StoreBrowser.h"
#include "erase/SecureEraser.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/WidgetAlerts.h"
#include "platform/WorkProgress.h"
#include "protect/ProtectConfirmWindow.h"
#include "protect/ProtectedItems.h"
#include "trash/PutBackQuestionBox.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"
#include "update/PRUpdateController.h"
#include "update/UpdateWindow.h"
#include "widgets/ProgressWindow.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(QWidget* w, const QString& path) {
    w->ensurePolished();
    if (w->layout()) w->layout()->activate();
    return w->grab().save(path, "PNG");
}

// Waits for `signal` of `sender`, at most two minutes.
template <typename Sender, typename Signal>
void waitFor(const Sender* sender, Signal signal) {
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs a put back or an undo of the trash window and waits for its end and the scan after it.
template <typename Action>
void actAndWait(TrashBrowser& browser, Action action) {
    QEventLoop loop;
    QObject::connect(&browser, &TrashBrowser::actionFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    (browser.*action)();
    if (browser.isActing()) loop.exec();
    if (browser.isScanning()) waitFor(&browser, &TrashBrowser::scanFinished);
    settle();
}

// The trash window's states beyond the plain list: a filter typed, the question asked when a place
// is taken, and Undo on after a put back (which is then undone, so the sandbox stays as built).
void writeTrashWindowStates(TrashBrowser& browser, const QDir& dir, QStringList& written) {
    TrashWindow* w = browser.window();
    TrashTableModel* model = browser.tableModel();
    w->setFilterText(QStringLiteral("notes"));
    settle();
    QString path = dir.filePath(w->objectName() + QStringLiteral("-filter.png"));
    if (save(w, path)) written << path;
    w->setFilterText(QString());
    settle();

    // The first item whose original place is taken, as the question names it.
    for (int row = 0; row < model->rowCount(); ++row) {
        const CVTrashFileNode::Ptr item = model->itemAt(row);
        const QString place = TrashItemActions::putBackDestination(item->theTrashPath, item->theOrignalpath);
        if (item->theOrignalpath == QLatin1String("--") || !QFileInfo::exists(place)) continue;
        std::unique_ptr<QMessageBox> box(PutBackQuestionBox::buildBox(item->theFileName, place, 1));
        box->show();
        settle();
        path = dir.filePath(QStringLiteral("putBackQuestion.png"));
        if (save(box.get(), path)) written << path;
        break;
    }

    // A put back of one item whose place is free, then its undo.
    for (int row = 0; row < model->rowCount(); ++row) {
        const CVTrashFileNode::Ptr item = model->itemAt(row);
        const QString place = TrashItemActions::putBackDestination(item->theTrashPath, item->theOrignalpath);
        if (!item->theVolume.isEmpty() || item->theOrignalpath == QLatin1String("--") ||
            QFileInfo::exists(place) || QFileInfo(place).isSymLink())
            continue;
        w->clearSelection();
        browser.setClickedRow(row);
        actAndWait(browser, &TrashBrowser::PutBackAction);
        if (w->isUndoEnabled()) {
            path = dir.filePath(w->objectName() + QStringLiteral("-undo.png"));
            if (save(w, path)) written << path;
            actAndWait(browser, &TrashBrowser::UndoAction);
        }
        break;
    }
}

// The trash window with a finished scan in its first tab and the built tree in its second.
void writeTrashWindow(AppDelegate& app, const QDir& dir, QStringList& written) {
    TrashBrowser* browser = app.trashBrowser();
    if (!browser) return;
    browser->ScanUserTrashFile();
    if (browser->isScanning()) waitFor(browser, &TrashBrowser::scanFinished);
    settle();
    TrashWindow* w = browser->window();
    w->showTab(TrashWindow::Tab::Items);
    settle();
    // A sandbox root makes every original place long; the picture should show them whole.
    w->widenForPaths();
    settle();
    QString path = dir.filePath(w->objectName() + QStringLiteral(".png"));
    if (save(w, path)) written << path;
    writeTrashWindowStates(*browser, dir, written);
    // A delete part-way through, as the window shows it while the worker runs; nothing is removed.
    auto progress = std::make_shared<WorkProgress>();
    progress->total = 120;
    progress->done = 37;
    w->showProgress(progress, localized("Deleting"), true);
    settle();
    path = dir.filePath(w->objectName() + QStringLiteral("-progress.png"));
    if (save(w, path)) written << path;
    w->finishProgress();
    browser->buildTree();
    if (browser->isBuildingTree()) waitFor(browser, &TrashBrowser::treeBuilt);
    w->showTab(TrashWindow::Tab::Tree);
    w->expandTree();
    settle();
    path = dir.filePath(w->objectName() + QStringLiteral("-tree.png"));
    if (save(w, path)) written << path;
    w->showTab(TrashWindow::Tab::Items);
    w->hide();
}

// The main window on the store browser after a tidy of the sandbox's Desktop: every stored item,
// thumbnails in, the first picture's information shown.
void writeStoreBrowser(AppDelegate& app, const QDir& dir, QStringList& written) {
    StoreBrowser* browser = app.storeBrowser();
    if (!browser || app.desktopController()->storeFolder().isEmpty()) return;
    app.window()->show();
    app.window()->showSection(QStringLiteral("desktop"));
    browser->showPage();
    browser->FreshCurrentDeskTop();
    if (app.desktopController()->ClickTidyNowAct())
        waitFor(app.desktopController(), &DesktopController::RefreshFinishTableViewMainThreadHandle);
    settle();
    StoreBrowserModel* model = browser->model();
    for (int i = 0; i < model->rowCount(); ++i) {
        if (model->items()[i].fileNode &&
            model->items()[i].fileNode->fileKindType == QLatin1String("Pictures")) {
            browser->selectCell(i);
            break;
        }
    }
    // Thumbnails arrive from their threads; give them a moment.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 800) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    const QString path = dir.filePath(QStringLiteral("storeBrowser.png"));
    if (save(app.window(), path)) written << path;
    app.window()->showStartView();
    app.window()->hide();
}

// The protected-items window with the rows a pass would list, found without removing anything.
void fillConfirmWindow(AppDelegate& app) {
    app.protectedItems()->beginPass();
    for (const QString& name : TrashScanner::listFolder(app.services().paths->userTrash()))
        app.protectedItems()->CheckFileBeProtectWithPath(app.services().paths->userTrash() +
                                                         QLatin1Char('/') + name);
    app.theConfirmWindow()->setContent(app.protectedItems()->CheckIfNeedDeleteConfirm());
}

// The emptying's progress window part-way through a pass; nothing is removed.
void writeEmptyProgress(AppDelegate& app, const QDir& dir, QStringList& written) {
    ProgressWindow* w = app.emptyProgressWindow();
    if (!w) return;
    auto progress = std::make_shared<WorkProgress>();
    progress->done = 214;
    app.followEmptyingPass(progress);
    w->showNow();
    settle();
    const QString path = dir.filePath(w->objectName() + QStringLiteral(".png"));
    if (save(w, path)) written << path;
    w->end();
}

// The erase confirmation as the windows show it, for a few files of the sandbox.
void writeEraseConfirmation(AppDelegate& app, const QDir& dir, QStringList& written) {
    const QString desktop = app.services().paths->userDesktop();
    QStringList paths;
    for (const QString& name : TrashScanner::listFolder(desktop)) paths << desktop + QLatin1Char('/') + name;
    paths.sort();
    std::unique_ptr<QMessageBox> box(
        WidgetAlerts::buildBox({localized("Are you sure you want to permanently erase the selected items ?"),
                                localized(" Erase "), localized(" Cancel "), SecureEraser::listText(paths)}));
    box->show();
    settle();
    const QString path = dir.filePath(QStringLiteral("eraseConfirmation.png"));
    if (save(box.get(), path)) written << path;
}

// The update window as a check that found a newer version fills it; nothing is asked of a server.
void fillUpdateWindows(AppDelegate& app) {
    PRUpdateController* controller = app.services().updateController.get();
    if (!controller || !app.updateWindow()) return;
    controller->setPublished(
        QStringLiteral("1.2.1"),
        QStringLiteral("*Faster trash scan on large volumes*Put back keeps the original name*Fixes"));
    app.updateWindow()->fill();
}

// The cookies grouped by site, one site kept, and the question a removal of two sites' cookies asks
// (one of them kept). The keep mark is taken off again: the sandbox's settings stay as they were.
void writeCookieSites(AppDelegate& app, const QDir& dir, QStringList& written) {
    CookieManager* cookies = app.cookieManager();
    CookiePane* pane = app.cookiePane();
    if (!pane) return;
    const bool wasKept = cookies->keepList().contains(QStringLiteral("news.example"));
    cookies->setKept({QStringLiteral("news.example")}, true);
    pane->showSites(true);
    settle();
    const QString sites = dir.filePath(QStringLiteral("window-cookie-sites.png"));
    if (save(app.window(), sites)) written << sites;
    pane->showSites(false);
    QString kept;
    QList<int> rows;  // the first two sites of the demo (every cookie shown, in a smaller home)
    for (int row = 0; row < std::min<qsizetype>(8, cookies->shown().size()); ++row) rows << row;
    const QString question = cookies->removalQuestion(rows, &kept);
    std::unique_ptr<QMessageBox> box(
        WidgetAlerts::buildBox({question, localized(" Remove "), localized(" Cancel "), kept}));
    box->show();
    settle();
    const QString confirmation = dir.filePath(QStringLiteral("cookieRemovalConfirmation.png"));
    if (save(box.get(), confirmation)) written << confirmation;
    if (!wasKept) cookies->setKept({QStringLiteral("news.example")}, false);
}

// The cookie pane with the sandbox's Chrome cookies in its table (read past the access gate, which
// would show the connect window; that window has its own picture).
void writeCookiePane(AppDelegate& app, const QDir& dir, QStringList& written) {
    CookieManager* cookies = app.cookieManager();
    if (!cookies || !app.window()) return;
    cookies->ScanChromeCookieFile();
    if (cookies->isBusy()) waitFor(cookies, &CookieManager::ScanFinishOnMainThread);
    app.window()->showSection(QStringLiteral("cookies"));
    app.window()->show();
    settle();
    const QString path = dir.filePath(QStringLiteral("window-cookies.png"));
    if (save(app.window(), path)) written << path;
    writeCookieSites(app, dir, written);
    app.window()->showStartView();
    app.window()->hide();
}

}  // namespace

QStringList SnapshotWriter::writeAll(AppDelegate& app, const QString& folder, QString* error) {
    QStringList written;
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return written;
    }
    const QDir dir(folder);
    writeTrashWindow(app, dir, written);
    fillConfirmWindow(app);
    writeEraseConfirmation(app, dir, written);
    writeEmptyProgress(app, dir, written);
    writeStoreBrowser(app, dir, written);
    fillUpdateWindows(app);
    writeCookiePane(app, dir, written);
    for (const auto& [name, widget] : app.topLevelWindows()) {
        if (app.trashBrowser() && widget == app.trashBrowser()->window()) continue;
        const bool wasVisible = widget->isVisible();
        widget->show();
        settle();
        const QString path = dir.filePath(name + QStringLiteral(".png"));
        if (save(widget, path)) written << path;
        if (!wasVisible) widget->hide();
    }

    // The connect window as a tidy asked for before any store location shows it.
    if (AccessGrants* access = app.accessGrants()) {
        const bool wasVisible = access->connectWindow()->isVisible();
        access->showStartTidyView();
        settle();
        const QString path = dir.filePath(QStringLiteral("connectWindow-startTidyView.png"));
        if (save(access->connectWindow(), path)) written << path;
        access->connectWindow()->showConnectView();
        if (!wasVisible) access->connectWindow()->hide();
    }

    if (QMenu* menu = app.statusItem() ? app.statusItem()->baMenu() : nullptr) {
        menu->adjustSize();
        menu->popup(QPoint(0, 0));
        settle();
        const QString path = dir.filePath(QStringLiteral("baMenu.png"));
        if (save(menu, path)) written << path;
        menu->hide();
    }

    app.ClickStateBanner(QRect());
    settle();
    if (app.thePopover()) {
        const QString path = dir.filePath(QStringLiteral("popover.png"));
        if (save(app.thePopover(), path)) written << path;
        app.thePopover()->close();
        settle();
    }
    if (written.isEmpty() && error) *error = QStringLiteral("nothing could be written to %1").arg(folder);
    return written;
}
