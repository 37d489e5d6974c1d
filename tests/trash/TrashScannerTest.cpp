#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/DSStoreWriter.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashNavigation.h"
#include "trash/TrashScanner.h"

namespace {

struct ScanFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    std::shared_ptr<ItemSizes> files = std::make_shared<ItemSizes>(paths, std::make_shared<Tasks>());
    std::shared_ptr<TrashOrigPaths> origPaths = std::make_shared<TrashOrigPaths>();
    QString trash = paths->userTrash();

    TrashScanResult scan() {
        TrashScanner scanner(paths, files, origPaths, std::make_shared<Workspace>(paths));
        return scanner.scan();
    }
    static CVTrashFileNode::Ptr named(const TrashScanResult& r, const QString& name) {
        for (const auto& item : r.items)
            if (item->theFileName == name) return item;
        return nullptr;
    }
};

TEST(TrashScanner, EmptyTrashGivesNoRecords) {
    ScanFixture f;
    f.sandbox.makeFolder(f.trash);
    const TrashScanResult r = f.scan();
    EXPECT_TRUE(r.items.isEmpty());
    EXPECT_EQ(r.trashFileSize, 0u);
    ScanFixture missing;  // no Trash folder at all
    EXPECT_TRUE(missing.scan().items.isEmpty());
}

TEST(TrashScanner, RecordsOfTheUsersTrashAndOfVolumes) {
    ScanFixture f;
    f.sandbox.writeFile(f.trash + "/a.txt", "hello");
    f.sandbox.writeFile(f.trash + "/.hidden", "h");
    f.sandbox.writeSizedFile(f.trash + "/Folder/inner.bin", 3 * 1024 * 1024);
    const QString usb = f.root.path() + "/Volumes/USB";
    f.sandbox.writeSizedFile(usb + "/.Trashes/501/Big/data.bin", 5 * 1024 * 1024);
    f.sandbox.writeFile(usb + "/.Trashes/502/b.txt", "bee");
    f.sandbox.writeFile(usb + "/.Trashes/503/other.txt", "not listed");
    QFile::link(f.root.path() + "/gone", f.trash + "/dangling");
    DSStoreWriter records;
    records.add(QStringLiteral("a.txt"), QStringLiteral("Users/me/Desktop/"));
    ASSERT_TRUE(records.write(f.paths->trashRecordsFile()));

    const TrashScanResult r = f.scan();
    QStringList names;
    for (const auto& item : r.items) names << item->theFileName;
    names.sort();
    EXPECT_EQ(names, (QStringList{"Big", "DS_Store", "Folder", "a.txt", "b.txt", "hidden"}));

    const auto a = ScanFixture::named(r, "a.txt");
    EXPECT_EQ(a->theOrignalpath, f.root.path() + "/Users/me/Desktop/a.txt");
    EXPECT_EQ(a->theFileSize, QStringLiteral("5.00bytes"));
    EXPECT_TRUE(a->bFile);
    EXPECT_EQ(a->theTrashPath, f.trash + "/a.txt");
    EXPECT_TRUE(a->lastModifiedDate.isValid());
    EXPECT_EQ(ScanFixture::named(r, "hidden")->theOrignalpath, QStringLiteral("--"));
    EXPECT_EQ(ScanFixture::named(r, "DS_Store")->theOrignalpath, QStringLiteral("--"));

    const auto folder = ScanFixture::named(r, "Folder");
    EXPECT_FALSE(folder->bFile);
    EXPECT_GE(folder->filesize, 3u * 1024 * 1024);
    EXPECT_TRUE(folder->theFilePermission.contains(QLatin1String("(drwx")));

    const auto big = ScanFixture::named(r, "Big");  // a folder on a volume is not measured
    EXPECT_EQ(big->theFileSize, QStringLiteral("--"));
    EXPECT_EQ(big->filesize, 0u);
    EXPECT_FALSE(big->bFile);
    EXPECT_EQ(big->theOrignalpath, usb);
    EXPECT_EQ(ScanFixture::named(r, "b.txt")->theOrignalpath, usb);

    // Only the user's own Trash counts towards the total.
    quint64 own = 0;
    for (const auto& item : r.items)
        if (item->theTrashPath.startsWith(f.trash)) own += item->filesize;
    EXPECT_EQ(r.trashFileSize, own);
    EXPECT_LT(r.trashFileSize, 5u * 1024 * 1024);
}

