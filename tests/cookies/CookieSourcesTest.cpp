#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "cookies/CookieManager.h"
#include "cookies/CookieSources.h"
#include "support/CookieFixtures.h"
#include "support/EventWait.h"
#include "support/RecordingWorkspace.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"

using namespace CookieFixtures;

namespace {

TEST(CookieSources, ProfilesIniChoice) {
    TempRoot root;
    SandboxBuilder sandbox(root.path(), "me");
    const auto paths = sandbox.linuxPaths();
    const QString folder = paths->userHome() + "/.mozilla/firefox";
    sandbox.makeFolder(folder + "/inside");
    const struct {
        const char* what;
        QByteArray ini;
        QString expected;  // relative to the firefox folder; empty: none
    } cases[] = {
        {"install default first",
         "[Profile1]\nName=old\nIsRelative=1\nPath=a.old\nDefault=1\n\n[Install4F96D1932A9F858E]\nDefault=b."
         "release\n"
         "Locked=1\n[Profile0]\nName=release\nIsRelative=1\nPath=b.release\n",
         "b.release"},
        {"the Default=1 profile", "[Profile0]\nPath=a.one\n[Profile1]\nPath=b.two\nDefault=1\n", "b.two"},
        {"else the first", "[General]\nStartWithLastProfile=1\n[Profile0]\nPath=only\n", "only"},
        {"absolute path inside the home",
         "[Profile0]\nIsRelative=0\nPath=" + paths->userHome().mid(root.path().size()).toUtf8() +
             "/.mozilla/firefox/inside\n",
         "inside"},
        {"absolute path without IsRelative",
         "[Profile0]\nPath=" + paths->userHome().mid(root.path().size()).toUtf8() +
             "/.mozilla/firefox/inside\n",
         "inside"},
        {"climbing out", "[Profile0]\nIsRelative=1\nPath=../../../../etc\nDefault=1\n", ""},
        {"absolute outside", "[Profile0]\nIsRelative=0\nPath=/etc\n", ""},
        {"garbage", QByteArray("\x01\x02 no sections = here\n[[[\n=\n"), ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        QString refused;
        const QString got = CookieSources::profileFromIni(c.ini, folder, *paths, &refused);
        EXPECT_EQ(got, c.expected.isEmpty() ? QString() : folder + "/" + c.expected) << c.what;
    }
    // A profile folder that is a link out of the home is refused too.
    QFile::link(root.path(), folder + "/escape");
    EXPECT_TRUE(CookieSources::profileFromIni("[Profile0]\nPath=escape\n", folder, *paths).isEmpty());
}

TEST(CookieSources, BrowserDatabasesOfEachLayout) {
    TempRoot root;
    SandboxBuilder sandbox(root.path(), "me");
    const auto linux = sandbox.linuxPaths();
    const QString home = linux->userHome();
    EXPECT_TRUE(CookieSources::chromeCookieFile(*linux).isEmpty());
    sandbox.writeFile(home + "/.config/chromium/Profile 10/Cookies", "x");
    sandbox.writeFile(home + "/.config/chromium/Profile 2/Cookies", "x");
    EXPECT_EQ(CookieSources::chromeCookieFile(*linux), home + "/.config/chromium/Profile 2/Cookies");
    sandbox.writeFile(home + "/.config/google-chrome/Default/Cookies", "x");
    sandbox.writeFile(home + "/.config/google-chrome/Default/Network/Cookies", "x");
    EXPECT_EQ(CookieSources::chromeCookieFile(*linux),
              home + "/.config/google-chrome/Default/Network/Cookies");

    sandbox.writeFile(home + "/snap/firefox/common/.mozilla/firefox/profiles.ini", "[Profile0]\nPath=p\n");
    sandbox.writeFile(home + "/snap/firefox/common/.mozilla/firefox/p/cookies.sqlite", "x");
    EXPECT_EQ(CookieSources::firefoxCookieFile(*linux),
              home + "/snap/firefox/common/.mozilla/firefox/p/cookies.sqlite");
    sandbox.writeFile(home + "/.config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/Fetched\"\n");
    EXPECT_EQ(linux->cookieExportFolder(), home + "/Fetched/com.Nordquil.Zelmark");
    EXPECT_TRUE(linux->safariCookieFile().isEmpty());

    // The mac layout: a "Profiles" folder listed without profiles.ini, hidden entries skipped.
    const MacPaths mac = sandbox.paths();
    const QString profiles = mac.userHome() + "/Library/Application Support/Firefox/Profiles";
    sandbox.writeFile(profiles + "/.DS_Store", "x");
    sandbox.writeFile(profiles + "/abcd.default/cookies.sqlite", "x");
    EXPECT_EQ(CookieSources::firefoxCookieFile(mac), profiles + "/abcd.default/cookies.sqlite");
    EXPECT_EQ(mac.safariCookieFile(), mac.userHome() + "/Library/Cookies/Cookies.binarycookies");
    EXPECT_EQ(mac.cookieExportFolder(), mac.userHome() + "/Downloads/com.Nordquil.Zelmark");
}

struct ManagerFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), "me"};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    std::shared_ptr<RecordingWorkspace> workspace = std::make_shared<RecordingWorkspace>(paths);
    CookieManager manager{paths, alerts, workspace};

    bool settle() {
        return waitUntil([&] { return !manager.isBusy(); });
    }
    QString write(const QString& relative, const QByteArray& data) {
        return sandbox.writeFile(root.file(relative), data);
    }
};

