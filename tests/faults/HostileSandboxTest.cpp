// Every operation that removes, moves or writes, run on the hostile sandbox: nothing outside the
// operation's target may change, what an operation carries must arrive whole, and an operation
// that left something must say so.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "HostileSandbox.h"
#include "cookies/CookieExport.h"
#include "cookies/CookieRemoval.h"
#include "desktop/DesktopTidy.h"
#include "empty/ForceEmptyPass.h"
#include "erase/SecureEraser.h"
#include "platform/Defaults.h"
#include "platform/FreedesktopPaths.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/CookieFixtures.h"
#include "support/TestScope.h"
#include "tolvik/TolvikCleaner.h"
#include "tolvik/TolvikExitCode.h"
#include "trash/PutBackReader.h"
#include "trash/TrashInfo.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashStore.h"

namespace {

using Records = QMap<QByteArray, QByteArray>;

/// What an operation's own report said, checked against what the file system shows.
struct Said {
    bool honest = false;  ///< whatever stayed, the report says so; "done" only when it is
    QString text;         ///< the report, for the failure message
};

struct Op {
    const char* name;
    bool trash;  ///< a Trash operation: both layouts, and once more with a link above the Trash
    /// Fills the target; returns the paths the checker leaves out (the target).
    std::function<QStringList(HostileSandbox&)> setUp;
    std::function<Said(HostileSandbox&)> run;
    /// For a move: the folder the item leaves and the one it goes to (carried whole, or not at all).
    std::function<std::pair<QString, QString>(HostileSandbox&)> carried = {};
};

bool exists(const QString& path) {
    struct stat st;
    return ::lstat(FsName::toBytes(path).constData(), &st) == 0;
}

QList<QByteArray> visible(const QString& folder) {
    QList<QByteArray> out;
    for (const QByteArray& name : OpenFolder::openChosen(folder).names())
        if (!name.startsWith('.')) out << name;
    return out;
}

QString report(const FsTree::Report& r) {
    return QStringLiteral("gone %1; ").arg(r.gone) + r.problems.join(QLatin1Char('\n'));
}

QStringList trashItem(HostileSandbox& s) {
    s.plant(s.trashFiles());  // neighbours the item's operations must leave alone
    s.item = s.trashFiles() + "/Item";
    s.destination = s.home + "/Back/Item";
    s.swapIn = s.item;
    s.plant(s.item);
    if (s.mac) return {s.item, s.trashFiles() + "/.DS_Store", s.home + "/Back"};
    s.builder.writeFile(s.trashInfo() + "/Item.trashinfo", TrashInfo::format(s.destination, {}));
    return {s.item, s.trashInfo() + "/Item.trashinfo", s.home + "/Back"};
}

QStringList wholeTrash(HostileSandbox& s) {
    trashItem(s);
    return {s.mac ? s.trashFiles() : TrashInfo::trashFolderOfFiles(s.trashFiles())};
}

TrashItemActions actions(const HostileSandbox& s) {
    return TrashItemActions(std::make_shared<SystemCommands>(std::make_shared<Tasks>()),
                            TrashStore::forPaths(s.paths));
}

// An erase leaves the data of a hard-linked file to its other names, and must say so.
Said erased(const HostileSandbox& s, const FsTree::Report& r) {
    const bool told = r.problems.join('\n').contains(FsTree::otherNamesText());
    return {r.gone != exists(s.item) && told && (r.gone || !r.problems.isEmpty()), report(r)};
}

Said removed(const HostileSandbox& s, const FsTree::Report& r) {
    return {r.gone != exists(s.item) && (r.gone || !r.problems.isEmpty()), report(r)};
}

#ifdef CORVANE_TOLVIK_PROGRAM
Said tolvik(HostileSandbox& s) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "PKEXEC_UID"}) env.remove(name);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("CORVANE_ROOT", s.root.path());
    env.insert("CORVANE_LAYOUT", s.mac ? "mac" : "freedesktop");
    if (!s.mac) env.insert("PKEXEC_UID", QString::number(::getuid()));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QStringLiteral(CORVANE_TOLVIK_PROGRAM), {});
    const bool ended = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    const OpenFolder trash = OpenFolder::openChosen(s.trashFiles());
    const quint64 left = FsTree::allocatedBytes(trash, ".").value_or(0);
    // Tolvik warns when more than its threshold stays; less may stay unsaid.
    const bool warned = p.exitCode() == TolvikExitCode::Warned;
    return {ended && (left > TolvikCleaner::WarningThreshold) == warned,
            QStringLiteral("exit %1: ").arg(p.exitCode()) + QString::fromUtf8(p.readAllStandardError())};
}
#endif

