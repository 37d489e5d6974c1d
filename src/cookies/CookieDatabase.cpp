#include "CookieDatabase.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

#include "ChromeDecryptor.h"
#include "CookieText.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"

namespace CookieDatabase {
namespace {

const QByteArray kHeader("SQLite format 3\0", 16);

bool busy(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

/// An open database: the file itself, or a private copy of it when the file is locked.
class Connection {
  public:
    ~Connection() { close(); }
    void close() {
        if (db) sqlite3_close_v2(db);
        db = nullptr;
    }
    sqlite3* db = nullptr;
    bool fromCopy = false;
    std::unique_ptr<QTemporaryDir> copy;
};

// Whether a regular file with the SQLite header is at `path`; never opens a FIFO or a device.
bool looksLikeDatabase(const QString& path, Result& result) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const QByteArray name = FsName::toBytes(info.fileName());
    const auto st = folder.isOpen() ? folder.entry(name) : std::nullopt;
    if (!st) return false;  // missing: nothing to read, nothing to say
    const auto head = S_ISREG(st->st_mode) ? folder.readFile(name, 16) : std::nullopt;
    if (!head || !hasDatabaseHeader(*head)) {
        result.problem = localized("\"%1\" is not a cookie database.").arg(path);
        return false;
    }
    return true;
}

int openReadOnly(const QString& path, sqlite3** db) {
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (*db) sqlite3_busy_timeout(*db, 250);
    return rc;
}

// Reads the schema once to find out whether the file can be read as it is.
int probe(sqlite3* db) {
    return sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

bool open(const QString& path, Connection& c, Result& result) {
    if (!looksLikeDatabase(path, result)) return false;
    int rc = openReadOnly(path, &c.db);
    if (rc == SQLITE_OK) rc = probe(c.db);
    if (rc == SQLITE_OK) return true;
    c.close();
    // A damaged file stays damaged in a copy: only one another program holds, or whose log can't be
    // read without writing, is worth copying.
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB) {
        result.problem = localized("\"%1\" can't be read as a database.").arg(path);
        return false;
    }
    const bool locked = busy(rc);
    // A running browser holds its database locked (or its log can't be opened read-only): read a
    // private copy of it and its log. The
    // shared-memory index is not copied; SQLite rebuilds it from the log, where a copy taken while
    // the browser writes could disagree with the log.
    c.copy = std::make_unique<QTemporaryDir>();
    const QString copy = c.copy->filePath(QStringLiteral("cookies.db"));
    if (!c.copy->isValid() || !QFile::copy(path, copy)) {
        result.problem = localized("\"%1\" can't be read as a database.").arg(path);
        return false;
    }
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo(wal).isFile()) QFile::copy(wal, copy + QStringLiteral("-wal"));
    rc = sqlite3_open_v2(QFile::encodeName(copy).constData(), &c.db,
                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) rc = probe(c.db);
    if (rc != SQLITE_OK) {
        c.close();
        result.problem = locked ? localized("\"%1\" is locked and its copy can't be read.").arg(path)
                                : localized("\"%1\" can't be read as a database.").arg(path);
        return false;
    }
    c.fromCopy = true;
    return true;
}

QSet<QString> tables(sqlite3* db) {
    QSet<QString> names;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table'", -1, &st, nullptr) ==
        SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            names.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))));
    }
    sqlite3_finalize(st);
    return names;
}

QSet<QString> columns(sqlite3* db, const char* table) {
    QSet<QString> names;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("PRAGMA table_info(\"") + table + "\")";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            names.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))));
    }
    sqlite3_finalize(st);
    return names;
}

qint64 singleNumber(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    qint64 value = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return value;
}

Kind kindOfTables(const QSet<QString>& names) {
    if (names.contains(QStringLiteral("moz_cookies"))) return Kind::Firefox;
    if (names.contains(QStringLiteral("cookies"))) return Kind::Chrome;
    return Kind::Unknown;
}

// A text column, set only when present and not empty.
QString textAt(sqlite3_stmt* st, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    const int length = sqlite3_column_bytes(st, column);
    if (!text || length <= 0) return QString();
    return CookieText::GetStringFormChar(text, length);
}

QString firstOf(const QSet<QString>& have, std::initializer_list<const char*> names, const char* otherwise) {
    for (const char* name : names)
        if (have.contains(QLatin1String(name))) return QString::fromLatin1(name);
    return QString::fromLatin1(otherwise);
}

