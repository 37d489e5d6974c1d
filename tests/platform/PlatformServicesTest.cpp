#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <atomic>
#include <memory>

#include "platform/Appearance.h"
#include "platform/LoginItems.h"
#include "platform/MainThread.h"
#include "platform/NotificationCenter.h"
#include "platform/SystemVersion.h"
#include "platform/Tasks.h"
#include "support/EventWait.h"
#include "support/FixedSystemVersion.h"
#include "support/RecordingTasks.h"
#include "support/ScopedEnv.h"
#include "support/TempRoot.h"

namespace {

TEST(NotificationCenter, ObserversGetTheObjectAndAreDroppedWithTheirOwner) {
    NotificationCenter nc;
    QObject button, other;
    QList<QObject*> seen;
    {
        QObject observer;
        nc.addObserver(&observer, QStringLiteral("PRLeftButtonMouseDown"),
                       [&](const NotificationCenter::Notification& n) { seen << n.object; });
        nc.post(QStringLiteral("PRLeftButtonMouseDown"), &button);
        nc.post(QStringLiteral("PRLeftTipButtonMouseEntered"), &other);
        EXPECT_EQ(seen, QList<QObject*>{&button});
    }
    nc.post(QStringLiteral("PRLeftButtonMouseDown"), &other);  // observer gone: no call
    EXPECT_EQ(seen.size(), 1);
}

void writeEntry(const QString& path, const QString& exec) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Entry]\nType=Application\nName=X\nExec=" + exec.toUtf8() + "\n");
}

TEST(LoginItems, AddingWritesOneEntryAndRemovingRemovesEveryEntryForTheProgram) {
    TempRoot root;
    const QString program = root.file(QStringLiteral("bin dir/Corvane"));
    QDir().mkpath(root.file(QStringLiteral("bin dir")));
    QFile(program).open(QIODevice::WriteOnly);
    const QString autostart = root.file(QStringLiteral("autostart"));
    LoginItems items(autostart, program);

    ASSERT_TRUE(items.addAppAsLoginItem());
    ASSERT_TRUE(items.addAppAsLoginItem());
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(items.entriesForProgram(), QStringList{items.entryPath()});

    // Entries made elsewhere that start the same program, and one that does not.
    writeEntry(autostart + QStringLiteral("/corvane-old.desktop"), LoginItems::execForProgram(program));
    writeEntry(autostart + QStringLiteral("/other.desktop"), QStringLiteral("/usr/bin/other --flag"));
    writeEntry(autostart + QStringLiteral("/Corvane copy.desktop"),
               LoginItems::execForProgram(program) + " --hidden");
    items.deleteAppFromLoginItem();
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files), QStringList{"other.desktop"});
}

TEST(LoginItems, ExecQuotingRoundTrips) {
    // A line break in the path stays inside the one Exec line: read raw it would start keys of its own.
    for (const QString& p :
         {QStringLiteral("/opt/Corvane"), QStringLiteral("/home/a b/100% \"x\"/$HOME\\Corvane"),
          QStringLiteral("/tmp/x\nHidden=true\r\n[Other]\tCorvane\\n")}) {
        const QString exec = LoginItems::execForProgram(p);
        EXPECT_FALSE(exec.contains(QLatin1Char('\n')) || exec.contains(QLatin1Char('\r')))
            << exec.toStdString();
        EXPECT_EQ(LoginItems::programOfExec(exec), p);
    }
    EXPECT_EQ(LoginItems::programOfExec(QStringLiteral("\"/a\\sb\\tc\"")), QStringLiteral("/a b\tc"));
    EXPECT_EQ(LoginItems::programOfExec(QStringLiteral("/usr/bin/corvane %U")),
              QStringLiteral("/usr/bin/corvane"));
}

TEST(Appearance, DesktopSettingsMapToTheInterfaceStyle) {
    EXPECT_EQ(Appearance::styleForPortalScheme(1), QStringLiteral("Dark"));
    EXPECT_EQ(Appearance::styleForPortalScheme(2), QString(""));
    EXPECT_FALSE(Appearance::styleForPortalScheme(2).isNull());
    EXPECT_TRUE(Appearance::styleForPortalScheme(0).isNull());  // no preference: ask the next source
    EXPECT_EQ(Appearance::styleForGnomeScheme(QStringLiteral("'prefer-dark'\n")), QStringLiteral("Dark"));
    EXPECT_EQ(Appearance::styleForGnomeScheme(QStringLiteral("'default'")), QString(""));
    EXPECT_TRUE(Appearance::styleForGnomeScheme(QStringLiteral("garbage")).isNull());

    ScopedEnv appearance("CORVANE_APPEARANCE", "dark");
    Appearance forced;
    EXPECT_EQ(forced.interfaceStyle(), QStringLiteral("Dark"));
    appearance.set("Light");
    EXPECT_EQ(forced.interfaceStyle(), QString(""));
}

