#include "StreamedFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>

#include "OpenFolder.h"

namespace {
constexpr qsizetype kChunk = 1 << 16;
}

StreamedFile::StreamedFile(const OpenFolder& folder, const QByteArray& name, mode_t mode)
    : m_folder(folder.fd()), m_name(name) {
    if (!folder.isOpen() || name.isEmpty() || name.contains('/')) return;
    for (int attempt = 0; attempt < 20 && m_fd < 0; ++attempt) {
        m_temp = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_fd = ::openat(m_folder, m_temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        mode);
        if (m_fd < 0 && errno != EEXIST) return;
    }
    m_buffer.reserve(kChunk);
}

StreamedFile::~StreamedFile() {
    if (m_fd < 0) return;
    ::close(m_fd);
    ::unlinkat(m_folder, m_temp.constData(), 0);
}

bool StreamedFile::flush() {
    qsizetype done = 0;
    while (m_ok && done < m_buffer.size()) {
        const ssize_t n = ::write(m_fd, m_buffer.constData() + done, size_t(m_buffer.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            m_ok = false;
        else
            done += n;
    }
    m_buffer.resize(0);  // keeps the chunk allocated: clear() would free it and regrow it every time
    return m_ok;
}

bool StreamedFile::write(QByteArrayView data) {
    if (m_fd < 0 || !m_ok) return false;
    m_buffer.append(data);
    return m_buffer.size() < kChunk || flush();
}

bool StreamedFile::commit() {
    if (m_fd < 0) return false;
    bool ok = flush() && ::fsync(m_fd) == 0;
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    // The rename replaces whatever is at the name, a link included, instead of writing through it.
    ok = ok && ::renameat(m_folder, m_temp.constData(), m_folder, m_name.constData()) == 0;
    if (!ok) ::unlinkat(m_folder, m_temp.constData(), 0);
    return ok;
}