// Runs `sql` and hands each row to `row`; false with a problem when the query can't run.
template <typename Row>
bool eachRow(sqlite3* db, const QString& sql, const QString& path, Result& result, Row row) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        result.problem = localized("The cookies of \"%1\" can't be read: %2.")
                             .arg(path, QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_finalize(st);
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) row(st);
    if (rc != SQLITE_DONE)
        result.problem = localized("The cookies of \"%1\" were read only in part: %2.")
                             .arg(path, QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

void setExpiry(PRCookFileNode& node, std::optional<qint64> unix) {
    node.expiryUnix = unix;
    if (!unix) return;
    node.expiredDate = CookieText::GetNSStringDate(CookieText::GetDateTime(*unix));
}

// Chrome: -1 unspecified, 0 no restriction, 1 lax, 2 strict.
QString chromeSameSite(int value) {
    switch (value) {
        case 0:
            return QStringLiteral("None");
        case 1:
            return QStringLiteral("Lax");
        case 2:
            return QStringLiteral("Strict");
    }
    return QString();
}

// The value's column: text, or the bytes shown escaped and kept raw when they are not text.
void setValue(PRCookFileNode& node, QByteArrayView bytes) {
    node.fileValue = CookieText::valueText(bytes, &node.valueBytes);
}

QByteArrayView bytesAt(sqlite3_stmt* st, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(st, column)) : QByteArrayView();
}

void readChrome(sqlite3* db, const QString& path, Result& result, const Sink& keep) {
    const QSet<QString> have = columns(db, "cookies");
    if (!have.contains(QStringLiteral("host_key")) || !have.contains(QStringLiteral("name"))) {
        result.problem = localized("\"%1\" has a cookie table Corvane does not know.").arg(path);
        return;
    }
    // The columns the schema has, in the order host, name, path, expiry, secure, has-expiry,
    // encrypted value; then the plain value and the HttpOnly flag for the export; then the row,
    // the partition and SameSite.
    const QString sql =
        QStringLiteral("SELECT host_key, name, %1, %2, %3, %4, %5, %6, %7, rowid, %8, %9 FROM cookies")
            .arg(firstOf(have, {"path"}, "''"), firstOf(have, {"expires_utc"}, "0"),
                 firstOf(have, {"is_secure", "secure"}, "0"), firstOf(have, {"has_expires"}, "1"),
                 firstOf(have, {"encrypted_value"}, "NULL"), firstOf(have, {"value"}, "NULL"),
                 firstOf(have, {"is_httponly", "httponly"}, "0"), firstOf(have, {"top_frame_site_key"}, "''"),
                 firstOf(have, {"samesite"}, "-1"));
    const int metaVersion = tables(db).contains(QStringLiteral("meta"))
                                ? int(singleNumber(db, "SELECT value FROM meta WHERE key='version'"))
                                : 0;
    ChromeDecryptor decryptor(path);
    eachRow(db, sql, path, result, [&](sqlite3_stmt* st) {
        PRCookFileNode node;
        node.fileHost = textAt(st, 0);
        node.fileName = textAt(st, 1);
        node.filePath = textAt(st, 2);
        if (sqlite3_column_int(st, 5) == 1) node.hasExpired = true;
        if (node.hasExpired) setExpiry(node, CookieText::fromChromeTime(sqlite3_column_int64(st, 3)));
        if (sqlite3_column_int(st, 4) == 1) node.secureValue = QStringLiteral("YES");
        node.httpOnly = sqlite3_column_int(st, 8) == 1;
        node.rowId = sqlite3_column_int64(st, 9);
        node.partition = textAt(st, 10);
        node.sameSite = chromeSameSite(sqlite3_column_int(st, 11));
        const auto* blob = static_cast<const char*>(sqlite3_column_blob(st, 6));
        const int length = sqlite3_column_bytes(st, 6);
        if (blob && length > 0) {
            const QByteArray encrypted = QByteArray::fromRawData(blob, length);
            if (const auto plain = decryptor.decrypt(encrypted, metaVersion, bytesAt(st, 0))) {
                setValue(node, *plain);
            } else {
                node.fileValue = CookieText::dataDescription(encrypted);
                node.undecryptable = true;
                ++result.undecryptable;
            }
        } else if (sqlite3_column_type(st, 7) != SQLITE_NULL && sqlite3_column_bytes(st, 7) > 0) {
            setValue(node, bytesAt(st, 7));  // stored unencrypted (older browsers, or no key ring)
        }
        keep(std::move(node));
    });
}

