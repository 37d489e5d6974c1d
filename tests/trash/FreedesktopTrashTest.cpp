// The Trash flows on the freedesktop layout: listing, removing, putting back and emptying keep
// "files/", "info/" and the size cache consistent.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <numeric>

#include "core/fs/OpenFolder.h"
#include "empty/ForceEmptyPass.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/RecordingTasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "tolvik/TolvikCleaner.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashInfo.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashNavigation.h"
#include "trash/TrashScanner.h"
#include "trash/TrashStore.h"

namespace {

struct LinuxFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), "me"};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::shared_ptr<RecordingTasks> tasks = std::make_shared<RecordingTasks>();
    std::shared_ptr<ItemSizes> files = std::make_shared<ItemSizes>(paths, tasks);
    std::shared_ptr<SystemCommands> commands = std::make_shared<SystemCommands>(tasks);
    std::shared_ptr<TrashOrigPaths> origPaths = std::make_shared<TrashOrigPaths>();
    QString trash = paths->userTrashFolder();
    QString usb = sandbox.root() + "/media/me/USB";
    QString usbTrash = usb + "/.Trash-" + QString::number(::getuid());

    LinuxFixture() { sandbox.writeMountTable({"/media/me/USB"}); }
    TrashScanResult scan() {
        return TrashScanner(paths, files, origPaths, std::make_shared<Workspace>(paths)).scan();
    }
    static CVTrashFileNode::Ptr named(const TrashScanResult& r, const QString& name) {
        for (const auto& item : r.items)
            if (item->theFileName == name) return item;
        return nullptr;
    }
    int duRuns() const {
        int n = 0;
        for (const auto& call : tasks->calls()) n += call.program.endsWith("/du");
        return n;
    }
    static QStringList left(const QString& folder) { return sortedEntries(folder); }
};

TEST(FreedesktopTrash, ScanListsItemsWithTheirInfoFilesOnTheHomeAndOnVolumes) {
    LinuxFixture f;
    f.sandbox.trashItem(f.trash, "report.pdf", "/home/me/Documents/report.pdf");
    f.sandbox.trashItem(f.trash, "report.2.pdf", "/home/me/Desktop/report.pdf");
    f.sandbox.trashItem(f.trash, ".profile.bak", "/home/me/.profile.bak");
    f.sandbox.writeFile(f.trash + "/files/no-record.txt", "x");
    f.sandbox.writeFile(f.trash + "/info/orphan.txt.trashinfo", TrashInfo::format("/home/me/orphan.txt", {}));
    f.sandbox.writeFile(f.trash + "/info/evil.txt.trashinfo",
                        "[Trash Info]\nPath=/home/me/../../etc/evil.txt\n");
    f.sandbox.writeFile(f.trash + "/files/evil.txt", "x");
    f.sandbox.trashItem(f.usbTrash, "slides.pdf", "talks/slides.pdf");
    f.sandbox.trashItem(f.usbTrash, "abs.txt", "/media/me/USB/abs.txt");
    // Another user's Trash on the stick is not ours to list.
    f.sandbox.trashItem(f.usb + "/.Trash-" + QString::number(::getuid() + 1), "theirs.txt", "theirs.txt");

    const TrashScanResult r = f.scan();
    QStringList names;
    for (const auto& item : r.items) names << item->theFileName;
    names.sort();
    EXPECT_EQ(names, (QStringList{".profile.bak", "abs.txt", "evil.txt", "no-record.txt", "report.2.pdf",
                                  "report.pdf", "slides.pdf"}));
    const QString home = f.sandbox.root() + "/home/me";
    EXPECT_EQ(f.named(r, "report.pdf")->theOrignalpath, home + "/Documents/report.pdf");
    EXPECT_EQ(f.named(r, "report.2.pdf")->theOrignalpath, home + "/Desktop/report.pdf");
    EXPECT_EQ(f.named(r, ".profile.bak")->theOrignalpath, home + "/.profile.bak");
    EXPECT_EQ(f.named(r, "no-record.txt")->theOrignalpath, "--");
    EXPECT_EQ(f.named(r, "evil.txt")->theOrignalpath, "--");
    EXPECT_EQ(f.named(r, "slides.pdf")->theOrignalpath, f.usb + "/talks/slides.pdf");
    EXPECT_EQ(f.named(r, "abs.txt")->theOrignalpath, f.usb + "/abs.txt");
    EXPECT_EQ(f.named(r, "slides.pdf")->theTrashPath, f.usbTrash + "/files/slides.pdf");
}

