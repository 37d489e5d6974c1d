#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>

class OpenFolder;

/// A file of an opened folder written piece by piece, so a large one is never held whole: the
/// pieces go to a new hidden file beside it, which commit() renames over `name` (never writing
/// through a link). Not committed, the new file is removed again and the old one stays. The folder
/// must stay open while the file is written.
class StreamedFile {
  public:
    StreamedFile(const OpenFolder& folder, const QByteArray& name, mode_t mode);
    ~StreamedFile();
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    /// Appends `data` (buffered); false once anything failed.
    bool write(QByteArrayView data);
    /// Writes the rest, syncs and renames the file into place; false when any of it failed.
    bool commit();

  private:
    bool flush();

    int m_folder;
    QByteArray m_name;
    QByteArray m_temp;
    int m_fd = -1;
    bool m_ok = true;
    QByteArray m_buffer;
};
