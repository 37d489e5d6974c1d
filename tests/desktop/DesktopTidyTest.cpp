// The Desktop tidy's logic: classification, the catalogue, tidy, restore and delete on a sandbox,
// moves across file systems, and the command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <atomic>
#include <thread>

#include "desktop/DesktopCatalogue.h"
#include "desktop/DesktopTidy.h"
#include "desktop/FileKinds.h"
#include "platform/Paths.h"
#include "support/HostileFs.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"

namespace {

QStringList entriesOf(const QString& folder) {
    QStringList names;
    for (const QByteArray& n : OpenFolder::open(folder).names()) names << FsName::fromBytes(n);
    names.sort();
    return names;
}

QStringList namesOf(const DesktopCatalogue::List& list) {
    QStringList names;
    for (const auto& node : list) names << node->fileName;
    return names;
}

struct Desk {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString desktop = root.file("Desktop");
    QString store = Paths::desktopStoreFolder(root.file("Tidy"));
    void at(const QString& relative, const QDateTime& when, const QByteArray& content = "x") const {
        sandbox.writeFile(desktop + '/' + relative, content);
        sandbox.touch(desktop + '/' + relative, when);
    }
};

const QDateTime Base(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);

}  // namespace

TEST(FileKinds, ClassifiesByTheTablesIgnoringCaseAndFoldersByRtfdOnly) {
    const struct {
        const char* name;
        bool folder;
        const char* kind;
    } cases[] = {
        {"photo.JPG", false, FileKinds::Pictures},    {"photo.jpg", false, FileKinds::Pictures},
        {"photo.Jpg", false, FileKinds::Pictures},    {"notes.Plist", false, FileKinds::Documents},
        {"notes.plist", false, FileKinds::Documents}, {"backup.bzip", false, FileKinds::Archives},
        {"movie.mp4", false, FileKinds::Other},       {"song.mp3", false, FileKinds::Other},
        {"Report.rtfd", true, FileKinds::Documents},  {"Report.RTFD", true, FileKinds::Folder},
        {"Pics.jpg", true, FileKinds::Folder},        {"Makefile", false, FileKinds::Other},
        {"trailing.", false, FileKinds::Other},       {"a.tar.gz", false, FileKinds::Archives},
        {"main.c", false, FileKinds::Documents},      {".hidden.png", false, FileKinds::Pictures},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileKinds::kindOf(QString::fromUtf8(c.name), c.folder), QLatin1String(c.kind)) << c.name;
    // The first of a doubled entry answers; nothing matches a null or empty extension.
    EXPECT_EQ(FileKinds::GetImageType("cdr"), 15);
    EXPECT_EQ(FileKinds::GetImageType("DCR"), 29);
    EXPECT_EQ(FileKinds::GetImageType("HEIF"), 0);
    EXPECT_EQ(FileKinds::GetImageType(nullptr), -1);
    EXPECT_EQ(FileKinds::GetDocumentType(""), -1);
    EXPECT_EQ(FileKinds::GetArchiveType("ZOO"), 32);
    EXPECT_GE(FileKinds::GetViedoType("mp4"), 0);
    EXPECT_GE(FileKinds::GetAudioType("Mp3"), 0);
}