TEST(FreedesktopTrash, TheDatedScanAndTheStreamedScanAgreeWithTheFullScan) {
    LinuxFixture f;
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    f.sandbox.trashItem(f.trash, "report.pdf", "/home/me/Documents/report.pdf", "x", false, when);
    f.sandbox.trashItem(f.trash, "Project", "/home/me/Project", "x", true, when.addDays(-9));
    f.sandbox.trashItem(f.trash, "undated.txt", "/home/me/undated.txt", "x", false, QDateTime());
    f.sandbox.writeFile(f.trash + "/files/no-record.txt", "x");
    f.sandbox.writeFile(f.trash + "/info/orphan.txt.trashinfo",
                        TrashInfo::format("/home/me/orphan.txt", when));
    f.sandbox.trashItem(f.usbTrash, "slides.pdf", "talks/slides.pdf", "x", false, when.addDays(-1));
    auto fields = [](const QList<CVTrashFileNode::Ptr>& items, bool full) {
        QStringList rows;
        for (const auto& i : items)
            rows << QStringList{i->theFileName,
                                i->theTrashPath,
                                i->theOrignalpath,
                                i->theVolume,
                                i->deletionDate.toString(Qt::ISODate),
                                full ? i->theFileSize + ' ' + i->theFilePermission : QString()}
                        .join('|');
        return rows;
    };
    const TrashScanResult full = f.scan();
    TrashScanner scanner(f.paths, f.files, f.origPaths, std::make_shared<Workspace>(f.paths));
    // Streamed: the same records in the same order, and the same total.
    QList<CVTrashFileNode::Ptr> streamed;
    EXPECT_EQ(scanner.scanEach([&](const CVTrashFileNode::Ptr& i) { streamed << i; }), full.trashFileSize);
    EXPECT_EQ(fields(streamed, true), fields(full.items, true));
    // From the records alone: the same items, places and dates, and a fresh put-back list.
    f.origPaths->replaceNamed({});
    const std::optional<TrashScanResult> dated = scanner.scanDated();
    ASSERT_TRUE(dated);
    QStringList expected = fields(full.items, false);
    QStringList got = fields(dated->items, false);
    expected.sort();
    got.sort();
    EXPECT_EQ(got, expected);
    EXPECT_EQ(f.origPaths->deletionDateOf("Project"), when.addDays(-9));
    EXPECT_EQ(f.origPaths->getOrigFilePath("report.pdf"), f.sandbox.root() + "/home/me/Documents/report.pdf");
    // The mac layout keeps no dates: its callers scan in full.
    auto mac = std::make_shared<MacPaths>(f.sandbox.paths());
    EXPECT_FALSE(TrashScanner(mac, f.files, f.origPaths, nullptr).scanDated());
}

TEST(FreedesktopTrash, ManyItemsGoInInodeOrderAndAreReportedInTheCallersOrder) {
    LinuxFixture f;
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths << f.sandbox.trashItem(f.trash, QString("item %1").arg(i), "/home/me/" + QString::number(i),
                                     "x", i % 4 == 0);
    paths << f.usbTrash + "/files/elsewhere";  // its folder is missing
    paths << f.trash + "/files/never there";
    f.sandbox.trashItem(f.trash, "kept", "/home/me/kept");
    std::reverse(paths.begin(), paths.end());

    const OpenFolder files = OpenFolder::open(f.trash + "/files");
    const QList<QByteArray> byInode = files.namesByInode();
    QList<QByteArray> names = files.names();
    QList<QByteArray> sorted = byInode;
    std::sort(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, names);
    for (qsizetype i = 1; i < byInode.size(); ++i)
        EXPECT_LT(files.entry(byInode[i - 1])->st_ino, files.entry(byInode[i])->st_ino);

    const TrashItemActions actions(f.commands, TrashStore::forPaths(f.paths));
    QList<qsizetype> told;
    QList<bool> gone;
    actions.deleteItems(paths, {}, [&](qsizetype i, const FsTree::Report& report) {
        told << i;
        gone << report.gone;
    });
    QList<qsizetype> inOrder(paths.size());
    std::iota(inOrder.begin(), inOrder.end(), 0);
    EXPECT_EQ(told, inOrder);
    EXPECT_EQ(gone.count(false), 1);  // the item whose folder is missing
    EXPECT_FALSE(gone[1]);
    EXPECT_EQ(LinuxFixture::left(f.trash + "/files"), QStringList{"kept"});
    EXPECT_EQ(LinuxFixture::left(f.trash + "/info"), QStringList{"kept.trashinfo"});
}

