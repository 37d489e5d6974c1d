// The application controller's part of emptying and erasing: the actions, the helper start for what
// resisted, and the two progress windows.
#include "AppDelegate.h"
#include "MainWindow.h"
#include "empty/EmptyController.h"
#include "erase/EraseController.h"
#include "erase/ErasePanel.h"
#include "platform/Authorization.h"
#include "platform/HelperProgram.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"
#include "widgets/ProgressWindow.h"

void AppDelegate::StrongEmptyTrash() {
    showMainWindow();
    if (m_empty->isRunning() && m_emptyProgressWindow) m_emptyProgressWindow->showNow();
    m_empty->StrongEmptyTrash();
}

void AppDelegate::ShowForceEmptyAlertToMainThread(const QStringList& resisted) {
    m_empty->ShowForceEmptyAlertToMainThread(resisted);
}

void AppDelegate::RunAdmintoRemoveTrashFile(const QStringList& resisted) {
    if (m_runAdmin) {
        m_runAdmin(resisted);
        return;
    }
    // The helper removes only what it is named; it is never started to empty a Trash whole.
    if (resisted.isEmpty()) {
        qInfo("Nothing resisted; the helper is not started.");
        return;
    }
    // A running application that must not see its Trash emptied under it stops the helper quietly.
    if (Authorization::blockingApplicationRunning(m_services.workspace->launchedApplications())) return;
    if (m_services.authorization)
        m_services.authorization->startWithAdministratorRights(HelperProgram::tolvikPath(),
                                                               HelperProgram::removalArguments(resisted));
}

void AppDelegate::StartSafeDeleteFileAction() {
    if (m_erase->refuseWhileRunning()) {
        if (m_eraseProgressWindow) m_eraseProgressWindow->showNow();
        return;
    }
    const QString start = m_services.paths->userTrash();
    const QStringList chosen = m_erasePanel ? m_erasePanel(start) : ErasePanel::choose(m_window, start);
    if (chosen.isEmpty()) return;
    if (m_erase->confirm(chosen)) m_erase->startErase(chosen);
}

void AppDelegate::application_openFiles(const QStringList& paths) {
    if (m_erase->refuseWhileRunning()) {
        if (m_eraseProgressWindow) m_eraseProgressWindow->showNow();
        return;
    }
    m_erase->application_openFiles(paths);
}

void AppDelegate::buildProgressWindows() {
    m_emptyProgressWindow =
        new ProgressWindow(QStringLiteral("emptyProgressWindow"), localized("Empty Trash"));
    connect(m_empty, &EmptyController::passStarted, this,
            [this] { followEmptyingPass(m_empty->progress()); });
    connect(m_empty, &EmptyController::passFinished, m_emptyProgressWindow, &ProgressWindow::end);
    m_eraseProgressWindow =
        new ProgressWindow(QStringLiteral("eraseProgressWindow"), localized("Secure Erase"));
    connect(m_erase, &EraseController::eraseStarted, this, [this] {
        m_eraseProgressWindow->begin(m_erase->progress(), localized("Erasing the chosen items…"),
                                     localized("Erasing"), true);
    });
    connect(m_erase, &EraseController::EraseAllFinishedHanderToMainThread, m_eraseProgressWindow,
            &ProgressWindow::end);
}

void AppDelegate::followEmptyingPass(std::shared_ptr<WorkProgress> progress) {
    m_emptyProgressWindow->begin(std::move(progress), localized("Emptying the Trash…"), localized("Removing"),
                                 true);
}
