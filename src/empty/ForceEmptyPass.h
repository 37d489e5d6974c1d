#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "EmptyProtection.h"
#include "core/fs/FsTree.h"

class Paths;
class SystemCommands;
class TrashOrigPaths;
class TrashStore;
class Workspace;

/// What a forced pass reports as it goes, and its cancel flag.
struct ForceEmptyPassHooks {
    /// Shown on the main thread after a stage in which entries resisted; returns when closed.
    /// `resisted` holds the paths (lossless text) of exactly those entries, protected ones never.
    std::function<void(const QStringList& resisted)> permissionAlert;
    std::function<void(int done)> progress;    ///< entries handled so far (on the worker)
    const std::atomic_bool* cancel = nullptr;  ///< stops the pass between entries
    std::atomic<quint64>* files = nullptr;     ///< files removed so far, inside the entries too
    std::atomic<quint64>* bytes = nullptr;     ///< bytes of the regular files removed so far
    /// Each entry that is gone (or, in a dry run, would be removed), by path, as it goes.
    std::function<void(const QString& path)> removed;
    /// Walks the Trash folders as the pass would and reports what it would remove; changes nothing,
    /// and shows no alert (there is nothing for the helper to finish).
    bool dryRun = false;
};

/// One forced emptying of the user's Trash and of the per-user Trash folders of mounted volumes,
/// with this user's rights. Each entry is removed in-process through its opened Trash folder, its
/// locked flags cleared on the way; protected entries are skipped in every Trash, so they never
/// resist; what resists removal is reported once per stage, by name. Runs on the calling thread
/// (a worker).
class ForceEmptyPass {
  public:
    using Hooks = ForceEmptyPassHooks;

    /// `protection` is required: a pass without rules says so with EmptyProtection::none().
    ForceEmptyPass(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                   std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace,
                   EmptyProtection protection, Hooks hooks = {});

    /// Runs the pass; returns the number of stages that reported a failure (0, 1 or 2).
    int ForceEmptyTrashFileThreader();

    /// The access text that is never removed from a volume's Trash.
    static constexpr const char* KeptOnVolumes = "493(drwxrxrx)";

  private:
    /// Each returns the entries of its stage that resisted.
    QStringList emptyUserTrash();
    QStringList emptyVolumeTrashes();
    void stageEnded(const QStringList& resisted, int& failures);
    /// Removes one entry of a Trash folder, or pretends to in a dry run, and reports it.
    FsTree::Report removeEntry(const ScopedFolder& trash, const QByteArray& name,
                               const FsTree::Options& options);
    bool cancelled() const;
    void progress(int items);

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const TrashStore> m_store;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    std::shared_ptr<const Workspace> m_workspace;
    EmptyProtection m_protection;
    Hooks m_hooks;
    int m_done = 0;
};
