// Every command-line entry point that removes or moves, and Tolvik, run on a home configured the
// way a user can get it wrong: nothing outside the entry point's scope may change, nothing in the
// working folder, nothing of another file system or another account, and no protected item.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>

#include "HostileConfiguration.h"
#include "HostileSandbox.h"
#include "core/fs/FsName.h"
#include "support/CookieFixtures.h"

namespace {

using Rig = HostileRig;

QByteArray raw(const QString& path) {
    return FsName::toBytes(path);
}

bool asRoot(QString* why) {
    if (::geteuid() == 0) return true;
    *why = QStringLiteral("only root can give a folder to another account here");
    return false;
}

// Each configuration returns why this machine can't make it, or nothing.
QString none(Rig&) {
    return {};
}

QString noStore(Rig& r) {
    r.configure({{"PloverlyPath", QString("")}});
    r.store.clear();
    return {};
}

QString desktopIsHome(Rig& r) {
    r.desktopDir("\"$HOME/\"");  // what xdg-user-dirs writes when the Desktop folder is gone
    return {};
}

QString desktopIsRoot(Rig& r) {
    r.desktopDir("\"/\"");
    return {};
}

QString storeInDesktop(Rig& r) {
    r.configure({{"PloverlyPath", r.home + "/Desktop"}});
    r.store = r.home + "/Desktop/com.Nordquil.ploverly";
    r.b.writeFile(r.store + "/stored.txt", "stored");
    return {};
}

// Due by size at once, and asking (answered by --yes).
void autocleanDue(Rig& r) {
    r.configure({{"BAutoTrashStorage", "YES"},
                 {"TrashStorage", QVariant::fromValue<quint64>(1)},
                 {"BShowWarning", "YES"},
                 {"LastCleanDate", QDateTime::currentDateTimeUtc().addSecs(-60)}});
}

// A format rule and a location rule, each protecting an item; and an item that resists removal.
QString protectedItems(Rig& r) {
    autocleanDue(r);
    r.configure(
        {{"FileFormatData", QStringList{"txt"}}, {"FileLocationData", QStringList{r.home + "/Projects"}}});
    r.keep << r.trashItem("letter.txt", "/home/" + r.login + "/Documents/letter.txt")
           << r.trashItem("Draft", "/home/" + r.login + "/Projects/Draft", true)
           << r.trash + "/info/letter.txt.trashinfo" << r.trash + "/info/Draft.trashinfo";
    r.lock(r.trashItem("locked.bin", "/home/" + r.login + "/locked.bin"));  // where the machine allows
    return {};
}

// An outside folder bound under a folder in the Trash (or under the folder an erase names).
QString bindUnder(Rig& r, const QString& folder) {
    r.b.writeFile(folder + "/inside.txt", "trashed");
    r.b.makeFolder(folder + "/mnt");
    r.mount = TestMount::bind(r.away.file("precious"), folder + "/mnt");
    return r.mount->isMounted() ? QString() : r.mount->why();
}

QString bindMount(Rig& r) {
    autocleanDue(r);
    return bindUnder(r, r.trashItem("Shared", "/home/" + r.login + "/Shared", true));
}

QString bindMountInChosen(Rig& r) {
    return bindUnder(r, r.home + "/Chosen");
}

QString foreignStore(Rig& r) {
    QString why;
    if (!asRoot(&why)) return why;
    const QString shared = r.b.makeFolder(r.root.file("shared"));
    ::chmod(raw(shared).constData(), 01777);
    r.store = r.b.makeFolder(shared + "/com.Nordquil.ploverly");
    ::chown(raw(r.store).constData(), Rig::Foreign, Rig::Foreign);
    ::chmod(raw(r.store).constData(), 0777);
    r.keep << r.store;
    r.configure({{"PloverlyPath", shared}});
    return {};
}

QString groupWritableStore(Rig& r) {
    QString why;
    if (!asRoot(&why)) return why;
    ::chown(raw(r.store).constData(), ::geteuid(), Rig::Foreign);
    ::chmod(raw(r.store).constData(), 0775);
    r.keep << r.store;
    return {};
}

// The volume's own Trash folder is the user's, its files/ and info/ another account's.
QString foreignVolumeTrash(Rig& r) {
    QString why;
    if (!asRoot(&why)) return why;
    r.b.trashItem(r.usbTrash, "old.iso", "old.iso", "theirs");
    ::chmod(raw(r.usbTrash).constData(), 0700);
    for (const char* sub : {"/files", "/info"}) {
        ::chown(raw(r.usbTrash + sub).constData(), Rig::Foreign, Rig::Foreign);
        r.keep << r.usbTrash + sub;
    }
    return {};
}

// "$topdir/.Trash/$uid" is the user's, but another group may write it.
QString groupWritableVolumeTrash(Rig& r) {
    QString why;
    if (!asRoot(&why)) return why;
    const QString shared = r.b.makeFolder(r.usb + "/.Trash");
    ::chmod(raw(shared).constData(), 01777);
    const QString mine = shared + "/" + QString::number(r.p->uid());
    r.b.trashItem(mine, "old.iso", "old.iso", "shared");
    ::chown(raw(mine).constData(), ::geteuid(), Rig::Foreign);
    ::chmod(raw(mine).constData(), 0770);
    r.keep << mine;
    return {};
}

// A volume's item whose record names a place in the home.
QString volumeRecordIntoHome(Rig& r) {
    r.b.trashItem(r.usbTrash, "x.desktop", "/home/" + r.login + "/.config/autostart/x.desktop",
                  "[Desktop Entry]\nExec=/bin/true\n");
    return {};
}

// A trigger that keeps every row: the removal's statement succeeds and removes nothing.
QString cookieTrigger(Rig& r) {
    const QString db = r.home + "/cookies.sqlite";
    if (!CookieFixtures::writeFirefoxDatabase(db, CookieFixtures::demoFirefoxCookies()))
        return QStringLiteral("the cookie database could not be written");
    sqlite3* handle = nullptr;
    sqlite3_open(raw(db).constData(), &handle);
    const int rc = sqlite3_exec(handle,
                                "CREATE TRIGGER keep BEFORE DELETE ON moz_cookies "
                                "BEGIN SELECT RAISE(IGNORE); END",
                                nullptr, nullptr, nullptr);
    sqlite3_close(handle);
    return rc == SQLITE_OK ? QString() : QStringLiteral("sqlite refused the trigger");
}

enum class Exit { Any, Fails, Succeeds };
constexpr const char* Tolvik = "<Tolvik>";

struct Row {
    const char* name;
    QString (*configure)(Rig&);
    QStringList args;  ///< corvane-cli's, or {Tolvik}; "{home}" stands for the home
    unsigned scope;
    Exit exit;
    const char* arrives = nullptr;  ///< what must be there afterwards ("{home}" as above)
};

using S = Rig::Scope;
constexpr unsigned Emptying = S::Trash | S::VolumeTrash | S::Settings;

const Row rows[] = {
    // Protection rules hold in every pass, the helper's included.
    {"TrashEmptyKeepsProtected", protectedItems, {"--yes", "trash", "empty"}, Emptying, Exit::Any},
    {"AutocleanCheckKeepsProtected", protectedItems, {"--yes", "autoclean", "check"}, Emptying, Exit::Any},
    // No walk crosses into another file system.
    {"TrashEmptyStopsAtAMount", bindMount, {"--yes", "trash", "empty"}, Emptying, Exit::Any},
    {"AutocleanCheckStopsAtAMount", bindMount, {"--yes", "autoclean", "check"}, Emptying, Exit::Any},
    {"TrashDeleteStopsAtAMount", bindMount, {"trash", "delete", "Shared"}, Emptying, Exit::Any},
    {"TrashShredStopsAtAMount", bindMount, {"trash", "shred", "Shared"}, Emptying, Exit::Any},
    {"TolvikStopsAtAMount", bindMount, {Tolvik}, Emptying, Exit::Any},
    {"EraseStopsAtAMount", bindMountInChosen, {"--yes", "erase", "{home}/Chosen"}, S::Chosen, Exit::Any},
    // What the user chose is never the home, and never the working folder by default.
    {"EraseRefusesTheHome", none, {"--yes", "erase", "{home}"}, S::None, Exit::Fails},
    {"EraseRefusesAnEmptyPath", none, {"--yes", "erase", ""}, S::None, Exit::Fails},
    {"StoreLocationRefusesAnEmptyPath", none, {"desktop", "store-location", ""}, S::None, Exit::Fails},
    {"TidyWithoutAStoreLocation", noStore, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    {"RestoreWithoutAStoreLocation", noStore, {"desktop", "restore", "notes.txt"}, S::Settings, Exit::Fails},
    {"DeleteWithoutAStoreLocation",
     noStore,
     {"--yes", "desktop", "delete", "notes.txt"},
     S::Settings,
     Exit::Fails},
    // A Desktop that is the home, or holds it, or holds the store, is no Desktop.
    {"TidyRefusesADesktopThatIsTheHome", desktopIsHome, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    {"RestoreRefusesADesktopThatIsTheHome",
     desktopIsHome,
     {"desktop", "restore", "stored.txt"},
     S::Settings,
     Exit::Fails},
    {"TidyRefusesADesktopThatIsTheRoot", desktopIsRoot, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    {"TidyRefusesAStoreInsideTheDesktop", storeInDesktop, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    // Folders another account owns or may write are never a scope.
    {"TidyRefusesAStoreAnotherAccountOwns", foreignStore, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    {"TidyRefusesAGroupWritableStore", groupWritableStore, {"desktop", "tidy"}, S::Settings, Exit::Fails},
    {"TrashEmptyRefusesAGroupWritableVolumeTrash",
     groupWritableVolumeTrash,
     {"--yes", "trash", "empty"},
     Emptying,
     Exit::Any},
    {"TolvikRefusesAGroupWritableVolumeTrash", groupWritableVolumeTrash, {Tolvik}, Emptying, Exit::Any},
    {"TolvikRefusesAVolumeTrashAnotherAccountOwns", foreignVolumeTrash, {Tolvik}, Emptying, Exit::Any},
    {"TrashEmptyRefusesAVolumeTrashAnotherAccountOwns",
     foreignVolumeTrash,
     {"--yes", "trash", "empty"},
     Emptying,
     Exit::Any},
    // A volume's item goes back outside its volume only when forced.
    {"PutBackOutOfAVolumeNeedsForce",
     volumeRecordIntoHome,
     {"trash", "putback", "x.desktop"},
     S::Settings,
     Exit::Fails},
    {"PutBackOutOfAVolumeWithForce",
     volumeRecordIntoHome,
     {"trash", "putback", "--force", "x.desktop"},
     S::VolumeTrash | S::Autostart | S::Settings,
     Exit::Succeeds,
     "{home}/.config/autostart/x.desktop"},
    // A removal that removed nothing says so.
    {"CookieRemovalThatKeptEveryRowFails",
     cookieTrigger,
     {"--yes", "cookies", "remove", "--source", "{home}/cookies.sqlite"},
     S::Cookies | S::Settings,
     Exit::Fails},
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class HostileConfiguration : public ::testing::TestWithParam<Row> {};

TEST_P(HostileConfiguration, NothingOutsideTheScopeChangesAndEveryProtectedItemStays) {
    const Row& row = GetParam();
    Rig r;
    if (const QString why = row.configure(r); !why.isEmpty()) GTEST_SKIP() << qPrintable(why);
    QStringList args = row.args;
    for (QString& a : args) a.replace("{home}", r.home);
    const QStringList scope = r.scopePaths(row.scope);
    const Records outside = entryRecords(r.away.path());
    const Records inside = entryRecords(r.root.path(), scope);
    const Records kept = keptRecords(r.keep);

    Rig::Run run;
    if (args == QStringList{Tolvik}) {
#ifdef CORVANE_TOLVIK_PROGRAM
        run = r.run(QStringLiteral(CORVANE_TOLVIK_PROGRAM), {});
#else
        GTEST_SKIP() << "Tolvik is not built here";
#endif
    } else {
        run = r.cli(args);
    }
    const QString said = QStringLiteral("exit %1\n%2%3").arg(run.status).arg(run.out, run.err);
    EXPECT_NE(run.status, -1) << "did not end";
    const QString outsideChanged = changes(outside, entryRecords(r.away.path()));
    EXPECT_TRUE(outsideChanged.isEmpty()) << "outside:\n"
                                          << qPrintable(outsideChanged) << '\n'
                                          << qPrintable(said);
    const QString insideChanged = changes(inside, entryRecords(r.root.path(), scope));
    EXPECT_TRUE(insideChanged.isEmpty()) << "outside the scope:\n"
                                         << qPrintable(insideChanged) << '\n'
                                         << qPrintable(said);
    const QString keptChanged = changes(kept, keptRecords(r.keep));
    EXPECT_TRUE(keptChanged.isEmpty()) << "kept:\n" << qPrintable(keptChanged) << '\n' << qPrintable(said);
    if (row.exit == Exit::Fails) {
        EXPECT_NE(run.status, 0) << qPrintable(said);
    } else if (row.exit == Exit::Succeeds) {
        EXPECT_EQ(run.status, 0) << qPrintable(said);
    }
    if (row.arrives) {
        struct stat st;
        EXPECT_EQ(::lstat(raw(QString(row.arrives).replace("{home}", r.home)).constData(), &st), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EntryPoints, HostileConfiguration, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
