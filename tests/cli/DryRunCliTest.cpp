// --dry-run on the verbs that remove, erase or move: the lines it prints are the real run's, and it
// changes nothing on disk (settings, databases and the Trash's records included).
#include <gtest/gtest.h>

#include <QProcess>
#include <functional>

#include "support/HostileFs.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

/// corvane-cli on the freedesktop demo under `root`, with nothing on standard input: a question
/// asked finds no answer.
Run cli(const QString& root, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("CORVANE_LAYOUT"));
    env.insert(QStringLiteral("CORVANE_ROOT"), root);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(root);
    p.start(QStringLiteral(CORVANE_CLI_PATH), args);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

struct Case {
    QStringList args;       ///< the real run's verb and arguments ("--yes" is added before them)
    int at;                 ///< where "--dry-run" goes: after the verb, or after its sub-verb
    int status;             ///< of both runs
    int lines;              ///< lines both print
    const char* prefix;     ///< each line begins with it
    QStringList prepare{};  ///< run first, before the snapshot
};

struct Demo {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString home = sandbox.linuxPaths()->userHome();
    Demo() {
        sandbox.buildLinuxDemo();
        sandbox.writeFile("pick/secret.txt", "secret");
        sandbox.writeFile("pick/folder/a.txt", "a");
        sandbox.writeSizedFile("pick/folder/deeper/b.bin", 100000);
        EXPECT_EQ(cli(root.path(), {"desktop", "store-location", home + "/Tidy"}).status, 0);
    }
};

/// Each case on a fresh demo: the dry run changes nothing, the real run prints the same lines,
/// which it returns.
QStringList check(const Case& c) {
    Demo d;
    QStringList args;
    for (const QString& a : c.args) args << QString(a).replace("{home}", d.home);
    const QString what = args.join(' ');
    if (!c.prepare.isEmpty()) cli(d.root.path(), c.prepare);
    // Any listing brings the Trash's size cache up to date: it is fresh before the snapshot.
    cli(d.root.path(), {"trash", "list"});
    const QByteArray before = HostileFs::treeDigest(d.root.path());
    QStringList dryArgs = args;
    dryArgs.insert(c.at, QStringLiteral("--dry-run"));
    const Run dry = cli(d.root.path(), dryArgs);
    EXPECT_EQ(HostileFs::treeDigest(d.root.path()), before) << qPrintable(what) << " changed something";
    const Run real = cli(d.root.path(), QStringList{"--yes"} + args);
    EXPECT_EQ(dry.status, c.status) << qPrintable(what) << '\n' << qPrintable(dry.err);
    EXPECT_EQ(real.status, c.status) << qPrintable(what) << '\n' << qPrintable(real.err);
    EXPECT_EQ(dry.out, real.out) << qPrintable(what);
    const QStringList lines = real.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), c.lines) << qPrintable(what) << '\n' << qPrintable(real.out);
    for (const QString& line : lines) EXPECT_TRUE(line.startsWith(c.prefix)) << qPrintable(line);
    if (c.lines > 0) {
        EXPECT_NE(HostileFs::treeDigest(d.root.path()), before) << qPrintable(what);
    }
    return lines;
}

TEST(DryRunCli, TrashDeleteAndShredPrintWhatTheyWouldRemove) {
    // Any listing brings the Trash's size cache up to date: it is fresh before the snapshot.
    const QStringList list{"trash", "list"};
    const Case cases[] = {
        {{"trash", "delete", "Budget 2026.ods"}, 2, 0, 1, "removed\t", list},
        {{"trash", "shred", "Camera roll"}, 2, 0, 1, "erased\t", list},  // a folder
        {{"trash", "delete", "notes.txt", "Ünïcode & spaces #1.txt"}, 2, 0, 2, "removed\t", list},
        {{"trash", "delete", "notes.txt", "no-such"}, 2, 1, 1, "removed\t", list},
        {{"trash", "shred", "no-such"}, 2, 1, 0, "", list},
        {{"trash", "delete", "--match", "notes*", "{home}/Documents/Budget*"}, 2, 0, 3, "removed\t", list},
    };
    for (const Case& c : cases) check(c);
}

