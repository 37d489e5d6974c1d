// Removal a user aims: by site and name, the keep-list spared, one store of each kind, and the
// sites cookies are grouped by.
#include <gtest/gtest.h>

#include <QFile>

#include "cookies/BinaryCookieReader.h"
#include "cookies/BinaryCookieRewrite.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieRemoval.h"
#include "cookies/CookieSites.h"
#include "support/CookieFixtures.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

struct Store {
    CookieRemoval::Store kind;
    QString path;
    CookieList read() const {
        if (kind == CookieRemoval::Store::Binary)
            return BinaryCookieReader::ReadCookBinaryFileWithPath(path).cookies;
        return CookieDatabase::read(path).cookies;
    }
};

QList<Store> demoStores(const TempRoot& root) {
    const Store chrome{CookieRemoval::Store::Chrome, root.file("Cookies")};
    const Store firefox{CookieRemoval::Store::Firefox, root.file("cookies.sqlite")};
    const Store binary{CookieRemoval::Store::Binary, root.file("Cookies.binarycookies")};
    writeChromeDatabase(chrome.path, demoChromeCookies());
    writeFirefoxDatabase(firefox.path, demoFirefoxCookies());
    QFile f(binary.path);
    if (f.open(QIODevice::WriteOnly)) f.write(binaryFileOf(demoBinaryCookies(), 3));  // records across pages
    return {chrome, firefox, binary};
}

QStringList keys(const CookieList& list) {
    QStringList out;
    for (const auto& c : list) out << c.fileHost + '|' + c.fileName + '|' + c.fileValue;
    return out;
}

TEST(CookieAimedRemoval, OnlyTheChosenCookiesGoFromEachKindOfStore) {
    TempRoot root;
    const QStringList keepList{"mail.example"};
    struct Aim {
        QStringList sites;
        QString name;
        int gone;
    };
    const Aim aims[] = {{{"news.example"}, {}, 4},
                        {{"www.shop.example"}, "prefs", 1},
                        {{}, "_ga", 6}};  // news.example's went first
    for (const Store& store : demoStores(root)) {
        SCOPED_TRACE(qPrintable(store.path));
        for (const Aim& aim : aims) {
            const CookieList before = store.read();
            const auto plan = CookieSites::plan(CookieSites::pick(before, aim.sites, aim.name), keepList);
            ASSERT_EQ(plan.remove.size(), aim.gone);
            const auto result = CookieRemoval::remove(store.kind, store.path, plan.remove, false);
            ASSERT_EQ(result.outcome, CookieRemoval::Outcome::Removed) << qPrintable(result.problem);
            EXPECT_EQ(result.removed, aim.gone);
            QStringList expected = keys(before);
            for (const QString& k : keys(plan.remove)) expected.removeOne(k);
            EXPECT_EQ(keys(store.read()), expected);  // the rest as it was, in its order
        }
        // "_ga" of mail.example was spared; a second pass finds nothing of what went.
        EXPECT_EQ(CookieSites::pick(store.read(), {"mail.example"}, "_ga").size(), 1);
        EXPECT_TRUE(CookieSites::pick(store.read(), {"news.example"}, {}).isEmpty());
    }
}

