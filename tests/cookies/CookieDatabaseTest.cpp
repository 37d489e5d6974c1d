#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

#include "cookies/ChromeDecryptor.h"
#include "cookies/CookieDatabase.h"
#include "cookies/SafeStorage.h"
#include "support/CookieFixtures.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

QByteArray digest(const QString& path) {
    if (!QFileInfo(path).isFile()) return QByteArray("not a file");
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

// The secret service as a table of stored passwords, counting the questions.
struct Keyring {
    QMap<QString, QByteArray> stored;
    QStringList asked;
    Keyring() {
        SafeStorage::setLookup([this](const QString& application) -> std::optional<QByteArray> {
            asked << application;
            if (!stored.contains(application)) return std::nullopt;
            return stored.value(application);
        });
    }
    ~Keyring() { SafeStorage::setLookup({}); }
};

const PRCookFileNode* named(const CookieList& list, const QString& name) {
    for (const auto& c : list)
        if (c.fileName == name) return &c;
    return nullptr;
}

TEST(ChromeDatabase, CurrentAndOldSchemasWithEveryKindOfValue) {
    TempRoot root;
    Keyring keyring;
    ChromeCookie nullHost;
    nullHost.host = std::nullopt;
    nullHost.name = "nohost";
    ChromeCookie session;
    session.name = "session";
    session.hasExpires = false;
    ChromeCookie dated;
    dated.name = "dated";
    dated.value = "token=42; äöü";
    dated.expiresUtc = chromeTime(1830000000);
    dated.secure = true;
    dated.httpOnly = true;
    ChromeCookie garbage;
    garbage.name = "garbage";
    garbage.encrypted = ChromeCookie::Encrypted::Garbage;
    ChromeCookie v11;
    v11.name = "keyring";
    v11.encrypted = ChromeCookie::Encrypted::V11;
    ChromeCookie plain;
    plain.name = "plain";
    plain.value = "unencrypted";
    plain.encrypted = ChromeCookie::Encrypted::None;
    const QList<ChromeCookie> rows{nullHost, session, dated, garbage, v11, plain};

    for (const ChromeSchema schema :
         {ChromeSchema{false, 24}, ChromeSchema{false, 23}, ChromeSchema{true, 12}}) {
        const QString path = root.file(QStringLiteral("Cookies-%1").arg(schema.metaVersion));
        ASSERT_TRUE(writeChromeDatabase(path, rows, schema));
        const auto r = CookieDatabase::read(path);
        const QString what = QStringLiteral("meta %1").arg(schema.metaVersion);
        EXPECT_EQ(r.kind, CookieDatabase::Kind::Chrome) << qPrintable(what);
        EXPECT_TRUE(r.problem.isEmpty()) << qPrintable(r.problem);
        ASSERT_EQ(r.cookies.size(), rows.size()) << qPrintable(what);
        EXPECT_TRUE(named(r.cookies, "nohost")->fileHost.isNull());
        EXPECT_EQ(named(r.cookies, "nohost")->fileValue, "v");
        EXPECT_TRUE(named(r.cookies, "session")->expiredDate.isNull());
        EXPECT_FALSE(named(r.cookies, "session")->expiryUnix.has_value());
        const auto* d = named(r.cookies, "dated");
        EXPECT_EQ(d->fileValue, QString::fromUtf8("token=42; äöü")) << qPrintable(what);
        EXPECT_EQ(d->expiryUnix, 1830000000);
        EXPECT_FALSE(d->expiredDate.isEmpty());
        EXPECT_TRUE(d->hasExpired);
        EXPECT_EQ(d->secureValue, "YES");
        EXPECT_TRUE(d->httpOnly);
        EXPECT_EQ(named(r.cookies, "session")->secureValue, "NO");
        for (const char* undecryptable : {"garbage", "keyring"}) {
            const auto* c = named(r.cookies, undecryptable);
            EXPECT_TRUE(c->undecryptable) << undecryptable;
            EXPECT_TRUE(c->fileValue.startsWith("<7631")) << qPrintable(c->fileValue);
        }
        EXPECT_EQ(r.undecryptable, 2);
        EXPECT_EQ(named(r.cookies, "plain")->fileValue, "unencrypted");
    }
}

TEST(ChromeDatabase, HostHashIsDroppedOnlyFromVersion24) {
    ChromeDecryptor decryptor;
    const QByteArray withHash = encryptV10("secret", ".host.test", 24);
    const QByteArray without = encryptV10("secret", ".host.test", 23);
    EXPECT_EQ(decryptor.decrypt(withHash, 24, ".host.test"), QByteArray("secret"));
    EXPECT_EQ(decryptor.decrypt(without, 23, ".host.test"), QByteArray("secret"));
    EXPECT_NE(decryptor.decrypt(withHash, 23, ".host.test"), QByteArray("secret"));
    EXPECT_FALSE(
        decryptor.decrypt(QByteArray("v10") + QByteArray(15, 'x'), 24, "h").has_value());  // not whole blocks
    EXPECT_FALSE(decryptor.decrypt(encryptV10("", "h", 23), 24, "h").has_value());  // shorter than the hash
}

TEST(ChromeDatabase, V11ValuesDecryptWithTheSecretServicePasswordOfTheirBrowser) {
    TempRoot root;
    ChromeCookie v10;
    v10.name = "v10";
    v10.value = "fixed key";
    ChromeCookie v11;
    v11.name = "v11";
    v11.value = "keyring key";
    v11.encrypted = ChromeCookie::Encrypted::V11Keyring;
    const QString chromium = root.file("config/chromium/Default/Cookies");
    const QString onlyV10 = root.file("config/google-chrome/Default/Cookies");
    QDir().mkpath(QFileInfo(chromium).path());
    QDir().mkpath(QFileInfo(onlyV10).path());
    ASSERT_TRUE(writeChromeDatabase(chromium, {v10, v11}));
    ASSERT_TRUE(writeChromeDatabase(onlyV10, {v10}));

    const struct {
        QMap<QString, QByteArray> stored;
        bool decrypts;
        QStringList asked;  ///< once per read, the database's own browser first
    } cases[] = {
        {{{"chromium", kKeyringPassword}}, true, {"chromium", "chrome"}},
        {{{"chrome", "other"}, {"chromium", kKeyringPassword}}, true, {"chromium", "chrome"}},
        {{{"chromium", "wrong"}}, false, {"chromium", "chrome"}},
        {{}, false, {"chromium", "chrome"}},
    };
    for (const auto& c : cases) {
        Keyring keyring;
        keyring.stored = c.stored;
        const auto r = CookieDatabase::read(chromium);
        ASSERT_EQ(r.cookies.size(), 2);
        EXPECT_EQ(named(r.cookies, "v10")->fileValue, "fixed key");
        const auto* k = named(r.cookies, "v11");
        EXPECT_EQ(k->undecryptable, !c.decrypts) << qPrintable(c.stored.keys().join(','));
        EXPECT_EQ(k->fileValue.startsWith("<7631"), !c.decrypts);
        if (c.decrypts) {
            EXPECT_EQ(k->fileValue, "keyring key");
        }
        EXPECT_EQ(r.undecryptable, c.decrypts ? 0 : 1);
        EXPECT_EQ(keyring.asked, c.asked);
        keyring.asked.clear();
        EXPECT_EQ(CookieDatabase::read(onlyV10).cookies.size(), 1);
        EXPECT_TRUE(keyring.asked.isEmpty()) << "asked without a v11 value";
    }
}

TEST(FirefoxDatabase, WithAndWithoutBaseDomainInSecondsAndMilliseconds) {
    TempRoot root;
    FirefoxCookie secure;
    secure.name = "secure";
    secure.secure = true;
    secure.httpOnly = true;
    FirefoxCookie session;
    session.name = "session";
    session.expiry = 0;
    const struct {
        FirefoxSchema schema;
        qint64 stored;
        const char* host;
    } cases[] = {{{true, 10}, 1830000000, ".example.org"},  // the row's own host, not its base domain
                 {{false, 15}, 1830000000, ".example.org"},
                 {{false, 16}, 1830000000000LL, ".example.org"}};
    for (const auto& c : cases) {
        const QString path = root.file(QStringLiteral("cookies-%1.sqlite").arg(c.schema.userVersion));
        secure.expiry = c.stored;
        ASSERT_TRUE(writeFirefoxDatabase(path, {secure, session}, c.schema));
        const auto r = CookieDatabase::read(path);
        EXPECT_EQ(r.kind, CookieDatabase::Kind::Firefox);
        ASSERT_EQ(r.cookies.size(), 2) << qPrintable(r.problem);
        const auto* s = named(r.cookies, "secure");
        EXPECT_EQ(s->fileHost, c.host) << c.schema.userVersion;
        EXPECT_EQ(s->expiryUnix, 1830000000) << c.schema.userVersion;
        EXPECT_EQ(s->secureValue, "YES");
        EXPECT_TRUE(s->httpOnly);
        EXPECT_EQ(s->fileValue, "1");
        EXPECT_TRUE(named(r.cookies, "session")->expiredDate.isNull());
        EXPECT_EQ(named(r.cookies, "session")->secureValue, "NO");
    }
    // An expiry no calendar holds still gives a text, never a wrapped date.
    FirefoxCookie forever;
    forever.expiry = std::numeric_limits<qint64>::max();
    const QString path = root.file("forever.sqlite");
    ASSERT_TRUE(writeFirefoxDatabase(path, {forever}));
    const auto r = CookieDatabase::read(path);
    ASSERT_EQ(r.cookies.size(), 1);
    EXPECT_EQ(r.cookies[0].expiredDate, "Unkown Date");
}

TEST(CookieDatabase, ReaderChosenByTablesAndBadFilesSaySo) {
    TempRoot root;
    const QString firefox = root.file("cookies.sqlite");
    ASSERT_TRUE(writeFirefoxDatabase(firefox, {FirefoxCookie{}}));
    // A Firefox database handed to the Chrome reader is refused, not read as an empty table.
    EXPECT_FALSE(CookieDatabase::ReadCookDatabaseFileWithPath(firefox).problem.isEmpty());
    EXPECT_EQ(CookieDatabase::read(firefox).cookies.size(), 1);

    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(root.file("other.db")).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE notes(x)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    sqlite3_open(QFile::encodeName(root.file("odd.db")).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE cookies(x)", nullptr, nullptr, nullptr);  // unknown schema
    sqlite3_close(db);
    QFile text(root.file("text.db"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some text, longer than a header");
    text.close();
    QFile chrome(root.file("Cookies"));
    ASSERT_TRUE(writeChromeDatabase(chrome.fileName(), demoChromeCookies()));
    ASSERT_TRUE(chrome.open(QIODevice::ReadOnly));
    const QByteArray whole = chrome.readAll();
    QFile truncated(root.file("truncated.db"));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    truncated.write(whole.left(whole.size() / 3));
    truncated.close();
    QFile mangled(root.file("mangled.db"));
    ASSERT_TRUE(mangled.open(QIODevice::WriteOnly));
    QByteArray bent = whole;
    for (qsizetype i = 100; i < bent.size(); i += 97) bent[i] = char(bent[i] ^ 0x5a);
    mangled.write(bent);
    mangled.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.file("fifo.db")).constData(), 0600), 0);

    for (const char* name : {"other.db", "odd.db", "text.db", "truncated.db", "mangled.db", "fifo.db"}) {
        const QString path = root.file(name);
        const QByteArray before = digest(path);
        const auto r = CookieDatabase::read(path);
        EXPECT_FALSE(r.problem.isEmpty()) << name;
        EXPECT_EQ(digest(path), before) << name;  // the file left unchanged
    }
    const auto missing = CookieDatabase::read(root.file("missing"));
    EXPECT_FALSE(missing.opened);
    EXPECT_TRUE(missing.problem.isEmpty());
}

TEST(CookieDatabase, ALockedDatabaseIsReadFromAPrivateCopyAndLeftAlone) {
    TempRoot root;
    const QString path = root.file("Cookies");
    ASSERT_TRUE(writeChromeDatabase(path, demoChromeCookies()));
    sqlite3* browser = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &browser), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(browser,
                           "PRAGMA journal_mode=WAL; PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                           "DELETE FROM cookies WHERE name='prefs'; COMMIT;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const QByteArray before = digest(path);
    const auto r = CookieDatabase::read(path);
    EXPECT_TRUE(r.fromCopy);
    // What the browser committed to its log is seen in the copy.
    EXPECT_EQ(r.cookies.size(), demoChromeCookies().size() - 8) << qPrintable(r.problem);
    EXPECT_EQ(digest(path), before);
    sqlite3_close(browser);
}

TEST(CookieDatabase, ReadingChangesNothing) {
    TempRoot root;
    const QString path = root.file("cookies.sqlite");
    ASSERT_TRUE(writeFirefoxDatabase(path, demoFirefoxCookies()));
    const QByteArray before = digest(path);
    EXPECT_EQ(CookieDatabase::read(path).cookies.size(), demoFirefoxCookies().size());
    EXPECT_EQ(digest(path), before);
    EXPECT_FALSE(QFile::exists(path + "-wal"));
}

}  // namespace