TEST(FreedesktopTrash, InsideAFolderDottedNamesStayWholeAndKeepTheirPlace) {
    LinuxFixture f;
    f.sandbox.trashItem(f.trash, "Project", "/home/me/Project", "x", true);
    f.sandbox.writeFile(f.trash + "/files/Project/.env", "e");
    f.sandbox.writeFile(f.trash + "/files/Project/.git/config", "c");
    const TrashScanResult r = f.scan();
    const auto project = LinuxFixture::named(r, "Project");
    ASSERT_TRUE(project);
    const QString place = project->theOrignalpath;
    ASSERT_NE(place, "--");

    TrashNavigation nav(f.files);
    nav.showTopLevel(r.items);
    ASSERT_TRUE(nav.enterFolder(project));
    auto shown = [&] {
        QMap<QString, QString> byName;
        for (const auto& item : nav.content()) byName.insert(item->theFileName, item->theOrignalpath);
        return byName;
    };
    EXPECT_EQ(shown(), (QMap<QString, QString>{{".env", place + "/.env"},
                                               {".git", place + "/.git"},
                                               {"inside.txt", place + "/inside.txt"}}));
    CVTrashFileNode::Ptr git;
    for (const auto& item : nav.content())
        if (item->theFileName == ".git") git = item;
    ASSERT_TRUE(git);
    ASSERT_TRUE(nav.enterFolder(git));
    EXPECT_EQ(shown(), (QMap<QString, QString>{{"config", place + "/.git/config"}}));
}

TEST(FreedesktopTrash, SecondScanTakesUnchangedFolderSizesFromTheCache) {
    LinuxFixture f;
    const QString album = f.sandbox.trashItem(f.trash, "Album", "/home/me/Album", "x", true);
    f.sandbox.writeSizedFile(album + "/song.flac", 300000);
    const quint64 measured = f.files->fastFolderSizeAtFilePath(album);

    TrashScanResult r = f.scan();
    EXPECT_EQ(f.named(r, "Album")->filesize, measured);  // du's figure, not the files' sum
    EXPECT_TRUE(QFile::exists(f.trash + "/directorysizes"));

    // Grown behind the info file's back: the cache still answers, so it was not measured again.
    f.sandbox.writeSizedFile(album + "/bonus.flac", 300000);
    r = f.scan();
    EXPECT_EQ(f.named(r, "Album")->filesize, measured);
    EXPECT_EQ(f.duRuns(), 0);  // measured in-process

    // A new info file means a new item of that name: measured again.
    struct utimbuf later {
        2000000000, 2000000000
    };
    ::utime(QFile::encodeName(TrashInfo::infoFileOf(album)).constData(), &later);
    r = f.scan();
    EXPECT_GT(f.named(r, "Album")->filesize, measured);

    // Once the folder has left the Trash its line leaves the cache.
    QDir(album).removeRecursively();
    f.scan();
    EXPECT_FALSE(QFile::exists(f.trash + "/directorysizes"));
}

