#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <optional>

/// Files opened for reading only when they are regular files. A FIFO or a device planted where a
/// file was expected would block the reader for ever or feed it without end; the open never waits
/// on one, and the check is made on the opened file, so a swap after it changes nothing.
namespace RegularFile {

/// Opens `name` of the folder at descriptor `folder` (AT_FDCWD for a path) for reading, refusing a
/// link when `noFollow`. The descriptor, which the caller closes, or -1 with errno set (EINVAL
/// for what is not a regular file).
int openAt(int folder, const QByteArray& name, bool noFollow);
/// Reads at most `cap` bytes of the descriptor and closes it; nothing, with errno set, when a read
/// fails, even after some bytes came.
std::optional<QByteArray> readAndClose(int fd, qint64 cap);
/// openAt() and readAndClose() in one, with one look at the file's attributes.
std::optional<QByteArray> readAt(int folder, const QByteArray& name, bool noFollow, qint64 cap);

/// Reads at most `cap` bytes of `name` (never through a link) `chunk` bytes at a time, handing each
/// piece to `each` as it comes, so a large file is never held whole; `each` returning false stops
/// the reading. False when the file could not be opened or a read failed.
bool readChunksAt(int folder, const QByteArray& name, qint64 cap, qint64 chunk,
                  const std::function<bool(QByteArrayView)>& each);

/// A file at a path the user or the system named (links followed), open for a streamed reader such
/// as a picture decoder. The descriptor is opened and closed here, never by Qt, so the thread
/// sanitizer sees every use of it.
class Stream {
  public:
    explicit Stream(const QString& path);
    ~Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    QIODevice* device() { return &m_file; }

  private:
    int m_fd = -1;
    QFile m_file;
};
/// At most `cap` bytes of the file at a path; nothing when it is missing or not a regular file.
std::optional<QByteArray> read(const QString& path, qint64 cap);

}  // namespace RegularFile
