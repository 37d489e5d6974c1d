// corvane-cli cookies on the freedesktop demo home: list, both exports, removal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
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

}  // namespace
