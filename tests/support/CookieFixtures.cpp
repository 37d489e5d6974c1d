#include "CookieFixtures.h"

#include <openssl/evp.h>
#include <sqlite3.h>

#include <QFile>
#include <cstring>

namespace CookieFixtures {
namespace {

void le32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}
void be32(QByteArray& out, quint32 v) {
    for (int i = 3; i >= 0; --i) out.append(char((v >> (8 * i)) & 0xff));
}
void leDouble(QByteArray& out, double d) {
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    for (int i = 0; i < 8; ++i) out.append(char((bits >> (8 * i)) & 0xff));
}

bool exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

sqlite3* fresh(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

void bindBytes(sqlite3_stmt* st, int index, const std::optional<QByteArray>& text) {
    if (!text)
        sqlite3_bind_null(st, index);
    else
        sqlite3_bind_text(st, index, text->constData(), int(text->size()), SQLITE_TRANSIENT);
}

}  // namespace

QByteArray rawRecord(quint32 size, quint32 flags, quint32 h, quint32 m, quint32 p, quint32 v,
                     const QByteArray& texts) {
    QByteArray r;
    le32(r, size ? size : quint32(56 + texts.size()));
    le32(r, 0);
    le32(r, flags);
    le32(r, 0);
    le32(r, h);
    le32(r, m);
    le32(r, p);
    le32(r, v);
    le32(r, 0);  // comment offset
    le32(r, 0);
    leDouble(r, 0);
    r.append(QByteArray(56 - r.size(), '\0'));
    return r + texts;
}

QByteArray binaryRecord(const BinaryCookie& c) {
    const QByteArray host = c.host + '\0', name = c.name + '\0', path = c.path + '\0', value = c.value + '\0';
    const quint32 h = 56, m = h + quint32(host.size()), p = m + quint32(name.size()),
                  v = p + quint32(path.size());
    QByteArray r = rawRecord(0, c.flags, h, m, p, v, host + name + path + value);
    QByteArray expiry;
    leDouble(expiry, c.expiry);
    r.replace(40, 8, expiry);
    return r;
}

QByteArray binaryPage(const QList<QByteArray>& records) {
    QByteArray page;
    be32(page, 0x00000100);
    le32(page, quint32(records.size()));
    quint32 offset = 12 + 4 * quint32(records.size());
    for (const QByteArray& r : records) {
        le32(page, offset);
        offset += quint32(r.size());
    }
    le32(page, 0);
    for (const QByteArray& r : records) page += r;
    return page;
}

QByteArray binaryFile(const QList<QByteArray>& pages, std::optional<qint32> pageCount) {
    QByteArray file("cook");
    be32(file, quint32(pageCount.value_or(qint32(pages.size()))));
    for (const QByteArray& p : pages) be32(file, quint32(p.size()));
    for (const QByteArray& p : pages) file += p;
    return file + QByteArray("\x07\x17\x20\x05\0\0\0\0", 8);  // the trailer the format ends with
}

QByteArray encryptV10(const QByteArray& plain, const QByteArray& host, int metaVersion,
                      const QByteArray& prefix, const QByteArray& password) {
    unsigned char key[16];
    PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                           reinterpret_cast<const unsigned char*>("saltysalt"), 9, 1, 16, key);
    QByteArray text = plain;
    if (metaVersion >= 24) {
        unsigned char digest[32];
        unsigned int length = 0;
        EVP_Digest(host.constData(), size_t(host.size()), digest, &length, EVP_sha256(), nullptr);
        text.prepend(reinterpret_cast<const char*>(digest), int(length));
    }
    unsigned char iv[16];
    std::memset(iv, ' ', 16);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key, iv);
    QByteArray out(text.size() + 32, '\0');
    int n = 0, last = 0;
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    EVP_EncryptUpdate(ctx, o, &n, reinterpret_cast<const unsigned char*>(text.constData()), int(text.size()));
    EVP_EncryptFinal_ex(ctx, o + n, &last);
    EVP_CIPHER_CTX_free(ctx);
    out.truncate(n + last);
    return prefix + out;
}

qint64 chromeTime(qint64 unixSeconds) {
    return (unixSeconds + 11644473600LL) * 1000000LL;
}

