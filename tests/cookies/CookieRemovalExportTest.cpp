#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "cookies/BinaryCookieReader.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieExport.h"
#include "cookies/CookieRemoval.h"
#include "support/CookieFixtures.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

int rows(const QString& path, const char* table) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    int n = -1;
    if (sqlite3_prepare_v2(db, (QByteArray("SELECT count(*) FROM ") + table).constData(), -1, &st, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int mode(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

TEST(CookieRemoval, EachKindRemovedAndCompacted) {
    TempRoot root;
    const QString chrome = root.file("Cookies");
    const QString firefox = root.file("cookies.sqlite");
    QList<ChromeCookie> many;
    for (int i = 0; i < 40; ++i) many += demoChromeCookies();
    ASSERT_TRUE(writeChromeDatabase(chrome, many));
    ASSERT_TRUE(writeFirefoxDatabase(firefox, demoFirefoxCookies()));
    const qint64 sizeBefore = QFileInfo(chrome).size();

    auto r = CookieRemoval::removeDatabaseCookies(chrome, CookieDatabase::Kind::Chrome);
    EXPECT_EQ(r.outcome, CookieRemoval::Outcome::Removed) << qPrintable(r.problem);
    EXPECT_TRUE(r.compacted);
    EXPECT_EQ(rows(chrome, "cookies"), 0);
    EXPECT_EQ(rows(chrome, "meta"), 2);  // only the cookies go
    EXPECT_LT(QFileInfo(chrome).size(), sizeBefore);

    r = CookieRemoval::removeDatabaseCookies(firefox, CookieDatabase::Kind::Firefox);
    EXPECT_EQ(r.outcome, CookieRemoval::Outcome::Removed);
    EXPECT_EQ(rows(firefox, "moz_cookies"), 0);

    // A file that does not hold the table the scan showed is not touched.
    ASSERT_TRUE(writeFirefoxDatabase(firefox, demoFirefoxCookies()));
    EXPECT_EQ(CookieRemoval::removeDatabaseCookies(firefox, CookieDatabase::Kind::Chrome).outcome,
              CookieRemoval::Outcome::Failed);
    EXPECT_EQ(rows(firefox, "moz_cookies"), demoFirefoxCookies().size());
    EXPECT_EQ(CookieRemoval::removeDatabaseCookies(root.file("none"), CookieDatabase::Kind::Chrome).outcome,
              CookieRemoval::Outcome::NothingThere);
    EXPECT_FALSE(QFile::exists(root.file("none")));  // never created

    const QString binary = root.file("Cookies.binarycookies");
    QFile f(binary);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(binaryFileOf(demoBinaryCookies()));
    f.close();
    ::chmod(QFile::encodeName(binary).constData(), 0640);
    r = CookieRemoval::replaceBinaryFile(binary, CookieRemoval::sampleCookies());
    EXPECT_EQ(r.outcome, CookieRemoval::Outcome::Removed);
    EXPECT_EQ(contents(binary), BinaryCookieReader::emptyFile());
    EXPECT_EQ(CookieRemoval::sampleCookies(), BinaryCookieReader::emptyFile());
    EXPECT_EQ(mode(binary), 0640);
    EXPECT_TRUE(BinaryCookieReader::ReadCookBinaryFileWithPath(binary).cookies.isEmpty());
    EXPECT_EQ(CookieRemoval::replaceBinaryFile(binary, QByteArray()).outcome, CookieRemoval::Outcome::Failed);
}

TEST(CookieRemoval, ALockedDatabaseIsReportedAndKeepsItsRows) {
    TempRoot root;
    const QString chrome = root.file("Cookies");
    ASSERT_TRUE(writeChromeDatabase(chrome, demoChromeCookies()));
    sqlite3* browser = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(chrome).constData(), &browser), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(browser, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto r = CookieRemoval::removeDatabaseCookies(chrome, CookieDatabase::Kind::Chrome);
    sqlite3_exec(browser, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(browser);
    EXPECT_NE(r.outcome, CookieRemoval::Outcome::Removed);
    EXPECT_TRUE(r.problem.contains("close the browser and try again")) << qPrintable(r.problem);
    EXPECT_EQ(rows(chrome, "cookies"), demoChromeCookies().size());
}

TEST(CookieRemoval, RowsATriggerKeptAreCountedAndReportedAsNotRemoved) {
    struct Case {
        const char* what;
        CookieDatabase::Kind kind;
        QByteArray action, when;
        bool some;  ///< only some rows are kept
    };
    const Case cases[] = {
        {"chrome, every row ignored", CookieDatabase::Kind::Chrome, "SELECT RAISE(IGNORE)", {}, false},
        {"chrome, one path ignored", CookieDatabase::Kind::Chrome, "SELECT RAISE(IGNORE)",
         "OLD.path = '/account'", true},
        {"chrome, the delete aborted",
         CookieDatabase::Kind::Chrome,
         "SELECT RAISE(ABORT, 'kept')",
         {},
         false},
        {"firefox, every row ignored", CookieDatabase::Kind::Firefox, "SELECT RAISE(IGNORE)", {}, false},
        {"firefox, the delete failed",
         CookieDatabase::Kind::Firefox,
         "SELECT RAISE(FAIL, 'kept')",
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempRoot root;
        const bool chrome = c.kind == CookieDatabase::Kind::Chrome;
        const QString path = root.file(chrome ? "Cookies" : "cookies.sqlite");
        const char* table = chrome ? "cookies" : "moz_cookies";
        ASSERT_TRUE(chrome ? writeChromeDatabase(path, demoChromeCookies())
                           : writeFirefoxDatabase(path, demoFirefoxCookies()));
        ASSERT_TRUE(addDeleteTrigger(path, table, c.action, c.when));
        const int before = rows(path, table);
        const auto r = CookieRemoval::removeDatabaseCookies(path, c.kind);
        const int left = rows(path, table);
        EXPECT_EQ(r.outcome, CookieRemoval::Outcome::Failed);
        EXPECT_GT(left, 0);
        if (c.some) {
            EXPECT_LT(left, before);
        } else {
            EXPECT_EQ(left, before);
        }
        EXPECT_TRUE(r.problem.contains(path)) << qPrintable(r.problem);
        if (c.action.contains("IGNORE")) {
            EXPECT_TRUE(r.problem.startsWith(QString::number(left) + " cookie(s)")) << qPrintable(r.problem);
        }
    }
}

PRCookFileNode record(const char* host, const char* name, const char* value, bool secure = false) {
    PRCookFileNode c;
    c.fileHost = QString::fromUtf8(host);
    c.fileName = QString::fromUtf8(name);
    c.filePath = QStringLiteral("/");
    if (value) c.fileValue = QString::fromUtf8(value);
    if (secure) c.secureValue = QStringLiteral("YES");
    return c;
}

TEST(CookieExport, TextFileLinesModeAndReplacement) {
    EXPECT_EQ(PRRtfController::lineFor(record(".shop.test", "sid", "x1")),
              "Website:.shop.test  Name:sid  Secure:NO  Path:/  Value:x1  ");
    EXPECT_EQ(PRRtfController::lineFor(record(".a", "n", nullptr, true)),
              "Website:.a  Name:n  Secure:YES  Path:/  Value:(null)  ");

    TempRoot root;
    const QString file = root.file("cookiedata.txt");
    PRRtfController empty;
    ASSERT_TRUE(empty.writeRtfInPath(root.path(), "Note"));
    EXPECT_EQ(contents(file), QByteArray());
    EXPECT_EQ(mode(file), 0600);

    PRRtfController builder;
    builder.addRtfContent(PRRtfController::lineFor(record(".é.test", "n", "v")));
    builder.addRtfContent(PRRtfController::lineFor(record(".b", "m", "w")));
    ASSERT_TRUE(builder.writeRtfInPath(root.path(), "Note"));
    EXPECT_EQ(contents(file), QString("Website:.é.test  Name:n  Secure:NO  Path:/  Value:v  \n\n"
                                      "Website:.b  Name:m  Secure:NO  Path:/  Value:w  \n\n")
                                  .toUtf8());
    EXPECT_EQ(mode(file), 0600);
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left
    EXPECT_FALSE(builder.writeRtfInPath(root.file("no/such/folder"), "Note"));
}

TEST(CookieExport, NetscapeFileThatCurlReads) {
    PRCookFileNode httpOnly = record(".example.com", "sid", "abc", true);
    httpOnly.httpOnly = true;
    httpOnly.expiryUnix = 1830000000;
    PRCookFileNode session = record("host.example.org", "n", "v");
    session.filePath = QString();
    PRCookFileNode encrypted = record(".x.test", "e", "<763130aa>");
    encrypted.undecryptable = true;
    PRCookFileNode tab = record(".x.test", "t", "a\tb");
    int leftOut = -1;
    const QByteArray text = CookieExport::netscapeText({httpOnly, session, encrypted, tab}, &leftOut);
    EXPECT_EQ(leftOut, 2);
    EXPECT_EQ(text,
              "# Netscape HTTP Cookie File\n\n"
              "#HttpOnly_.example.com\tTRUE\t/\tTRUE\t1830000000\tsid\tabc\n"
              "host.example.org\tFALSE\t/\tFALSE\t0\tn\tv\n");
    int none = -1;
    EXPECT_EQ(CookieExport::netscapeText({}, &none), "# Netscape HTTP Cookie File\n\n");
    EXPECT_EQ(none, 0);

    const QString curl = QStandardPaths::findExecutable("curl");
    if (curl.isEmpty()) GTEST_SKIP() << "curl is not installed";
    TempRoot root;
    ASSERT_TRUE(CookieExport::writePrivateFile(root.file("cookies.txt"), text));
    QProcess p;
    p.start(curl, {"-s", "-b", root.file("cookies.txt"), "-c", root.file("jar.txt"), "file:///dev/null"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QByteArray jar = contents(root.file("jar.txt"));
    EXPECT_TRUE(jar.contains("#HttpOnly_.example.com\tTRUE\t/\tTRUE\t1830000000\tsid\tabc"))
        << jar.constData();
    EXPECT_TRUE(jar.contains("host.example.org\tFALSE\t/\tFALSE\t0\tn\tv")) << jar.constData();
}

}  // namespace
