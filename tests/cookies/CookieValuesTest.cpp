// What a cookie is beyond its name and value: bytes that are not text, partitions, SameSite, the
// host a Firefox row belongs to, and values a wrong key only seems to decrypt.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cookies/BinaryCookieReader.h"
#include "cookies/ChromeDecryptor.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieExport.h"
#include "support/CookieFixtures.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

const PRCookFileNode* named(const CookieList& list, const QString& name) {
    for (const auto& c : list)
        if (c.fileName == name) return &c;
    return nullptr;
}

// The same cookies from each source: "raw" with bytes that are not UTF-8, "slash" with a backslash
// among them, "empty" with a real empty value.
CookieList readEach(const QString& kind, const QString& folder) {
    const QByteArray raw(
        "\xff\xfe"
        "ab",
        4);
    const QByteArray slash("a\\\x80", 3);
    if (kind == "chrome" || kind == "chrome-plain") {
        QList<ChromeCookie> rows(3);
        rows[0].name = "raw", rows[0].value = raw;
        rows[1].name = "slash", rows[1].value = slash;
        rows[2].name = "empty", rows[2].value = "";
        for (auto& r : rows)
            if (kind == "chrome-plain") r.encrypted = ChromeCookie::Encrypted::None;
        writeChromeDatabase(folder + "/Cookies", rows);
        return CookieDatabase::read(folder + "/Cookies").cookies;
    }
    if (kind == "firefox") {
        QList<FirefoxCookie> rows(3);
        rows[0].name = "raw", rows[0].value = raw;
        rows[1].name = "slash", rows[1].value = slash;
        rows[2].name = "empty", rows[2].value = "";
        writeFirefoxDatabase(folder + "/cookies.sqlite", rows);
        return CookieDatabase::read(folder + "/cookies.sqlite").cookies;
    }
    QList<BinaryCookie> rows(3);
    for (auto& r : rows) r.host = ".example.com", r.path = "/", r.expiry = 9e8;
    rows[0].name = "raw", rows[0].value = raw;
    rows[1].name = "slash", rows[1].value = slash;
    rows[2].name = "empty", rows[2].value = "";
    return BinaryCookieReader::parse(binaryFileOf(rows)).cookies;
}

TEST(CookieValues, BytesThatAreNotTextAreShownEscapedAndExportedAsTheyAre) {
    for (const QString kind : {"chrome", "chrome-plain", "firefox", "binary"}) {
        SCOPED_TRACE(qPrintable(kind));
        TempRoot root;
        const CookieList cookies = readEach(kind, root.path());
        ASSERT_EQ(cookies.size(), 3);
        EXPECT_EQ(named(cookies, "raw")->fileValue, QStringLiteral("\\xff\\xfeab"));
        EXPECT_EQ(named(cookies, "raw")->valueBytes, QByteArray("\xff\xfe"
                                                                "ab",
                                                                4));
        EXPECT_EQ(named(cookies, "slash")->fileValue, QStringLiteral("a\\\\\\x80"));
        EXPECT_TRUE(named(cookies, "empty")->fileValue.isEmpty());
        EXPECT_TRUE(named(cookies, "empty")->valueBytes.isEmpty());
        int leftOut = -1;
        const QByteArray text = CookieExport::netscapeText(cookies, &leftOut);
        EXPECT_EQ(leftOut, 0);
        EXPECT_TRUE(
            text.contains(QByteArray("\traw\t\xff\xfe"
                                     "ab\n",
                                     10)))
            << text.toHex().constData();
        EXPECT_TRUE(text.contains(QByteArray("\tslash\ta\\\x80\n", 11)));
        const QJsonObject json = CookieExport::jsonOf(*named(cookies, "raw"));
        EXPECT_EQ(QByteArray::fromBase64(json["valueBytes"].toString().toLatin1()), QByteArray("\xff\xfe"
                                                                                               "ab",
                                                                                               4));
        EXPECT_FALSE(CookieExport::jsonOf(*named(cookies, "empty")).contains("valueBytes"));
    }
}

TEST(CookieValues, PartitionAndSameSiteAreReadShownAndKeptOutOfCookiesTxt) {
    TempRoot root;
    QList<ChromeCookie> chrome(3);
    chrome[0].name = "first", chrome[0].sameSite = 1;
    chrome[1].name = "third", chrome[1].topFrameSiteKey = "https://top.example", chrome[1].sameSite = 0;
    chrome[2].name = "strict", chrome[2].sameSite = 2;
    ASSERT_TRUE(writeChromeDatabase(root.file("Cookies"), chrome));
    QList<FirefoxCookie> firefox(3);
    firefox[0].name = "first", firefox[0].sameSite = 1;
    firefox[1].name = "third", firefox[1].originAttributes = "^partitionKey=%28https%2Ctop.example%29";
    firefox[2].name = "strict", firefox[2].sameSite = 2,
    firefox[2].originAttributes = "^userContextId=2&partitionKey=%28https%2Ctop.example%2C8443%29";
    ASSERT_TRUE(writeFirefoxDatabase(root.file("cookies.sqlite"), firefox));

    struct Expected {
        const char* name;
        const char* sameSite;
        const char* chromePartition;
        const char* firefoxPartition;
    };
    const Expected expected[] = {{"first", "Lax", "", ""},
                                 {"third", "None", "https://top.example", "https://top.example"},
                                 {"strict", "Strict", "", "https://top.example:8443"}};
    for (const bool isFirefox : {false, true}) {
        SCOPED_TRACE(isFirefox ? "firefox" : "chrome");
        const auto read = CookieDatabase::read(root.file(isFirefox ? "cookies.sqlite" : "Cookies"));
        ASSERT_EQ(read.cookies.size(), 3);
        for (const Expected& e : expected) {
            const PRCookFileNode* c = named(read.cookies, e.name);
            EXPECT_EQ(c->sameSite, e.sameSite) << e.name;
            EXPECT_EQ(c->partition, isFirefox ? e.firefoxPartition : e.chromePartition) << e.name;
            const QJsonObject o = CookieExport::jsonOf(*c);
            EXPECT_EQ(o["sameSite"].toString(), e.sameSite);
            EXPECT_EQ(o["partition"].isNull(), c->partition.isEmpty());
        }
        int leftOut = -1, partitioned = -1;
        const QByteArray text = CookieExport::netscapeText(read.cookies, &leftOut, &partitioned);
        EXPECT_EQ(leftOut, 0);
        EXPECT_EQ(partitioned, isFirefox ? 2 : 1);
        EXPECT_EQ(text.count('\n'), 2 + 3 - partitioned);
        EXPECT_FALSE(text.contains("\tthird\t"));
    }
}

