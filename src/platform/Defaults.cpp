#include "Defaults.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "Localized.h"
#include "core/SystemError.h"
#include "core/fs/RegularFile.h"

namespace {

// Settings keys hold slashes nowhere, but QSettings treats "/" as a group separator; keep keys flat.
QString flatKey(const QString& key) {
    return QString(key).replace(QLatin1Char('/'), QLatin1Char('|'));
}

// QSettings opens its file to read it before every write (and when destroyed): a FIFO or a device
// in the store's place would block it for ever. Such a place is never handed to it; the values
// wait in a scratch file of their own until a file can be written there again.
QString settingsPathFor(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode)) return path;
    static QTemporaryDir scratch;
    static std::atomic_int next{0};
    return scratch.filePath(QString::number(++next) + QStringLiteral(".conf"));
}

}  // namespace

QString Defaults::standardFilePath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Corvane/Corvane.conf");
}

Defaults::Defaults(const QString& filePath) : m_path(filePath) {
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // QSettings parses sections lazily and would rewrite a file it half understood at the first
    // write; the whole file is checked before anything reads it.
    checkFile();
    m_settings = std::make_unique<QSettings>(settingsPathFor(filePath), QSettings::IniFormat);
}

void Defaults::report(const QString& text) {
    if (text == m_reported) return;
    m_reported = text;
    std::fprintf(stderr, "Corvane: %s\n", qUtf8Printable(text));
}

namespace {
/// What tells one state of a file from another: device, inode, size, modification and change times.
QByteArray identity(const struct stat& st) {
    QByteArray id;
    for (const qint64 n :
         {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec),
          qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)})
        id += QByteArray::number(n) + ':';
    return id;
}
}  // namespace

void Defaults::rememberFile() {
    struct stat st;
    m_seen = ::stat(QFile::encodeName(m_path).constData(), &st) == 0 ? identity(st) : QByteArray();
}

bool Defaults::setAside() {
    const QString aside = m_path + QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(m_path, aside)) {
        m_readProblem =
            localized("the settings file %1 could not be read and not be moved aside; settings are not saved")
                .arg(m_path);
        report(m_readProblem);
        return false;
    }
    m_setAside = aside;
    report(localized("the settings file %1 could not be read; it was moved to %2").arg(m_path, aside));
    return true;
}

Defaults::FileCheck Defaults::checkFile() {
    auto unreadable = [this](const QString& why) {
        m_seen.clear();  // looked at again next time
        m_readProblem =
            localized("the settings file %1 could not be read (%2); settings are not saved").arg(m_path, why);
        report(m_readProblem);
        return FileCheck::Unreadable;
    };
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0) {
        if (errno != ENOENT) return unreadable(systemErrorText(errno));
        m_seen.clear();  // a fresh store
        m_readProblem.clear();
        return FileCheck::Usable;
    }
    const QByteArray now = identity(st);
    if (now == m_seen && m_readProblem.isEmpty()) return FileCheck::Usable;  // ours, or checked already
    m_seen = now;

    if (!S_ISREG(st.st_mode)) return unreadable(localized("not a file"));
    // Read whole, and only as the regular file it was a moment ago.
    const auto read = RegularFile::read(m_path, std::numeric_limits<qint64>::max());
    if (!read) return unreadable(errno == EINVAL ? localized("not a file") : systemErrorText(errno));
    const QByteArray bytes = *read;
    // The same parser as the store's own, on a copy: another QSettings on the store's path would
    // share its cache and write its pending values.
    // Without a copy to look at, the file is trusted: it is never set aside for a fault of ours.
    bool parses = true;
    QTemporaryFile copy;
    if (!bytes.isEmpty() && copy.open() && copy.write(bytes) == bytes.size() && copy.flush()) {
        QSettings probe(copy.fileName(), QSettings::IniFormat);
        probe.allKeys();
        parses = probe.status() != QSettings::FormatError;
    }
    if (parses) {
        m_readProblem.clear();
        return FileCheck::Usable;
    }
    m_seen.clear();
    if (!setAside()) return FileCheck::Unreadable;
    m_readProblem.clear();
    return FileCheck::Usable;
}

QVariant Defaults::objectForKey(const QString& key) const {
    return m_settings->value(flatKey(key));
}

QString Defaults::stringForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (!v.isValid() || v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QByteArray)
        return QString();
    return v.toString();
}

bool Defaults::boolForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (!v.isValid()) return false;
    const QString s = v.toString().trimmed();
    if (s.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0) return true;
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    bool ok = false;
    const qlonglong n = s.toLongLong(&ok);
    return ok && n != 0;
}

quint64 Defaults::unsignedForKey(const QString& key, bool* ok) const {
    const QVariant v = objectForKey(key);
    bool converted = false;
    const quint64 n = v.isValid() ? v.toULongLong(&converted) : 0;
    if (ok) *ok = converted;
    return converted ? n : 0;
}

QDateTime Defaults::dateForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime() : QDateTime();
}

QByteArray Defaults::dataForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

QStringList Defaults::stringArrayForKey(const QString& key) const {
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QStringList) return v.toStringList();
    // INI keeps a one-element list as a plain text and an empty one as an empty text.
    if (v.typeId() == QMetaType::QString)
        return v.toString().isEmpty() ? QStringList() : QStringList{v.toString()};
    return {};
}

void Defaults::setObject(const QString& key, const QVariant& value) {
    m_settings->setValue(flatKey(key), value);
    m_pending.insert(flatKey(key), value);
}

bool Defaults::synchronize() {
    const QString asideBefore = m_setAside;
    if (checkFile() == FileCheck::Unreadable) return false;
    if (m_setAside != asideBefore) {
        // The file was swapped for one that does not parse and is now aside: the new store gets
        // everything Corvane knew, not only the values set since the last write.
        for (const QString& key : m_settings->allKeys()) m_pending.insert(key, m_settings->value(key));
    }
    if (m_settings->status() != QSettings::NoError || m_setAside != asideBefore ||
        m_settings->fileName() != m_path) {
        // QSettings keeps the first error it met for good, so each write after a failed one starts
        // from a new one and reports only its own outcome.
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
            m_settings->setValue(it.key(), it.value());
    }
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) return false;
    m_pending.clear();
    rememberFile();
    return true;
}
