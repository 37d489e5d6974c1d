#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>

class Defaults;

/// The user's two lists of protection rules: file formats (extensions without the dot) and
/// locations (absolute folder paths), kept in the settings store under "FileFormatData" and
/// "FileLocationData". Every change writes the whole list and synchronises at once.
///
/// Edits and load() run on the main thread (they touch the store). The getters hand out copies
/// under a lock, so the forced-emptying worker may read while the main thread edits.
class ProtectionRules {
public:
    /// Loads both lists from `defaults`; no key means an empty list.
    explicit ProtectionRules(std::shared_ptr<Defaults> defaults);

    /// Replaces both lists with what the store file holds now (also what other programs wrote).
    void load();

    QStringList getFileFormatDataArray() const;
    QStringList getLocationDataArray() const;
    /// At least one format or location exists.
    bool hasRules() const;

    /// Appends normalizedFormat(typed); an empty result adds nothing and writes nothing (false).
    /// Equal entries are kept: the list is the user's, in the order added.
    bool addFileFormat(const QString& typed);
    /// Appends the folder's absolute path; an empty path adds nothing (false).
    bool addLocation(const QString& folder);
    /// Removes the entry at `row` when there is one; the list is written in every case.
    bool removeFileFormatAt(qsizetype row);
    bool removeLocationAt(qsizetype row);
    /// Removes the first format that names the same extension as `format` (case and a leading
    /// "." aside); false, writing nothing, when there is none.
    bool removeFileFormat(const QString& format);
    /// Removes the first location equal to `folder` as given or as its cleaned absolute path.
    bool removeLocation(const QString& folder);

    /// Whether the last write reached the disk.
    bool lastWriteSucceeded() const { return m_lastWriteOk; }

    /// The typed text trimmed of surrounding white space and of one leading ".".
    static QString normalizedFormat(QString typed);

private:
    void writeFormats(const QStringList& list);
    void writeLocations(const QStringList& list);

    std::shared_ptr<Defaults> m_defaults;
    mutable QMutex m_lock;
    QStringList fileFormatDataArray;
    QStringList locationDataArray;
    bool m_lastWriteOk = true;
};
