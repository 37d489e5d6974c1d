#include "CookieRemoval.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

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

Result removeDatabaseCookies(const QString& path, CookieDatabase::Kind kind) {
    const char* table = kind == CookieDatabase::Kind::Firefox ? "moz_cookies" : "cookies";
    if (kind == CookieDatabase::Kind::Unknown || !QFileInfo(path).isFile())
        return {Outcome::NothingThere, {}, false};
    // Checked before even reading it: a reader in the log's mode writes the shared-memory file.
    if (const QString refused = notPlain(path); !refused.isEmpty()) return {Outcome::Failed, refused, false};
    QString problem;
    const CookieDatabase::Kind found = CookieDatabase::kindOf(path, &problem);
    if (found != kind)
        return {Outcome::Failed,
                problem.isEmpty() ? localized("\"%1\" no longer holds the cookies that were shown.").arg(path)
                                  : problem,
                false};
    Database d;
    // Never creates a file: the database must be the one that was read.
    if (sqlite3_open_v2(FsName::toBytes(path).constData(), &d.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK)
        return {Outcome::Failed, localized("\"%1\" can't be opened for writing.").arg(path), false};
    sqlite3_busy_timeout(d.db, 500);
    int rc = sqlite3_exec(d.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (busy(rc)) return lockedResult(path);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(d.db, (QByteArray("DELETE FROM ") + table).constData(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(d.db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(d.db));
        sqlite3_exec(d.db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (busy(rc)) return lockedResult(path);
        return {Outcome::Failed, localized("The cookies of \"%1\" could not be removed: %2.").arg(path, why),
                false};
    }
    // A trigger may have kept rows (RAISE(IGNORE) skips the delete without an error): only what is
    // really gone after the commit counts.
    const qint64 left = countRows(d.db, table);
    if (left != 0)
        return {Outcome::Failed,
                left < 0 ? localized("The cookies of \"%1\" could not be counted after the removal: %2.")
                               .arg(path, QString::fromUtf8(sqlite3_errmsg(d.db)))
                         : localized("%1 cookie(s) of \"%2\" are still there: a rule of the database kept "
                                     "them from being removed.")
                               .arg(left)
                               .arg(path),
                false};
    Result result{Outcome::Removed, QString(), false};
    // The deleted rows are gone; compacting only gives their space back.
    int frames = 0;
    int written = 0;
    if (sqlite3_wal_checkpoint_v2(d.db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &frames, &written) != SQLITE_OK)
        std::fputs("Failed to commit\n", stdout);
    result.compacted = sqlite3_exec(d.db, "VACUUM;", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!result.compacted) qDebug("Failed execute VACUUM");
    return result;
}

}  // namespace CookieRemoval
