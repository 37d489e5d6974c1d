#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

/// The size cache of a freedesktop Trash folder ("$trash/directorysizes"): one line per folder
/// item, "<bytes> <info file's mtime> <percent-encoded name>". A folder whose info file has not
/// changed since it was measured is not measured again.
class DirectorySizes {
  public:
    explicit DirectorySizes(const QString& trash);

    /// Reads the cache; malformed lines are dropped.
    void load();
    /// Takes the entries of a cache's text in place of the current ones (what load() does with the
    /// file's bytes).
    void loadText(const QByteArray& text);
    /// The cache's text as save() writes it.
    QByteArray text() const;
    /// The cached size of folder `name` if it was measured with an info file of this mtime.
    std::optional<quint64> cached(const QString& name, qint64 infoMtime) const;
    void store(const QString& name, quint64 bytes, qint64 infoMtime);
    /// Keeps only the entries of `names`.
    void keepOnly(const QSet<QString>& names);
    /// Writes the cache through a temporary file and an atomic rename when it changed; a cache with
    /// no entry left is removed. False when writing failed (the old cache stays whole).
    bool save();

    QString filePath() const { return m_path; }
    qsizetype size() const { return m_entries.size(); }

    /// The mtime, in seconds, of an item's info file; nothing when it can't be read.
    static std::optional<qint64> infoMtime(const QString& infoFile);

  private:
    struct Entry {
        quint64 bytes = 0;
        qint64 mtime = 0;
    };
    QString m_trash;
    QString m_path;
    QHash<QString, Entry> m_entries;
    bool m_changed = false;
};