TEST(SystemVersion, DecodesBcdAndFallsBackToSeparateSelectors) {
    long error = 1;
    VersionTriple v = FixedSystemVersion({{"sysv", 0x1039}}).query(&error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(v.major, 10);
    EXPECT_EQ(v.minor, 3);
    EXPECT_EQ(v.bugFix, 9);

    v = FixedSystemVersion({{"sysv", 0x103F}}).query(&error);  // the largest BCD value
    EXPECT_EQ(v.minor, 3);
    EXPECT_EQ(v.bugFix, 15);

    v = FixedSystemVersion({{"sysv", 0x10A0}, {"sys1", 10}, {"sys2", 15}, {"sys3", 7}}).query(&error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(v.minor, 15);
    EXPECT_EQ(v.bugFix, 7);

    v = FixedSystemVersion({{"sysv", 0x10A0}, {"sys1", 10}}).query(&error);  // sys2 fails
    EXPECT_EQ(error, SystemVersion::kUndefinedSelector);
    EXPECT_EQ(v.major, 10);
    EXPECT_EQ(v.minor, 0);

    SystemVersion linux;
    EXPECT_FALSE(linux.reportsMacOS());
    v = linux.query(&error);
    EXPECT_EQ(v.minor, 0);
}

TEST(Tasks, RecordsArgumentListsAndPassesOddPathsAsOneArgument) {
    RecordingTasks tasks;
    const QString odd = QStringLiteral("-rf; echo $HOME 'quoted'");
    const TaskResult r = tasks.run(QStringLiteral("/bin/echo"), {QStringLiteral("--"), odd});
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.standardOutput).trimmed(), QStringLiteral("-- ") + odd);
    ASSERT_EQ(tasks.calls().size(), 1);
    EXPECT_EQ(tasks.calls()[0].arguments, (QStringList{"--", odd}));
    EXPECT_FALSE(tasks.run(QStringLiteral("/nonexistent/program"), {}).started);
}

TEST(Tasks, ACommandPastItsTimeLimitIsStoppedAndItsOutcomeIsUnknown) {
    RecordingTasks tasks;
    tasks.setTimeLimit(std::chrono::seconds(1));
    const TaskResult stuck = tasks.run(QStringLiteral("sleep"), {QStringLiteral("30")});
    EXPECT_TRUE(stuck.started);
    EXPECT_TRUE(stuck.timedOut);
    EXPECT_FALSE(stuck.finished());
    // A limit given with the call wins over the object's.
    tasks.setTimeLimit(Tasks::DefaultTimeLimit);
    EXPECT_TRUE(
        tasks.run(QStringLiteral("sleep"), {QStringLiteral("30")}, std::chrono::milliseconds(300)).timedOut);
    const TaskResult quick =
        tasks.run(QStringLiteral("/bin/echo"), {QStringLiteral("done")}, std::chrono::seconds(30));
    EXPECT_TRUE(quick.finished());
    EXPECT_EQ(quick.standardOutput, QByteArray("done\n"));
}

TEST(Appearance, TheGnomeSettingIsAskedInTheBackgroundWhileTheLastAnswerIsUsed) {
    TempRoot root;
    QDir().mkpath(root.file(QStringLiteral("bin")));
    const QString gsettings = root.file(QStringLiteral("bin/gsettings"));
    QFile script(gsettings);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nsleep 0.3\necho \"'prefer-dark'\"\n");
    script.close();
    ASSERT_TRUE(
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const ScopedEnv path("PATH", QFile::encodeName(root.file(QStringLiteral("bin"))) + ':' + qgetenv("PATH"));
    const ScopedEnv unforced("CORVANE_APPEARANCE", QByteArray());
    Appearance appearance;
    // gsettings is still running: the answer so far (none, so the fallback) comes at once.
    EXPECT_EQ(appearance.interfaceStyle(), QString(""));
    EXPECT_TRUE(waitUntil([&] { return appearance.interfaceStyle() == QStringLiteral("Dark"); }));
}

TEST(MainThread, WorkerHandsBackAndWaits) {
    auto ranOnMain = std::make_shared<std::atomic_bool>(false);
    QThread* worker = QThread::create(
        [ranOnMain] { MainThread::runAndWait([&] { *ranOnMain = MainThread::isMainThread(); }); });
    worker->start();
    // A worker that never ends fails the test; it is left running rather than deleted.
    ASSERT_TRUE(waitUntil([&] { return worker->isFinished(); }));
    worker->wait();
    delete worker;
    EXPECT_TRUE(*ranOnMain);
}

}  // namespace