TEST(FreedesktopTrash, DeleteShredAndPutBackTakeTheInfoFileAlong) {
    LinuxFixture f;
    const TrashItemActions actions(f.commands, TrashStore::forPaths(f.paths));
    const QString a = f.sandbox.trashItem(f.trash, "a.txt", "/home/me/a.txt");
    const QString b = f.sandbox.trashItem(f.trash, "b", "/home/me/b", "secret", true);
    const QString c = f.sandbox.trashItem(f.trash, "c.txt", "/home/me/Docs/c.txt");
    const QString d = f.sandbox.trashItem(f.trash, "d.txt", "/home/me/d.txt");
    f.sandbox.writeFile("/home/me/d.txt", "already here");

    actions.deleteItem(a);
    actions.secureDeleteItem(b);
    EXPECT_EQ(actions.putBack(c, f.sandbox.root() + "/home/me/Docs/c.txt"), TrashItemActions::PutBack::Moved);
    EXPECT_EQ(actions.putBack(d, f.sandbox.root() + "/home/me/d.txt"), TrashItemActions::PutBack::Taken);

    EXPECT_EQ(f.left(f.trash + "/files"), QStringList{"d.txt"});
    EXPECT_EQ(f.left(f.trash + "/info"), QStringList{"d.txt.trashinfo"});
    EXPECT_TRUE(QFile::exists(f.sandbox.root() + "/home/me/Docs/c.txt"));
    QFile kept(f.sandbox.root() + "/home/me/d.txt");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "already here");
}

TEST(FreedesktopTrash, AVolumeItemGoesOutsideItsVolumeOnlyWhenThatWasAgreed) {
    LinuxFixture f;
    f.sandbox.trashItem(f.usbTrash, "inside.txt", "docs/inside.txt");
    f.sandbox.trashItem(f.usbTrash, "top.txt", "/media/me/USB/top.txt");
    f.sandbox.trashItem(f.usbTrash, "x.desktop", "/home/me/.config/autostart/x.desktop");
    f.sandbox.trashItem(f.usbTrash, "twin.txt", "/media/me/USB2/twin.txt");  // a name that only starts alike
    f.sandbox.trashItem(f.trash, "home.txt", "/home/me/Documents/home.txt");
    const TrashScanResult scanned = f.scan();
    const TrashItemActions actions(f.commands, TrashStore::forPaths(f.paths));
    using P = TrashItemActions::PutBack;
    struct Case {
        const char* name;
        bool leaves;
        P withoutAgreement;
    };
    const Case cases[] = {
        {"inside.txt", false, P::Moved},       {"top.txt", false, P::Moved},
        {"x.desktop", true, P::OutsideVolume}, {"twin.txt", true, P::OutsideVolume},
        {"home.txt", false, P::Moved},  // the home Trash has no volume to leave
    };
    const auto store = TrashStore::forPaths(f.paths);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CVTrashFileNode::Ptr item = LinuxFixture::named(scanned, c.name);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->theVolume, store->volumeOf(item->theTrashPath));
        EXPECT_EQ(TrashItemActions::leavesVolume(item->theTrashPath, item->theOrignalpath, item->theVolume),
                  c.leaves);
        const QString destination =
            TrashItemActions::putBackDestination(item->theTrashPath, item->theOrignalpath);
        EXPECT_EQ(actions.putBack(item->theTrashPath, item->theOrignalpath, item->theVolume),
                  c.withoutAgreement);
        EXPECT_EQ(QFile::exists(destination), c.withoutAgreement == P::Moved);
        if (c.leaves) {
            EXPECT_TRUE(QFile::exists(item->theTrashPath));
            EXPECT_TRUE(QFile::exists(TrashInfo::infoFileOf(item->theTrashPath)));
            EXPECT_EQ(actions.putBack(item->theTrashPath, item->theOrignalpath, item->theVolume, true),
                      P::Moved);
            EXPECT_TRUE(QFile::exists(destination));
        }
    }
    EXPECT_TRUE(QFile::exists(f.root.path() + "/home/me/.config/autostart/x.desktop"));
}

