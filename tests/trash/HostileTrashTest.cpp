// The Trash flows against a hostile environment: names that are not UTF-8, links planted at and
// above the Trash, put-back records that climb out, FIFOs and devices where records belong.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "core/fs/FsName.h"
#include "empty/ForceEmptyPass.h"
#include "erase/SecureEraser.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/DSStoreWriter.h"
#include "support/EventWait.h"
#include "support/HostileFs.h"
#include "support/ImmutableFile.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"
#include "tolvik/TolvikCleaner.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashInfo.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"
#include "trash/TrashStore.h"

namespace {

struct Home {
    TempRoot root;
    SandboxBuilder sandbox;
    std::shared_ptr<Paths> paths;
    std::shared_ptr<Tasks> tasks = std::make_shared<Tasks>();
    std::shared_ptr<ItemSizes> files;
    std::shared_ptr<SystemCommands> commands = std::make_shared<SystemCommands>(tasks);
    std::shared_ptr<TrashOrigPaths> origPaths = std::make_shared<TrashOrigPaths>();

    explicit Home(bool mac) : sandbox(root.path(), "me") {
        if (mac)
            paths = std::make_shared<MacPaths>(sandbox.paths());
        else
            paths = sandbox.linuxPaths();
        files = std::make_shared<ItemSizes>(paths, tasks);
    }
    QString trash() const { return paths->userTrash(); }  // the folder whose entries are the items
    TrashScanResult scan() {
        return TrashScanner(paths, files, origPaths, std::make_shared<Workspace>(paths)).scan();
    }
    int empty() {
        return ForceEmptyPass(paths, commands, origPaths, std::make_shared<Workspace>(paths),
                              EmptyProtection::none())
            .ForceEmptyTrashFileThreader();
    }
    TolvikCleaner::Result tolvik() {
        return TolvikCleaner(paths, commands, files, [](const QString&) {}).run();
    }
    CVTrashFileNode::Ptr named(const TrashScanResult& r, const QByteArray& raw) const {
        for (const auto& item : r.items)
            if (FsName::toBytes(item->theFileName) == raw) return item;
        return nullptr;
    }
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(HostileTrash, NamesThatAreNotUtf8AreListedRemovedErasedPutBackAndEmptied) {
    for (const bool mac : {false, true}) {
        SCOPED_TRACE(mac ? "mac layout" : "freedesktop layout");
        Home h(mac);
        const TrashItemActions actions(h.commands, TrashStore::forPaths(h.paths));
        const QString info = TrashInfo::trashFolderOfFiles(h.trash()) + "/info";
        h.sandbox.makeFolder(h.trash());
        h.sandbox.makeFolder(mac ? h.trash() : info);
        const QList<QByteArray> names = {"caf\xe9.txt", "\xff secret", "back \xe9", "stays \xfe",
                                         "Dossier \xe9"};
        for (const QByteArray& name : names)
            ASSERT_TRUE(HostileFs::writeRaw(h.trash(), name, "content " + name));
        ::unlink((QFile::encodeName(h.trash()) + "/Dossier \xe9").constData());
        ASSERT_EQ(::mkdir((QFile::encodeName(h.trash()) + "/Dossier \xe9").constData(), 0755), 0);
        ASSERT_TRUE(
            HostileFs::writeRaw(h.trash() + "/" + FsName::fromBytes("Dossier \xe9"), "inner \xfe", "inner"));
        for (const QByteArray& name : names) {
            if (mac) break;
            ASSERT_TRUE(HostileFs::writeRaw(info, name + ".trashinfo",
                                            TrashInfo::format(FsName::fromBytes("/home/me/" + name), {})));
        }

        TrashScanResult r = h.scan();
        ASSERT_EQ(r.items.size(), names.size());
        const auto secret = h.named(r, "\xff secret");
        ASSERT_TRUE(secret);
        EXPECT_EQ(FsName::displayText(secret->theFileName), "\\xFF secret");
        EXPECT_EQ(secret->filesize, 16u);  // "content " and the name

        EXPECT_TRUE(actions.deleteItem(h.named(r, "caf\xe9.txt")->theTrashPath).gone);
        const int witness = ::open((QFile::encodeName(h.trash()) + "/\xff secret").constData(), O_RDONLY);
        const FsTree::Report erased = actions.secureDeleteItem(secret->theTrashPath);
        EXPECT_TRUE(erased.gone);
        EXPECT_EQ(erased.overwritten, 1u);
        char buffer[16] = {};
        EXPECT_EQ(::pread(witness, buffer, sizeof buffer, 0), 16);
        EXPECT_EQ(QByteArray(buffer, sizeof buffer).indexOf("secret"), -1);
        ::close(witness);
        if (!mac) {  // only an info file can name such a place
            const auto back = h.named(r, "back \xe9");
            EXPECT_EQ(actions.putBack(back->theTrashPath, back->theOrignalpath),
                      TrashItemActions::PutBack::Moved);
            EXPECT_TRUE(HostileFs::hasRaw(h.sandbox.root() + "/home/me", "back \xe9"));
            EXPECT_FALSE(HostileFs::hasRaw(info, "back \xe9.trashinfo"));
        }
        EXPECT_EQ(h.empty(), 0);
        EXPECT_TRUE(TrashScanner::listFolder(h.trash()).isEmpty());
        if (!mac) {
            EXPECT_TRUE(TrashScanner::listFolder(info).isEmpty());
        }
    }
}

TEST(HostileTrash, TheUserSideNeverWorksThroughALinkedTrashOrItsParts) {
    // A Trash, or its "files" or "info", swapped for a link to the user's own folders (as a hostile
    // USB stick could present them): nothing there is listed, removed or erased.
    for (const QString part : {"Trash", "Trash/files", "Trash/info"}) {
        SCOPED_TRACE(qPrintable(part));
        Home h(false);
        TempRoot outside;
        SandboxBuilder victim(outside.path());
        victim.writeFile("files/letter.txt", "my letter");
        victim.writeFile("info/letter.txt.trashinfo", "[Trash Info]\nPath=/home/me/letter.txt\n");
        victim.writeFile("letter.txt", "my letter");
        const QString trash = TrashInfo::trashFolderOfFiles(h.trash());
        h.sandbox.trashItem(trash, "junk.txt", "/home/me/junk.txt");
        const QString linked = h.sandbox.root() + "/home/me/.local/share/" + part;
        QDir(linked).removeRecursively();
        const QString target = part == "Trash" ? outside.path() : outside.file(part.section('/', 1));
        QDir(target).removeRecursively();
        if (part != "Trash") victim.writeFile(part.section('/', 1) + "/letter.txt", "my letter");
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(linked).constData()), 0);
        const QByteArray before = HostileFs::treeDigest(outside.path());