// Firefox's origin attributes ("^partitionKey=%28https%2Cexample.com%29&..."): the partition as
// the top-level site's origin, "https://example.com".
QString firefoxPartition(QByteArrayView attributes) {
    if (!attributes.startsWith('^')) return QString();
    for (const QByteArray& pair : attributes.sliced(1).toByteArray().split('&')) {
        if (!pair.startsWith("partitionKey=")) continue;
        QByteArray key = QByteArray::fromPercentEncoding(pair.mid(13));
        if (key.startsWith('(') && key.endsWith(')')) {
            const QList<QByteArray> parts = key.mid(1, key.size() - 2).split(',');
            if (parts.size() >= 2)
                key = parts[0] + "://" + parts[1] + (parts.size() > 2 ? ":" + parts[2] : QByteArray());
        }
        return QString::fromUtf8(key);
    }
    return QString();
}

void readFirefox(sqlite3* db, const QString& path, Result& result, const Sink& keep) {
    const QSet<QString> have = columns(db, "moz_cookies");
    if (!have.contains(QStringLiteral("name")) ||
        !(have.contains(QStringLiteral("baseDomain")) || have.contains(QStringLiteral("host")))) {
        result.problem = localized("\"%1\" has a cookie table Corvane does not know.").arg(path);
        return;
    }
    // The cookie's own host: the base domain of old schemas would send a host's cookies to its
    // parent domain only.
    const QString sql =
        QStringLiteral("SELECT %1, name, %2, %3, %4, %5, %6, rowid, %7, %8 FROM moz_cookies")
            .arg(firstOf(have, {"host", "baseDomain"}, "NULL"), firstOf(have, {"path"}, "''"),
                 firstOf(have, {"expiry"}, "0"), firstOf(have, {"isSecure"}, "0"),
                 firstOf(have, {"value"}, "NULL"), firstOf(have, {"isHttpOnly"}, "0"),
                 firstOf(have, {"originAttributes"}, "''"), firstOf(have, {"sameSite"}, "-1"));
    // From schema 16 on, the expiry is kept in milliseconds.
    const bool milliseconds = singleNumber(db, "PRAGMA user_version") >= 16;
    eachRow(db, sql, path, result, [&](sqlite3_stmt* st) {
        PRCookFileNode node;
        node.fileHost = textAt(st, 0);
        node.fileName = textAt(st, 1);
        node.filePath = textAt(st, 2);
        const qint64 expiry = sqlite3_column_int64(st, 3);
        if (expiry > 0) setExpiry(node, milliseconds ? expiry / 1000 : expiry);
        if (sqlite3_column_int(st, 4) == 1) node.secureValue = QStringLiteral("YES");
        if (sqlite3_column_type(st, 5) != SQLITE_NULL && sqlite3_column_bytes(st, 5) > 0)
            setValue(node, bytesAt(st, 5));
        node.httpOnly = sqlite3_column_int(st, 6) == 1;
        node.rowId = sqlite3_column_int64(st, 7);
        node.partition = firefoxPartition(bytesAt(st, 8));
        node.sameSite = chromeSameSite(sqlite3_column_int(st, 9));  // the same numbers: 0, 1, 2
        keep(std::move(node));
    });
}

Result readAs(const QString& path, Kind wanted, const Sink& each = {}) {
    Result result;
    if (path.isEmpty()) return result;
    Connection c;
    if (!open(path, c, result)) return result;
    result.opened = true;
    result.fromCopy = c.fromCopy;
    result.kind = kindOfTables(tables(c.db));
    if (wanted != Kind::Unknown && result.kind != wanted) {
        result.problem = localized("\"%1\" holds no cookies of this browser.").arg(path);
        return result;
    }
    const Sink keep =
        each ? each : Sink([&result](PRCookFileNode&& c) { result.cookies.append(std::move(c)); });
    if (result.kind == Kind::Chrome)
        readChrome(c.db, path, result, keep);
    else if (result.kind == Kind::Firefox)
        readFirefox(c.db, path, result, keep);
    else
        result.problem = localized("\"%1\" is a database, but not a browser's cookie database.").arg(path);
    return result;
}

}  // namespace

bool hasDatabaseHeader(const QByteArray& first16) {
    return first16.startsWith(kHeader);
}

Kind kindOf(const QString& path, QString* problem) {
    Result result;
    Connection c;
    Kind kind = Kind::Unknown;
    if (open(path, c, result)) kind = kindOfTables(tables(c.db));
    if (problem) *problem = result.problem;
    return kind;
}

Result ReadCookDatabaseFileWithPath(const QString& path) {
    return readAs(path, Kind::Chrome);
}

Result ReadFirefoxCookDatabaseFileWithPath(const QString& path) {
    return readAs(path, Kind::Firefox);
}

Result read(const QString& path) {
    return readAs(path, Kind::Unknown);
}

Result readEach(const QString& path, const Sink& each) {
    return readAs(path, Kind::Unknown, each);
}

}  // namespace CookieDatabase
