// corvane-cli cookies on the freedesktop demo home: list, both exports, removal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "support/CookieFixtures.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct Cli {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};  // the login corvane-cli finds
    Cli() { sandbox.buildLinuxDemo(); }
    struct Result {
        int status;
        QByteArray out, err;
    };
    Result run(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("CORVANE_LAYOUT"));
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.path() + QStringLiteral("/config"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVANE_CLI_PATH), args);
        p.closeWriteChannel();
        if (!p.waitForFinished(60000)) return {-1, {}, {}};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
};

TEST(CookieCli, ListExportAndRemoveEachSource) {
    Cli cli;
    const int count = int(CookieFixtures::demoChromeCookies().size());
    const QString binary = cli.sandbox.linuxPaths()->documentsFolder() + "/Cookies.binarycookies";
    for (const QString& source : {QStringLiteral("chrome"), QStringLiteral("firefox"), binary}) {
        const auto listed = cli.run({"cookies", "list", "--source", source, "--json"});
        ASSERT_EQ(listed.status, 0) << listed.err.constData();
        EXPECT_EQ(QJsonDocument::fromJson(listed.out).array().size(), count) << qPrintable(source);
        const auto text = cli.run({"cookies", "list", "--source=" + source});
        EXPECT_EQ(text.out.count('\n'), count);
    }
    EXPECT_NE(cli.run({"cookies", "list", "--source", "safari"}).status, 0);  // no binary file in this layout
    EXPECT_EQ(cli.run({"cookies", "list"}).status, 2);
    EXPECT_EQ(cli.run({"cookies", "list", "--source", "chrome", "--bogus"}).status, 2);

    const QString jar = cli.root.file("jar.txt");
    auto exported = cli.run({"cookies", "export", "--netscape", "--source", "chrome", "--to", jar});
    ASSERT_EQ(exported.status, 0) << exported.err.constData();
    QFile file(jar);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), count + 2);  // the header and its empty line
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(jar).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    exported = cli.run({"cookies", "export", "--source", "firefox"});
    ASSERT_EQ(exported.status, 0) << exported.err.constData();
    EXPECT_TRUE(exported.out.trimmed().endsWith("Downloads/com.Nordquil.Zelmark/cookiedata.txt"));

    EXPECT_NE(cli.run({"cookies", "remove", "--source", "firefox"}).status, 0);  // no answer: nothing removed
    EXPECT_EQ(cli.run({"cookies", "list", "--source", "firefox"}).out.count('\n'), count);
    for (const QString& source : {QStringLiteral("chrome"), QStringLiteral("firefox"), binary}) {
        const auto removed = cli.run({"--yes", "cookies", "remove", "--source", source});
        EXPECT_EQ(removed.status, 0) << removed.err.constData();
        EXPECT_TRUE(cli.run({"cookies", "list", "--source", source}).out.isEmpty()) << qPrintable(source);
    }
}

TEST(CookieCli, RemoveFailsWhenATriggerKeptTheRows) {
    Cli cli;
    struct Case {
        const char* file;
        const char* table;
    };
    for (const Case& c : {Case{"Cookies", "cookies"}, Case{"cookies.sqlite", "moz_cookies"}}) {
        SCOPED_TRACE(c.file);
        const QString path = cli.root.file(c.file);
        ASSERT_TRUE(QByteArray(c.table) == "cookies"
                        ? CookieFixtures::writeChromeDatabase(path, CookieFixtures::demoChromeCookies())
                        : CookieFixtures::writeFirefoxDatabase(path, CookieFixtures::demoFirefoxCookies()));
        ASSERT_TRUE(CookieFixtures::addDeleteTrigger(path, c.table, "SELECT RAISE(IGNORE)"));
        const auto removed = cli.run({"--yes", "cookies", "remove", "--source", path});
        EXPECT_EQ(removed.status, 1);
        EXPECT_TRUE(removed.err.contains("are still there")) << removed.err.constData();
        EXPECT_FALSE(cli.run({"cookies", "list", "--source", path}).out.isEmpty());
    }
}

QStringList hosts(const QByteArray& json) {
    QStringList out;
    for (const auto& row : QJsonDocument::fromJson(json).array()) out << row.toObject()["host"].toString();
    return out;
}

