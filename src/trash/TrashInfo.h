#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class OpenFolder;
class Paths;

/// The put-back records of a freedesktop Trash folder ("$trash"): "files/<name>" is the item,
/// "info/<name>.trashinfo" says where it came from and when it was deleted.
namespace TrashInfo {

struct Record {
    QString path;            ///< decoded "Path=", absolute or relative as written
    QDateTime deletionDate;  ///< invalid when missing or unreadable
};

/// The record of an info file's text: "[Trash Info]", then "Path=" (percent-encoded) and
/// "DeletionDate=" in "2004-08-31T22:32:08" or "20040831T223208" form; the first of each key wins
/// and other lines are ignored. Nothing when the group is missing, "Path=" is missing or empty,
/// its escapes are broken, it holds a NUL, or a step of it is "..". Bytes that are not UTF-8 are
/// kept losslessly (see FsName).
/// Without `withDate` the date is left unread (listing needs only the place).
std::optional<Record> parse(const QByteArray& text, bool withDate = true);
/// The text of an info file for `path` (already absolute or relative as it should be written).
QByteArray format(const QString& path, const QDateTime& deletionDate);

/// "$trash" for its "files" folder "$trash/files"; empty for any other folder.
QString trashFolderOfFiles(const QString& filesFolder);
/// "$trash" for an item path "$trash/files/<name>"; empty for any other path.
QString trashFolderOf(const QString& itemPath);
/// "$trash/info/<name>.trashinfo" for an item path; empty when the path is not in "files/".
QString infoFileOf(const QString& itemPath);

/// Where each item of `trash` came from, by item name, in the layout of `paths`: an absolute
/// "Path=" is placed under the layout's root, a relative one is resolved against `topFolder` (a
/// volume's top folder; for the home Trash, the folder that holds it). Items whose info file is
/// missing or unreadable have no entry.
QHash<QString, QString> readFolder(const QString& trash, const QString& topFolder, const Paths& paths);
/// The same, with each item's deletion date: the records by item name, their paths resolved.
QHash<QString, Record> readRecords(const QString& trash, const QString& topFolder, const Paths& paths);
/// The records readRecords() finds, handed over one by one as they are read (a big Trash's
/// records need not be held in a second table).
void eachRecord(const QString& trash, const QString& topFolder, const Paths& paths,
                const std::function<void(const QString&, const Record&)>& each);
/// readRecords() for the items named `items` (their raw names) alone: each one's own info file.
QHash<QString, Record> readRecordsOf(const QString& trash, const QList<QByteArray>& items,
                                     const QString& topFolder, const Paths& paths);

/// After an item has left "files/" (removed or put back): removes its info file. Nothing happens
/// while the item is still there or for a path outside a "files/" folder.
void forgetItem(const QString& itemPath);
/// Whether info file `fileName` of `info`, whose item is not in "files/", may be removed: its item
/// is among the names `removed`, or the file is over a minute old. Another program trashing an
/// item writes its info file first, which reserves the name, and moves the item in after: until
/// then the file is no orphan, and removing it would let the next item of that name replace this.
bool orphanMayGo(const OpenFolder& info, const QByteArray& fileName, const QSet<QByteArray>& removed);
/// Removes the info files of `trash` whose item is gone and that orphanMayGo() lets go, and drops
/// gone folders from the size cache; returns how many info files it removed.
int removeOrphans(const QString& trash, const QSet<QByteArray>& removed = {});

}  // namespace TrashInfo
