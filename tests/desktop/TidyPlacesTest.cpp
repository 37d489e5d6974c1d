// Where the Desktop tidy may act: a Desktop that is no Desktop, store locations that would swallow
// what a tidy empties, a store folder others may change, no location at all, and the one catalogue
// a refresh and a tidy share. Each case is driven through the controller or the command line, as
// the windows and scripts reach it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "desktop/DesktopCatalogue.h"
#include "desktop/DesktopController.h"
#include "desktop/DesktopTidy.h"
#include "desktop/TidyPlaces.h"
#include "platform/Defaults.h"
#include "platform/WorkProgress.h"
#include "support/EventWait.h"
#include "support/HostileFs.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"

namespace {

/// A freedesktop home with a Desktop worth tidying, the settings the programs read, and the
/// command line run on it.
struct Home {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    QString home = paths->userHome();
    QString desktop = home + "/Desktop";
    QString settingsFile = root.file("config/Corvane/Corvane.conf");
    Home() { sandbox.buildLinuxDemo(); }

    void userDirs(const QByteArray& desktopLine) const {
        sandbox.writeFile(home + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"" + desktopLine + "\"\n");
    }
    void setLocation(const QString& location) const {
        Defaults d(settingsFile);
        d.setString("PloverlyPath", location);
        ASSERT_TRUE(d.synchronize());
    }
    QString location() const { return Defaults(settingsFile).stringForKey("PloverlyPath"); }
    std::pair<int, QString> cli(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("CORVANE_LAYOUT"));
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file("config"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVANE_CLI_PATH), args);
        p.closeWriteChannel();
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    }
};

/// Runs `fn` with the working folder at `folder`, as a program started from a menu would be.
template <typename Fn>
void inFolder(const QString& folder, Fn fn) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    fn();
    QDir::setCurrent(before);
}

QStringList paths(const DesktopCatalogue::List& list) {
    QStringList out;
    for (const auto& node : list) out << node->fullFilePath;
    return out;
}

}  // namespace