TEST(CookieAimedRemoval, RowsTheBrowserChangedOrARuleKeptAreNotCountedAsGone) {
    TempRoot root;
    const QList<Store> stores = demoStores(root);
    const Store& chrome = stores[0];
    CookieList chosen = CookieSites::pick(chrome.read(), {"bank.example"}, {});
    ASSERT_EQ(chosen.size(), 4);
    chosen[0].fileName = "renamed-since";  // the row now holds another cookie: it stays
    ASSERT_TRUE(addDeleteTrigger(chrome.path, "cookies", "SELECT RAISE(IGNORE)", "old.name = 'prefs'"));
    const auto result = CookieRemoval::remove(chrome.kind, chrome.path, chosen, false);
    EXPECT_EQ(result.outcome, CookieRemoval::Outcome::Failed);
    EXPECT_TRUE(result.problem.contains("are still there")) << qPrintable(result.problem);
    EXPECT_EQ(CookieSites::pick(chrome.read(), {"bank.example"}, {}).size(), 2);  // session_id and prefs

    // A binary file that changed since it was read loses nothing it did not show.
    const Store& binary = stores[2];
    CookieList stale = CookieSites::pick(binary.read(), {"wiki.example"}, {});
    stale[1].fileValue = "another value";
    int removed = -1;
    QFile f(binary.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rewritten = BinaryCookieRewrite::without(f.readAll(), stale, &removed);
    EXPECT_EQ(removed, 3);
    EXPECT_EQ(BinaryCookieReader::parse(rewritten).cookies.size(), demoBinaryCookies().size() - 3);
}

TEST(CookieAimedRemoval, TheChecksumBeforeTheFooterIsMadeAnew) {
    // A page of two records, then the checksum, the footer's magic and what follows it.
    QList<QByteArray> records;
    for (const char* name : {"a", "b"}) records << binaryRecord({".x.test", name, "/", "v", 0, 9e8});
    const QByteArray page = binaryPage(records);
    QByteArray file = binaryFile({page});
    file.chop(8);  // the fixture's own footer
    auto sumOf = [](const QByteArray& p) {
        quint32 s = 0;
        for (qsizetype i = 0; i < p.size(); i += 4) s += uchar(p[i]);
        return QByteArray::fromHex(QByteArray::number(s, 16).rightJustified(8, '0'));
    };
    file += sumOf(page) + QByteArray("\x07\x17\x20\x05\0\0\0\x4b", 8) + "plist";
    const CookieList read = BinaryCookieReader::parse(file).cookies;
    const QByteArray out = BinaryCookieRewrite::without(file, {read[0]});
    const QByteArray newPage = binaryPage({records[1]});
    EXPECT_TRUE(out.endsWith(sumOf(newPage) + QByteArray("\x07\x17\x20\x05\0\0\0\x4b", 8) + "plist"));
    EXPECT_EQ(BinaryCookieReader::parse(out).cookies.size(), 1);
    EXPECT_EQ(
        BinaryCookieRewrite::without(file, read),
        QByteArray("cook\0\0\0\0", 8) + sumOf({}) + QByteArray("\x07\x17\x20\x05\0\0\0\x4b", 8) + "plist");
}

TEST(CookieSites, HostsGroupBySiteAndTheKeepListSparesWholeSites) {
    struct Case {
        const char* host;
        const char* site;
    };
    const Case cases[] = {{"www.news.example.co.uk", "example.co.uk"},
                          {".Shop.Example.COM.", "example.com"},
                          {"a.b.github.io", "b.github.io"},
                          {"127.0.0.1", "127.0.0.1"},
                          {"localhost", "localhost"},
                          {"co.uk", "co.uk"},
                          {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(CookieSites::siteOf(c.host), c.site) << c.host;

    const QStringList keep{"example.com"};
    for (const auto& [host, kept] :
         std::initializer_list<std::pair<const char*, bool>>{{".example.com", true},
                                                             {"mail.example.com", true},
                                                             {"badexample.com", false},
                                                             {"example.com.evil.test", false},
                                                             {"com", false}})
        EXPECT_EQ(CookieSites::isKept(host, keep), kept) << host;

    CookieList cookies;
    for (const char* host : {".example.com", "www.example.com", "other.test", "x.other.test", "third.test"}) {
        PRCookFileNode c;
        c.fileHost = host;
        cookies << c;
    }
    cookies[1].expiryUnix = 2000000000;
    const auto sites = CookieSites::group(cookies, keep);
    ASSERT_EQ(sites.size(), 3);
    EXPECT_EQ(sites[0].name, "example.com");
    EXPECT_EQ(sites[0].rows, QList<int>({0, 1}));
    EXPECT_TRUE(sites[0].kept);
    EXPECT_EQ(sites[0].latestExpiry, 2000000000);
    EXPECT_FALSE(sites[1].kept);
    const auto plan = CookieSites::plan(cookies, keep);
    EXPECT_EQ(plan.remove.size(), 3);
    EXPECT_EQ(plan.sites, 2);
    EXPECT_EQ(plan.kept, 2);
}

}  // namespace