TEST(FreedesktopTrash, ForcedPassEmptiesFilesAndInfoButKeepsProtectedItemsWithTheirRecords) {
    LinuxFixture f;
    f.sandbox.trashItem(f.trash, "keep.txt", "/home/me/keep.txt");
    f.sandbox.trashItem(f.trash, "Old", "/home/me/Old", "x", true);
    f.sandbox.trashItem(f.trash, "junk.txt", "/home/me/junk.txt");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
    f.sandbox.touch(f.sandbox.writeFile(f.trash + "/info/orphan.txt.trashinfo",
                                        TrashInfo::format("/home/me/orphan.txt", {})),
                    old);
    // Another program trashing an item right now: its info file came first, the item follows.
    f.sandbox.writeFile(f.trash + "/info/coming.txt.trashinfo", TrashInfo::format("/home/me/coming.txt", {}));
    f.sandbox.writeFile(f.trash + "/directorysizes", "10 1 Old\n20 1 Gone\n");
    f.sandbox.trashItem(f.usbTrash, "usb.txt", "usb.txt");
    const QString outside = f.sandbox.writeFile("/home/me/keep.txt.trashinfo", "not in the Trash");

    const EmptyProtection protection([] { return true; },
                                     [](const QString& p) { return p.endsWith("/keep.txt"); }, {}, {});
    ForceEmptyPass pass(f.paths, f.commands, f.origPaths, std::make_shared<Workspace>(f.paths), protection);
    EXPECT_EQ(pass.ForceEmptyTrashFileThreader(), 0);

    EXPECT_EQ(f.left(f.trash + "/files"), QStringList{"keep.txt"});
    EXPECT_EQ(f.left(f.trash + "/info"), (QStringList{"coming.txt.trashinfo", "keep.txt.trashinfo"}));
    EXPECT_FALSE(QFile::exists(f.trash + "/directorysizes"));
    EXPECT_TRUE(f.left(f.usbTrash + "/files").isEmpty());
    EXPECT_TRUE(f.left(f.usbTrash + "/info").isEmpty());
    EXPECT_TRUE(QFile::exists(outside));
    // The protection rules saw where the kept item came from.
    EXPECT_EQ(f.origPaths->getOrigFilePath("keep.txt"), f.sandbox.root() + "/home/me/keep.txt");
}

TEST(FreedesktopTrash, TolvikEmptiesEveryPartAndNeverFollowsALinkedPart) {
    LinuxFixture f;
    f.sandbox.trashItem(f.trash, "a.txt", "/home/me/a.txt");
    f.sandbox.trashItem(f.trash, "Dir", "/home/me/Dir", "x", true);
    f.sandbox.writeFile(f.trash + "/directorysizes", "1 1 Dir\n");
    f.sandbox.touch(
        f.sandbox.writeFile(f.trash + "/info/gone.txt.trashinfo", "[Trash Info]\nPath=/gone.txt\n"),
        QDateTime::currentDateTime().addSecs(-61));
    f.sandbox.writeFile(f.trash + "/info/coming.txt.trashinfo", "[Trash Info]\nPath=/coming.txt\n");
    f.sandbox.trashItem(f.usbTrash, "usb.txt", "usb.txt");
    auto tasks = std::make_shared<Tasks>();
    const TolvikCleaner cleaner(f.paths, std::make_shared<SystemCommands>(tasks),
                                std::make_shared<ItemSizes>(f.paths, tasks), [](const QString&) {});
    EXPECT_FALSE(cleaner.run().needsWarning());
    EXPECT_TRUE(f.left(f.trash + "/files").isEmpty());
    EXPECT_EQ(f.left(f.trash + "/info"), QStringList{"coming.txt.trashinfo"});  // its item is on its way
    EXPECT_FALSE(QFile::exists(f.trash + "/directorysizes"));
    EXPECT_TRUE(f.left(f.usbTrash + "/files").isEmpty());
    EXPECT_TRUE(f.left(f.usbTrash + "/info").isEmpty());

    // "info" swapped for a link to a folder elsewhere: that folder keeps its content.
    TempRoot elsewhere;
    SandboxBuilder other(elsewhere.path(), "me");
    const QString precious = other.writeFile("/precious.trashinfo", "keep me");
    QDir(f.trash + "/info").removeRecursively();
    QFile::link(elsewhere.path(), f.trash + "/info");
    f.sandbox.trashItem(f.usbTrash, "again.txt", "again.txt");
    cleaner.run();
    EXPECT_TRUE(QFile::exists(precious));
    EXPECT_TRUE(f.left(f.usbTrash + "/files").isEmpty());
}