TEST(DesktopTidy, MovesTheVisibleItemsLeavesTakenNamesAndCataloguesNewestFirst) {
    Desk d;
    d.at(".DS_Store", Base);
    d.at("Projects/plan.txt", Base.addDays(-2));
    d.sandbox.touch(d.desktop + "/Projects", Base.addDays(-2));
    d.at("a.png", Base);
    d.at("notes.txt", Base.addDays(-1));
    d.at("taken.txt", Base, "desktop copy");
    d.sandbox.writeFile(d.store + "/taken.txt", "stored copy");
    ASSERT_EQ(::symlink("/etc/hostname", QFile::encodeName(d.desktop + "/link").constData()), 0);
    ASSERT_EQ(::close(::creat((QFile::encodeName(d.desktop) + "/caf\xe9.txt").constData(), 0644)), 0);

    const DesktopTidy::TidyResult first = DesktopTidy::tidy(d.desktop, d.store, testLimits());
    ASSERT_TRUE(first.storeReady);
    EXPECT_EQ(entriesOf(d.desktop), QStringList({".DS_Store", "taken.txt"}));
    EXPECT_EQ(first.left.size(), 1);
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(d.store + "/link").constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));  // moved as a link, never followed
    EXPECT_TRUE(FsName::isPlain(d.store) && OpenFolder::open(d.store).has("caf\xe9.txt"));
    QFile stored(d.store + "/taken.txt");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), "stored copy");

    DesktopCatalogue catalogue;
    for (const auto& node : first.moved) catalogue.append(node);
    catalogue.SortAllDataArray();
    EXPECT_EQ(namesOf(catalogue.getDesktopFolderArray()), QStringList{"Projects"});
    EXPECT_EQ(namesOf(catalogue.getDesktopPicArray()), QStringList{"a.png"});
    EXPECT_EQ(catalogue.getDesktopAllArray().size(), 5);
    const auto& all = catalogue.getDesktopAllArray();
    for (qsizetype i = 1; i < all.size(); ++i)
        EXPECT_GE(all[i - 1]->thefileModifyDate, all[i]->thefileModifyDate);
    EXPECT_TRUE(catalogue.getDesktopVideoArray().isEmpty());

    // Tidying again moves only what appeared since.
    d.at("new.zip", Base);
    const DesktopTidy::TidyResult second = DesktopTidy::tidy(d.desktop, d.store, testLimits());
    ASSERT_EQ(second.moved.size(), 1);
    EXPECT_EQ(second.moved.first()->fileKindType, "Archives");
    EXPECT_EQ(entriesOf(d.desktop), QStringList({".DS_Store", "taken.txt"}));
}

TEST(DesktopTidy, AStoreOnTheDesktopStaysThereAndNoLocationMovesNothing) {
    Desk d;
    d.at("a.txt", Base);
    const QString store = Paths::desktopStoreFolder(d.desktop);
    const DesktopTidy::TidyResult result = DesktopTidy::tidy(d.desktop, store, testLimits());
    EXPECT_EQ(entriesOf(d.desktop), QStringList{"com.Nordquil.ploverly"});
    EXPECT_EQ(entriesOf(store), QStringList{"a.txt"});
    EXPECT_EQ(result.left.size(), 1);  // the store folder itself

    Desk e;
    e.at("b.txt", Base);
    EXPECT_FALSE(DesktopTidy::tidy(e.desktop, Paths::desktopStoreFolder(QString()), testLimits()).storeReady);
    EXPECT_EQ(entriesOf(e.desktop), QStringList{"b.txt"});
}

TEST(DesktopTidy, RestoreNeverOverwritesAndDeleteRemovesFoldersWhole) {
    Desk d;
    d.sandbox.writeFile(d.store + "/back.txt", "b");
    d.sandbox.writeFile(d.store + "/clash.txt", "stored");
    d.sandbox.writeFile(d.store + "/Folder/inner/deep.txt", "d");
    d.at("clash.txt", Base, "on the desktop");
    EXPECT_EQ(DesktopTidy::restore(d.store, d.store + "/back.txt", d.desktop, testLimits()),
              FsMove::Outcome::Moved);
    EXPECT_EQ(DesktopTidy::restore(d.store, d.store + "/clash.txt", d.desktop, testLimits()),
              FsMove::Outcome::Taken);
    EXPECT_EQ(entriesOf(d.desktop), QStringList({"back.txt", "clash.txt"}));
    EXPECT_TRUE(DesktopTidy::deleteItem(d.store, d.store + "/Folder", testLimits()).gone);
    EXPECT_EQ(entriesOf(d.store), QStringList{"clash.txt"});

    DesktopCatalogue catalogue;
    catalogue.freshCurrentDeskTop(d.store);
    ASSERT_EQ(catalogue.getDesktopAllArray().size(), 1);
    const NQFileNode::Ptr node = catalogue.getDesktopAllArray().first();
    EXPECT_EQ(&catalogue.showDesktopArray("Documents"), &catalogue.getDesktopDocArray());
    EXPECT_EQ(&catalogue.showDesktopArray("anything else"), &catalogue.getDesktopAllArray());
    catalogue.remove(node);
    EXPECT_TRUE(catalogue.getDesktopAllArray().isEmpty() && catalogue.getDesktopDocArray().isEmpty());
}