bool writeChromeDatabase(const QString& path, const QList<ChromeCookie>& cookies,
                         const ChromeSchema& schema) {
    sqlite3* db = fresh(path);
    if (!db) return false;
    const char* secure = schema.oldSecureColumn ? "secure" : "is_secure";
    const char* httpOnly = schema.oldSecureColumn ? "httponly" : "is_httponly";
    const QByteArray create =
        QByteArray(
            "CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value "
            "LONGVARCHAR);"
            "CREATE TABLE cookies(creation_utc INTEGER NOT NULL, host_key TEXT, "
            "top_frame_site_key TEXT NOT NULL DEFAULT '', name TEXT NOT NULL, value "
            "TEXT NOT NULL, encrypted_value BLOB NOT NULL DEFAULT '', path TEXT NOT "
            "NULL, expires_utc INTEGER NOT NULL, ") +
        secure + " INTEGER NOT NULL, " + httpOnly +
        " INTEGER NOT NULL, last_access_utc INTEGER NOT NULL DEFAULT 0, has_expires "
        "INTEGER NOT NULL DEFAULT 1, is_persistent INTEGER NOT NULL DEFAULT 1, priority "
        "INTEGER NOT NULL DEFAULT 1, samesite INTEGER NOT NULL DEFAULT -1);";
    bool ok = exec(db, create.constData());
    ok = ok &&
         exec(db, QByteArray("INSERT INTO meta VALUES('version','" + QByteArray::number(schema.metaVersion) +
                             "'),('last_compatible_version','1')")
                      .constData());
    ok = ok && exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    const QByteArray insert = QByteArray(
                                  "INSERT INTO cookies(creation_utc, host_key, name, value, encrypted_value, "
                                  "path, expires_utc, ") +
                              secure + ", " + httpOnly +
                              ", has_expires, top_frame_site_key, samesite) VALUES(?,?,?,?,?,?,?,?,?,?,?,?)";
    ok = ok && sqlite3_prepare_v2(db, insert.constData(), -1, &st, nullptr) == SQLITE_OK;
    qint64 created = 13300000000000000LL;
    for (const ChromeCookie& c : cookies) {
        if (!ok) break;
        QByteArray plain, encrypted;
        switch (c.encrypted) {
            case ChromeCookie::Encrypted::V10:
                encrypted = encryptV10(c.value, c.host.value_or(QByteArray()), schema.metaVersion);
                break;
            case ChromeCookie::Encrypted::None:
                plain = c.value;
                break;
            case ChromeCookie::Encrypted::Garbage:
                encrypted = QByteArray("v10") + QByteArray(32, '\x5a');
                break;
            case ChromeCookie::Encrypted::V11:
                encrypted = QByteArray("v11") + QByteArray(32, '\x11');
                break;
            case ChromeCookie::Encrypted::V11Keyring:
                encrypted = encryptV10(c.value, c.host.value_or(QByteArray()), schema.metaVersion, "v11",
                                       kKeyringPassword);
                break;
        }
        sqlite3_bind_int64(st, 1, ++created);
        bindBytes(st, 2, c.host);
        bindBytes(st, 3, c.name);
        bindBytes(st, 4, plain);
        sqlite3_bind_blob(st, 5, encrypted.constData(), int(encrypted.size()), SQLITE_TRANSIENT);
        bindBytes(st, 6, c.path);
        sqlite3_bind_int64(st, 7, c.expiresUtc);
        sqlite3_bind_int(st, 8, c.secure ? 1 : 0);
        sqlite3_bind_int(st, 9, c.httpOnly ? 1 : 0);
        sqlite3_bind_int(st, 10, c.hasExpires ? 1 : 0);
        bindBytes(st, 11, c.topFrameSiteKey);
        sqlite3_bind_int(st, 12, c.sameSite);
        ok = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    ok = exec(db, ok ? "COMMIT" : "ROLLBACK") && ok;
    sqlite3_close(db);
    return ok;
}

bool addDeleteTrigger(const QString& path, const QByteArray& table, const QByteArray& action,
                      const QByteArray& when) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const QByteArray sql = "CREATE TRIGGER keep_" + table + " BEFORE DELETE ON " + table +
                           (when.isEmpty() ? QByteArray() : " WHEN " + when) + " BEGIN " + action + "; END";
    const bool ok = exec(db, sql.constData());
    sqlite3_close(db);
    return ok;
}

