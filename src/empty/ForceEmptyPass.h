#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class Paths;
class SystemCommands;
class TrashOrigPaths;
class TrashStore;
class Workspace;

/// One forced emptying of the user's Trash and of the per-user Trash folders of mounted volumes,
/// with this user's rights. Each entry is removed in-process through its opened Trash folder, its
/// locked flags cleared on the way; protected entries are skipped; what resists removal is
/// reported once per stage. Runs on the calling thread (a worker).
class ForceEmptyPass {
  public:
    struct Hooks {
        std::function<bool()> hasRules;                        ///< at least one protection rule exists
        std::function<bool(const QString& path)> isProtected;  ///< records the entry when protected
        std::function<void()> permissionAlert;     ///< shown on the main thread; returns when closed
        std::function<void()> finished;            ///< the protected-items window, if any
        std::function<void(int done)> progress;    ///< entries handled so far (on the worker)
        const std::atomic_bool* cancel = nullptr;  ///< stops the pass between entries
    };

    ForceEmptyPass(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                   std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace,
                   Hooks hooks);

    /// Runs the pass; returns the number of stages that reported a failure (0, 1 or 2).
    int ForceEmptyTrashFileThreader();

    /// The access text that is never removed from a volume's Trash.
    static constexpr const char* KeptOnVolumes = "493(drwxrxrx)";

  private:
    bool emptyUserTrash();
    bool emptyVolumeTrashes();
    bool cancelled() const;
    void progress(int items);

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const TrashStore> m_store;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<const Workspace> m_workspace;
    Hooks m_hooks;
    int m_done = 0;
};