TEST(DesktopTidy, OddNamesGoAndComeBackByteForByteAndAMissingDesktopSaysSo) {
    Desk d;
    ASSERT_TRUE(DesktopTidy::makeFolders(d.desktop));
    const QList<QByteArray> odd{QByteArray(255, 'n'), "two\nlines.txt", "-rf.png",
                                "caf\xe9\xff.pdf",    "tab\there",      "dangling"};
    for (const QByteArray& name : odd) {
        const QByteArray path = FsName::toBytes(d.desktop) + '/' + name;
        ASSERT_EQ(name == "dangling" ? ::symlink("/nowhere/at/all", path.constData())
                                     : ::close(::creat(path.constData(), 0644)),
                  0);
    }
    ::chmod((FsName::toBytes(d.desktop) + "/-rf.png").constData(), 0);  // unreadable: moved all the same
    const DesktopTidy::TidyResult tidied = DesktopTidy::tidy(d.desktop, d.store, testLimits());
    EXPECT_TRUE(tidied.left.isEmpty()) << qPrintable(tidied.left.join('|'));
    ASSERT_EQ(tidied.moved.size(), odd.size());
    DesktopCatalogue catalogue;
    catalogue.freshCurrentDeskTop(d.store);
    ASSERT_EQ(catalogue.getDesktopAllArray().size(), odd.size());
    for (const auto& node : catalogue.getDesktopAllArray()) {
        EXPECT_TRUE(odd.contains(FsName::toBytes(node->fileName)))
            << qPrintable(FsName::displayText(node->fileName));
        EXPECT_EQ(DesktopTidy::restore(d.store, node->fullFilePath, d.desktop, testLimits()),
                  FsMove::Outcome::Moved)
            << qPrintable(FsName::displayText(node->fileName));
    }
    EXPECT_TRUE(OpenFolder::open(d.store).names().isEmpty());
    EXPECT_EQ(OpenFolder::open(d.desktop).names().size(), odd.size());

    const DesktopTidy::TidyResult missing =
        DesktopTidy::tidy(d.root.file("No Desktop"), d.store, testLimits());
    EXPECT_TRUE(missing.moved.isEmpty());
    ASSERT_EQ(missing.left.size(), 1);
    EXPECT_TRUE(missing.left[0].contains("No Desktop"));
}

// A folder on another file system than `root`'s, or nothing when there is none.
static QString elsewhereThan(const QString& root) {
    struct stat tmp, shm;
    if (::stat("/dev/shm", &shm) != 0 || ::stat(QFile::encodeName(root).constData(), &tmp) != 0 ||
        shm.st_dev == tmp.st_dev)
        return {};
    const QString elsewhere = QStringLiteral("/dev/shm/corvane-test-%1").arg(::getpid());
    QDir().mkpath(elsewhere);
    return elsewhere;
}

TEST(DesktopTidy, AcrossFileSystemsAFolderArrivesWholeOrNotAtAll) {
    Desk d;
    const QString elsewhere = elsewhereThan(d.root.path());
    if (elsewhere.isEmpty()) GTEST_SKIP() << "no second file system to move to";
    const QString store = Paths::desktopStoreFolder(elsewhere);
    d.at("Album/one.txt", Base, "1");
    d.at("Album/sub/two.txt", Base, "22");
    ASSERT_EQ(::symlink("one.txt", QFile::encodeName(d.desktop + "/Album/alias").constData()), 0);
    d.at("Stuck/ok.txt", Base, "kept");
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.desktop + "/Stuck/pipe").constData(), 0644), 0);
    const QByteArray before = HostileFs::treeDigest(d.desktop + "/Stuck");
    const QByteArray album = HostileFs::treeDigest(d.desktop + "/Album");

    const DesktopTidy::TidyResult result = DesktopTidy::tidy(d.desktop, store, testLimits());
    EXPECT_EQ(entriesOf(d.desktop), QStringList{"Stuck"});
    EXPECT_EQ(HostileFs::treeDigest(d.desktop + "/Stuck"), before);  // the source is as it was
    EXPECT_EQ(entriesOf(store), QStringList{"Album"});               // and no half copy is left
    EXPECT_EQ(HostileFs::treeDigest(store + "/Album"), album);
    EXPECT_EQ(result.left.size(), 1);
    std::filesystem::remove_all(QFile::encodeName(elsewhere).toStdString());
}