bool writeFirefoxDatabase(const QString& path, const QList<FirefoxCookie>& cookies,
                          const FirefoxSchema& schema) {
    sqlite3* db = fresh(path);
    if (!db) return false;
    const QByteArray create =
        QByteArray("CREATE TABLE moz_cookies(id INTEGER PRIMARY KEY, ") +
        (schema.baseDomain ? "baseDomain TEXT, " : "") +
        "originAttributes TEXT NOT NULL DEFAULT '', name TEXT, value TEXT, host TEXT, path "
        "TEXT, expiry INTEGER, lastAccessed INTEGER, creationTime INTEGER, isSecure INTEGER, "
        "isHttpOnly INTEGER, inBrowserElement INTEGER DEFAULT 0, sameSite INTEGER DEFAULT 0)";
    bool ok = exec(db, create.constData());
    ok = ok &&
         exec(db, QByteArray("PRAGMA user_version = " + QByteArray::number(schema.userVersion)).constData());
    ok = ok && exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    const QByteArray insert =
        schema.baseDomain ? "INSERT INTO moz_cookies(name, value, host, path, expiry, isSecure, isHttpOnly, "
                            "originAttributes, sameSite, baseDomain) VALUES(?,?,?,?,?,?,?,?,?,?)"
                          : "INSERT INTO moz_cookies(name, value, host, path, expiry, isSecure, isHttpOnly, "
                            "originAttributes, sameSite) VALUES(?,?,?,?,?,?,?,?,?)";
    ok = ok && sqlite3_prepare_v2(db, insert.constData(), -1, &st, nullptr) == SQLITE_OK;
    for (const FirefoxCookie& c : cookies) {
        if (!ok) break;
        bindBytes(st, 1, c.name);
        bindBytes(st, 2, c.value);
        bindBytes(st, 3, c.host);
        bindBytes(st, 4, c.path);
        sqlite3_bind_int64(st, 5, c.expiry);
        sqlite3_bind_int(st, 6, c.secure ? 1 : 0);
        sqlite3_bind_int(st, 7, c.httpOnly ? 1 : 0);
        bindBytes(st, 8, c.originAttributes);
        sqlite3_bind_int(st, 9, c.sameSite);
        if (schema.baseDomain) {
            const QByteArray base = c.host.startsWith('.') ? c.host.mid(1) : c.host;
            bindBytes(st, 10, c.baseDomain.value_or(base));
        }
        ok = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    ok = exec(db, ok ? "COMMIT" : "ROLLBACK") && ok;
    sqlite3_close(db);
    return ok;
}

namespace {
const char* const kSites[] = {"news.example", "shop.example", "mail.example",  "video.example",
                              "maps.example", "bank.example", "forum.example", "wiki.example"};
const char* const kNames[] = {"session_id", "prefs", "_ga", "consent"};
}  // namespace

QList<ChromeCookie> demoChromeCookies() {
    QList<ChromeCookie> list;
    int i = 0;
    for (const char* site : kSites) {
        for (const char* name : kNames) {
            ChromeCookie c;
            c.host = QByteArray(".") + site;
            c.name = name;
            c.value = QByteArray(name) + "-" + QByteArray::number(1000 + i * 37);
            c.path = i % 3 ? "/" : "/account";
            c.secure = i % 2 == 0;
            c.httpOnly = i % 4 == 0;
            c.hasExpires = i % 5 != 0;
            c.expiresUtc = c.hasExpires ? chromeTime(1830000000LL + i * 86400LL) : 0;
            list << c;
            ++i;
        }
    }
    return list;
}

QList<FirefoxCookie> demoFirefoxCookies() {
    QList<FirefoxCookie> list;
    int i = 0;
    for (const char* site : kSites) {
        for (const char* name : kNames) {
            FirefoxCookie c;
            c.host = QByteArray(".") + site;
            c.name = name;
            c.value = QByteArray("ff") + QByteArray::number(2000 + i * 41);
            c.path = "/";
            c.secure = i % 3 == 0;
            c.httpOnly = i % 4 == 1;
            c.expiry = (1830000000LL + i * 3600LL) * 1000LL;
            list << c;
            ++i;
        }
    }
    return list;
}

QList<BinaryCookie> demoBinaryCookies() {
    QList<BinaryCookie> list;
    int i = 0;
    for (const char* site : kSites) {
        for (const char* name : kNames) {
            BinaryCookie c;
            c.host = QByteArray(".") + site;
            c.name = name;
            c.path = "/";
            c.value = QByteArray("s") + QByteArray::number(3000 + i * 43);
            c.flags = (i % 2 ? 0x1 : 0) | (i % 3 ? 0 : 0x4);
            c.expiry = 850000000.0 + i * 86400.0;
            list << c;
            ++i;
        }
    }
    return list;
}

QByteArray binaryFileOf(const QList<BinaryCookie>& cookies, int perPage) {
    QList<QByteArray> pages;
    QList<QByteArray> records;
    for (const BinaryCookie& c : cookies) {
        records << binaryRecord(c);
        if (records.size() == perPage) {
            pages << binaryPage(records);
            records.clear();
        }
    }
    if (!records.isEmpty()) pages << binaryPage(records);
    return binaryFile(pages);
}

}  // namespace CookieFixtures