TEST(CookieValues, AHostHashThatDoesNotMatchMakesTheValueUndecryptable) {
    ChromeDecryptor decryptor;
    // 40 bytes of plain text whose start is no hash: what a wrong key that passes the padding gives.
    const QByteArray noHash = encryptV10(QByteArray(40, 'g'), ".a.test", 23);
    const QByteArray forA = encryptV10("secret", ".a.test", 24);
    struct Case {
        const char* what;
        QByteArray encrypted;
        const char* host;
        std::optional<QByteArray> plain;
    };
    const Case cases[] = {{"its own host", forA, ".a.test", QByteArray("secret")},
                          {"another host's row", forA, ".b.test", std::nullopt},
                          {"no hash at all", noHash, ".a.test", std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(decryptor.decrypt(c.encrypted, 24, c.host), c.plain) << c.what;

    // Read from a database: the row is counted as undecryptable, not shown as garbage.
    TempRoot root;
    ChromeCookie moved;
    moved.host = QByteArray(".a.test");
    ASSERT_TRUE(writeChromeDatabase(root.file("Cookies"), {moved}));
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(root.file("Cookies")).constData(), &db);
    sqlite3_exec(db, "UPDATE cookies SET host_key = '.b.test'", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const auto read = CookieDatabase::read(root.file("Cookies"));
    ASSERT_EQ(read.cookies.size(), 1);
    EXPECT_TRUE(read.cookies[0].undecryptable);
    EXPECT_EQ(read.undecryptable, 1);
}

TEST(CookieValues, OldFirefoxRowsKeepTheirOwnHost) {
    TempRoot root;
    FirefoxCookie www;
    www.host = "www.example.org";
    www.baseDomain = QByteArray("example.org");
    FirefoxCookie domain;
    domain.host = ".example.org";
    domain.name = "wide";
    ASSERT_TRUE(writeFirefoxDatabase(root.file("cookies.sqlite"), {www, domain}, FirefoxSchema{true, 9}));
    const auto read = CookieDatabase::read(root.file("cookies.sqlite"));
    ASSERT_EQ(read.cookies.size(), 2);
    EXPECT_EQ(read.cookies[0].fileHost, "www.example.org");
    const QByteArray text = CookieExport::netscapeText(read.cookies);
    EXPECT_TRUE(text.contains("\nwww.example.org\tFALSE\t/\t")) << text.constData();
    EXPECT_TRUE(text.contains("\n.example.org\tTRUE\t/\t")) << text.constData();
}

TEST(CookieValues, AnExportOfOnlyUndecryptableValuesIsRefused) {
    PRCookFileNode locked;
    locked.undecryptable = true;
    PRCookFileNode open;
    const struct {
        CookieList cookies;
        bool refused;
    } cases[] = {{{}, false}, {{locked}, true}, {{locked, locked}, true}, {{locked, open}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(!CookieExport::nothingToExport(c.cookies).isEmpty(), c.refused) << c.cookies.size();
}

TEST(CookieValues, AJsonLineSaysWhatTheJsonObjectSays) {
    PRCookFileNode plain;
    plain.fileHost = ".www.news.example.co.uk";
    plain.fileName = "sid";
    plain.fileValue = "v";
    plain.expiryUnix = 1830000000;
    PRCookFileNode tricky = plain;
    tricky.fileName = QString::fromUtf8("quote\" back\\ tab\t nl\n \x01 é 😀");
    tricky.fileValue = "\\xff";
    tricky.valueBytes = QByteArray("\xff", 1);
    tricky.sameSite = "Lax";
    tricky.partition = "https://top.example";
    tricky.httpOnly = true;
    tricky.secureValue = "YES";
    tricky.expiryUnix.reset();
    PRCookFileNode empty;
    empty.undecryptable = true;
    for (const PRCookFileNode& c : {plain, tricky, empty}) {
        for (const QStringList& keep : {QStringList(), QStringList{"example.co.uk"}}) {
            QJsonParseError error;
            const QJsonDocument line = QJsonDocument::fromJson(CookieExport::jsonLine(c, keep), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << CookieExport::jsonLine(c, keep).constData();
            EXPECT_EQ(line.object(), CookieExport::jsonRow(c, keep))
                << CookieExport::jsonLine(c, keep).constData();
        }
    }
}

}  // namespace
