#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Tasks;

/// The file-system commands that remain: a move across file systems and the backup system's removal.
/// Removing, erasing and clearing locked flags are done in-process on opened folders (core/fs).
/// Paths go to commands as single arguments, never through a shell, and never where a command could
/// take them for an option. Exit statuses are not examined: callers test afterwards what happened.
class SystemCommands {
  public:
    explicit SystemCommands(std::shared_ptr<Tasks> tasks);

    /// The backup system's own removal; this system has none.
    void backupDelete(const QString& path) const;

  private:
    std::shared_ptr<Tasks> m_tasks;
};
