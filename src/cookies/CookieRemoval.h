#pragma once

#include <QByteArray>
#include <QString>

#include "CookieDatabase.h"

/// Removes every cookie of one source. A database's rows are deleted in one transaction and the
/// change committed before anything counts as removed; a database another program holds locked is
/// left as it is and said so.
namespace CookieRemoval {

enum class Outcome {
    Removed,
    NothingThere,  ///< no file at the path: nothing to remove
    Locked,        ///< another program (the browser) holds the database
    Failed,
};

struct Result {
    Outcome outcome = Outcome::Failed;
    QString problem;         ///< for the user, when not removed
    bool compacted = false;  ///< VACUUM ran
};

/// Replaces a binary cookie file with `replacement` (a file without records) through a new file and
/// a rename, keeping the old file's mode.
Result replaceBinaryFile(const QString& path, const QByteArray& replacement);
/// Deletes every row of the database's cookie table ("cookies" or "moz_cookies" as `kind` says, and
/// only when the file holds that table), commits, writes the log back and compacts the file.
Result removeDatabaseCookies(const QString& path, CookieDatabase::Kind kind);

/// `commitDB:`: writes the database's log back into the file (a checkpoint). False when it could not.
bool commitDB(const QString& path);

/// The "samplecookies" resource: a binary cookie file without records; empty when missing.
QByteArray sampleCookies();

}  // namespace CookieRemoval