TEST(FreedesktopTrash, BatchesReadTheirOwnRecordsAndTheListIsWholeOnlyAtTheEnd) {
    LinuxFixture f;
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    // Several batches, each read on every core; every 7th item without its record.
    for (int i = 0; i < 1100; ++i) {
        const QString name = QStringLiteral("item %1").arg(i);
        if (i % 7 == 0)
            f.sandbox.writeFile(f.trash + "/files/" + name, "x");
        else
            f.sandbox.trashItem(f.trash, name, "/home/me/" + name, "x", i % 50 == 0, when.addSecs(i));
    }
    f.sandbox.writeFile(f.trash + "/info/orphan.txt.trashinfo",
                        TrashInfo::format("/home/me/orphan.txt", when));
    auto rows = [](const QList<CVTrashFileNode::Ptr>& items) {
        QStringList out;
        for (const auto& i : items)
            out << i->theFileName + '|' + i->theOrignalpath + '|' + i->deletionDate.toString(Qt::ISODate) +
                       '|' + i->theFileSize;
        return out;
    };
    const TrashScanResult full = f.scan();
    QStringList places;
    for (const auto& i : full.items) places << f.origPaths->getOrigFilePath(i->theFileName);

    auto stop = std::make_shared<std::atomic_bool>(false);
    TrashScanner scanner(f.paths, f.files, f.origPaths, std::make_shared<Workspace>(f.paths));
    scanner.setStop(stop);
    f.origPaths->replaceNamed({{"stale", "/home/me/stale"}});
    QList<CVTrashFileNode::Ptr> streamed;
    int batches = 0;
    EXPECT_EQ(scanner.scanBatches([&](const QList<CVTrashFileNode::Ptr>& batch) {
        // The shared list is replaced only once every record is read.
        EXPECT_EQ(f.origPaths->getOrigFilePath("stale"), "/home/me/stale");
        streamed << batch;
        ++batches;
    }),
              full.trashFileSize);
    EXPECT_GE(batches, 3);
    EXPECT_EQ(rows(streamed), rows(full.items));
    QStringList after;
    for (const auto& i : full.items) after << f.origPaths->getOrigFilePath(i->theFileName);
    EXPECT_EQ(after, places);
    EXPECT_EQ(f.origPaths->getOrigFilePath("stale"), "--");

    // Stopped after its first batch: no more batches, the list and the size cache as they were.
    auto cacheText = [&] {
        QFile c(f.trash + "/directorysizes");
        return c.open(QIODevice::ReadOnly) ? c.readAll() : QByteArray();
    };
    const QByteArray cache = cacheText();
    ASSERT_FALSE(cache.isEmpty());
    f.origPaths->replaceNamed({{"stale", "/home/me/stale"}});
    batches = 0;
    scanner.scanBatches([&](const QList<CVTrashFileNode::Ptr>&) {
        ++batches;
        stop->store(true);
    });
    EXPECT_EQ(batches, 1);
    EXPECT_EQ(f.origPaths->getOrigFilePath("stale"), "/home/me/stale");
    EXPECT_EQ(cacheText(), cache);
}

TEST(FreedesktopTrash, ARecordWhoseItemGivesNoRowStillSaysWhereItGoes) {
    LinuxFixture f;
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    f.sandbox.trashItem(f.trash, "kept.txt", "/home/me/kept.txt", "x", false, when);
    // A link to nothing is no row of the listing; its record stays in the list read in parts.
    f.sandbox.writeFile(f.trash + "/info/dangling.trashinfo", TrashInfo::format("/home/me/dangling", when));
    ASSERT_TRUE(QFile::link(f.root.path() + "/nowhere", f.trash + "/files/dangling"));
    QList<CVTrashFileNode::Ptr> rows;
    TrashScanner(f.paths, f.files, f.origPaths, std::make_shared<Workspace>(f.paths))
        .scanBatches([&](const QList<CVTrashFileNode::Ptr>& batch) { rows << batch; });
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->theOrignalpath, f.paths->inRoot("/home/me/kept.txt"));
    EXPECT_EQ(f.origPaths->getOrigFilePath("kept.txt"), rows[0]->theOrignalpath);
    EXPECT_EQ(f.origPaths->getOrigFilePath("dangling"), f.paths->inRoot("/home/me/dangling"));
    EXPECT_EQ(f.origPaths->deletionDateOf("dangling"), when);
}

}  // namespace
