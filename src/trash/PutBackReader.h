#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

class Paths;

/// Reads the put-back records that the Trash's records file (".DS_Store") keeps for every item
/// moved to the Trash: the item's name and the folder, relative to its volume, it came from.
///
/// The reader is a byte-pattern scan, not a parser of the file's block tree: it finds each
/// "ptbNustr" marker at any offset, decodes the item name in front of it and the folder text of
/// the record in front of that, both as UTF-16 big-endian. A record that does not decode
/// consistently is skipped. It never reads outside the data, whatever the bytes.
namespace PutBackReader {

/// The entries of a records file's bytes, in file order, duplicates kept: "/" + folder + name
/// (the folder relative to the volume, for example "/Users/me/Desktop/a.txt"). Nothing unless
/// bytes 4 to 7 are "Bud1".
QStringList parseRecords(const QByteArray& data);

/// parseRecords() of the file at `path`, read `chunk` bytes at a time so that a large file is
/// never held whole; nothing when it can't be opened or is empty.
QStringList readRecordsFile(const QString& path, qsizetype chunk = 1 << 20);

}  // namespace PutBackReader

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
    void replace(QStringList entries);
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

    QStringList entries() const;
    bool isEmpty() const;

    /// Path-component rules used by the lookup: trailing "/" ignored, "/x" loses "x" to "/".
    static QString lastPathComponent(const QString& path);
    static QString deletingLastPathComponent(const QString& path);

  private:
    /// Indexes entries from `from` on; the first entry of each name wins. Call with the lock held.
    void indexFrom(qsizetype from);

    mutable QMutex m_lock;
    QStringList m_entries;
    QHash<QString, qsizetype> m_firstByName;  ///< last path component -> first entry with it
    QHash<QString, QString> m_named;          ///< item name -> original path, from info files
    QHash<QString, QDateTime> m_dates;        ///< item name -> deletion date, from info files
};
