#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFile;

/// Files opened for reading only when they are regular files. A FIFO or a device planted where a
/// file was expected would block the reader for ever or feed it without end; the open never waits
/// on one, and the check is made on the opened file, so a swap after it changes nothing.
namespace RegularFile {

/// Opens `name` of the folder at descriptor `folder` (AT_FDCWD for a path) for reading, refusing a
/// link when `noFollow`. The descriptor, which the caller closes, or -1 with errno set (EINVAL
/// for what is not a regular file).
int openAt(int folder, const QByteArray& name, bool noFollow);
/// Reads at most `cap` bytes of the descriptor and closes it.
std::optional<QByteArray> readAndClose(int fd, qint64 cap);

/// A path the user or the system named (links followed) opened into `file`, for a streamed reader
/// such as a picture decoder.
bool open(const QString& path, QFile& file);
/// At most `cap` bytes of the file at a path; nothing when it is missing or not a regular file.
std::optional<QByteArray> read(const QString& path, qint64 cap);

}  // namespace RegularFile
