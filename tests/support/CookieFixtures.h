#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// Cookie files built byte by byte (the binary file) and through SQLite's C library (the browser
/// databases), for the tests, the benchmarks and the demo sandboxes.
namespace CookieFixtures {

struct BinaryCookie {
    QByteArray host, name, path, value;
    quint32 flags = 0;
    double expiry = 0;  ///< seconds since 2001-01-01 UTC
};

/// One record: the 56-byte header, then host, name, path and value, each NUL-terminated.
QByteArray binaryRecord(const BinaryCookie& cookie);
/// A record with its text offsets given as they stand (`size` 0: the record's real size).
QByteArray rawRecord(quint32 size, quint32 flags, quint32 h, quint32 m, quint32 p, quint32 v,
                     const QByteArray& texts);
/// A page: tag, count, offset table, footer, then the records.
QByteArray binaryPage(const QList<QByteArray>& records);
/// The file: "cook", the page count (or `pageCount` when given), the page sizes, the pages.
QByteArray binaryFile(const QList<QByteArray>& pages, std::optional<qint32> pageCount = std::nullopt);

/// Chrome's encryption, host hash first from meta version 24 on: "v10" with the fixed password, or
/// another prefix with the password given.
QByteArray encryptV10(const QByteArray& plain, const QByteArray& host, int metaVersion,
                      const QByteArray& prefix = "v10", const QByteArray& password = "peanuts");
/// The secret-service password of the fixtures' "v11" values.
inline constexpr char kKeyringPassword[] = "keyring-password";

struct ChromeCookie {
    std::optional<QByteArray> host = QByteArray(".example.com");
    QByteArray name = "sid";
    QByteArray path = "/";
    QByteArray value = "v";  ///< encrypted as `encrypted` says
    qint64 expiresUtc = 0;   ///< microseconds since 1601
    bool hasExpires = true;
    bool secure = false;
    bool httpOnly = false;
    QByteArray topFrameSiteKey;  ///< the partition ("https://top.example"); empty: not partitioned
    int sameSite = -1;           ///< -1 unspecified, 0 none, 1 lax, 2 strict
    /// V11 is undecryptable bytes; V11Keyring encrypted with kKeyringPassword.
    enum class Encrypted { V10, None, Garbage, V11, V11Keyring } encrypted = Encrypted::V10;
};
struct ChromeSchema {
    bool oldSecureColumn = false;  ///< "secure" instead of "is_secure", no "is_httponly" but "httponly"
    int metaVersion = 24;
};
/// Writes a Chrome cookie database at `path` (replacing any file there).
bool writeChromeDatabase(const QString& path, const QList<ChromeCookie>& cookies,
                         const ChromeSchema& schema = {});
/// Microseconds since 1601 of a Unix time.
qint64 chromeTime(qint64 unixSeconds);

struct FirefoxCookie {
    QByteArray host = ".example.org";
    QByteArray name = "id";
    QByteArray path = "/";
    QByteArray value = "1";
    qint64 expiry = 0;  ///< as stored: seconds, or milliseconds from user_version 16
    bool secure = false;
    bool httpOnly = false;
    QByteArray originAttributes;  ///< "^partitionKey=%28https%2Ctop.example%29" for a partitioned one
    int sameSite = 0;             ///< 0 none, 1 lax, 2 strict
    std::optional<QByteArray> baseDomain;  ///< with FirefoxSchema::baseDomain; default: the host undotted
};
struct FirefoxSchema {
    bool baseDomain = false;  ///< the column dropped in 2020
    int userVersion = 16;
};
bool writeFirefoxDatabase(const QString& path, const QList<FirefoxCookie>& cookies,
                          const FirefoxSchema& schema = {});

/// Adds a "BEFORE DELETE" trigger on `table` of the database at `path` that runs `action` (for
/// example "SELECT RAISE(IGNORE)") for the rows `when` matches (every row when empty).
bool addDeleteTrigger(const QString& path, const QByteArray& table, const QByteArray& action,
                      const QByteArray& when = QByteArray());

/// A few dozen cookies of made-up sites, the same for every kind.
QList<ChromeCookie> demoChromeCookies();
QList<FirefoxCookie> demoFirefoxCookies();
QList<BinaryCookie> demoBinaryCookies();
/// A binary cookie file of `cookies` in pages of at most `perPage` records.
QByteArray binaryFileOf(const QList<BinaryCookie>& cookies, int perPage = 20);

}  // namespace CookieFixtures
