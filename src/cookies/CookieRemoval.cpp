#include "CookieRemoval.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "BinaryCookieReader.h"
#include "BinaryCookieRewrite.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"

namespace CookieRemoval {
namespace {

bool busy(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

Result lockedResult(const QString& path) {
    return {
        Outcome::Locked,
        localized("The cookies of \"%1\" can't be removed while the browser holds them: close the browser "
                  "and try again.")
            .arg(path),
        false};
}

// The database and the side files SQLite writes beside it must be plain files of that folder: one
// that is a link would have SQLite write through it to whatever it names.
QString notPlain(const QString& path) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const QByteArray name = FsName::toBytes(info.fileName());
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        const auto st = folder.entry(name + suffix);
        if ((st && !S_ISREG(st->st_mode)) || (!st && !*suffix))
            return localized("\"%1\" is not a regular file; the cookies were left as they are.")
                .arg(FsName::displayText(path + QLatin1String(suffix)));
    }
    return QString();
}

struct Database {
    ~Database() {
        if (db) sqlite3_close_v2(db);
    }
    sqlite3* db = nullptr;
};

// The rows of `table`; -1 when they could not be counted.
qint64 countRows(sqlite3* db, const char* table) {
    sqlite3_stmt* st = nullptr;
    qint64 n = -1;
    if (sqlite3_prepare_v2(db, (QByteArray("SELECT count(*) FROM ") + table).constData(), -1, &st, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return n;
}

}  // namespace

QByteArray sampleCookies() {
    QFile file(QStringLiteral(":/samplecookies"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Result replaceBinaryFile(const QString& path, const QByteArray& replacement) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const QByteArray name = FsName::toBytes(info.fileName());
    const auto st = folder.isOpen() ? folder.entry(name) : std::nullopt;
    if (!st) return {Outcome::NothingThere, QString(), false};
    if (replacement.isEmpty())
        return {Outcome::Failed, localized("Corvane's empty cookie file is missing; nothing was removed."),
                false};
    if (!S_ISREG(st->st_mode))
        return {Outcome::Failed, localized("\"%1\" is not a regular file; it was left as it is.").arg(path),
                false};
    if (!folder.writeFileReplacing(name, replacement, st->st_mode & 0777))
        return {Outcome::Failed, localized("\"%1\" could not be replaced.").arg(path), false};
    return {Outcome::Removed, QString(), false};
}

Result removeBinaryRecords(const QString& path, const CookieList& chosen) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const QByteArray name = FsName::toBytes(info.fileName());
    const auto st = folder.isOpen() ? folder.entry(name) : std::nullopt;
    if (!st) return {Outcome::NothingThere, QString(), false};
    if (!S_ISREG(st->st_mode))
        return {Outcome::Failed, localized("\"%1\" is not a regular file; it was left as it is.").arg(path),
                false};
    const auto bytes = folder.readFile(name, BinaryCookieReader::MaxFileSize);
    if (!bytes) return {Outcome::Failed, localized("\"%1\" can't be read.").arg(path), false};
    Result result{Outcome::Removed, QString(), false};
    const QByteArray rewritten = BinaryCookieRewrite::without(*bytes, chosen, &result.removed);
    if (result.removed == 0) return result;  // nothing of it left to remove: the file stays as it is
    if (!folder.writeFileReplacing(name, rewritten, st->st_mode & 0777))
        return {Outcome::Failed, localized("\"%1\" could not be replaced.").arg(path), false};
    return result;
}

Result remove(Store store, const QString& path, const CookieList& chosen, bool everything) {
    const CookieDatabase::Kind kind =
        store == Store::Firefox ? CookieDatabase::Kind::Firefox : CookieDatabase::Kind::Chrome;
    if (everything) {
        Result r = store == Store::Binary ? replaceBinaryFile(path, sampleCookies())
                                          : removeDatabaseCookies(path, kind);
        r.removed = r.outcome == Outcome::Removed ? int(chosen.size()) : 0;
        return r;
    }
    if (chosen.isEmpty()) return {Outcome::Removed, QString(), false};
    return store == Store::Binary ? removeBinaryRecords(path, chosen)
                                  : removeDatabaseRows(path, kind, chosen);
}

QStringList processNames(Store store) {
    switch (store) {
        case Store::Chrome:
            return {QStringLiteral("chrome"), QStringLiteral("chromium"), QStringLiteral("chromium-browse")};
        case Store::Firefox:
            return {QStringLiteral("firefox"), QStringLiteral("firefox-esr"), QStringLiteral("firefox-bin")};
        case Store::Binary:
            break;
    }
    return {QStringLiteral("Safari")};
}

QString runningBrowserText(Store store) {
    const QString browser = store == Store::Chrome    ? localized("Chrome")
                            : store == Store::Firefox ? localized("Firefox")
                                                      : localized("Safari");
    return localized(
               "%1 is running. A running browser keeps its cookies in memory and writes them back, so "
               "the removed cookies would come back: close it first.")
        .arg(browser);
}

bool commitDB(const QString& path) {
    if (!notPlain(path).isEmpty()) return false;
    Database d;
    if (sqlite3_open_v2(FsName::toBytes(path).constData(), &d.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK)
        return false;
    int logFrames = 0;
    int written = 0;
    const int rc = sqlite3_wal_checkpoint_v2(d.db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &written);
    if (rc != SQLITE_OK) std::fputs("Failed to commit\n", stdout);
    return rc == SQLITE_OK;
}

namespace {

// The database, checked and opened for writing; nothing when it can't be (`refused` says why).
bool openForRemoval(const QString& path, CookieDatabase::Kind kind, Database& d, Result& refused) {
    if (kind == CookieDatabase::Kind::Unknown || !QFileInfo(path).isFile()) {
        refused = {Outcome::NothingThere, {}, false};
        return false;
    }
    // Checked before even reading it: a reader in the log's mode writes the shared-memory file.
    if (const QString why = notPlain(path); !why.isEmpty()) {
        refused = {Outcome::Failed, why, false};
        return false;
    }
    QString problem;
    const CookieDatabase::Kind found = CookieDatabase::kindOf(path, &problem);
    if (found != kind) {
        refused = {Outcome::Failed,
                   problem.isEmpty()
                       ? localized("\"%1\" no longer holds the cookies that were shown.").arg(path)
                       : problem,
                   false};
        return false;
    }
    // Never creates a file: the database must be the one that was read.
    if (sqlite3_open_v2(FsName::toBytes(path).constData(), &d.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK) {
        refused = {Outcome::Failed, localized("\"%1\" can't be opened for writing.").arg(path), false};
        return false;
    }
    sqlite3_busy_timeout(d.db, 500);
    return true;
}

// Runs `change` in one immediate transaction and commits it; the outcome when it failed.
template <typename Change>
std::optional<Result> inTransaction(const QString& path, Database& d, Change change) {
    int rc = sqlite3_exec(d.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (busy(rc)) return lockedResult(path);
    if (rc == SQLITE_OK) rc = change();
    if (rc == SQLITE_OK) rc = sqlite3_exec(d.db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return std::nullopt;
    const QString why = QString::fromUtf8(sqlite3_errmsg(d.db));
    sqlite3_exec(d.db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (busy(rc)) return lockedResult(path);
    return Result{Outcome::Failed,
                  localized("The cookies of \"%1\" could not be removed: %2.").arg(path, why), false};
}

Result keptByARule(const QString& path, qint64 left, sqlite3* db) {
    return {Outcome::Failed,
            left < 0 ? localized("The cookies of \"%1\" could not be counted after the removal: %2.")
                           .arg(path, QString::fromUtf8(sqlite3_errmsg(db)))
                     : localized("%1 cookie(s) of \"%2\" are still there: a rule of the database kept "
                                 "them from being removed.")
                           .arg(left)
                           .arg(path),
            false};
}

// The deleted rows are gone; the log written back and compacting only give their space back.
void compact(Database& d, Result& result) {
    int frames = 0;
    int written = 0;
    if (sqlite3_wal_checkpoint_v2(d.db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &frames, &written) != SQLITE_OK)
        std::fputs("Failed to commit\n", stdout);
    result.compacted = sqlite3_exec(d.db, "VACUUM;", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!result.compacted) qDebug("Failed execute VACUUM");
}

// Runs `sql` once per chosen row (bound as row, name, host) and sums what `each` makes of a step.
int eachChosen(sqlite3* db, const QByteArray& sql, const CookieList& chosen, qint64& total, bool count) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    for (const PRCookFileNode& c : chosen) {
        if (rc != SQLITE_OK) break;
        const QByteArray name = c.fileName.toUtf8();
        const QByteArray host = c.fileHost.toUtf8();
        sqlite3_bind_int64(st, 1, c.rowId);
        sqlite3_bind_text(st, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, host.constData(), int(host.size()), SQLITE_TRANSIENT);
        const int step = sqlite3_step(st);
        if (count && step == SQLITE_ROW) total += sqlite3_column_int64(st, 0);
        if (!count && step == SQLITE_DONE) total += sqlite3_changes(db);
        rc = (step == SQLITE_DONE || step == SQLITE_ROW) ? SQLITE_OK : step;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    return rc;
}

}  // namespace

Result removeDatabaseCookies(const QString& path, CookieDatabase::Kind kind) {
    const char* table = kind == CookieDatabase::Kind::Firefox ? "moz_cookies" : "cookies";
    Database d;
    Result refused;
    if (!openForRemoval(path, kind, d, refused)) return refused;
    const auto failed = inTransaction(path, d, [&] {
        return sqlite3_exec(d.db, (QByteArray("DELETE FROM ") + table).constData(), nullptr, nullptr,
                            nullptr);
    });
    if (failed) return *failed;
    // A trigger may have kept rows (RAISE(IGNORE) skips the delete without an error): only what is
    // really gone after the commit counts.
    const qint64 left = countRows(d.db, table);
    if (left != 0) return keptByARule(path, left, d.db);
    Result result{Outcome::Removed, QString(), false};
    compact(d, result);
    return result;
}

Result removeDatabaseRows(const QString& path, CookieDatabase::Kind kind, const CookieList& chosen) {
    Database d;
    Result refused;
    if (!openForRemoval(path, kind, d, refused)) return refused;
    const bool firefox = kind == CookieDatabase::Kind::Firefox;
    // The host column the reader took the host from.
    const QByteArray host =
        firefox ? (countRows(d.db, "pragma_table_info('moz_cookies') WHERE name='host'") > 0 ? "host"
                                                                                             : "baseDomain")
                : "host_key";
    const QByteArray where = QByteArray(" FROM ") + (firefox ? "moz_cookies" : "cookies") +
                             " WHERE rowid = ?1 AND coalesce(name, '') = ?2 AND coalesce(" + host +
                             ", '') = ?3";
    qint64 deleted = 0;
    const auto failed =
        inTransaction(path, d, [&] { return eachChosen(d.db, "DELETE" + where, chosen, deleted, false); });
    if (failed) return *failed;
    qint64 left = 0;
    if (eachChosen(d.db, "SELECT count(*)" + where, chosen, left, true) != SQLITE_OK) left = -1;
    if (left != 0) return keptByARule(path, left, d.db);
    Result result{Outcome::Removed, QString(), false};
    result.removed = int(deleted);
    if (deleted > 0) compact(d, result);
    return result;
}

}  // namespace CookieRemoval