TEST(CookieManager, ChosenFilesByKindAndTheOpenedFilesList) {
    ManagerFixture f;
    const QString binary = f.write("Documents/Cookies.binarycookies", binaryFileOf(demoBinaryCookies()));
    const QString firefox = f.root.file("Documents/cookies.sqlite");
    ASSERT_TRUE(writeFirefoxDatabase(firefox, demoFirefoxCookies()));
    const QString chrome = f.paths->userHome() + "/Library/Application Support/Google/Chrome/Default/Cookies";
    QDir().mkpath(QFileInfo(chrome).absolutePath());
    ASSERT_TRUE(writeChromeDatabase(chrome, demoChromeCookies()));

    // A Firefox database chosen in the panel is read by the Firefox reader.
    ASSERT_TRUE(f.manager.openChosenFile(firefox));
    ASSERT_TRUE(f.settle());
    EXPECT_EQ(f.manager.shown().size(), demoFirefoxCookies().size());
    EXPECT_TRUE(f.manager.isFireFoxCookie());
    EXPECT_EQ(f.manager.shownSource().kind, CookieManager::Source::Kind::Firefox);

    ASSERT_TRUE(f.manager.openChosenFile(binary));
    ASSERT_TRUE(f.settle());
    EXPECT_TRUE(f.manager.isBinaryCookie());
    EXPECT_EQ(f.manager.opened().size(), demoBinaryCookies().size());
    f.manager.ScanChromeCookieFile();
    ASSERT_TRUE(f.settle());
    EXPECT_EQ(f.manager.shown().size(), demoChromeCookies().size());
    EXPECT_EQ(f.manager.opened().size(), demoBinaryCookies().size());  // a source scan leaves the list
    f.manager.showOpenedFiles();
    EXPECT_EQ(f.manager.shown().size(), demoBinaryCookies().size());
    EXPECT_EQ(f.manager.shownSource().path, binary);
    EXPECT_TRUE(f.alerts->asked().isEmpty());

    // Neither kind: one alert, an empty table, no scan pending.
    const QString text = f.write("Documents/notes.txt", "hello, not a cookie file at all");
    EXPECT_FALSE(f.manager.openChosenFile(text));
    EXPECT_TRUE(f.manager.shown().isEmpty());
    EXPECT_FALSE(f.manager.isOpeningFile());
    ASSERT_EQ(f.alerts->asked().size(), 1);
    f.alerts->clear();
    // A database of another kind: decided by its tables, said once, an empty table.
    const QString otherDb = f.root.file("Documents/other.db");
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(otherDb).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE notes(x)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_TRUE(f.manager.openChosenFile(otherDb));
    ASSERT_TRUE(f.settle());
    EXPECT_TRUE(f.manager.shown().isEmpty());
    EXPECT_EQ(f.alerts->asked().size(), 1);
}

