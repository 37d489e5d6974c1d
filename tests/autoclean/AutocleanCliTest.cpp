#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "platform/Defaults.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct Cli {
    int status;
    QString out;
    QString err;
};

/// A sandbox with a Trash of a few files and a settings store for corvane-cli.
struct AutocleanSandbox {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString trash = sandbox.paths().userTrash();
    QString settings = root.file(QStringLiteral("config/Corvane/Corvane.conf"));

    AutocleanSandbox() {
        sandbox.writeSizedFile(trash + "/big.bin", 20000);
        sandbox.writeFile(trash + "/Folder/inner.txt", "inner");
    }
    /// Sets keys as the program would have stored them, on disk.
    void store(const QList<QPair<QString, QVariant>>& values) const {
        Defaults d(settings);
        for (const auto& [key, value] : values) d.setObject(key, value);
        d.synchronize();
    }
    Defaults stored() const { return Defaults(settings); }

    Cli run(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("config")));
        // No desktop: the announcement must be skipped quietly, never posted from a test.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + root.file("no-bus"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVANE_CLI_PATH), args);
        p.closeWriteChannel();  // a question meets the end of input: the answer is " Cancel "
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    bool trashHasItems() const {
        return !QDir(trash).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
    }
};

TEST(AutocleanCli, StatusShowsTheSettingsAsLoadedTheTrashAndWhenEachConditionFallsDue) {
    AutocleanSandbox s;
    const QDateTime last = QDateTime::currentDateTimeUtc().addDays(-3);
    s.store({{"AutoTrashTime", "YES"},
             {"CleanTimeF", "Two Weeks"},
             {"BAutoTrashStorage", "YES"},
             {"TrashStorage", QVariant::fromValue<quint64>(1000)},
             {"BShowWarning", "NO"},
             {"LastCleanDate", last},
             {"LastsCleanTrashData", "3.21MB"}});
    const Cli r = s.run({"autoclean", "status"});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("time condition:   on, every Two Weeks\n")) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains("size condition:   on, at 1.00KB (1000 bytes)\n"));
    EXPECT_TRUE(r.out.contains("ask before:       no\n"));
    EXPECT_TRUE(r.out.contains("next by size:     due now\n"));
    EXPECT_TRUE(
        r.out.contains("next by time:     " + last.addDays(14).toString("yyyy-MM-dd HH:mm:ss 'UTC'") + "\n"));
    EXPECT_TRUE(r.out.contains(", 3.21MB before emptying\n"));
    EXPECT_TRUE(s.trashHasItems());  // status changes nothing

    // As the panel loads them: an unknown period shows "Monthly", a lower-case yes is off.
    s.store({{"CleanTimeF", "Weekly"}, {"BAutoTrashStorage", "yes"}, {"AutoTrashTime", "NO"}});
    const Cli loaded = s.run({"autoclean", "status"});
    EXPECT_TRUE(loaded.out.contains("time condition:   off, every Monthly\n")) << qPrintable(loaded.out);
    EXPECT_TRUE(loaded.out.contains("next by size:     off\n"));
    EXPECT_TRUE(loaded.out.contains("next by time:     off\n"));

    EXPECT_EQ(s.run({"autoclean"}).status, 2);
    EXPECT_EQ(s.run({"autoclean", "sweep"}).status, 2);
}

TEST(AutocleanCli, CheckAsksEmptiesWithYesAndKeepsEverythingWhenDeclined) {
    AutocleanSandbox s;
    const QDateTime recent = QDateTime::currentDateTimeUtc().addSecs(-60);
    s.store({{"BAutoTrashStorage", "YES"},
             {"TrashStorage", QVariant::fromValue<quint64>(1000)},
             {"BShowWarning", "YES"},
             {"LastCleanDate", recent}});

    // No answer on the terminal: declined, nothing removed, the date kept, the size text kept.
    const Cli declined = s.run({"autoclean", "check"});
    EXPECT_EQ(declined.status, 1);
    EXPECT_TRUE(declined.err.contains("Are you sure you want to remove all items in the Trash ?"));
    EXPECT_TRUE(declined.out.contains("size condition: due\n"));
    EXPECT_TRUE(s.trashHasItems());
    EXPECT_EQ(s.stored().dateForKey("LastCleanDate").toSecsSinceEpoch(), recent.toSecsSinceEpoch());
    const QString before = s.stored().stringForKey("LastsCleanTrashData");
    EXPECT_TRUE(before.endsWith("KB")) << qPrintable(before);

    const Cli yes = s.run({"--yes", "autoclean", "check"});
    ASSERT_EQ(yes.status, 0) << qPrintable(yes.err);
    EXPECT_FALSE(s.trashHasItems());
    EXPECT_GT(s.stored().dateForKey("LastCleanDate"), recent);
    EXPECT_EQ(s.stored().stringForKey("LastsCleanTrashData"), before);  // measured just before emptying
    EXPECT_TRUE(yes.out.contains("emptied the Trash (" + before + " before emptying)"));

    // Now below the threshold and within the period: nothing to do, no question.
    s.sandbox.writeFile(s.trash + "/new.txt", "x");
    s.store({{"TrashStorage", QVariant::fromValue<quint64>(100000000)}});
    const Cli idle = s.run({"autoclean", "check"});
    EXPECT_EQ(idle.status, 0);
    EXPECT_TRUE(idle.out.contains("nothing to do"));
    EXPECT_FALSE(idle.err.contains("Are you sure"));
    EXPECT_TRUE(s.trashHasItems());
}

TEST(AutocleanCli, CheckKeepsWhatTheRulesProtectAsTheOtherEmptyingsDo) {
    AutocleanSandbox s;
    const QString notes = s.sandbox.writeFile(s.trash + "/notes.txt", "mine");
    const QString upper = s.sandbox.writeFile(s.trash + "/PLAN.TXT", "mine too");
    s.store({{"BAutoTrashStorage", "YES"},
             {"TrashStorage", QVariant::fromValue<quint64>(1000)},
             {"BShowWarning", "YES"},
             {"LastCleanDate", QDateTime::currentDateTimeUtc().addSecs(-60)},
             {"FileFormatData", QStringList{"txt"}}});

    const Cli yes = s.run({"--yes", "autoclean", "check"});
    ASSERT_EQ(yes.status, 0) << qPrintable(yes.err);
    EXPECT_TRUE(yes.out.contains("size condition: due\n")) << qPrintable(yes.out);
    EXPECT_TRUE(yes.out.contains("emptied the Trash")) << qPrintable(yes.out);
    // The unprotected items went, the two protected ones stayed and are listed.
    QStringList left = QDir(s.trash).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{"PLAN.TXT", "notes.txt"}));
    EXPECT_TRUE(yes.out.contains("protected\t" + notes + "\t")) << qPrintable(yes.out);
    EXPECT_TRUE(yes.out.contains("protected\t" + upper + "\t")) << qPrintable(yes.out);
}

TEST(AutocleanCli, CheckOnAFreshStoreStartsTheClockInsteadOfEmptying) {
    AutocleanSandbox s;
    const Cli r = s.run({"autoclean", "check"});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("time condition: not due"));
    EXPECT_TRUE(s.trashHasItems());
    const Defaults d = s.stored();
    EXPECT_TRUE(d.dateForKey("LastCleanDate").isValid());
    EXPECT_EQ(d.unsignedForKey("TrashStorage"), 500000000u);
    EXPECT_EQ(d.stringForKey("BShowWarning"), QStringLiteral("YES"));
}

}  // namespace
