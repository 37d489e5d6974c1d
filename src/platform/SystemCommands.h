#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Tasks;

/// The file-system commands removal and emptying rely on, with this system's stand-ins chosen in
/// one place. Paths go to commands as single arguments, never through a shell, and never where a
/// command could take them for an option. Exit statuses are not examined: callers test afterwards
/// whether the path is still there.
class SystemCommands {
public:
    explicit SystemCommands(std::shared_ptr<Tasks> tasks);

    /// rm -rf: removes the item (a link as a link) and everything below a folder.
    void removeTree(const QString& path) const;
    /// Moves `from` to `to` without ever replacing what is at `to` or moving into a folder there.
    void moveNoReplace(const QString& from, const QString& to) const;
    /// Clears the immutable and append-only flags below `path` where this user may (chattr).
    void clearLockedFlags(const QString& path) const;
    /// Securely removes one file: srm where installed, else overwrite then unlink. A link is
    /// removed as a link; nothing reached through it is touched.
    void secureRemove(const QString& path) const;
    /// The backup system's own removal; this system has none.
    void backupDelete(const QString& path) const;

    /// Overwrites a regular file's whole length and unlinks it, never following a link; anything
    /// that is not a regular file is only unlinked. False when nothing could be done.
    static bool overwriteAndUnlink(const QString& path);
    /// A path that no command can mistake for an option ("./-rf" for a relative "-rf").
    static QString safeArgument(const QString& path);

    /// Uses srm only when `program` is non-empty (tests force the in-process removal with "").
    void setSrmProgram(const QString& program) { m_srm = program; }
    QString srmProgram() const { return m_srm; }

private:
    std::shared_ptr<Tasks> m_tasks;
    QString m_srm;
    QString m_chattr;
};
