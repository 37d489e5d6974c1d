#pragma once

#include <QDateTime>
#include <QHash>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <memory>

/// The user's settings store: one key-value domain per user, values read as nil (an invalid
/// QVariant) when absent. Each reader decides what absence means; no defaults are registered.
/// Backed by an INI file, checked whole when opened and before a write whenever it changed on disk:
/// a file that does not parse completely is moved aside as it was (reported once), never
/// rewritten; a file that can't be read is reported once and never written over.
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
    void setUnsigned(const QString& key, quint64 value) {
        setObject(key, QVariant::fromValue<quint64>(value));
    }
    void setDate(const QString& key, const QDateTime& value) { setObject(key, value.toUTC()); }
    void setData(const QString& key, const QByteArray& value) { setObject(key, value); }
    void setStringArray(const QString& key, const QStringList& value) { setObject(key, value); }

    /// Writes pending changes to disk (and reads what others wrote); true only when this write
    /// reached the disk.
    bool synchronize();

    QString filePath() const { return m_path; }
    /// Where the last file that did not parse was moved to, or empty.
    QString setAsidePath() const { return m_setAside; }
    /// Why the store file can't be read now, or empty; while it can't, nothing is written.
    QString readProblem() const { return m_readProblem; }

  private:
    /// What a file check found: fit to use, or one that must not be written over.
    enum class FileCheck { Usable, Unreadable };
    /// Checks the file on disk unless it is the one last checked or written.
    FileCheck checkFile();
    bool setAside();
    void report(const QString& text);
    void rememberFile();

    QString m_path;
    QString m_setAside;
    QString m_readProblem;
    QString m_reported;  ///< the last text reported, so each is reported once
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QVariant> m_pending;  ///< values set since the last write that reached the disk
    QByteArray m_seen;                   ///< the identity of the file last checked or written
};
