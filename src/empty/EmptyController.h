#pragma once

#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "EmptyProtection.h"
#include "platform/Worker.h"

class Alerts;
class Paths;
class SystemCommands;
class TrashOrigPaths;
class Workspace;
struct WorkProgress;

/// Starts forced emptying passes, one at a time: the user's command with its confirmation, the
/// auto-clean and the command line. A pass runs on a worker that counts the entries it has handled
/// and can be cancelled between entries; its alerts are shown on the main thread, whose " OK "
/// starts the helper with administrator rights for exactly the entries that resisted.
class EmptyController : public QObject {
    Q_OBJECT
  public:
    using Protection = EmptyProtection;
    /// Starts the helper for the named entries (paths as lossless text).
    using RunAdmin = std::function<void(const QStringList& resisted)>;

    /// `protection` is required: every pass checks its entries against it (ProtectionFactory), or
    /// the caller says Protection::none().
    EmptyController(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                    std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace,
                    std::shared_ptr<Alerts> alerts, Protection protection, QObject* parent = nullptr);
    ~EmptyController() override;

    /// What " OK " in the permission alert does (start the helper for the entries that resisted).
    void setRunAdmin(RunAdmin runAdmin) { m_runAdmin = std::move(runAdmin); }
    /// Told each entry a pass removed, by path, on the pass's thread.
    void setEachRemoved(std::function<void(const QString& path)> removed) {
        m_eachRemoved = std::move(removed);
    }
    /// Passes from now on only say what they would remove (see ForceEmptyPassHooks::dryRun).
    void setDryRun(bool dryRun) { m_dryRun = dryRun; }

    /// Asks "Corvane will delete all items in the trash…" and starts a pass on " Empty Trash ".
    /// False when cancelled or when a pass is already running.
    bool StrongEmptyTrash();
    /// The confirmation alone: true for " Empty Trash ".
    bool askToEmpty();
    /// Starts a pass on a worker; false (and logged) when one is already running.
    bool ForceEmptyTrash();
    /// Runs a pass on the calling thread (the command line); -1 when one is already running, else
    /// the number of stages that reported a failure.
    int runPassHere();
    /// The permission alert, on the main thread; " OK " runs the helper start for `resisted`.
    void ShowForceEmptyAlertToMainThread(const QStringList& resisted);
    bool isRunning() const { return m_running; }
    /// How far the pass on the worker has got (entries handled; how many there are is not known
    /// ahead) and its cancel flag; null while none runs there.
    std::shared_ptr<WorkProgress> progress() const { return m_progress; }
    /// Stops the pass on the worker after the entry it is on.
    void cancelPass();

  Q_SIGNALS:
    /// A pass has started on the worker; progress() follows it.
    void passStarted();
    void passFinished(int failures);

  private:
    int runPass(WorkProgress* progress);

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<const Workspace> m_workspace;
    std::shared_ptr<Alerts> m_alerts;
    const Protection m_protection;
    RunAdmin m_runAdmin;
    std::function<void(const QString&)> m_eachRemoved;
    bool m_dryRun = false;
    std::atomic<bool> m_running{false};
    std::shared_ptr<WorkProgress> m_progress;
    Worker m_passes{this};  ///< last: closed before the members a pass uses go
};