TEST(TrashScanner, OddNamesAndUnreadableFoldersDoNotStopTheScan) {
    ScanFixture f;
    f.sandbox.writeFile(f.trash + "/line\nbreak.txt", "x");
    f.sandbox.writeFile(f.trash + "/-rf", "x");
    f.sandbox.writeFile(f.trash + "/報告.txt", "x");
    f.sandbox.writeFile(f.trash + "/Locked/secret.txt", "x");
    ::chmod(QFile::encodeName(f.trash + "/Locked").constData(), 0);
    f.sandbox.makeFolder(f.root.path() + "/Volumes/USB/.Trashes");
    ::chmod(QFile::encodeName(f.root.path() + "/Volumes/USB/.Trashes").constData(), 0);
    const TrashScanResult r = f.scan();
    QStringList names;
    for (const auto& item : r.items) names << item->theFileName;
    names.sort();
    EXPECT_EQ(names, (QStringList{"-rf", "Locked", "line\nbreak.txt", "報告.txt"}));
    EXPECT_EQ(ScanFixture::named(r, "Locked")->theFilePermission, QStringLiteral("0(d---)"));
}

// du on a hung mount: every run is stopped at the time limit.
class StoppedTasks : public Tasks {
  public:
    using Tasks::run;
    TaskResult run(const QString&, const QStringList&, std::chrono::milliseconds) override {
        TaskResult stopped;
        stopped.started = true;
        stopped.timedOut = true;
        return stopped;
    }
};

TEST(TrashScanner, AFolderWhoseMeasureWasStoppedShowsNoSizeAndCountsNothing) {
    ScanFixture f;
    f.files = std::make_shared<ItemSizes>(f.paths, std::make_shared<StoppedTasks>());
    f.sandbox.writeSizedFile(f.trash + "/Hung/data.bin", 64 * 1024);
    f.sandbox.writeFile(f.trash + "/note.txt", "12345");
    EXPECT_FALSE(f.files->sizeAtFilePath(f.trash + "/Hung").has_value());
    EXPECT_EQ(f.files->fastFolderSizeAtFilePath(f.trash + "/Hung"), 0u);  // callers that need a number
    EXPECT_EQ(f.files->sizeAtFilePath(f.trash + "/note.txt"), std::optional<quint64>(5));  // no du for a file

    const TrashScanResult r = f.scan();
    const auto hung = ScanFixture::named(r, "Hung");
    ASSERT_TRUE(hung);
    EXPECT_EQ(hung->theFileSize, QStringLiteral("--"));
    EXPECT_EQ(hung->filesize, 0u);
    EXPECT_EQ(ScanFixture::named(r, "note.txt")->theFileSize, QStringLiteral("5.00bytes"));
    EXPECT_EQ(r.trashFileSize, 5u);
}

TEST(TrashNavigation, EnteringAndGoingBackWithOneLevelOfHistory) {
    ScanFixture f;
    f.sandbox.writeFile(f.trash + "/Outer/.dot", "d");
    f.sandbox.writeFile(f.trash + "/Outer/Inner/deep.txt", "deep");
    f.sandbox.writeFile(f.trash + "/Outer/file.txt", "ff");
    f.sandbox.writeFile(f.trash + "/Unknown/x.txt", "x");
    DSStoreWriter records;
    records.add(QStringLiteral("Outer"), QStringLiteral("Users/me/Documents/"));
    ASSERT_TRUE(records.write(f.paths->trashRecordsFile()));
    const TrashScanResult r = f.scan();

    TrashNavigation nav(f.files);
    nav.showTopLevel(r.items);
    EXPECT_FALSE(nav.backVisible());
    const auto outer = ScanFixture::named(r, "Outer");
    ASSERT_TRUE(nav.enterFolder(outer));
    EXPECT_TRUE(nav.backVisible());
    EXPECT_EQ(nav.lastItemsArray().size(), r.items.size());
    auto in = [&](const QString& n) {
        for (const auto& i : nav.content())
            if (i->theFileName == n) return i;
        return CVTrashFileNode::Ptr();
    };
    ASSERT_TRUE(in("dot"));
    EXPECT_EQ(in("dot")->theOrignalpath, QStringLiteral("--"));
    EXPECT_EQ(in("file.txt")->theOrignalpath, f.root.path() + "/Users/me/Documents/Outer/file.txt");
    EXPECT_EQ(in("file.txt")->theFileSize, QStringLiteral("2.00bytes"));
    EXPECT_EQ(in("Inner")->theFileSize, QStringLiteral("--"));
    EXPECT_FALSE(nav.enterFolder(in("file.txt")));  // a file is not entered

    ASSERT_TRUE(nav.enterFolder(in("Inner")));
    ASSERT_EQ(nav.content().size(), 1);
    EXPECT_EQ(nav.content()[0]->theOrignalpath, f.root.path() + "/Users/me/Documents/Outer/Inner/deep.txt");
    nav.back();  // the list Inner was entered from
    EXPECT_TRUE(nav.backVisible());
    EXPECT_TRUE(in("file.txt"));
    nav.back();  // always the top level
    EXPECT_FALSE(nav.backVisible());
    EXPECT_EQ(nav.content().size(), r.items.size());

    ASSERT_TRUE(nav.enterFolder(ScanFixture::named(r, "Unknown")));
    EXPECT_EQ(in("x.txt")->theOrignalpath, QStringLiteral("--"));
}

}  // namespace
