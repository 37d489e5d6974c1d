#pragma once

#include <QString>
#include <QStringList>

/// A folder opened without following a symbolic link at any step below its base, held open while
/// commands work in it. Commands get paths through /proc/<pid>/fd/<n>, which lead to this very
/// folder even if its path is swapped for a link after the check.
class AnchoredFolder {
public:
    /// Opens `path`; not open when it is missing, unreadable, not a folder or a symbolic link.
    explicit AnchoredFolder(const QString& path);
    /// Opens `base` (links followed) and then each step of `relative` without following a link.
    AnchoredFolder(const QString& base, const QString& relative);
    ~AnchoredFolder();
    AnchoredFolder(const AnchoredFolder&) = delete;
    AnchoredFolder& operator=(const AnchoredFolder&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    /// The path that was opened, for messages and records.
    QString displayPath() const { return m_display; }
    /// The folder's path for commands.
    QString commandPath() const;
    /// The path of one entry for commands.
    QString entryCommandPath(const QString& name) const;
    /// Entry names, hidden ones included, in the order the file system gives. A name that does not
    /// survive conversion to text is left out, or, with `renameUnrepresentable` (for entries about
    /// to be removed), given a plain name first so that a command can reach it.
    QStringList entryNames(bool renameUnrepresentable = false) const;

private:
    void open(const QString& base, const QString& relative);

    int m_fd = -1;
    QString m_display;
    QString m_anchor;  // "/proc/<pid>/fd/<n>", or the checked path where /proc can't be used
};