Said forceEmpty(HostileSandbox& s) {
    const int failures = ForceEmptyPass(s.paths, std::make_shared<SystemCommands>(std::make_shared<Tasks>()),
                                        std::make_shared<TrashOrigPaths>(),
                                        std::make_shared<Workspace>(s.paths), EmptyProtection::none())
                             .ForceEmptyTrashFileThreader();
    const bool left = !visible(s.trashFiles()).isEmpty() || (!s.mac && !visible(s.trashInfo()).isEmpty());
    return {left == (failures > 0), QStringLiteral("%1 stages failed").arg(failures)};
}

QString desktop(const HostileSandbox& s) {
    return s.home + "/Desktop";
}
QString store(const HostileSandbox& s) {
    return Paths::desktopStoreFolder(s.home + "/Tidy");
}

Said tidy(HostileSandbox& s) {
    const DesktopTidy::TidyResult r = DesktopTidy::tidy(desktop(s), store(s), testLimits());
    bool honest = r.storeReady;
    // Every visible entry that stayed is named, with why.
    for (const QByteArray& name : visible(desktop(s))) {
        const QString shown = FsName::displayText(FsName::fromBytes(name)) + ": ";
        honest = honest && std::any_of(r.left.begin(), r.left.end(),
                                       [&](const QString& line) { return line.startsWith(shown); });
    }
    return {honest && r.left.size() == visible(desktop(s)).size(), r.left.join('\n')};
}

QStringList storedItem(HostileSandbox& s) {
    s.item = store(s) + "/Item";
    s.swapIn = s.item;
    s.plant(s.item);
    s.builder.makeFolder(desktop(s));
    return {s.item, desktop(s) + "/Item"};
}

