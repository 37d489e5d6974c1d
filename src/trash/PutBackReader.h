#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

#include "TrashOrigPaths.h"

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

/// readRecordsFile() handing each entry to `take` as it is decoded, so that no list of them all is
/// built; the view is valid during the call only. False when the file can't be opened or read to
/// its end or is no records file: what `take` was given then is to be dropped.
bool scanRecordsFile(const QString& path, const std::function<void(QStringView)>& take,
                     qsizetype chunk = 1 << 20);

}  // namespace PutBackReader
