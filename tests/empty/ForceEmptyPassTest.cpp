#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "empty/EmptyController.h"
#include "empty/ForceEmptyPass.h"
#include "platform/Alerts.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/WorkProgress.h"
#include "platform/Workspace.h"
#include "support/DSStoreWriter.h"
#include "support/EventWait.h"
#include "support/RecordingTasks.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"
#include "trash/PutBackReader.h"

namespace {

struct PassFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    std::shared_ptr<RecordingTasks> tasks = std::make_shared<RecordingTasks>();
    std::shared_ptr<SystemCommands> commands = std::make_shared<SystemCommands>(tasks);
    std::shared_ptr<TrashOrigPaths> origPaths = std::make_shared<TrashOrigPaths>();
    QString trash = paths->userTrash();
    QString usb = root.path() + "/Volumes/USB";
    int alerts = 0;
    QList<QStringList> resisted;  ///< what each permission alert was handed
    bool finished = false;
    bool rules = false;
    QStringList protectedNames;

    int run() {
        const EmptyProtection protection(
            [this] { return rules; },
            [this](const QString& p) { return protectedNames.contains(QFileInfo(p).fileName()); }, {},
            [this] { finished = true; });
        ForceEmptyPass::Hooks hooks;
        hooks.permissionAlert = [this](const QStringList& names) {
            ++alerts;
            resisted << names;
        };
        ForceEmptyPass pass(paths, commands, origPaths, std::make_shared<Workspace>(paths), protection,
                            hooks);
        return pass.ForceEmptyTrashFileThreader();
    }
    static QStringList left(const QString& folder) { return sortedEntries(folder); }
};

TEST(ForceEmptyPass, RecordsFileGoesOnlyWithoutRules) {
    PassFixture f;
    f.sandbox.writeFile(f.trash + "/.DS_Store", "Bud1");
    EXPECT_EQ(f.run(), 0);
    EXPECT_TRUE(f.left(f.trash).isEmpty());
    EXPECT_EQ(f.alerts, 0);
    EXPECT_TRUE(f.finished);

    PassFixture g;
    g.rules = true;
    g.sandbox.writeFile(g.trash + "/.DS_Store", "Bud1");
    g.sandbox.writeFile(g.trash + "/a.psd", "x");
    g.sandbox.writeFile(g.trash + "/b.txt", "x");
    g.protectedNames = {"a.psd"};
    EXPECT_EQ(g.run(), 0);
    EXPECT_EQ(g.left(g.trash), (QStringList{".DS_Store", "a.psd"}));
    EXPECT_EQ(g.alerts, 0);
}

TEST(ForceEmptyPass, VolumeStageKeeps755FoldersAndLeavesOtherAccountsAlone) {
    PassFixture f;
    f.sandbox.writeFile(f.trash + "/-rf", "dash");
    f.sandbox.writeFile(f.trash + "/line\nbreak", "nl");
    f.sandbox.writeFile(f.usb + "/.Trashes/501/file.txt", "x");
    const QString kept = f.sandbox.makeFolder(f.usb + "/.Trashes/501/Kept");
    ::chmod(QFile::encodeName(kept).constData(), 0755);
    const QString other = f.sandbox.makeFolder(f.usb + "/.Trashes/502/Other");
    ::chmod(QFile::encodeName(other).constData(), 0700);
    f.sandbox.writeFile(f.usb + "/.Trashes/501/.DS_Store", "Bud1");
    f.sandbox.writeFile(f.usb + "/.Trashes/503/theirs.txt", "theirs");
    f.sandbox.writeFile(f.usb + "/Documents/keep.txt", "keep");
    EXPECT_EQ(f.run(), 1);  // the 755 folder stays and is reported
    EXPECT_EQ(f.alerts, 1);
    EXPECT_TRUE(f.left(f.trash).isEmpty());
    EXPECT_EQ(f.left(f.usb + "/.Trashes/501"), (QStringList{".DS_Store", "Kept"}));
    EXPECT_TRUE(f.left(f.usb + "/.Trashes/502").isEmpty());
    EXPECT_EQ(f.left(f.usb + "/.Trashes/503"), QStringList{"theirs.txt"});
    EXPECT_TRUE(QFileInfo::exists(f.usb + "/Documents/keep.txt"));
    // Paths reach rm as paths, never as options.
    for (const auto& call : f.tasks->calls())
        if (call.program == QLatin1String("rm")) {
            EXPECT_EQ(call.arguments.value(1), QStringLiteral("--"));
        }
}

TEST(ForceEmptyPass, BothStagesFailingGiveTwoAlerts) {
    if (::geteuid() == 0) GTEST_SKIP() << "root removes everything";
    PassFixture f;
    const QString stuck = f.sandbox.writeFile(f.trash + "/Locked/inside.txt", "x").section('/', 0, -2);
    ::chmod(QFile::encodeName(stuck).constData(), 0555);
    const QString kept = f.sandbox.makeFolder(f.usb + "/.Trashes/501/Kept");
    ::chmod(QFile::encodeName(kept).constData(), 0755);
    EXPECT_EQ(f.run(), 2);
    EXPECT_EQ(f.alerts, 2);
    ::chmod(QFile::encodeName(stuck).constData(), 0755);
}

