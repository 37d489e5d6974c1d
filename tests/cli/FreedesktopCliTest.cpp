// corvane-cli on a freedesktop home: the layout it picks when CORVANE_LAYOUT is not set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>

#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct LinuxCli {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString home = sandbox.linuxPaths()->userHome();
    QString trash = sandbox.linuxPaths()->userTrashFolder();
    LinuxCli() { sandbox.buildLinuxDemo(); }

    struct Result {
        int status;
        QString out;
        QString err;
    };
    Result run(const QStringList& args) const { return start(QStringLiteral(CORVANE_CLI_PATH), args); }
    Result start(const QString& program, const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("CORVANE_LAYOUT"));
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.path() + QStringLiteral("/config"));
        p.setProcessEnvironment(env);
        p.start(program, args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    static QStringList left(const QString& folder) { return sortedEntries(folder); }
    /// Runs corvane-cli through the shell, so `script` can build arguments byte by byte ("$0" is it).
    Result runShell(const QString& script) const {
        return start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"), script, QStringLiteral(CORVANE_CLI_PATH)});
    }
};

TEST(FreedesktopCli, NamesThatAreNotUtf8AreShownEscapedAndReachTheFilesWhole) {
    LinuxCli c;
    const QByteArray trashFiles = QFile::encodeName(c.trash + "/files");
    ASSERT_TRUE(QFile(QFile::decodeName(trashFiles + "/plain-for-listing")).open(QIODevice::WriteOnly));
    for (const QByteArray& name : {QByteArray("caf\xe9.txt"), QByteArray("erase \xff")}) {
        FILE* f = std::fopen((trashFiles + '/' + name).constData(), "w");
        ASSERT_TRUE(f);
        std::fputs("data", f);
        std::fclose(f);
    }
    const auto listed = c.run({"trash", "list"});
    EXPECT_TRUE(listed.out.contains("caf\\xE9.txt")) << qPrintable(listed.out);
    // Deleted by its name, erased by its path, each given as raw bytes.
    EXPECT_EQ(c.runShell(R"sh(exec "$0" --yes trash delete "$(printf 'caf\351.txt')")sh").status, 0);
    const auto erased =
        c.runShell(QStringLiteral(R"sh(exec "$0" --yes erase -- "%1/$(printf 'erase \377')")sh")
                       .arg(QFile::decodeName(trashFiles)));
    EXPECT_EQ(erased.status, 0) << qPrintable(erased.err);
    struct stat st;
    EXPECT_NE(::lstat((trashFiles + "/caf\xe9.txt").constData(), &st), 0);
    EXPECT_NE(::lstat((trashFiles + "/erase \xff").constData(), &st), 0);
}

TEST(FreedesktopCli, ListsPutsBackDeletesAndEmptiesKeepingInfoFilesInStep) {
    LinuxCli c;
    const auto list = c.run({"trash", "list"});
    ASSERT_EQ(list.status, 0) << qPrintable(list.err);
    EXPECT_TRUE(
        list.out.contains("notes.2.txt\t12.00bytes\t12\t420(rwrr)\t" + c.home + "/Documents/notes.txt\t"));
    EXPECT_TRUE(list.out.contains(".bashrc.old\t"));
    EXPECT_TRUE(list.out.contains("lost-record.log\t26.00bytes\t26\t420(rwrr)\t--\t"));
    EXPECT_TRUE(list.out.contains("slides.pdf\t6.00bytes\t6\t420(rwrr)\t" + c.root.path() + "/media/"));
    EXPECT_FALSE(list.out.contains("vanished.txt"));

    const auto back = c.run({"trash", "putback", "notes.2.txt"});
    EXPECT_EQ(back.status, 0) << qPrintable(back.err);
    EXPECT_TRUE(QFile::exists(c.home + "/Documents/notes.txt"));
    EXPECT_FALSE(QFile::exists(c.trash + "/info/notes.2.txt.trashinfo"));

    EXPECT_EQ(c.run({"trash", "delete", "Budget 2026.ods"}).status, 0);
    EXPECT_FALSE(QFile::exists(c.trash + "/info/Budget 2026.ods.trashinfo"));

    // A folder of mode 755 in a volume's Trash is left for the administrator's pass, with its record.
    const auto emptied = c.run({"--yes", "trash", "empty"});
    EXPECT_EQ(emptied.status, 1) << qPrintable(emptied.err);
    EXPECT_TRUE(c.left(c.trash + "/files").isEmpty());
    EXPECT_TRUE(c.left(c.trash + "/info").isEmpty());  // the orphaned record went too
    EXPECT_FALSE(QFile::exists(c.trash + "/directorysizes"));
    EXPECT_TRUE(QFile::exists(c.home + "/Desktop/todo.txt"));
    const QString usbTrash = c.root.path() + "/media/" + c.sandbox.linuxPaths()->loginName() +
                             "/USB/.Trash-" + QString::number(c.sandbox.linuxPaths()->uid());
    EXPECT_EQ(c.left(usbTrash + "/files"), QStringList{"Old backups"});
    EXPECT_EQ(c.left(usbTrash + "/info"), QStringList{"Old backups.trashinfo"});
    EXPECT_TRUE(c.run({"trash", "list"}).out.startsWith("Old backups\t"));
}

TEST(FreedesktopCli, PutBackLeavesAVolumeOnlyWithForce) {
    LinuxCli c;
    const auto paths = c.sandbox.linuxPaths();
    const QString usbTrash =
        c.root.path() + "/media/" + paths->loginName() + "/USB/.Trash-" + QString::number(paths->uid());
    const QString homeInRecord = c.home.mid(c.root.path().size());
    const QString autostart = c.home + "/.config/autostart/x.desktop";
    struct Case {
        QStringList args;
        int status;
        bool back;
        const char* said;
    };
    const Case cases[] = {
        {{"trash", "putback", "x.desktop"}, 1, false, "(--force puts it back there)"},
        {{"trash", "putback", "slides.pdf"}, 0, true, ""},  // inside its volume: no --force needed
        {{"trash", "putback", "--force", "x.desktop"}, 0, true, ""},
    };
    c.sandbox.trashItem(usbTrash, "x.desktop", homeInRecord + "/.config/autostart/x.desktop");
    for (const Case& cs : cases) {
        SCOPED_TRACE(qPrintable(cs.args.join(' ')));
        const auto run = c.run(cs.args);
        EXPECT_EQ(run.status, cs.status) << qPrintable(run.err);
        EXPECT_TRUE(run.err.contains(QLatin1String(cs.said))) << qPrintable(run.err);
        const QString name = cs.args.last();
        EXPECT_EQ(QFile::exists(usbTrash + "/files/" + name), !cs.back);
    }
    EXPECT_TRUE(QFile::exists(autostart));
    EXPECT_EQ(c.run({"trash", "delete", "--force", "slides.pdf"}).status, 2);  // only put back takes it
}

}  // namespace