// A cookie folder: each kind of cookie file, their databases' side files as links to outside files,
// cookie files that are links to outside ones, and the hostile entries beside them.
QStringList cookieFolder(HostileSandbox& s) {
    using namespace CookieFixtures;
    const QString f = s.home + "/Cookies/";
    s.item = f;
    s.plant(f);
    writeChromeDatabase(f + "Cookies", demoChromeCookies());
    writeFirefoxDatabase(f + "cookies.sqlite", demoFirefoxCookies());
    writeFirefoxDatabase(f + "wal.sqlite", demoFirefoxCookies());
    sqlite3* db = nullptr;  // in the log's mode, as the browser keeps it
    sqlite3_open(FsName::toBytes(f + "wal.sqlite").constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    s.builder.writeFile(f + "Cookies.binarycookies", binaryFileOf(demoBinaryCookies()));
    writeFirefoxDatabase(s.away.file("outside.sqlite"), demoFirefoxCookies());
    for (const auto& [at, to] :
         std::initializer_list<std::pair<const char*, const char*>>{{"Cookies-journal", "secret.txt"},
                                                                    {"cookies.sqlite-wal", "secret.txt"},
                                                                    {"cookies.sqlite-shm", "hard.txt"},
                                                                    {"wal.sqlite-shm", "hard.txt"},
                                                                    {"wal.sqlite-wal", "secret.txt"},
                                                                    {"linked.sqlite", "outside.sqlite"},
                                                                    {"linked.binarycookies", "secret.txt"}})
        ::symlink(FsName::toBytes(s.away.file(to)).constData(), FsName::toBytes(f + at).constData());
    return {s.home + "/Cookies"};
}

Said removeCookies(HostileSandbox& s) {
    using CookieRemoval::Outcome;
    const QString f = s.item;
    QStringList lines;
    bool honest = true;
    auto check = [&](const QString& name, const CookieRemoval::Result& r, bool emptied) {
        lines << name + ": " + QString::number(int(r.outcome)) + " " + r.problem;
        honest = honest && (r.outcome == Outcome::Removed) == emptied &&
                 (r.outcome == Outcome::Removed || !r.problem.isEmpty());
    };
    auto rows = [](const QString& path, const char* table) {
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        int n = -1;
        // As an unchanging file: the test's own look must not touch the side files.
        const QByteArray uri = "file:" + FsName::toBytes(path) + "?immutable=1";
        if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) ==
                SQLITE_OK &&
            sqlite3_prepare_v2(db, (QByteArray("SELECT count(*) FROM ") + table).constData(), -1, &st,
                               nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return n;
    };
    const QByteArray empty = CookieRemoval::sampleCookies();
    check("Cookies", CookieRemoval::removeDatabaseCookies(f + "Cookies", CookieDatabase::Kind::Chrome),
          rows(f + "Cookies", "cookies") == 0);
    check("cookies.sqlite",
          CookieRemoval::removeDatabaseCookies(f + "cookies.sqlite", CookieDatabase::Kind::Firefox),
          rows(f + "cookies.sqlite", "moz_cookies") == 0);
    check("wal.sqlite", CookieRemoval::removeDatabaseCookies(f + "wal.sqlite", CookieDatabase::Kind::Firefox),
          rows(f + "wal.sqlite", "moz_cookies") == 0);
    check("linked.sqlite",
          CookieRemoval::removeDatabaseCookies(f + "linked.sqlite", CookieDatabase::Kind::Firefox),
          rows(f + "linked.sqlite", "moz_cookies") == 0);
    for (const QString name : {"Cookies.binarycookies", "linked.binarycookies"}) {
        const CookieRemoval::Result r = CookieRemoval::replaceBinaryFile(f + name, empty);
        check(name, r, OpenFolder::openChosen(f).readFile(FsName::toBytes(name), 1 << 20) == empty);
    }
    return {honest, lines.join('\n')};
}

// A write says it wrote only when the file holds what was written; no temporary file stays.
Said wrote(const QString& folder, const QByteArray& name, bool ok, const QByteArray& expected) {
    const OpenFolder f = OpenFolder::openChosen(folder);
    bool stray = false;
    for (const QByteArray& n : f.names()) stray = stray || (n.startsWith('.' + name.left(20)) && n != name);
    return {ok == (f.readFile(name, 1 << 20) == expected) && !stray,
            QStringLiteral("wrote %1, temporary left %2").arg(ok).arg(stray)};
}

QStringList exportFolder(HostileSandbox& s) {
    s.item = s.home + "/Export";
    s.plant(s.item);
    for (const char* name : {"cookiedata.txt", "cookies.txt"})
        ::symlink(FsName::toBytes(s.away.file("secret.txt")).constData(),
                  FsName::toBytes(s.item + '/' + name).constData());
    return {s.item};
}

Said exportText(HostileSandbox& s) {
    PRRtfController text;
    text.addRtfContent("Website:.a.test  Name:n  Secure:NO  Path:/  Value:v  ");
    return wrote(s.item, "cookiedata.txt", text.writeRtfInPath(s.item, "Note"), text.strRtfContent.toUtf8());
}

Said exportNetscape(HostileSandbox& s) {
    const QByteArray data = CookieExport::netscapeText({});
    Said said =
        wrote(s.item, "cookies.txt", CookieExport::writePrivateFile(s.item + "/cookies.txt", data), data);
    const QByteArray longName(255, 'c');
    const Said longer =
        wrote(s.item, longName,
              CookieExport::writePrivateFile(s.item + '/' + FsName::fromBytes(longName), data), data);
    return {said.honest && longer.honest, said.text + "; 255 bytes: " + longer.text};
}

QStringList settingsFolder(HostileSandbox& s) {
    s.item = s.home + "/.config/Corvane";
    s.plant(s.item);
    s.builder.makeFolder(s.home + "/.config/Piped");
    ::mkfifo(FsName::toBytes(s.home + "/.config/Piped/Corvane.conf").constData(), 0644);
    return {s.item, s.home + "/.config/Piped"};
}

Said writeSettings(HostileSandbox& s) {
    Defaults d(s.item + "/Corvane.conf");
    d.setString("LastTidy", "hostile\nvalue");
    const bool ok = d.synchronize();
    const bool stored = Defaults(s.item + "/Corvane.conf").stringForKey("LastTidy") == "hostile\nvalue";
    // A FIFO where the file belongs is never written to, and the write says so.
    Defaults piped(s.home + "/.config/Piped/Corvane.conf");
    piped.setString("LastTidy", "x");
    const bool pipedOk = piped.synchronize();
    struct stat st;
    const bool fifo =
        ::lstat(FsName::toBytes(piped.filePath()).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    return {ok == stored && !pipedOk && fifo,
            QStringLiteral("wrote %1, FIFO written %2").arg(ok).arg(pipedOk)};
}

const QList<Op>& operations() {
    static const QList<Op> ops = {
        {"ForceEmpty", true, wholeTrash, forceEmpty},
#ifdef CORVANE_TOLVIK_PROGRAM  // the program, run without privileges
        {"Tolvik", true, wholeTrash, tolvik},
#endif
        {"Delete", true, trashItem,
         [](HostileSandbox& s) { return removed(s, actions(s).deleteItem(s.item)); }},
        {"SecureDelete", true, trashItem,
         [](HostileSandbox& s) { return erased(s, actions(s).secureDeleteItem(s.item)); }},
        {"PutBack", true, trashItem,
         [](HostileSandbox& s) {
             const auto outcome = actions(s).putBack(s.item, s.destination);
             return Said{
                 (outcome == TrashItemActions::PutBack::Moved) == (exists(s.destination) && !exists(s.item)),
                 QStringLiteral("outcome %1").arg(int(outcome))};
         },
         [](HostileSandbox& s) { return std::make_pair(s.item, s.destination); }},
        {"Erase", false,
         [](HostileSandbox& s) {
             s.item = s.home + "/Chosen";
             s.swapIn = s.item;
             s.plant(s.item);
             return QStringList{s.item};
         },
         [](HostileSandbox& s) { return erased(s, SecureEraser(testLimits()).eraseItems({s.item})); }},
        {"Tidy", false,
         [](HostileSandbox& s) {
             s.plant(desktop(s));
             s.swapIn = desktop(s);
             return QStringList{desktop(s), s.home + "/Tidy"};
         },
         tidy, [](HostileSandbox& s) { return std::make_pair(desktop(s), store(s)); }},
        {"Restore", false, storedItem,
         [](HostileSandbox& s) {
             QString why;
             const FsMove::Outcome outcome =
                 DesktopTidy::restore(store(s), s.item, desktop(s), testLimits(), &why);
             return Said{(outcome == FsMove::Outcome::Moved) == !exists(s.item), why};
         },
         [](HostileSandbox& s) { return std::make_pair(s.item, desktop(s) + "/Item"); }},
        {"StoreDelete", false, storedItem,
         [](HostileSandbox& s) {
             return removed(s, DesktopTidy::deleteItem(store(s), s.item, testLimits()));
         }},
        {"CookieRemoval", false, cookieFolder, removeCookies},
        {"TextExport", false, exportFolder, exportText},
        {"NetscapeExport", false, exportFolder, exportNetscape},
        {"SettingsWrite", false, settingsFolder, writeSettings},
    };
    return ops;
}

// Records of a moved item, without the pair the swapper exchanges.
Records carriedRecords(const QString& path) {
    Records r;
    const Records all = entryRecords(path);
    for (auto it = all.begin(); it != all.end(); ++it)
        if (!it.key().startsWith("/busy")) r.insert(it.key(), it.value());
    return r;
}

enum class Variant { Mac, Freedesktop, LinkAboveMac, LinkAboveFreedesktop, Once };

struct Case {
    int op;
    Variant variant;
};

class HostileSandboxSuite : public ::testing::TestWithParam<Case> {};

TEST_P(HostileSandboxSuite, NothingOutsideTheTargetChangesAndTheReportTellsWhatStayed) {
    const Op& op = operations()[GetParam().op];
    const Variant variant = GetParam().variant;
    const bool above = variant == Variant::LinkAboveMac || variant == Variant::LinkAboveFreedesktop;
    HostileSandbox s(variant == Variant::Mac || variant == Variant::LinkAboveMac);
    const QStringList target = op.setUp(s);
    if (above) {
        // The Trash (mac) or the folder holding it (freedesktop) moved out and linked back.
        const QString linked = s.mac ? s.trashFiles() : s.home + "/.local/share";
        ASSERT_EQ(
            ::rename(FsName::toBytes(linked).constData(), FsName::toBytes(s.away.file("moved")).constData()),
            0);
        ASSERT_EQ(
            ::symlink(FsName::toBytes(s.away.file("moved")).constData(), FsName::toBytes(linked).constData()),
            0);
    }
    for (const QString& why : s.skipped) std::printf("[ note ] %s skipped: %s\n", op.name, qPrintable(why));
    const Records outsideBefore = entryRecords(s.away.path());
    const Records homeBefore = entryRecords(s.root.path(), target);
    const auto [from, to] = op.carried ? op.carried(s) : std::pair<QString, QString>();
    const Records carried = from.isEmpty() ? Records() : carriedRecords(from);

    if (!above && !s.swapIn.isEmpty()) s.startSwapper(s.swapIn);
    const Said said = op.run(s);
    const int swaps = s.swapper ? s.swapper->swaps() : 0;
    s.stopSwapper();

    EXPECT_EQ(entryRecords(s.away.path()), outsideBefore) << "swaps " << swaps;
    EXPECT_EQ(entryRecords(s.root.path(), target), homeBefore);
    if (above) return;  // a Trash reached through a link is no Trash: nothing to report
    EXPECT_TRUE(said.honest) << qPrintable(said.text);
    if (!from.isEmpty()) {
        // Whatever moved arrived whole: the source and the destination together hold what was there.
        Records after = carriedRecords(from);
        after.insert(carriedRecords(to));
        EXPECT_EQ(after, carried);
    }
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (int i = 0; i < operations().size(); ++i) {
        if (!operations()[i].trash) {
            cases.push_back({i, Variant::Once});
            continue;
        }
        for (const Variant v :
             {Variant::Mac, Variant::Freedesktop, Variant::LinkAboveMac, Variant::LinkAboveFreedesktop})
            cases.push_back({i, v});
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    static const char* const variants[] = {"Mac", "Freedesktop", "LinkAboveMac", "LinkAboveFreedesktop", ""};
    return std::string(operations()[info.param.op].name) + variants[int(info.param.variant)];
}

INSTANTIATE_TEST_SUITE_P(Operations, HostileSandboxSuite, ::testing::ValuesIn(allCases()), caseName);

}  // namespace