TEST(CookieCli, RemovalAimedBySiteAndNameSparesTheKeepList) {
    Cli cli;
    const int count = int(CookieFixtures::demoChromeCookies().size());
    EXPECT_EQ(cli.run({"cookies", "remove", "--source", "chrome", "--keep-list", "--dry-run"}).status, 1);
    const auto kept = cli.run({"cookies", "keep", "add", "www.mail.example"});
    ASSERT_EQ(kept.status, 0) << kept.err.constData();
    EXPECT_EQ(kept.out, "mail.example\n");
    EXPECT_EQ(cli.run({"cookies", "keep", "list"}).out, "mail.example\n");
    EXPECT_EQ(cli.run({"cookies", "keep", "add", "bad host"}).status, 2);
    EXPECT_EQ(cli.run({"cookies", "keep"}).status, 2);

    struct Step {
        QStringList args;
        QByteArray lines;
        int left;
    };
    const Step steps[] = {
        {{"--site", "shop.example", "--dry-run"}, "removed\t%1\t4\n", count},
        {{"--site", "shop.example", "--site=news.example", "--name", "prefs"}, "removed\t%1\t2\n", count - 2},
        {{"--site", "mail.example"}, "removed\t%1\t0\nkept\t%1\t4\n", count - 2},
        {{"--keep-list"}, "removed\t%1\t26\nkept\t%1\t4\n", 4},
    };
    const QString path =
        QString::fromUtf8(cli.run({"cookies", "remove", "--dry-run", "--source", "chrome"}).out)
            .section('\t', 1, 1);
    ASSERT_TRUE(path.endsWith("/Network/Cookies")) << qPrintable(path);
    for (const Step& step : steps) {
        SCOPED_TRACE(qPrintable(step.args.join(' ')));
        const auto removed =
            cli.run(QStringList{"--yes", "cookies", "remove", "--source", "chrome"} + step.args);
        EXPECT_EQ(removed.status, 0) << removed.err.constData();
        EXPECT_EQ(removed.out, QString::fromUtf8(step.lines).arg(path).toUtf8());
        const auto listed = cli.run({"cookies", "list", "--source", "chrome", "--json"});
        EXPECT_EQ(hosts(listed.out).size(), step.left);
    }
    const auto listed = cli.run({"cookies", "list", "--source", "chrome", "--json"});
    for (const auto& row : QJsonDocument::fromJson(listed.out).array()) {
        EXPECT_EQ(row.toObject()["site"].toString(), "mail.example");
        EXPECT_TRUE(row.toObject()["kept"].toBool());
    }
    // Off the list, the last of them go with a plain removal.
    EXPECT_EQ(cli.run({"cookies", "keep", "remove", "mail.example"}).status, 0);
    EXPECT_TRUE(cli.run({"cookies", "keep", "list"}).out.isEmpty());
    EXPECT_EQ(cli.run({"--yes", "cookies", "remove", "--source", "chrome"}).status, 0);
    EXPECT_TRUE(hosts(cli.run({"cookies", "list", "--source", "chrome", "--json"}).out).isEmpty());
}

TEST(CookieCli, RemovalRefusesWhileTheBrowserRunsUnlessForced) {
    Cli cli;
    // A process the kernel names "chromium", as the browser's own.
    const QString fake = cli.root.file("chromium");
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), fake));
    QProcess browser;
    browser.start(fake, {"60"});
    ASSERT_TRUE(browser.waitForStarted());
    const auto refused = cli.run({"--yes", "cookies", "remove", "--source", "chrome"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("keeps its cookies in memory")) << refused.err.constData();
    EXPECT_EQ(cli.run({"cookies", "remove", "--dry-run", "--source", "chrome"}).status, 1);
    EXPECT_EQ(cli.run({"cookies", "list", "--source", "chrome"}).out.count('\n'),
              CookieFixtures::demoChromeCookies().size());
    const auto forced = cli.run({"--yes", "cookies", "remove", "--force", "--source", "chrome"});
    EXPECT_EQ(forced.status, 0) << forced.err.constData();
    EXPECT_TRUE(cli.run({"cookies", "list", "--source", "chrome"}).out.isEmpty());
    // Another browser's store is not held back by it.
    EXPECT_EQ(cli.run({"--yes", "cookies", "remove", "--source", "firefox"}).status, 0);
    browser.kill();
    browser.waitForFinished();
}

TEST(CookieCli, ProfilesOutsideTheHomeAndUndecryptableExportsAreSaid) {
    Cli cli;
    const QString ini = cli.sandbox.linuxPaths()->userHome() + "/.mozilla/firefox/profiles.ini";
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Profile0]\nName=away\nIsRelative=0\nPath=/etc\nDefault=1\n");
    file.close();
    const auto listed = cli.run({"cookies", "list", "--source", "firefox"});
    EXPECT_EQ(listed.status, 1);
    EXPECT_TRUE(listed.err.contains("outside your home folder")) << listed.err.constData();

    const QString locked = cli.root.file("Locked");
    QList<CookieFixtures::ChromeCookie> rows(3);
    for (auto& r : rows) r.encrypted = CookieFixtures::ChromeCookie::Encrypted::Garbage;
    ASSERT_TRUE(CookieFixtures::writeChromeDatabase(locked, rows));
    for (const char* format : {"--netscape", "--json"}) {
        const QString to = cli.root.file(QStringLiteral("out%1").arg(format));
        const auto exported = cli.run({"cookies", "export", format, "--source", locked, "--to", to});
        EXPECT_EQ(exported.status, 1) << format;
        EXPECT_TRUE(exported.err.contains("None of the 3 cookies could be decrypted"))
            << exported.err.constData();
        EXPECT_FALSE(QFile::exists(to));
    }
    // JSON of the selection: readable by the user only, with the new fields.
    const QString json = cli.root.file("news.json");
    const auto exported = cli.run(
        {"cookies", "export", "--json", "--source", "chrome", "--site", "news.example", "--to", json});
    ASSERT_EQ(exported.status, 0) << exported.err.constData();
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(json).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QFile written(json);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QJsonArray rowsOut = QJsonDocument::fromJson(written.readAll()).array();
    ASSERT_EQ(rowsOut.size(), 4);
    EXPECT_TRUE(rowsOut[0].toObject().contains("sameSite"));
    EXPECT_TRUE(rowsOut[0].toObject()["partition"].isNull());
}

}  // namespace