TEST(ForceEmptyPass, EachStageHandsOnExactlyItsResistingEntriesAndNeverAProtectedOne) {
    if (::geteuid() == 0) GTEST_SKIP() << "root removes everything";
    PassFixture f;
    f.rules = true;
    f.protectedNames = {"Locked.psd", "Kept.psd", "usb.psd"};
    for (const char* name : {"Locked", "Locked.psd"}) {
        const QString folder =
            f.sandbox.writeFile(f.trash + "/" + name + "/inside.txt", "x").section('/', 0, -2);
        ::chmod(QFile::encodeName(folder).constData(), 0555);
    }
    f.sandbox.writeFile(f.trash + "/gone.txt", "x");
    for (const char* name : {"Kept", "Kept.psd"}) {
        const QString kept = f.sandbox.makeFolder(f.usb + "/.Trashes/501/" + name);
        ::chmod(QFile::encodeName(kept).constData(), 0755);
    }
    f.sandbox.writeFile(f.usb + "/.Trashes/501/usb.psd", "protected, and not of the kept mode");

    EXPECT_EQ(f.run(), 2);
    ASSERT_EQ(f.resisted.size(), 2);
    EXPECT_EQ(f.resisted[0], QStringList{f.trash + "/Locked"});
    EXPECT_EQ(f.resisted[1], QStringList{f.usb + "/.Trashes/501/Kept"});
    EXPECT_EQ(f.left(f.trash), (QStringList{"Locked", "Locked.psd"}));
    EXPECT_EQ(f.left(f.usb + "/.Trashes/501"), (QStringList{"Kept", "Kept.psd", "usb.psd"}));
    for (const char* name : {"Locked", "Locked.psd"})
        ::chmod(QFile::encodeName(f.trash + "/" + name).constData(), 0755);
}

TEST(ForceEmptyPass, LinkedTrashFoldersAreLeftAlone) {
    PassFixture f;
    const QString elsewhere = f.sandbox.writeFile("elsewhere/precious.txt", "precious");
    f.sandbox.makeFolder(f.paths->userHome());
    ASSERT_TRUE(QFile::link(f.root.file("elsewhere"), f.trash));
    f.sandbox.makeFolder(f.usb + "/.Trashes");
    ASSERT_TRUE(QFile::link(f.root.file("elsewhere"), f.usb + "/.Trashes/501"));
    EXPECT_EQ(f.run(), 0);
    EXPECT_TRUE(QFileInfo::exists(elsewhere));
}

TEST(ForceEmptyPass, ReadsThePutBackRecordsAfreshAtEveryPass) {
    // The list the trash window filled earlier knows nothing of what was trashed since: a location
    // rule must still see where the new item came from.
    PassFixture f;
    f.origPaths->append({"/already/known.txt"});
    DSStoreWriter records;
    records.add("new.psd", "Users/me/Projects/");
    f.sandbox.writeFile(f.trash + "/.DS_Store", records.bytes());
    f.sandbox.writeFile(f.trash + "/new.psd", "x");
    f.rules = true;
    f.protectedNames = {"new.psd"};
    f.run();
    EXPECT_EQ(f.origPaths->getOrigFilePath("new.psd"), f.root.path() + "/Users/me/Projects/new.psd");
    EXPECT_FALSE(f.origPaths->entries().contains("/already/known.txt"));
    EXPECT_EQ(f.left(f.trash), (QStringList{".DS_Store", "new.psd"}));
}

TEST(EmptyController, APassOnTheWorkerCountsEntriesAndACancelStopsItBetweenThem) {
    PassFixture f;
    for (int i = 0; i < 20; ++i) f.sandbox.writeFile(f.trash + QStringLiteral("/f%1.txt").arg(i), "x");
    auto alerts = std::make_shared<ScriptedAlerts>();
    int checked = 0;
    EmptyController* running = nullptr;
    const EmptyController::Protection protection({},
                                                 [&](const QString&) {
                                                     // On the worker: the user presses Cancel while
                                                     // the fifth entry is handled.
                                                     if (++checked == 5) running->cancelPass();
                                                     return false;
                                                 },
                                                 {}, {});
    EmptyController controller(f.paths, f.commands, f.origPaths, std::make_shared<Workspace>(f.paths), alerts,
                               protection);
    running = &controller;
    std::optional<int> failures;
    QObject::connect(&controller, &EmptyController::passFinished, [&](int n) { failures = n; });

    ASSERT_TRUE(controller.ForceEmptyTrash());
    const std::shared_ptr<WorkProgress> progress = controller.progress();
    ASSERT_TRUE(progress);
    ASSERT_TRUE(waitUntil([&] { return failures.has_value(); }));
    EXPECT_EQ(progress->done, 5);
    EXPECT_EQ(f.left(f.trash).size(), 15);
    EXPECT_EQ(*failures, 0);  // what a cancel left is no failure: no permission alert
    EXPECT_TRUE(alerts->asked().isEmpty());
    EXPECT_FALSE(controller.progress());
    EXPECT_FALSE(controller.isRunning());
}

}  // namespace