// Another program takes the name at the destination while a move across file systems is under
// way: its file is never removed as if it were a half copy, and the source stays.
TEST(FsMove, ANameTakenDuringACopyAcrossFileSystemsStaysItsOwners) {
    TempRoot root;
    const QString elsewhere = elsewhereThan(root.path());
    if (elsewhere.isEmpty()) GTEST_SKIP() << "no second file system to move to";
    const ScopedFolder from = testScope(root.path()), to = testScope(elsewhere);
    for (int i = 0; i < 200; ++i) {
        const QByteArray name = "item" + QByteArray::number(i);
        ASSERT_TRUE(from.folder().writeFileReplacing(name, "ours", 0644));
        std::atomic<bool> ready{false}, go{false}, done{false}, took{false};
        std::thread other([&] {
            ready = true;
            while (!go) {
            }
            while (!done) {
                const int fd =
                    ::openat(to.folder().fd(), name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                if (fd < 0) continue;
                took = ::write(fd, "theirs", 6) == 6;
                ::close(fd);
                break;
            }
        });
        while (!ready) std::this_thread::yield();
        go = true;
        const FsMove::Outcome outcome = FsMove::move(from, name, to, name);
        done = true;
        other.join();
        // Whoever created the name first keeps it; the other side learns it was taken.
        ASSERT_EQ(to.folder().readFile(name, 100).value_or("(gone)"), took ? "theirs" : "ours") << i;
        ASSERT_EQ(outcome, took ? FsMove::Outcome::Taken : FsMove::Outcome::Moved) << i;
        ASSERT_EQ(from.has(name), took) << i;
    }
    std::filesystem::remove_all(QFile::encodeName(elsewhere).toStdString());
}

TEST(DesktopCli, ChoosesAStoreTidiesListsRestoresAndDeletesOnlyWhenAsked) {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    sandbox.buildLinuxDemo();
    const QString home = sandbox.linuxPaths()->userHome();
    auto run = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("CORVANE_LAYOUT"));
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file("config"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVANE_CLI_PATH), args);
        p.closeWriteChannel();  // a question finds no answer
        p.waitForFinished(60000);
        return std::make_pair(p.exitCode(),
                              QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
    };
    EXPECT_EQ(run({"desktop", "tidy"}).first, 1);  // no store location yet: nothing moves
    EXPECT_TRUE(QFile::exists(home + "/Desktop/todo.txt"));
    EXPECT_EQ(run({"desktop", "store-location", home + "/Tidy"}).first, 0);
    const auto tidied = run({"desktop", "tidy"});
    EXPECT_EQ(tidied.first, 1) << qPrintable(tidied.second);  // "Meeting notes.txt" was taken
    EXPECT_TRUE(tidied.second.contains("Meeting notes.txt"));
    const auto pictures = run({"desktop", "list", "--kind", "pictures", "--json"});
    EXPECT_EQ(pictures.first, 0);
    EXPECT_TRUE(pictures.second.contains("Sunset.bmp") && !pictures.second.contains("todo.txt"));
    EXPECT_EQ(run({"desktop", "restore", "todo.txt"}).first, 0);
    EXPECT_TRUE(QFile::exists(home + "/Desktop/todo.txt"));
    EXPECT_EQ(run({"desktop", "delete", "Projects"}).first, 1);  // no answer: kept
    EXPECT_TRUE(QFile::exists(home + "/Tidy/com.Nordquil.ploverly/Projects/plan.txt"));
    EXPECT_EQ(run({"desktop", "delete", "--yes", "Projects"}).first, 0);
    EXPECT_FALSE(QFile::exists(home + "/Tidy/com.Nordquil.ploverly/Projects"));
    EXPECT_EQ(run({"desktop", "restore", "../escape"}).first, 1);
}
