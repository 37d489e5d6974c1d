#include "EmptyController.h"

#include "ForceEmptyPass.h"
#include "PermissionAlert.h"
#include "platform/MainThread.h"
#include "platform/WorkProgress.h"

EmptyController::EmptyController(std::shared_ptr<const Paths> paths,
                                 std::shared_ptr<const SystemCommands> commands,
                                 std::shared_ptr<TrashOrigPaths> origPaths,
                                 std::shared_ptr<const Workspace> workspace, std::shared_ptr<Alerts> alerts,
                                 Protection protection, QObject* parent)
    : QObject(parent),
      m_paths(std::move(paths)),
      m_commands(std::move(commands)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_alerts(std::move(alerts)),
      m_protection(std::move(protection)) {}

EmptyController::~EmptyController() {
    m_passes.close();
}

bool EmptyController::StrongEmptyTrash() {
    if (m_running) {
        qInfo("Emptying the Trash is already under way; the request is ignored.");
        return false;
    }
    return askToEmpty() && ForceEmptyTrash();
}

bool EmptyController::askToEmpty() {
    const int answer = m_alerts->runModal(
        {localized("Corvane will delete all items in the trash, are you sure you want to remove ?"),
         localized(" Empty Trash "), localized(" Cancel "), QString()});
    return answer == Alerts::Default;
}

bool EmptyController::ForceEmptyTrash() {
    bool expected = false;
    if (!m_running.compare_exchange_strong(expected, true)) {
        qInfo("Emptying the Trash is already under way; the request is ignored.");
        return false;
    }
    auto progress = std::make_shared<WorkProgress>();
    m_progress = progress;
    const bool started = m_passes.start([this, progress] { return runPass(progress.get()); },
                                        [this](int failures) {
                                            // The pass is over once its listeners hear of it: a pass
                                            // they start then is not refused.
                                            m_running = false;
                                            m_progress.reset();
                                            Q_EMIT passFinished(failures);
                                        });
    if (!started) {  // closing down
        m_running = false;
        m_progress.reset();
        return false;
    }
    Q_EMIT passStarted();
    return true;
}

void EmptyController::cancelPass() {
    if (m_progress) m_progress->cancel = true;
}

int EmptyController::runPassHere() {
    bool expected = false;
    if (!m_running.compare_exchange_strong(expected, true)) return -1;
    const int failures = runPass(nullptr);
    m_running = false;
    Q_EMIT passFinished(failures);
    return failures;
}

int EmptyController::runPass(WorkProgress* progress) {
    ForceEmptyPass::Hooks hooks;
    if (progress) {
        hooks.progress = [progress](int done) { progress->done = done; };
        hooks.cancel = &progress->cancel;
        hooks.files = &progress->files;
        hooks.bytes = &progress->bytes;
    }
    hooks.permissionAlert = [this](const QStringList& resisted) {
        MainThread::runAndWait([this, &resisted] { ShowForceEmptyAlertToMainThread(resisted); });
    };
    hooks.removed = m_eachRemoved;
    hooks.dryRun = m_dryRun;
    ForceEmptyPass pass(m_paths, m_commands, m_origPaths, m_workspace, m_protection, hooks);
    return pass.ForceEmptyTrashFileThreader();
}

void EmptyController::ShowForceEmptyAlertToMainThread(const QStringList& resisted) {
    if (m_alerts->runModal(permissionAlertRequest()) == Alerts::Default && m_runAdmin) m_runAdmin(resisted);
}
