#pragma once

#include <QByteArray>
#include <QString>

#include "PRCookFileNode.h"

/// Reads a binary cookie file ("cook", big-endian page table, little-endian pages of records).
/// Every count, size and offset is checked against the file, the page and the record before use:
/// a record size below the 56-byte header or past its page ends the page, a record whose text
/// offsets are out of order is dropped and the next one read, and nothing larger than the file is
/// ever allocated.
namespace BinaryCookieReader {

struct Result {
    CookieList cookies;
    bool opened = false;  ///< false: no regular file could be read at the path
    QString problem;      ///< why it could not be read, for the user
    int dropped = 0;      ///< records skipped as inconsistent
};

/// Larger files are refused rather than read (a real one holds a few MB).
inline constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;

/// `ReadCookBinaryFileWithPath:`: the records of the file at `path`, read through the file layer
/// (a regular file only, never through a link at its last step, never a FIFO).
Result ReadCookBinaryFileWithPath(const QString& path);
/// The records of a file's bytes.
Result parse(const QByteArray& data);

/// The bytes of a binary cookie file without records: what a removed file is replaced with.
QByteArray emptyFile();

}  // namespace BinaryCookieReader
