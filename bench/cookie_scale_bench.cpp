// cookie_scale_bench [ROWS]: corvane-cli on a Firefox database of 1,000,000 cookies (or ROWS),
// built in a temporary folder: listing and exporting in each format, the time and the peak memory
// of each run against the targets (3 s, 300 MB).
#include <sqlite3.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "ChildRun.h"

namespace {

// The rows through one prepared statement in one transaction: a million in a few seconds.
bool buildDatabase(const QString& path, int rows) {
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK) return false;
    bool ok =
        sqlite3_exec(db,
                     "PRAGMA user_version = 16; CREATE TABLE moz_cookies(id INTEGER PRIMARY KEY, "
                     "originAttributes TEXT NOT NULL DEFAULT '', name TEXT, value TEXT, host TEXT, "
                     "path TEXT, expiry INTEGER, lastAccessed INTEGER, creationTime INTEGER, isSecure "
                     "INTEGER, isHttpOnly INTEGER, inBrowserElement INTEGER DEFAULT 0, sameSite INTEGER "
                     "DEFAULT 0); BEGIN",
                     nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* st = nullptr;
    ok = ok &&
         sqlite3_prepare_v2(db,
                            "INSERT INTO moz_cookies(name, value, host, path, expiry, isSecure, isHttpOnly, "
                            "sameSite) VALUES(?,?,?,?,?,?,?,?)",
                            -1, &st, nullptr) == SQLITE_OK;
    for (int i = 0; ok && i < rows; ++i) {
        const QByteArray name = "cookie_" + QByteArray::number(i % 50);
        const QByteArray value = "v" + QByteArray::number(i * 7919LL, 36) + "_session_value_of_some_length";
        const QByteArray host = ".site" + QByteArray::number(i / 20) + ".example";
        sqlite3_bind_text(st, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, host.constData(), int(host.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, "/", 1, SQLITE_STATIC);
        sqlite3_bind_int64(st, 5, (1830000000LL + i) * 1000);
        sqlite3_bind_int(st, 6, i % 2);
        sqlite3_bind_int(st, 7, i % 3 == 0);
        sqlite3_bind_int(st, 8, i % 3);
        ok = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    ok = sqlite3_exec(db, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
    sqlite3_close(db);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir;
    // CORVANE_BENCH_KEEP=1 leaves the folder behind, for a profiler run on the same database.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("CORVANE_BENCH_KEEP"));
    const QString db = dir.filePath(QStringLiteral("cookies.sqlite"));
    QElapsedTimer built;
    built.start();
    if (!buildDatabase(db, rows)) {
        std::fprintf(stderr, "cookie_scale_bench: the database could not be built\n");
        return 1;
    }
    std::printf("%d cookies written in %.1f s to %s\n", rows, built.nsecsElapsed() / 1e9, qPrintable(db));
    const QByteArray cli = CORVANE_CLI_PATH;
    const QByteArray source = QFile::encodeName(db);
    const QByteArray out = QFile::encodeName(dir.filePath(QStringLiteral("out")));
    struct Case {
        const char* what;
        std::vector<QByteArray> args;
    };
    const Case cases[] = {
        {"cookies list", {cli, "cookies", "list", "--source", source}},
        {"cookies list --json", {cli, "cookies", "list", "--json", "--source", source}},
        {"cookies export (text)", {cli, "cookies", "export", "--source", source, "--to", out + ".txt"}},
        {"cookies export --netscape",
         {cli, "cookies", "export", "--netscape", "--source", source, "--to", out}},
        {"cookies export --json",
         {cli, "cookies", "export", "--json", "--source", source, "--to", out + ".json"}},
    };
    std::printf("| %-28s | %9s | %9s | target         |\n", "run", "time", "peak");
    for (const Case& c : cases) {
        const ChildRun r = ChildRun::of(c.args);
        std::printf("| %-28s | %7.2f s | %6.0f MB | 3 s, 300 MB %s|\n", c.what, r.seconds, r.peakMb,
                    r.status != 0 ? "(FAILED) " : (r.seconds < 3 && r.peakMb < 300 ? "met " : "MISSED "));
    }
    return 0;
}