        const TrashScanResult r = h.scan();
        for (const auto& item : r.items) EXPECT_NE(item->theFileName, "letter.txt");
        const TrashItemActions actions(h.commands, TrashStore::forPaths(h.paths));
        if (part != "Trash/info") {  // reached only through the link
            EXPECT_FALSE(actions.deleteItem(h.trash() + "/letter.txt").gone);
            EXPECT_FALSE(actions.secureDeleteItem(h.trash() + "/letter.txt").gone);
        }
        h.empty();
        EXPECT_EQ(HostileFs::treeDigest(outside.path()), before);
    }
}

TEST(HostileTrash, TolvikRefusesATrashReachedThroughALinkAboveIt) {
    for (const QString linkedStep : {".local", ".local/share"}) {
        SCOPED_TRACE(qPrintable(linkedStep));
        Home h(false);
        TempRoot other;  // another account's data folder, with a Trash of its own
        SandboxBuilder(other.path(), "other")
            .trashItem(other.path() + "/share/Trash", "theirs.txt", "/home/other/theirs.txt");
        const QString base = linkedStep == ".local" ? other.path() : other.file("share");
        const QString at = h.sandbox.root() + "/home/me/" + linkedStep;
        QDir(at).removeRecursively();
        h.sandbox.makeFolder(QFileInfo(at).absolutePath());
        ASSERT_EQ(::symlink(QFile::encodeName(base).constData(), QFile::encodeName(at).constData()), 0);
        const QByteArray before = HostileFs::treeDigest(other.path());
        const TolvikCleaner::Result result = h.tolvik();
        EXPECT_EQ(HostileFs::treeDigest(other.path()), before);
        ASSERT_FALSE(result.refused.isEmpty());
        EXPECT_TRUE(result.refused.first().contains("is a link")) << qPrintable(result.refused.first());
    }
}

TEST(HostileTrash, MacRecordsThatClimbOutOfTheirFolderAreNotTrusted) {
    Home h(true);
    DSStoreWriter records;
    records.add("escape.txt", "Users/me/../../../outside/");
    records.add("fine.txt", "Users/me/Documents/");
    ASSERT_TRUE(records.write(h.trash() + "/.DS_Store"));
    h.sandbox.writeFile(h.trash() + "/escape.txt", "x");
    h.sandbox.writeFile(h.trash() + "/fine.txt", "x");
    const TrashScanResult r = h.scan();
    const auto escape = h.named(r, "escape.txt");
    ASSERT_TRUE(escape);
    EXPECT_EQ(escape->theOrignalpath, "--");
    EXPECT_EQ(h.named(r, "fine.txt")->theOrignalpath, h.sandbox.root() + "/Users/me/Documents/fine.txt");
    EXPECT_EQ(TrashItemActions(h.commands, TrashStore::forPaths(h.paths))
                  .putBack(escape->theTrashPath, escape->theOrignalpath),
              TrashItemActions::PutBack::Unknown);
}

