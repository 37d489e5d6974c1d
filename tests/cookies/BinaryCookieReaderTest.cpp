#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <ctime>

#include "cookies/BinaryCookieReader.h"
#include "cookies/CookieText.h"
#include "support/CookieFixtures.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

BinaryCookie cookie(const char* host, const char* name, const char* value, quint32 flags = 0) {
    return {host, name, "/", value, flags, 700000000.0};
}

QStringList names(const CookieList& list) {
    QStringList out;
    for (const auto& c : list) out << c.fileName;
    return out;
}

TEST(BinaryCookieReader, PagesAndRecordsInFileOrder) {
    const QByteArray r1 = binaryRecord(cookie(".a.test", "one", "1"));
    const QByteArray r2 = binaryRecord(cookie(".a.test", "two", "2"));
    const QByteArray r3 = binaryRecord(cookie(".b.test", "three", "3"));
    const QByteArray r4 = binaryRecord(cookie(".b.test", "four", "4"));
    struct Case {
        const char* what;
        QList<QByteArray> pages;
        QStringList expected;
    } cases[] = {
        {"two pages of two", {binaryPage({r1, r2}), binaryPage({r3, r4})}, {"one", "two", "three", "four"}},
        {"an empty page first", {binaryPage({}), binaryPage({r3, r4})}, {"three", "four"}},
        {"an empty page between", {binaryPage({r1}), binaryPage({}), binaryPage({r4})}, {"one", "four"}},
        {"no pages", {}, {}},
    };
    for (const Case& c : cases) {
        const auto result = BinaryCookieReader::parse(binaryFile(c.pages));
        EXPECT_EQ(names(result.cookies), c.expected) << c.what;
        EXPECT_EQ(result.dropped, 0) << c.what;
    }
    // Offsets and sizes point at the records themselves.
    const QByteArray file = binaryFile({binaryPage({r1, r2})});
    const auto result = BinaryCookieReader::parse(file);
    ASSERT_EQ(result.cookies.size(), 2);
    for (const auto& c : result.cookies)
        EXPECT_EQ(file.mid(qsizetype(c.cookieStartOffSet), c.cookieLength), c.fileName == "one" ? r1 : r2);
}

TEST(BinaryCookieReader, FlagsSecureAndHttpOnlyApart) {
    const struct {
        quint32 flags;
        const char* secure;
        bool httpOnly;
    } cases[] = {{0, "NO", false}, {1, "YES", false}, {4, "NO", true}, {5, "YES", true}, {8, "NO", false}};
    for (const auto& c : cases) {
        const auto r = BinaryCookieReader::parse(
            binaryFile({binaryPage({binaryRecord(cookie(".x", "n", "v", c.flags))})}));
        ASSERT_EQ(r.cookies.size(), 1);
        EXPECT_EQ(r.cookies[0].secureValue, c.secure) << c.flags;
        EXPECT_EQ(r.cookies[0].httpOnly, c.httpOnly) << c.flags;
    }
}

TEST(BinaryCookieReader, TextsExpiryAndInvalidUtf8) {
    BinaryCookie bad = cookie(".shop.test", "s\xff\xfe", "abc");
    const auto r = BinaryCookieReader::parse(binaryFile({binaryPage({binaryRecord(bad)})}));
    ASSERT_EQ(r.cookies.size(), 1);
    const auto& c = r.cookies[0];
    EXPECT_EQ(c.fileHost, ".shop.test");
    EXPECT_TRUE(c.fileName.isEmpty());  // not UTF-8: empty, the rest unaffected
    EXPECT_EQ(c.filePath, "/");
    EXPECT_EQ(c.fileValue, "abc");
    ASSERT_TRUE(c.expiryUnix.has_value());
    EXPECT_EQ(*c.expiryUnix, 700000000 + 978307200);
    EXPECT_EQ(c.expiredDate, *CookieText::GetDateTime(*c.expiryUnix));
}

TEST(BinaryCookieReader, HostileRecordsAndPagesEndCleanly) {
    const QByteArray good1 = binaryRecord(cookie(".a", "first", "1"));
    const QByteArray good2 = binaryRecord(cookie(".a", "last", "2"));
    const QByteArray texts("h\0n\0p\0v\0", 8);
    struct Case {
        const char* what;
        QByteArray middle;
        QStringList expected;
        int dropped;
    } cases[] = {
        {"name offset not above host", rawRecord(0, 0, 60, 56, 62, 62, texts), {"first", "last"}, 1},
        {"value offset past the record", rawRecord(0, 0, 56, 58, 60, 4000, texts), {"first", "last"}, 1},
        {"host offset inside the header", rawRecord(0, 0, 8, 58, 60, 62, texts), {"first", "last"}, 1},
        {"negative offsets", rawRecord(0, 0, 0xfffffff0, 58, 60, 62, texts), {"first", "last"}, 1},
        {"size 0 ends the page",
         rawRecord(0, 0, 0, 0, 0, 0, QByteArray()).replace(0, 4, QByteArray(4, '\0')),
         {"first"},
         0},
        {"size below the header ends the page", rawRecord(40, 0, 56, 58, 60, 62, texts), {"first"}, 0},
        {"size past the page ends it", rawRecord(100000, 0, 56, 58, 60, 62, texts), {"first"}, 0},
    };
    for (const Case& c : cases) {
        const QByteArray file = binaryFile({binaryPage({good1, c.middle, good2}), binaryPage({good2})});
        const auto r = BinaryCookieReader::parse(file);
        // The second page is still read whole: its place comes from the page table.
        EXPECT_EQ(names(r.cookies), c.expected + QStringList{"last"}) << c.what;
        EXPECT_EQ(r.dropped, c.dropped) << c.what;
    }
}