TEST(CookieManager, RemovalEmptiesTheTableOnlyWhenDone) {
    ManagerFixture f;
    const QString chrome = f.paths->userHome() + "/Library/Application Support/Google/Chrome/Default/Cookies";
    QDir().mkpath(QFileInfo(chrome).absolutePath());
    ASSERT_TRUE(writeChromeDatabase(chrome, demoChromeCookies()));
    f.manager.ScanChromeCookieFile();
    ASSERT_TRUE(f.settle());
    ASSERT_FALSE(f.manager.shown().isEmpty());

    sqlite3* browser = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(chrome).constData(), &browser), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(browser, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    f.manager.ActRemoveCookieData();
    ASSERT_TRUE(f.settle());
    sqlite3_exec(browser, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(browser);
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_TRUE(f.alerts->asked()[0].informativeText.contains("close the browser and try again"));
    EXPECT_EQ(f.manager.shown().size(), demoChromeCookies().size());  // the table is kept

    // A running browser is warned about; declining leaves everything.
    f.alerts->clear();
    f.workspace->setLaunchedApplications({"chrome"});
    f.alerts->setNextAnswers({Alerts::Alternate});
    f.manager.ActRemoveCookieData();
    ASSERT_TRUE(f.settle());
    EXPECT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.manager.shown().size(), demoChromeCookies().size());
    f.workspace->setLaunchedApplications({});

    f.alerts->clear();
    f.manager.ActRemoveCookieData();
    ASSERT_TRUE(f.settle());
    EXPECT_TRUE(f.alerts->asked().isEmpty());
    EXPECT_TRUE(f.manager.shown().isEmpty());
    f.manager.ScanChromeCookieFile();
    ASSERT_TRUE(f.settle());
    EXPECT_TRUE(f.manager.shown().isEmpty());

    // Before any scan: nothing changes, nothing is said.
    ManagerFixture fresh;
    fresh.manager.ActRemoveCookieData();
    EXPECT_TRUE(fresh.manager.shown().isEmpty());
    EXPECT_TRUE(fresh.alerts->asked().isEmpty());
}

TEST(CookieManager, ExportsWriteRevealAndCountWhatWasLeftOut) {
    ManagerFixture f;
    const QString chrome = f.root.file("Cookies");
    QList<ChromeCookie> rows = demoChromeCookies();
    rows[0].encrypted = ChromeCookie::Encrypted::V11;
    ASSERT_TRUE(writeChromeDatabase(chrome, rows));
    ASSERT_TRUE(f.manager.openChosenFile(chrome));
    ASSERT_TRUE(f.settle());
    f.manager.ActExportCookieData();
    ASSERT_TRUE(f.settle());
    const QString text = f.paths->cookieExportFolder() + "/cookiedata.txt";
    EXPECT_EQ(f.manager.lastExport(), text);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\n\n"), rows.size());
    EXPECT_TRUE(f.workspace->revealedFiles().contains(text));
    f.manager.exportNetscape();
    ASSERT_TRUE(f.settle());
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.alerts->asked()[0].message, "1 cookie left out of the export.");
}

TEST(CookieManager, WhatCanNotBeReadOrExportedIsSaid) {
    ManagerFixture f;
    // A profile profiles.ini places outside the home: said in one alert, not an empty table alone.
    const QString firefox = f.paths->firefoxProfileFolders().first();
    f.sandbox.writeFile(firefox + "/profiles.ini", "[Profile0]\nIsRelative=0\nPath=/etc\nDefault=1\n");
    f.manager.ScanFireFoxCookieFile();
    ASSERT_TRUE(f.settle());
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_TRUE(f.alerts->asked()[0].message.contains("outside your home folder"));
    EXPECT_TRUE(f.manager.shown().isEmpty());

    // Every value undecryptable: no file, and the alert says why.
    f.alerts->clear();
    const QString chrome = f.root.file("Cookies");
    QList<ChromeCookie> rows(2);
    for (auto& r : rows) r.encrypted = ChromeCookie::Encrypted::V11;
    ASSERT_TRUE(writeChromeDatabase(chrome, rows));
    ASSERT_TRUE(f.manager.openChosenFile(chrome));
    ASSERT_TRUE(f.settle());
    for (const bool netscape : {true, false}) {
        netscape ? f.manager.exportNetscape() : f.manager.exportJson();
        ASSERT_TRUE(f.settle());
        EXPECT_TRUE(f.manager.lastExport().isEmpty());
    }
    ASSERT_EQ(f.alerts->asked().size(), 2);
    EXPECT_TRUE(f.alerts->asked()[0].informativeText.startsWith("None of the 2 cookies could be decrypted"));
    EXPECT_FALSE(QFile::exists(f.paths->cookieExportFolder() + "/cookies.txt"));
}

}  // namespace
