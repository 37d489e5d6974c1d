#include "DirectorySizes.h"

#include <sys/stat.h>

#include "core/fs/FsLook.h"
#include "core/fs/OpenFolder.h"

namespace {

const QByteArray FileName("directorysizes");

}  // namespace

DirectorySizes::DirectorySizes(const QString& trash)
    : m_trash(trash), m_path(trash + QStringLiteral("/directorysizes")) {}

void DirectorySizes::load() {
    // A cache is small; a corrupt giant is read no further than this, and a FIFO or a link in its
    // place is not read at all.
    const std::optional<QByteArray> read = OpenFolder::open(m_trash).readFile(FileName, 64 * 1024 * 1024);
    loadText(read.value_or(QByteArray()));
}

void DirectorySizes::loadText(const QByteArray& text) {
    m_entries.clear();
    m_changed = false;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 3) {
            if (!line.trimmed().isEmpty()) m_changed = true;  // rewritten without it
            continue;
        }
        bool sizeOk = false;
        bool timeOk = false;
        Entry entry;
        entry.bytes = fields[0].toULongLong(&sizeOk);
        entry.mtime = fields[1].toLongLong(&timeOk);
        const QString name = FsName::fromBytes(QByteArray::fromPercentEncoding(fields[2]));
        if (!sizeOk || !timeOk || name.isEmpty() || name.contains(QLatin1Char('/'))) {
            m_changed = true;
            continue;
        }
        m_entries.insert(name, entry);
    }
}

std::optional<quint64> DirectorySizes::cached(const QString& name, qint64 infoMtime) const {
    const auto it = m_entries.constFind(name);
    if (it == m_entries.constEnd() || it->mtime != infoMtime) return std::nullopt;
    return it->bytes;
}

void DirectorySizes::store(const QString& name, quint64 bytes, qint64 infoMtime) {
    const auto it = m_entries.constFind(name);
    if (it != m_entries.constEnd() && it->bytes == bytes && it->mtime == infoMtime) return;
    m_entries.insert(name, Entry{bytes, infoMtime});
    m_changed = true;
}

void DirectorySizes::keepOnly(const QSet<QString>& names) {
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (names.contains(it.key())) {
            ++it;
        } else {
            it = m_entries.erase(it);
            m_changed = true;
        }
    }
}

bool DirectorySizes::save() {
    if (!m_changed) return true;
    const OpenFolder trash = OpenFolder::open(m_trash);
    if (!trash.isOpen()) return false;
    if (m_entries.isEmpty()) {
        const bool ok = trash.unlinkEntry(FileName);
        m_changed = !ok;
        return ok;
    }
    // A new file renamed over the old one: a link in its place is replaced, never written through.
    const bool ok = trash.writeFileReplacing(FileName, text());
    m_changed = !ok;
    return ok;
}

QByteArray DirectorySizes::text() const {
    QByteArray text;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
        text += QByteArray::number(it->bytes) + ' ' + QByteArray::number(it->mtime) + ' ' +
                FsName::toBytes(it.key()).toPercentEncoding() + '\n';
    return text;
}

std::optional<qint64> DirectorySizes::infoMtime(const QString& infoFile) {
    const std::optional<struct stat> st = FsLook::at(infoFile);
    if (!st) return std::nullopt;
    return qint64(st->st_mtime);
}