TEST(TidyPlaces, ADesktopThatIsOrHoldsTheHomeOrTheTrashIsNone) {
    Home h;
    const QString root = h.sandbox.root();
    const struct {
        QString desktop;
        bool tidied;
    } cases[] = {
        {"", false},
        {"Desktop", false},
        {"/", false},
        {root, false},
        {root + "/home", false},
        {h.home, false},
        {h.home + "/", false},
        {h.home + "/.local", false},  // holds the Trash
        {h.home + "/./Desktop/..", false},
        {h.desktop, true},
        {h.desktop + "/", true},
        {root + "/srv/desk", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TidyPlaces::desktopProblem(*h.paths, c.desktop).isEmpty(), c.tidied)
            << qPrintable(c.desktop);
}

TEST(TidyPlaces, UserDirsNamingTheHomeOrAboveItMeanNoDesktop) {
    Home h;
    const struct {
        QByteArray line;
        QString desktop;
    } cases[] = {
        {"$HOME/", QString()},  // how xdg-user-dirs says the Desktop is gone
        {"$HOME", QString()},
        {"/", QString()},
        {"/home", QString()},
        {"$HOME/Desktop", h.desktop},
        {"$HOME/Bureau/", h.home + "/Bureau"},
    };
    for (const auto& c : cases) {
        h.userDirs(c.line);
        EXPECT_EQ(h.paths->userDesktop(), c.desktop) << c.line.constData();
        EXPECT_EQ(TidyPlaces::desktop(*h.paths), c.desktop) << c.line.constData();
    }
}

TEST(TidyPlaces, AStoreLocationMayNotSwallowWhatATidyEmpties) {
    Home h;
    const QString root = h.sandbox.root();
    const QString trash = h.paths->userTrashFolder();
    const struct {
        QString location;
        bool taken;
    } cases[] = {
        {"", false},
        {"Tidy", false},
        {"./Tidy", false},
        {"/", false},
        {root, false},
        {root + "/home", false},
        {h.home, false},
        {h.home + "//", false},
        {h.desktop, false},
        {h.desktop + "/Sub", false},
        {h.desktop + "/../Tidy", false},  // a ".." step is never resolved
        {trash, false},
        {trash + "/files", false},
        {h.home + "/.local", false},
        {h.home + "/Tidy", true},
        {h.home + "/Documents", true},
        {root + "/srv/store", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TidyPlaces::locationProblem(*h.paths, c.location).isEmpty(), c.taken)
            << qPrintable(c.location);
        EXPECT_EQ(TidyPlaces::storeFolder(*h.paths, c.location).isEmpty(), !c.taken)
            << qPrintable(c.location);
    }
    // Without a Desktop, nothing is "inside the Desktop".
    h.userDirs("$HOME/");
    EXPECT_TRUE(TidyPlaces::locationProblem(*h.paths, h.desktop + "/Sub").isEmpty());
    EXPECT_FALSE(TidyPlaces::locationProblem(*h.paths, h.home).isEmpty());
}

// With no store location, or one that is not absolute, nothing is catalogued, tidied or listed: the
// working folder is never taken for the store.
TEST(DesktopController, WithoutAUsableLocationTheWorkingFolderIsNeverTheStore) {
    Home h;
    const QString start = h.sandbox.makeFolder(h.home + "/Start");
    h.sandbox.writeFile(start + "/notes.txt", "canary");
    h.sandbox.writeFile(start + "/Documents/keep.txt", "canary");
    h.sandbox.writeFile(start + "/com.Nordquil.ploverly/planted.txt", "canary");
    const QByteArray before = HostileFs::treeDigest(start);
    for (const QString& location : {QString(), QString("Tidy"), QString(".")}) {
        h.setLocation(location);
        inFolder(start, [&] {
            DesktopController controller(std::make_shared<Defaults>(h.settingsFile), h.paths);
            QString why;
            EXPECT_FALSE(controller.FreshCurrentDeskTop(&why));
            EXPECT_FALSE(why.isEmpty());
            EXPECT_TRUE(controller.catalogue().getDesktopAllArray().isEmpty()) << qPrintable(location);
            EXPECT_FALSE(controller.ClickTidyNowAct(&why));
            EXPECT_FALSE(controller.isTidying());
            EXPECT_TRUE(DesktopCatalogue::scanFolder(location).isEmpty());
            const auto listed = h.cli({"desktop", "list"});
            EXPECT_EQ(listed.first, 1) << qPrintable(listed.second);
            EXPECT_FALSE(listed.second.contains("notes.txt"));
            EXPECT_EQ(h.cli({"desktop", "delete", "--yes", "notes.txt"}).first, 1);
            EXPECT_EQ(h.cli({"desktop", "tidy"}).first, 1);
        });
        EXPECT_EQ(HostileFs::treeDigest(start), before) << qPrintable(location);
        EXPECT_TRUE(QFile::exists(h.desktop + "/todo.txt"));
    }
}

// A Desktop that is the home (or "/"): the tidy says so and moves nothing, from the command line
// and from the windows' controller alike.
TEST(DesktopController, ADesktopThatIsTheHomeIsNeverTidied) {
    for (const QByteArray& line : {QByteArray("$HOME/"), QByteArray("$HOME"), QByteArray("/")}) {
        Home h;
        h.sandbox.writeFile(h.home + "/Documents/report.odt", "keep");
        h.sandbox.writeFile(h.home + "/Projects/plan.txt", "keep");
        h.userDirs(line);
        h.setLocation(h.home + "/Tidy");
        const QByteArray before = HostileFs::treeDigest(h.home);
        const auto tidied = h.cli({"desktop", "tidy"});
        EXPECT_EQ(tidied.first, 1) << line.constData();
        EXPECT_TRUE(tidied.second.contains("no Desktop folder to tidy")) << qPrintable(tidied.second);

        DesktopController controller(std::make_shared<Defaults>(h.settingsFile), h.paths);
        QString why;
        EXPECT_FALSE(controller.ClickTidyNowAct(&why)) << line.constData();
        EXPECT_TRUE(why.contains("no Desktop folder to tidy")) << qPrintable(why);
        EXPECT_EQ(HostileFs::treeDigest(h.home), before) << line.constData();
    }
}

// A store location inside the Desktop, or one that is the home or holds the Desktop, is refused
// when it is chosen and again when it is used (a settings file written by hand, an older version).
TEST(DesktopController, AStoreLocationThatWouldSwallowTheDesktopIsRefusedChosenOrUsed) {
    Home h;
    h.sandbox.makeFolder(h.desktop + "/Inside");
    const QByteArray before = HostileFs::treeDigest(h.home);
    for (const QString& location : {h.desktop, h.desktop + "/Inside", h.home, h.sandbox.root()}) {
        h.setLocation(h.home + "/Tidy");
        const auto chosen = h.cli({"desktop", "store-location", location});
        EXPECT_EQ(chosen.first, 1) << qPrintable(location);
        EXPECT_EQ(h.location(), h.home + "/Tidy");
        DesktopController controller(std::make_shared<Defaults>(h.settingsFile), h.paths);
        QString why;
        EXPECT_EQ(controller.ChangeStorePath(location, &why), DesktopController::LocationChange::Refused);
        EXPECT_FALSE(why.isEmpty());
        EXPECT_FALSE(controller.setStorelocationPath(location));
        EXPECT_EQ(controller.StorelocationPath(), h.home + "/Tidy");

        h.setLocation(location);
        EXPECT_EQ(h.cli({"desktop", "tidy"}).first, 1) << qPrintable(location);
        DesktopController later(std::make_shared<Defaults>(h.settingsFile), h.paths);
        EXPECT_FALSE(later.ClickTidyNowAct(&why)) << qPrintable(location);
        EXPECT_TRUE(later.storeFolder().isEmpty());
        EXPECT_EQ(HostileFs::treeDigest(h.home), before) << qPrintable(location);
    }
}

// The store folder, and every folder on its way, must be the user's (or root's) and writable by
// no one else; otherwise tidy, restore and delete refuse and say why.
TEST(DesktopTidy, AStoreFolderOthersOwnOrMayChangeIsRefused) {
    const bool root = ::geteuid() == 0;
    const struct {
        const char* name;
        bool needsRoot;
        std::function<void(const QString& location, const QString& store)> arrange;
    } cases[] = {
        {"store writable by everyone", false,
         [](const QString&, const QString& s) { ::chmod(qPrintable(s), 0777); }},
        {"store writable by a group not the user's own", true,
         [](const QString&, const QString& s) {
             ASSERT_EQ(::chown(qPrintable(s), uid_t(-1), 4321), 0);
             ::chmod(qPrintable(s), 0775);
         }},
        {"store sticky and writable by everyone", false,
         [](const QString&, const QString& s) { ::chmod(qPrintable(s), 01777); }},
        {"location writable by everyone", false,
         [](const QString& l, const QString&) { ::chmod(qPrintable(l), 0777); }},
        {"store a link to a folder of ours", false,
         [](const QString& l, const QString& s) {
             QDir().rename(s, l + "/real");
             ::symlink("real", qPrintable(s));
         }},
        {"store of another account", true,
         [](const QString&, const QString& s) { ASSERT_EQ(::chown(qPrintable(s), 4321, 4321), 0); }},
        {"store of another account in a shared folder", true,
         [](const QString& l, const QString& s) {
             ::chmod(qPrintable(l), 01777);
             ASSERT_EQ(::chown(qPrintable(s), 4321, 4321), 0);
             ::chmod(qPrintable(s), 0777);
         }},
    };
    for (const auto& c : cases) {
        if (c.needsRoot && !root) {
            std::printf("[ SKIPPED  ] %s: making another account's folder needs root\n", c.name);
            continue;
        }
        TempRoot t;
        SandboxBuilder sandbox(t.path());
        const QString desktop = t.file("Desktop"), location = t.file("Shared");
        const QString store = Paths::desktopStoreFolder(location);
        sandbox.writeFile(desktop + "/a.txt", "a");
        sandbox.writeFile(desktop + "/Folder/b.txt", "b");
        sandbox.writeFile(store + "/stored.txt", "s");
        ::chmod(qPrintable(store), 0755);
        c.arrange(location, store);
        const QByteArray before = HostileFs::treeDigest(t.path());

        const DesktopTidy::TidyResult tidied = DesktopTidy::tidy(desktop, store, testLimits());
        EXPECT_FALSE(tidied.storeReady) << c.name;
        EXPECT_FALSE(tidied.refused.isEmpty()) << c.name;
        EXPECT_TRUE(tidied.moved.isEmpty()) << c.name;
        QString why;
        EXPECT_EQ(DesktopTidy::restore(store, store + "/stored.txt", desktop, testLimits(), &why),
                  FsMove::Outcome::Failed)
            << c.name;
        EXPECT_FALSE(why.isEmpty()) << c.name;
        const FsTree::Report deleted = DesktopTidy::deleteItem(store, store + "/stored.txt", testLimits());
        EXPECT_FALSE(deleted.gone) << c.name;
        EXPECT_FALSE(deleted.problems.isEmpty()) << c.name;
        EXPECT_EQ(HostileFs::treeDigest(t.path()), before) << c.name;
    }
}

// The command line as the shared-folder case goes: another account made the store folder in a
// shared place before the user chose it; the tidy refuses and says why.
TEST(DesktopCli, ATidyIntoAStoreFolderOfAnotherAccountRefusesAndSaysWhy) {
    if (::geteuid() != 0) GTEST_SKIP() << "making another account's folder needs root";
    Home h;
    const QString shared = h.sandbox.makeFolder(h.sandbox.root() + "/srv/shared");
    const QString theirs = h.sandbox.makeFolder(shared + "/com.Nordquil.ploverly");
    ASSERT_EQ(::chmod(qPrintable(shared), 01777), 0);
    ASSERT_EQ(::chown(qPrintable(theirs), 4321, 4321), 0);
    ASSERT_EQ(::chmod(qPrintable(theirs), 0777), 0);
    EXPECT_EQ(h.cli({"desktop", "store-location", shared}).first, 0);
    const QByteArray desktop = HostileFs::treeDigest(h.desktop);
    const auto tidied = h.cli({"desktop", "tidy"});
    EXPECT_EQ(tidied.first, 1);
    EXPECT_TRUE(tidied.second.contains("someone else")) << qPrintable(tidied.second);
    EXPECT_EQ(HostileFs::treeDigest(h.desktop), desktop);
    EXPECT_TRUE(QDir(theirs).isEmpty());
}

// A refresh pressed while a tidy runs would find the moved items in the store, and the tidy's end
// would add them again: it waits for the tidy's end, and every item is catalogued once.
TEST(DesktopController, ARefreshDuringATidyWaitsForItAndNothingIsCataloguedTwice) {
    Home h;
    h.userDirs("$HOME/Busy");
    const QString desktop = h.home + "/Busy";
    for (int i = 0; i < 40; ++i) h.sandbox.writeFile(desktop + QString("/file %1.txt").arg(i), "x");
    h.setLocation(h.home + "/Tidy");
    // Nothing catalogued yet: what the store held before shows only if the refresh is honoured.
    DesktopController controller(std::make_shared<Defaults>(h.settingsFile), h.paths);
    ASSERT_FALSE(QDir(controller.storeFolder()).isEmpty());
    bool ended = false;
    QObject::connect(&controller, &DesktopController::RefreshFinishTableViewMainThreadHandle,
                     [&] { ended = true; });
    ASSERT_TRUE(controller.ClickTidyNowAct());
    // The worker's moves are over before the main thread takes its hand-back.
    const auto progress = controller.progress();
    QElapsedTimer clock;
    clock.start();
    while (!QDir(desktop).isEmpty() && clock.elapsed() < 20000) QThread::yieldCurrentThread();
    ASSERT_TRUE(QDir(desktop).isEmpty());
    QString why;
    EXPECT_FALSE(controller.FreshCurrentDeskTop(&why));
    EXPECT_FALSE(why.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return ended; }));
    QStringList all = paths(controller.catalogue().getDesktopAllArray());
    const qsizetype count = all.size();
    all.removeDuplicates();
    EXPECT_EQ(all.size(), count);
    EXPECT_EQ(count,
              QDir(controller.storeFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
    // Once it has ended, a refresh runs and finds the same items.
    EXPECT_TRUE(controller.FreshCurrentDeskTop());
    EXPECT_EQ(controller.catalogue().getDesktopAllArray().size(), count);
}

TEST(DesktopCatalogue, AnItemGoneSinceItWasListedIsStillCataloguedByItsName) {
    TempRoot t;
    DesktopCatalogue catalogue;
    catalogue.addShawDesktopByPath(t.file("gone.png"));
    catalogue.addShawDesktopByPath(t.file("gone folder"));
    ASSERT_EQ(catalogue.getDesktopAllArray().size(), 2);
    const NQFileNode::Ptr picture = catalogue.getDesktopPicArray().value(0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->fileName, "gone.png");
    EXPECT_EQ(picture->filesizenumber, 0u);
    EXPECT_TRUE(picture->fileModifyDate.isEmpty() && !picture->thefileModifyDate.isValid());
    EXPECT_EQ(catalogue.getDesktopOtherArray().size(), 1);  // no longer a folder to tell
    // One item, one record: a second record of the same path replaces the first.
    catalogue.replace(DesktopCatalogue::nodeAt(t.file("gone.png")));
    EXPECT_EQ(catalogue.getDesktopAllArray().size(), 2);
    catalogue.remove(DesktopCatalogue::nodeAt(t.file("gone.png")));
    EXPECT_TRUE(catalogue.getDesktopPicArray().isEmpty());
}
