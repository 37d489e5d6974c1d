#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "CookieDatabase.h"

/// Removes every cookie of one source, or the chosen ones. A database's rows are deleted in one transaction
/// and the change committed before anything counts as removed; a database another program holds locked is
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
    int removed = 0;         ///< chosen cookies gone (a removal of chosen cookies only)
};

/// Replaces a binary cookie file with `replacement` (a file without records) through a new file and
/// a rename, keeping the old file's mode.
Result replaceBinaryFile(const QString& path, const QByteArray& replacement);
/// Deletes every row of the database's cookie table ("cookies" or "moz_cookies" as `kind` says, and
/// only when the file holds that table), commits, writes the log back and compacts the file.
Result removeDatabaseCookies(const QString& path, CookieDatabase::Kind kind);

/// Deletes exactly the rows of `chosen` (by their row and name, so a row the browser replaced
/// meanwhile stays) in one transaction, commits, then checks each is gone and compacts the file.
Result removeDatabaseRows(const QString& path, CookieDatabase::Kind kind, const CookieList& chosen);
/// Rewrites a binary cookie file without the records of `chosen`, keeping the old file's mode.
Result removeBinaryRecords(const QString& path, const CookieList& chosen);

enum class Store { Binary, Chrome, Firefox };
/// The removal a pane or the command line asks for: every cookie of the store when `everything`
/// (rows added since the reading included), else exactly `chosen`.
Result remove(Store store, const QString& path, const CookieList& chosen, bool everything);

/// The process names (as the kernel shortens them) of the browser that writes a store.
QStringList processNames(Store store);
/// The text that says a browser runs and why that matters: it keeps its cookies in memory and
/// writes them back, so removed cookies would come back.
QString runningBrowserText(Store store);

/// `commitDB:`: writes the database's log back into the file (a checkpoint). False when it could not.
bool commitDB(const QString& path);

/// The "samplecookies" resource: a binary cookie file without records; empty when missing.
QByteArray sampleCookies();

}  // namespace CookieRemoval