TEST(BinaryCookieReader, CountsPastTheFileReadNothing) {
    const QByteArray page = binaryPage({binaryRecord(cookie(".a", "n", "v"))});
    QByteArray hugeCount = page;
    hugeCount.replace(4, 4, QByteArray("\xff\xff\xff\x3f", 4));  // a billion offsets
    struct Case {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"page count past the end", binaryFile({page}, 0x7fffffff)},
        {"negative page count", binaryFile({page}, -3)},
        {"cookie count past the page", binaryFile({hugeCount})},
        {"magic only", QByteArray("cook")},
        {"empty", QByteArray()},
    };
    for (const Case& c : cases) EXPECT_TRUE(BinaryCookieReader::parse(c.file).cookies.isEmpty()) << c.what;
}

TEST(BinaryCookieReader, TruncatedAndFuzzedFilesNeverCrash) {
    QList<BinaryCookie> cookies;
    for (int i = 0; i < 30; ++i) cookies << cookie(".fuzz.test", "n", "value");
    const QByteArray file = binaryFileOf(cookies, 7);
    ASSERT_EQ(BinaryCookieReader::parse(file).cookies.size(), 30);
    for (qsizetype cut = 0; cut < file.size(); cut += 3)
        EXPECT_LE(BinaryCookieReader::parse(file.left(cut)).cookies.size(), 30);
    QRandomGenerator random(1234);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bent = file;
        for (int flips = 0; flips < 6; ++flips)
            bent[random.bounded(int(bent.size()))] = char(random.bounded(256));
        BinaryCookieReader::parse(bent);  // the sanitizers are the check: no read outside the file
    }
}

TEST(BinaryCookieReader, ReadsOnlyRegularFiles) {
    TempRoot root;
    const QString fifo = root.file("Cookies.binarycookies");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto fromFifo = BinaryCookieReader::ReadCookBinaryFileWithPath(fifo);  // must not block
    EXPECT_FALSE(fromFifo.opened);
    EXPECT_FALSE(fromFifo.problem.isEmpty());
    EXPECT_FALSE(BinaryCookieReader::ReadCookBinaryFileWithPath(root.file("missing")).opened);
    // Not checked for its magic when read by path: a file whose bytes form records is read.
    QByteArray other = binaryFile({binaryPage({binaryRecord(cookie(".a", "n", "v"))})});
    other.replace(0, 4, "xxxx");
    QFile f(root.file("other"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(other);
    f.close();
    EXPECT_EQ(BinaryCookieReader::ReadCookBinaryFileWithPath(root.file("other")).cookies.size(), 1);
}

TEST(CookieText, DateTextsAgreeWithTheCLibraryAcrossZonesAndChanges) {
    const QByteArray previous = qgetenv("TZ");
    for (const char* zone :
         {"UTC", "Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe", "Asia/Kolkata"}) {
        qputenv("TZ", zone);
        tzset();
        // Around a spring and an autumn change, far dates, and before 1990 (shown 31 years later).
        for (const qint64 t :
             {1711846799LL, 1711846800LL, 1711850400LL, 1729990799LL, 1729994400LL, 0LL, -86400LL,
              489024000LL, 631152000LL, 1830000000LL, 4102444800LL, 1814623500LL}) {
            const time_t tt = time_t(t);
            struct tm parts {};
            ASSERT_TRUE(localtime_r(&tt, &parts));
            char expected[64];
            const int year = parts.tm_year + 1900 < 1990 ? parts.tm_year + 1900 + 31 : parts.tm_year + 1900;
            std::snprintf(expected, sizeof expected, "%02d-%02d-%04d %02d:%02d", parts.tm_mon + 1,
                          parts.tm_mday, year, parts.tm_hour, parts.tm_min);
            EXPECT_EQ(CookieText::GetDateTime(t), QString::fromLatin1(expected)) << zone << ' ' << t;
        }
    }
    qputenv("TZ", previous);
    tzset();
}

TEST(CookieText, DatesDescriptionsAndTimes) {
    qputenv("TZ", "UTC");
    tzset();
    EXPECT_EQ(CookieText::GetDateTime(1814623500), "07-03-2027 14:05");
    EXPECT_EQ(CookieText::GetDateTime(489024000)->right(10).left(4), "2016");  // 1985 shows as 2016
    EXPECT_EQ(CookieText::GetNSStringDate(std::nullopt), "Unkown Date");
    EXPECT_EQ(CookieText::dataDescription(QByteArray("\x76\x31\x30\x01\xff", 5)), "<76313001 ff>");
    EXPECT_EQ(CookieText::dataDescription(QByteArray("\x01\x02\x03\x04", 4)), "<01020304>");
    EXPECT_EQ(CookieText::fromChromeTime(chromeTime(1830000000)), 1830000000);
    EXPECT_FALSE(CookieText::fromChromeTime(0).has_value());
    EXPECT_FALSE(CookieText::fromReferenceDate(std::nan("")).has_value());
    EXPECT_EQ(CookieText::GetStringFormChar("ab\0cd", 5), "ab");
    qunsetenv("TZ");
    tzset();
}

}  // namespace