TEST(DryRunCli, EraseAsksNothingAndPrintsWhatItWouldErase) {
    const Case cases[] = {
        {{"erase", "pick/secret.txt", "pick/folder"}, 1, 0, 2, "erased\t"},
        {{"erase", "pick/secret.txt", "pick/missing"}, 1, 0, 1, "erased\t"},  // passed over
        {{"erase", "{home}"}, 1, 1, 0, ""},                                   // no erase may touch the home
        {{"erase", "pick/folder/", "{home}"}, 1, 1, 1, "erased\t"},
    };
    for (const Case& c : cases) check(c);
}

TEST(DryRunCli, DesktopTidyRestoreAndDeleteMoveNothing) {
    const QStringList tidy{"desktop", "tidy"};
    const Case cases[] = {
        {tidy, 2, 1, -1, "moved\t"},  // "Meeting notes.txt" is taken in the store
        {{"desktop", "restore", "todo.txt", "Meeting notes.txt"}, 2, 1, 1, "moved\t", tidy},
        {{"desktop", "restore", "todo.txt", "../escape"}, 2, 1, 1, "moved\t", tidy},
        {{"desktop", "delete", "todo.txt", "not-stored"}, 2, 1, 1, "removed\t", tidy},
    };
    for (Case c : cases) {
        if (c.lines < 0) {
            // As many lines as the Desktop has visible items that the store does not have.
            Demo d;
            c.lines = cli(d.root.path(), {"desktop", "tidy", "--dry-run"}).out.count('\n');
            ASSERT_GT(c.lines, 1);
        }
        check(c);
    }
}

TEST(DryRunCli, CookiesRemoveCountsWhatItWouldRemove) {
    const Case cases[] = {
        {{"cookies", "remove", "--source", "chrome"}, 2, 0, 1, "removed\t"},
        {{"cookies", "remove", "--source", "firefox"}, 2, 0, 1, "removed\t"},
        {{"cookies", "remove", "--source", "{home}/Documents/Cookies.binarycookies"}, 2, 0, 1, "removed\t"},
        {{"cookies", "remove", "--source", "{home}/Desktop/todo.txt"}, 2, 1, 0, ""},  // no cookie file
    };
    for (const Case& c : cases) {
        // "removed", the file, and how many cookies it held.
        for (const QString& line : check(c)) {
            const QStringList fields = line.split('\t');
            ASSERT_EQ(fields.size(), 3) << qPrintable(line);
            EXPECT_TRUE(fields[1].startsWith('/')) << qPrintable(line);
            EXPECT_GT(fields[2].toInt(), 0) << qPrintable(line);
        }
    }
}

}  // namespace

namespace {

TEST(DryRunCli, TrashPutPutBackAndUndoPrintWhatTheyWouldMove) {
    const QStringList putSecret{"trash", "put", "pick/secret.txt"};
    const Case cases[] = {
        {{"trash", "put", "pick/secret.txt", "pick/folder"}, 2, 0, 2, "trashed\t"},
        {{"trash", "put", "pick/secret.txt", "pick/missing", "{home}"}, 2, 1, 1, "trashed\t"},
        {{"trash", "putback", "secret.txt"}, 2, 0, 1, "/", putSecret},
        {{"trash", "undo"}, 2, 0, 1, "restored\t", putSecret},
    };
    for (const Case& c : cases) check(c);

    // A taken place: Replace trashes what is there first, and says so on the same terms.
    Demo d;
    ASSERT_EQ(cli(d.root.path(), putSecret).status, 0);
    d.sandbox.writeFile("pick/secret.txt", "written since");
    cli(d.root.path(), {"trash", "list"});
    const QByteArray before = HostileFs::treeDigest(d.root.path());
    const auto dry = cli(d.root.path(), {"trash", "putback", "--replace", "--dry-run", "secret.txt"});
    EXPECT_EQ(HostileFs::treeDigest(d.root.path()), before);
    const auto real = cli(d.root.path(), {"trash", "putback", "--replace", "secret.txt"});
    EXPECT_EQ(real.status, 0) << qPrintable(real.err);
    EXPECT_EQ(dry.out, real.out);
    EXPECT_TRUE(real.out.startsWith("trashed\t")) << qPrintable(real.out);
    EXPECT_EQ(real.out.count('\n'), 2);
}

}  // namespace
