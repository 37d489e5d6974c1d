#include "ProtectionRules.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include "core/SettingsKeys.h"
#include "platform/Defaults.h"

namespace {
QString absoluteFolder(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}
}  // namespace

ProtectionRules::ProtectionRules(std::shared_ptr<Defaults> defaults) : m_defaults(std::move(defaults)) {
    load();
}

void ProtectionRules::load() {
    // Picks up what corvane-cli or another copy wrote since the store was last read.
    if (m_defaults) m_defaults->synchronize();
    const QStringList formats =
        m_defaults ? m_defaults->stringArrayForKey(SettingsKeys::FileFormatData) : QStringList();
    const QStringList locations =
        m_defaults ? m_defaults->stringArrayForKey(SettingsKeys::FileLocationData) : QStringList();
    QMutexLocker locker(&m_lock);
    fileFormatDataArray = formats;
    locationDataArray = locations;
}

QStringList ProtectionRules::getFileFormatDataArray() const {
    QMutexLocker locker(&m_lock);
    return fileFormatDataArray;
}

QStringList ProtectionRules::getLocationDataArray() const {
    QMutexLocker locker(&m_lock);
    return locationDataArray;
}

bool ProtectionRules::hasRules() const {
    QMutexLocker locker(&m_lock);
    return !fileFormatDataArray.isEmpty() || !locationDataArray.isEmpty();
}

QString ProtectionRules::normalizedFormat(QString typed) {
    typed = typed.trimmed();
    if (typed.startsWith(QLatin1Char('.'))) typed.remove(0, 1);
    return typed.trimmed();
}

bool ProtectionRules::addFileFormat(const QString& typed) {
    const QString format = normalizedFormat(typed);
    // An empty format would protect every file without an extension.
    if (format.isEmpty()) return false;
    QMutexLocker locker(&m_lock);
    fileFormatDataArray.append(format);
    const QStringList list = fileFormatDataArray;
    locker.unlock();
    writeFormats(list);
    return true;
}

bool ProtectionRules::addLocation(const QString& folder) {
    // An empty location would be found in every original path.
    if (folder.trimmed().isEmpty()) return false;
    QMutexLocker locker(&m_lock);
    locationDataArray.append(absoluteFolder(folder));
    const QStringList list = locationDataArray;
    locker.unlock();
    writeLocations(list);
    return true;
}

bool ProtectionRules::removeFileFormatAt(qsizetype row) {
    QMutexLocker locker(&m_lock);
    const bool removed = row >= 0 && row < fileFormatDataArray.size();
    if (removed) fileFormatDataArray.removeAt(row);
    const QStringList list = fileFormatDataArray;
    locker.unlock();
    writeFormats(list);
    return removed;
}

bool ProtectionRules::removeLocationAt(qsizetype row) {
    QMutexLocker locker(&m_lock);
    const bool removed = row >= 0 && row < locationDataArray.size();
    if (removed) locationDataArray.removeAt(row);
    const QStringList list = locationDataArray;
    locker.unlock();
    writeLocations(list);
    return removed;
}

bool ProtectionRules::removeFileFormat(const QString& format) {
    const QString wanted = normalizedFormat(format);
    if (wanted.isEmpty()) return false;
    QMutexLocker locker(&m_lock);
    for (qsizetype i = 0; i < fileFormatDataArray.size(); ++i) {
        if (normalizedFormat(fileFormatDataArray[i]).compare(wanted, Qt::CaseInsensitive) != 0) continue;
        fileFormatDataArray.removeAt(i);
        const QStringList list = fileFormatDataArray;
        locker.unlock();
        writeFormats(list);
        return true;
    }
    return false;
}

bool ProtectionRules::removeLocation(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QString cleaned = absoluteFolder(folder);
    QMutexLocker locker(&m_lock);
    qsizetype at = locationDataArray.indexOf(folder);
    if (at < 0) at = locationDataArray.indexOf(cleaned);
    if (at < 0) return false;
    locationDataArray.removeAt(at);
    const QStringList list = locationDataArray;
    locker.unlock();
    writeLocations(list);
    return true;
}

void ProtectionRules::writeFormats(const QStringList& list) {
    if (!m_defaults) return;
    m_defaults->setStringArray(SettingsKeys::FileFormatData, list);
    m_lastWriteOk = m_defaults->synchronize();
}

void ProtectionRules::writeLocations(const QStringList& list) {
    if (!m_defaults) return;
    m_defaults->setStringArray(SettingsKeys::FileLocationData, list);
    m_lastWriteOk = m_defaults->synchronize();
}
