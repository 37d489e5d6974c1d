#pragma once

#include <QDateTime>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>

/// The user's settings store: one key-value domain per user, values read as nil (an invalid
/// QVariant) when absent. Each reader decides what absence means; no defaults are registered.
/// Backed by an INI file; a file that cannot be parsed is moved aside, never overwritten.
class Defaults {
public:
    /// Opens the store file at `filePath`.
    explicit Defaults(const QString& filePath);
    /// The store in the user's config folder ($XDG_CONFIG_HOME/Corvane/Corvane.conf).
    static QString standardFilePath();

    QVariant objectForKey(const QString& key) const;
    bool hasValue(const QString& key) const { return objectForKey(key).isValid(); }
    /// Text; a null QString when absent or not a text.
    QString stringForKey(const QString& key) const;
    /// The store's boolean accessor: absent is NO; "YES"/"true"/non-zero numbers are YES.
    bool boolForKey(const QString& key) const;
    /// Unsigned 64-bit number; `ok` says whether a number was there.
    quint64 unsignedForKey(const QString& key, bool* ok = nullptr) const;
    QDateTime dateForKey(const QString& key) const;
    QByteArray dataForKey(const QString& key) const;
    QStringList stringArrayForKey(const QString& key) const;

    void setObject(const QString& key, const QVariant& value);
    void setString(const QString& key, const QString& value) { setObject(key, value); }
    void setUnsigned(const QString& key, quint64 value) { setObject(key, QVariant::fromValue<quint64>(value)); }
    void setDate(const QString& key, const QDateTime& value) { setObject(key, value.toUTC()); }
    void setData(const QString& key, const QByteArray& value) { setObject(key, value); }
    void setStringArray(const QString& key, const QStringList& value) { setObject(key, value); }

    /// Writes pending changes to disk; false when the file could not be written.
    bool synchronize();

    QString filePath() const { return m_path; }
    /// Where an unparsable store was moved to at start, or empty.
    QString setAsidePath() const { return m_setAside; }

private:
    QString m_path;
    QString m_setAside;
    std::unique_ptr<QSettings> m_settings;
};
