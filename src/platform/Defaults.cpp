#include "Defaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

// Settings keys hold slashes nowhere, but QSettings treats "/" as a group separator; keep keys flat.
QString flatKey(const QString& key) { return QString(key).replace(QLatin1Char('/'), QLatin1Char('|')); }

}  // namespace

QString Defaults::standardFilePath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Corvane/Corvane.conf");
}

Defaults::Defaults(const QString& filePath) : m_path(filePath) {
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    if (m_settings->status() == QSettings::FormatError) {
        // Keep the user's file for inspection and start empty instead of writing over it.
        m_settings.reset();
        const QString aside =
            filePath + QStringLiteral(".unreadable-") +
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(filePath, aside)) {
            m_setAside = aside;
            std::fprintf(stderr, "Corvane: the settings file %s could not be read; it was moved to %s\n",
                         qUtf8Printable(filePath), qUtf8Printable(aside));
        } else {
            std::fprintf(stderr, "Corvane: the settings file %s could not be read and not be moved aside\n",
                         qUtf8Printable(filePath));
        }
        m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    }
}

QVariant Defaults::objectForKey(const QString& key) const { return m_settings->value(flatKey(key)); }

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
    if (v.typeId() == QMetaType::QString) return v.toString().isEmpty() ? QStringList() : QStringList{v.toString()};
    return {};
}

void Defaults::setObject(const QString& key, const QVariant& value) { m_settings->setValue(flatKey(key), value); }

bool Defaults::synchronize() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
