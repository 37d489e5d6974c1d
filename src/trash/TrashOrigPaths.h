#pragma once

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <functional>

#include "OrigPathTable.h"

class Paths;

/// The list of original paths (the controller's TrashOrigPathArray), safe to read from the main
/// thread while a worker rebuilds it: a rebuild reads into a new list and swaps it in.
class TrashOrigPaths {
  public:
    /// Empties the list.
    void clear();
    /// Reads the user's Trash records (through `paths`) and appends their entries, each resolved on
    /// the start-up volume of the layout (so under a sandbox root they point into the sandbox).
    void ScanUserTrashDSStoreFilePath(const Paths& paths);
    /// Reads the records afresh and replaces the list in one step, so a lookup never sees it half
    /// built. In the freedesktop layout the records are the info files of the user's Trash.
    void rebuild(const Paths& paths);
    /// Replaces the list with records found by place, each looked up by its last path component.
    void replace(const QStringList& entries);
    /// replace() with entries already gathered in a table.
    void replace(OrigPathTable entries);
    /// Replaces the list with records found by item name (info files), with their deletion dates.
    void replaceNamed(QHash<QString, QString> named, QHash<QString, QDateTime> dates = {});
    /// Adds records found by item name to those kept (a list read in parts).
    void addNamed(const QHash<QString, QString>& named, const QHash<QString, QDateTime>& dates);
    /// replaceNamed() with the named records of `other`, which is left empty.
    void replaceNamedWith(TrashOrigPaths& other);
    /// Appends entries that are already absolute paths of the layout.
    void append(const QStringList& entries);

    /// Where the item named `name` (its name in the Trash) would be put back. With info files, the
    /// place its own info file names. Otherwise the folder of the first entry whose last path
    /// component is exactly `name`, plus "/" and the name; "--" when no entry matches, the name is
    /// empty or the entry has no folder.
    QString getOrigFilePath(const QString& name) const;

    /// When the item named `name` was deleted, as its info file says; invalid when unknown.
    QDateTime deletionDateOf(const QString& name) const;

    /// The named records' places, then the entries in order.
    QStringList entries() const;
    /// Hands each of entries() to `visit` in turn without building the list, for a big Trash. The
    /// list is locked meanwhile: `visit` must not call back into it.
    void forEachEntry(const std::function<void(const QString&)>& visit) const;
    bool isEmpty() const;

    /// Path-component rules used by the lookup: trailing "/" ignored, "/x" loses "x" to "/".
    static QString lastPathComponent(const QString& path);
    static QString deletingLastPathComponent(const QString& path);

  private:
    mutable QMutex m_lock;
    OrigPathTable m_entries;            ///< records found by place, indexed by last path component
    QHash<QString, QString> m_named;    ///< item name -> original path, from info files
    QHash<QString, QDateTime> m_dates;  ///< item name -> deletion date, from info files
};
