#include "DirectorySizes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <sys/stat.h>

DirectorySizes::DirectorySizes(const QString& trash) : m_path(trash + QStringLiteral("/directorysizes")) {}

void DirectorySizes::load() {
    m_entries.clear();
    m_changed = false;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) return;
    // A cache is small; a corrupt giant is read no further than this.
    const QByteArray text = file.read(64 * 1024 * 1024);
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
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[2]));
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
    if (m_entries.isEmpty()) {
        const bool ok = !QFileInfo::exists(m_path) || QFile::remove(m_path);
        m_changed = !ok;
        return ok;
    }
    // The rename replaces a link by the new cache instead of writing through it.
    struct stat st;
    if (::lstat(QFile::encodeName(m_path).constData(), &st) == 0 && S_ISLNK(st.st_mode)) QFile::remove(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
        file.write(QByteArray::number(it->bytes) + ' ' + QByteArray::number(it->mtime) + ' ' +
                   QUrl::toPercentEncoding(it.key()) + '\n');
    const bool ok = file.commit();
    m_changed = !ok;
    return ok;
}

std::optional<qint64> DirectorySizes::infoMtime(const QString& infoFile) {
    struct stat st;
    if (::stat(QFile::encodeName(infoFile).constData(), &st) != 0) return std::nullopt;
    return qint64(st.st_mtime);
}