TEST(HostileTrash, AVolumeItemGoesBackToTheVolumesTopFolderNeverOverAnything) {
    Home h(true);
    const QString usb = h.sandbox.root() + "/Volumes/USB";
    const QString item = h.sandbox.writeFile(usb + "/.Trashes/501/photo.jpg", "photo");
    const QString taken = h.sandbox.writeFile(usb + "/.Trashes/501/notes.txt", "new notes");
    h.sandbox.writeFile(usb + "/notes.txt", "old notes");
    const TrashScanResult r = h.scan();
    ASSERT_TRUE(h.named(r, "photo.jpg"));
    EXPECT_EQ(h.named(r, "photo.jpg")->theOrignalpath, usb);  // the list shows the volume
    const TrashItemActions actions(h.commands, TrashStore::forPaths(h.paths));
    EXPECT_EQ(actions.putBack(item, usb), TrashItemActions::PutBack::Moved);
    EXPECT_EQ(readAll(usb + "/photo.jpg"), "photo");
    EXPECT_EQ(actions.putBack(taken, usb), TrashItemActions::PutBack::Taken);
    EXPECT_EQ(readAll(usb + "/notes.txt"), "old notes");
}

TEST(HostileTrash, FifosAndDevicesWhereRecordsBelongNeverHoldTheWork) {
    // Each of these would block a plain open() or read for ever; listing and emptying must finish.
    {
        Home h(false);
        const QString trash = TrashInfo::trashFolderOfFiles(h.trash());
        h.sandbox.trashItem(trash, "Folder", "/home/me/Folder", "x", true);
        h.sandbox.writeFile(trash + "/files/a.txt", "a");
        h.sandbox.writeFile(trash + "/files/b.txt", "b");
        ASSERT_EQ(::mkfifo(QFile::encodeName(trash + "/info/a.txt.trashinfo").constData(), 0600), 0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(trash + "/fifo").constData(), 0600), 0);
        ASSERT_EQ(::symlink("../fifo", QFile::encodeName(trash + "/info/b.txt.trashinfo").constData()), 0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(trash + "/directorysizes").constData(), 0600), 0);
        const TrashScanResult r = h.scan();
        EXPECT_EQ(r.items.size(), 3);
        EXPECT_EQ(h.named(r, "a.txt")->theOrignalpath, "--");
        EXPECT_EQ(h.empty(), 0);
        EXPECT_TRUE(TrashScanner::listFolder(h.trash()).isEmpty());
    }
    for (const bool zero : {false, true}) {
        Home h(true);
        h.sandbox.writeFile(h.trash() + "/item.txt", "x");
        const QByteArray records = QFile::encodeName(h.trash() + "/.DS_Store");
        ASSERT_EQ(zero ? ::symlink("/dev/zero", records.constData()) : ::mkfifo(records.constData(), 0600),
                  0);
        EXPECT_EQ(h.scan().items.size(), 2);
        EXPECT_EQ(h.empty(), 0);
    }
}

TEST(HostileTrash, EveryRemovingFlowKeepsOutOfAFolderSwappedForALinkMidWalk) {
    TempRoot outside;
    SandboxBuilder canary(outside.path());
    for (int i = 0; i < 20; ++i) canary.writeFile(QStringLiteral("precious/f%1.txt").arg(i), "precious data");
    const ImmutableWhileAlive locked(outside.file("precious/f0.txt"));
    const QByteArray before = HostileFs::treeDigest(outside.path());
    enum Flow { ForcedPass, Tolvik, TableDelete, TableErase, EraseChosen };
    for (const Flow flow : {ForcedPass, Tolvik, TableDelete, TableErase, EraseChosen}) {
        for (int round = 0; round < 3; ++round) {
            Home h(false);
            const QString trash = TrashInfo::trashFolderOfFiles(h.trash());
            const QString item = h.sandbox.trashItem(trash, "Item", "/home/me/Item", "x", true);
            for (int i = 0; i < 300; ++i)
                h.sandbox.writeFile(item + QStringLiteral("/busy/f%1").arg(i), "trash");
            ASSERT_EQ(::symlink(QFile::encodeName(outside.file("precious")).constData(),
                                QFile::encodeName(item + "/busy-link").constData()),
                      0);
            {
                HostileFs::Swapper swapper(item + "/busy", item + "/busy-link");
                ASSERT_TRUE(waitUntil([&] { return swapper.swaps() >= 10; }));
                switch (flow) {
                    case ForcedPass:
                        h.empty();
                        break;
                    case Tolvik:
                        h.tolvik();
                        break;
                    case TableDelete:
                        TrashItemActions(h.commands, TrashStore::forPaths(h.paths)).deleteItem(item);
                        break;
                    case TableErase:
                        TrashItemActions(h.commands, TrashStore::forPaths(h.paths)).secureDeleteItem(item);
                        break;
                    case EraseChosen:
                        SecureEraser(testLimits()).eraseItems({item});
                        break;
                }
            }
            ASSERT_EQ(HostileFs::treeDigest(outside.path()), before) << "flow " << flow << " round " << round;
        }
    }
}

}  // namespace
