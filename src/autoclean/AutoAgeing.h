#pragma once

#include <QObject>
#include <memory>

#include "AgeingRules.h"
#include "platform/Worker.h"

class Defaults;
class ItemSizes;
class Paths;
class SystemCommands;
class Workspace;

/// The program's ageing pass: on a worker, one scan of every Trash, then what the rules pick is
/// removed, the protection rules holding (protected items stay without a word: the user did not
/// ask for this pass). One pass at a time.
class AutoAgeing : public QObject {
    Q_OBJECT
  public:
    AutoAgeing(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
               std::shared_ptr<const Workspace> workspace, std::shared_ptr<const SystemCommands> commands,
               std::shared_ptr<Defaults> defaults, QObject* parent = nullptr);
    ~AutoAgeing() override;

    /// Starts a pass; false (and logged) when one is already running.
    bool start(const AgeingRules& rules);
    bool isRunning() const { return m_worker.isRunning(); }

  Q_SIGNALS:
    /// On the owner's thread once a pass has ended: how many items went, how many resisted.
    void finished(int removed, int resisted);

  private:
    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const ItemSizes> m_files;
    std::shared_ptr<const Workspace> m_workspace;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<Defaults> m_defaults;
    Worker m_worker;  ///< last: closed before the members a pass uses go
};
