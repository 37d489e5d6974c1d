// The window actions that remove or move, pressed as a user would on a home configured the way a
// user can get it wrong; Tolvik, when the permission alert starts it, runs as pkexec would start it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include "HostileConfiguration.h"
#include "HostileSandbox.h"
#include "desktop/DesktopController.h"
#include "desktop/NQLeftButton.h"
#include "desktop/PopoverDesktopList.h"
#include "empty/EmptyController.h"
#include "platform/NotificationCenter.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "support/TrashUi.h"

namespace {

using Rig = HostileRig;

/// The arguments the recorded start handed the helper (none where the start carries none).
template <typename Recording>
QStringList startedArguments(const Recording& recording) {
    if constexpr (requires { QStringList(recording.startedArguments().value(0)); })
        return QStringList(recording.startedArguments().value(0));
    else
        return {};
}

/// The launched application on the rig's home, with its alerts answered by `fallback`.
struct Windows {
    explicit Windows(Rig& rig, int fallback = Alerts::Default) : rig(rig) {
        alerts = std::make_shared<ScriptedAlerts>(fallback);
        AppServices s = f.services();
        s.paths = rig.p;
        s.workspace = std::make_shared<RecordingWorkspace>(rig.p);
        s.defaults = std::make_shared<Defaults>(rig.settingsFile);
        s.alerts = alerts;
        app = std::make_unique<AppDelegate>(s);
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
    }
    /// Runs Tolvik as the recorded start would have; false when nothing was started.
    bool runStartedHelper() {
        if (f.authorization->startedPrograms().isEmpty()) return false;
#ifdef CORVANE_TOLVIK_PROGRAM
        tolvik = rig.run(QStringLiteral(CORVANE_TOLVIK_PROGRAM), startedArguments(*f.authorization));
#endif
        return true;
    }
    Rig& rig;
    AppFixture f;
    std::shared_ptr<ScriptedAlerts> alerts;
    std::unique_ptr<AppDelegate> app;
    Rig::Run tolvik;
};

/// What stays the same: the outside, the root but for `scope`, and every kept entry.
struct Unchanged {
    Unchanged(const Rig& r, const QStringList& scope)
        : r(r),
          scope(scope),
          outside(entryRecords(r.away.path())),
          inside(entryRecords(r.root.path(), scope)),
          kept(keptRecords(r.keep)) {}
    void check(const QString& said = {}) const {
        const QString changed[] = {changes(outside, entryRecords(r.away.path())),
                                   changes(inside, entryRecords(r.root.path(), scope)),
                                   changes(kept, keptRecords(r.keep))};
        const char* const where[] = {"outside", "outside the scope", "kept"};
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(changed[i].isEmpty()) << where[i] << ":\n"
                                              << qPrintable(changed[i]) << '\n'
                                              << qPrintable(said);
    }
    const Rig& r;
    QStringList scope;
    Records outside, inside, kept;
};

void press(QWidget* button) {
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
}

bool exists(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Items protected by a format rule and by a location rule, one to lock, and a folder in a volume's
// Trash that only the administrator's pass removes.
void protectedAndResisting(Rig& r, QString* lockedItem) {
    r.configure(
        {{"FileFormatData", QStringList{"txt"}}, {"FileLocationData", QStringList{r.home + "/Projects"}}});
    r.keep << r.trashItem("letter.txt", "/home/" + r.login + "/Documents/letter.txt")
           << r.trashItem("Draft", "/home/" + r.login + "/Projects/Draft", true)
           << r.trash + "/info/letter.txt.trashinfo" << r.trash + "/info/Draft.trashinfo";
    *lockedItem = r.trashItem("locked.bin", "/home/" + r.login + "/locked.bin");
    r.b.trashItem(r.usbTrash, "Old backups", "Old backups", "backup", true);
}

TEST(HostileConfigurationWindows, EmptyTrashThenOkOnThePermissionAlertKeepsEveryProtectedItem) {
    Rig r;
    QString locked;
    protectedAndResisting(r, &locked);
    Windows w(r);
    const Unchanged unchanged(r, r.scopePaths(Rig::Trash | Rig::VolumeTrash | Rig::Settings));
    QSignalSpy finished(w.app->emptyController(), &EmptyController::passFinished);
    w.app->StrongEmptyTrash();  // " Empty Trash ", then " OK " on the permission alert
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(w.runStartedHelper()) << "the permission alert started no helper";
    unchanged.check(w.tolvik.err);
}

TEST(HostileConfigurationWindows, TableDeleteThenOkRemovesOnlyTheItemThatResisted) {
    Rig r;
    QString locked;
    protectedAndResisting(r, &locked);
    r.keep << r.trash + "/files/junk.bin" << r.trash + "/info/junk.bin.trashinfo";
    if (!r.lock(locked)) GTEST_SKIP() << "this file system refuses the immutable flag";
    Windows w(r);
    const Unchanged unchanged(r, {locked, r.trash + "/info/locked.bin.trashinfo", r.trash + "/directorysizes",
                                  r.home + "/.config/Corvane"});
    TrashUi::scan(*w.app);
    TrashUi::selectRows(*w.app, {"locked.bin"});
    w.app->trashBrowser()->setClickedRow(TrashUi::rowOf(*w.app, "locked.bin"));
    TrashUi::actAndWait(*w.app, &AppDelegate::DeleteTrashItemAction);
    ASSERT_TRUE(w.runStartedHelper()) << "the permission alert started no helper";
    unchanged.check(w.tolvik.err);
}

TEST(HostileConfigurationWindows, TableSecureDeleteStopsAtAMountInsideTheItem) {
    Rig r;
    const QString shared = r.trashItem("Shared", "/home/" + r.login + "/Shared", true);
    r.b.makeFolder(shared + "/mnt");
    r.mount = TestMount::bind(r.away.file("precious"), shared + "/mnt");
    if (!r.mount->isMounted()) GTEST_SKIP() << qPrintable(r.mount->why());
    Windows w(r);
    const Unchanged unchanged(r, r.scopePaths(Rig::Trash | Rig::Settings));
    TrashUi::scan(*w.app);
    TrashUi::selectRows(*w.app, {"Shared"});
    w.app->trashBrowser()->setClickedRow(TrashUi::rowOf(*w.app, "Shared"));
    TrashUi::actAndWait(*w.app, &AppDelegate::SafeDeleteItemAction);
    w.runStartedHelper();  // whatever stayed, the helper must stop at the mount too
    unchanged.check(w.tolvik.err);
}

TEST(HostileConfigurationWindows, TablePutBackOutOfAVolumeAsksFirst) {
    Rig r;
    r.b.trashItem(r.usbTrash, "x.desktop", "/home/" + r.login + "/.config/autostart/x.desktop",
                  "[Desktop Entry]\n");
    Windows w(r, Alerts::Alternate);  // every question declined
    const Unchanged unchanged(r, r.scopePaths(Rig::Settings));
    TrashUi::scan(*w.app);
    ASSERT_GE(TrashUi::rowOf(*w.app, "x.desktop"), 0);
    TrashUi::selectRows(*w.app, {"x.desktop"});
    w.app->trashBrowser()->setClickedRow(TrashUi::rowOf(*w.app, "x.desktop"));
    TrashUi::actAndWait(*w.app, &AppDelegate::PutBackAction);
    EXPECT_FALSE(w.alerts->asked().isEmpty());
    unchanged.check();
}

/// The popover's Desktop list on the rig, as the tray shows it.
struct Popover {
    explicit Popover(Rig& r)
        : defaults(std::make_shared<Defaults>(r.settingsFile)),
          controller(defaults, r.p),
          list(&controller, &nc, std::make_shared<RecordingWorkspace>(r.p), alerts) {}
    std::shared_ptr<Defaults> defaults;
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    NotificationCenter nc;
    DesktopController controller;
    PopoverDesktopList list;
};

/// The process's working folder for as long as it lives.
struct InFolder {
    explicit InFolder(const QString& folder) : previous(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~InFolder() { QDir::setCurrent(previous); }
    QString previous;
};

TEST(HostileConfigurationWindows, PopoverWithoutAStoreLocationTouchesNothingInTheWorkingFolder) {
    Rig r;
    r.configure({{"PloverlyPath", QString("")}});
    const InFolder in(r.home);  // started from a menu or at login
    Popover p(r);
    const Unchanged unchanged(r, r.scopePaths(Rig::Settings));
    press(p.list.findChild<NQLeftButton*>("refreshBtn"));
    const int rows = int(p.list.tableArray().size());
    for (int row = rows - 1; row >= 0; --row) p.list.ClickDeleteFileAct(row);  // "Delete for Good"
    press(p.list.findChild<NQLeftButton*>("tidyBtn"));
    ASSERT_TRUE(waitUntil([&] { return !p.controller.isTidying(); }, 30000));
    EXPECT_EQ(rows, 0) << "the working folder was listed as the store";
    unchanged.check();
}

TEST(HostileConfigurationWindows, PopoverTidyOfADesktopThatIsTheHomeMovesNothing) {
    Rig r;
    r.desktopDir("\"$HOME/\"");
    Popover p(r);
    const Unchanged unchanged(r, r.scopePaths(Rig::Settings | Rig::Store));
    QSignalSpy ended(&p.controller, &DesktopController::RefreshFinishTableViewMainThreadHandle);
    press(p.list.findChild<NQLeftButton*>("tidyBtn"));
    if (p.controller.isTidying()) {
        ASSERT_TRUE(ended.wait(30000));
    }
    unchanged.check();
}

TEST(HostileConfigurationWindows, RefreshDuringATidyListsEachStoredItemOnce) {
    Rig r;
    for (int i = 0; i < 40; ++i) r.b.writeFile(r.home + QStringLiteral("/Desktop/item%1.txt").arg(i), "x");
    Popover p(r);
    QSignalSpy ended(&p.controller, &DesktopController::RefreshFinishTableViewMainThreadHandle);
    press(p.list.findChild<NQLeftButton*>("tidyBtn"));
    ASSERT_TRUE(p.controller.isTidying());
    // The refresh comes once the items are in the store, before the tidy has handed back.
    const QDir desktop(r.home + "/Desktop");
    const QDeadlineTimer deadline(30000);
    while (!desktop.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot) && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    press(p.list.findChild<NQLeftButton*>("refreshBtn"));
    ASSERT_TRUE(ended.wait(30000));
    QSet<QString> paths;
    QStringList twice, gone;
    for (const auto& node : p.controller.catalogue().getDesktopAllArray()) {
        if (paths.contains(node->fullFilePath)) twice << node->fullFilePath;
        if (!exists(node->fullFilePath)) gone << node->fullFilePath;
        paths.insert(node->fullFilePath);
    }
    EXPECT_TRUE(twice.isEmpty()) << "listed twice:\n" << qPrintable(twice.join('\n'));
    EXPECT_TRUE(gone.isEmpty()) << "listed, not there:\n" << qPrintable(gone.join('\n'));
    EXPECT_EQ(paths.size(), QDir(r.store).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

}  // namespace
