// Tolvik given names: it removes exactly those entries of the user's Trash folders, with their
// records, and nothing it is not named, nor anything outside those folders.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/fs/FsName.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "tolvik/TolvikCleaner.h"
#include "trash/ItemSizes.h"

namespace {

struct NamedFixture {
    TempRoot root;
    TempRoot outside;  // everything that is not a Trash folder
    SandboxBuilder sandbox{root.path(), "me"};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::shared_ptr<Tasks> tasks = std::make_shared<Tasks>();
    QString trash = paths->userTrashFolder();
    QString files = paths->userTrash();
    QString usb = sandbox.root() + "/media/me/USB";
    QString usbTrash = usb + "/.Trash-" + QString::number(::getuid());

    NamedFixture() { sandbox.writeMountTable({"/media/me/USB"}); }

    TolvikCleaner cleaner() const {
        return TolvikCleaner(paths, std::make_shared<SystemCommands>(tasks),
                             std::make_shared<ItemSizes>(paths, tasks), [](const QString&) {});
    }
    TolvikCleaner::Result remove(const QStringList& names) const { return cleaner().removeNamed(names); }
    static QStringList left(const QString& folder) { return sortedEntries(folder); }
    static void link(const QString& target, const QString& at) {
        QDir().mkpath(QFileInfo(at).absolutePath());
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
    }
    static void chmod(const QString& path, mode_t mode) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    }
    // Made with the raw bytes: Qt would replace what is not UTF-8.
    static void rawFile(const QString& folder, const QByteArray& name) {
        const int fd = ::open((QFile::encodeName(folder) + '/' + name).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    static QList<QByteArray> rawNames(const QString& folder) {
        QList<QByteArray> names;
        if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
            while (const dirent* e = ::readdir(dir))
                if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0) names << e->d_name;
            ::closedir(dir);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST(TolvikNamedRemoval, RemovesExactlyTheNamedEntriesWithTheirRecordsAndNothingElse) {
    NamedFixture f;
    f.sandbox.trashItem(f.trash, "resisted.txt", "/home/me/resisted.txt");
    f.sandbox.trashItem(f.trash, "Stuck", "/home/me/Stuck", "x", true);
    f.sandbox.trashItem(f.trash, "plan.psd", "/home/me/plan.psd");  // protected: never named
    f.sandbox.trashItem(f.trash, "unnamed.txt", "/home/me/unnamed.txt");
    f.sandbox.trashItem(f.usbTrash, "usb.txt", "usb.txt");
    f.sandbox.trashItem(f.usbTrash, "usb-unnamed.txt", "usb-unnamed.txt");
    const QByteArray odd("odd\xff name");
    f.rawFile(f.files, odd);
    f.rawFile(f.trash + "/info", odd + ".trashinfo");

    const QStringList named{f.files + "/resisted.txt",      f.files + "/Stuck",
                            f.usbTrash + "/files/usb.txt",  f.files + "/" + FsName::fromBytes(odd),
                            f.files + "/resisted.txt",  // named twice: removed once
                            f.files + "/gone-meanwhile.txt"};
    const TolvikCleaner::Result result = f.remove(named);

    EXPECT_TRUE(result.refused.isEmpty()) << result.refused.join('\n').toStdString();
    EXPECT_TRUE(result.resisted.isEmpty());
    EXPECT_EQ(result.removed.size(), 4);
    EXPECT_FALSE(result.needsWarning());
    EXPECT_EQ(f.rawNames(f.files), (QList<QByteArray>{"plan.psd", "unnamed.txt"}));
    EXPECT_EQ(f.rawNames(f.trash + "/info"),
              (QList<QByteArray>{"plan.psd.trashinfo", "unnamed.txt.trashinfo"}));
    EXPECT_EQ(f.left(f.usbTrash + "/files"), QStringList{"usb-unnamed.txt"});
    EXPECT_EQ(f.left(f.usbTrash + "/info"), QStringList{"usb-unnamed.txt.trashinfo"});
}

TEST(TolvikNamedRemoval, RefusesEveryNameThatIsNotADirectEntryOfTheUsersTrashFolders) {
    struct Case {
        const char* what;
        std::function<QString(NamedFixture&)> name;
    };
    const QList<Case> cases{
        {"a step up", [](NamedFixture& f) { return f.files + "/../../../../../Documents/keep.txt"; }},
        {"a step up as the name", [](NamedFixture& f) { return f.files + "/.."; }},
        {"the folder itself", [](NamedFixture& f) { return f.files + "/."; }},
        {"no name", [](NamedFixture& f) { return f.files + "/"; }},
        {"a doubled slash", [](NamedFixture& f) { return f.files + "//Folder"; }},
        {"inside an item", [](NamedFixture& f) { return f.files + "/Folder/inside.txt"; }},
        {"through a link in the Trash", [](NamedFixture& f) { return f.files + "/Docs/keep.txt"; }},
        {"another folder", [](NamedFixture& f) { return f.outside.file("Documents/keep.txt"); }},
        {"the records", [](NamedFixture& f) { return f.trash + "/info/Folder.trashinfo"; }},
        {"the Trash's own files", [](NamedFixture& f) { return f.trash + "/directorysizes"; }},
        {"another account's Trash folder on a volume",
         [](NamedFixture& f) {
             return f.usb + "/.Trash-" + QString::number(::getuid() + 1) + "/files/theirs.txt";
         }},
        {"a relative path", [](NamedFixture&) { return QStringLiteral("files/Folder"); }},
    };
    for (const Case& c : cases) {
        NamedFixture f;
        const QString keep = f.sandbox.writeFile(f.outside.file("Documents/keep.txt"), "precious");
        f.sandbox.writeFile(f.sandbox.root() + "/home/me/Documents/keep.txt", "precious");
        f.sandbox.trashItem(f.trash, "Folder", "/home/me/Folder", "x", true);
        f.link(f.outside.file("Documents"), f.files + "/Docs");
        f.sandbox.writeFile(f.trash + "/directorysizes", "1 1 Folder\n");
        f.sandbox.trashItem(f.usb + "/.Trash-" + QString::number(::getuid() + 1), "theirs.txt", "theirs.txt");

        const TolvikCleaner::Result result = f.remove({c.name(f)});

        EXPECT_EQ(result.refused.size(), 1) << c.what;
        EXPECT_TRUE(result.removed.isEmpty()) << c.what;
        EXPECT_EQ(f.left(f.files), (QStringList{"Docs", "Folder"})) << c.what;
        EXPECT_EQ(f.left(f.files + "/Folder"), QStringList{"inside.txt"}) << c.what;
        EXPECT_EQ(f.left(f.trash + "/info"), QStringList{"Folder.trashinfo"}) << c.what;
        EXPECT_TRUE(QFile::exists(f.trash + "/directorysizes")) << c.what;
        EXPECT_TRUE(QFile::exists(keep)) << c.what;
        EXPECT_TRUE(QFile::exists(f.sandbox.root() + "/home/me/Documents/keep.txt")) << c.what;
        EXPECT_EQ(f.left(f.usb + "/.Trash-" + QString::number(::getuid() + 1) + "/files"),
                  QStringList{"theirs.txt"})
            << c.what;
    }
}

TEST(TolvikNamedRemoval, ANamedLinkGoesAsALinkAndATrashReachedThroughALinkIsLeftAlone) {
    NamedFixture f;
    const QString keep = f.sandbox.writeFile(f.outside.file("Documents/keep.txt"), "precious");
    f.link(f.outside.file("Documents"), f.files + "/Docs");
    f.link(keep, f.files + "/keep link");
    f.remove({f.files + "/Docs", f.files + "/keep link"});
    EXPECT_TRUE(f.left(f.files).isEmpty());
    EXPECT_TRUE(QFile::exists(keep));

    // The volume's Trash is a link to a folder elsewhere: the names in it are not taken.
    NamedFixture g;
    const QString elsewhere = g.sandbox.writeFile(g.outside.file("t/files/doc.txt"), "doc");
    g.link(g.outside.file("t"), g.usbTrash);
    const TolvikCleaner::Result result = g.remove({g.usbTrash + "/files/doc.txt"});
    EXPECT_TRUE(QFile::exists(elsewhere));
    EXPECT_TRUE(result.removed.isEmpty());
}

TEST(TolvikNamedRemoval, PartsOfATrashThatOthersMayChangeAreLeftAloneAndSaidSo) {
    {  // a volume Trash's "files/" anyone may write: not emptied whole, no name taken from it
        NamedFixture f;
        f.sandbox.trashItem(f.usbTrash, "usb.txt", "usb.txt");
        f.sandbox.trashItem(f.usbTrash, "other.txt", "other.txt");
        f.chmod(f.usbTrash + "/files", 0777);
        const TolvikCleaner::Result named = f.remove({f.usbTrash + "/files/usb.txt"});
        EXPECT_TRUE(named.removed.isEmpty());
        ASSERT_EQ(named.refused.size(), 1);
        EXPECT_TRUE(named.refused[0].contains(f.usbTrash + "/files")) << named.refused[0].toStdString();

        const TolvikCleaner::Result whole = f.cleaner().run();
        EXPECT_EQ(f.left(f.usbTrash + "/files"), (QStringList{"other.txt", "usb.txt"}));
        EXPECT_EQ(f.left(f.usbTrash + "/info"), (QStringList{"other.txt.trashinfo", "usb.txt.trashinfo"}));
        EXPECT_EQ(whole.refused.filter(f.usbTrash + "/files").size(), 1)
            << whole.refused.join('\n').toStdString();
        f.chmod(f.usbTrash + "/files", 0700);
    }
    {  // its "info/" anyone may write: the item goes, its record stays, and that is said
        NamedFixture f;
        f.sandbox.trashItem(f.usbTrash, "usb.txt", "usb.txt");
        f.chmod(f.usbTrash + "/info", 0777);
        const TolvikCleaner::Result named = f.remove({f.usbTrash + "/files/usb.txt"});
        EXPECT_EQ(named.removed, QStringList{f.usbTrash + "/files/usb.txt"});
        EXPECT_EQ(f.left(f.usbTrash + "/info"), QStringList{"usb.txt.trashinfo"});
        EXPECT_EQ(named.refused.filter(f.usbTrash + "/info").size(), 1)
            << named.refused.join('\n').toStdString();

        f.sandbox.trashItem(f.usbTrash, "again.txt", "again.txt");
        const TolvikCleaner::Result whole = f.cleaner().run();
        EXPECT_TRUE(f.left(f.usbTrash + "/files").isEmpty());
        EXPECT_EQ(f.left(f.usbTrash + "/info"), (QStringList{"again.txt.trashinfo", "usb.txt.trashinfo"}));
        EXPECT_EQ(whole.refused.filter(f.usbTrash + "/info").size(), 1);
        f.chmod(f.usbTrash + "/info", 0700);
    }
}

TEST(TolvikNamedRemoval, WhatStillResistsIsTheRemainingSize) {
    if (::geteuid() == 0) GTEST_SKIP() << "root removes everything";
    NamedFixture f;
    f.sandbox.writeSizedFile(f.files + "/Locked/big.bin", 1500000);
    f.chmod(f.files + "/Locked", 0555);
    const TolvikCleaner::Result result = f.remove({f.files + "/Locked"});
    EXPECT_EQ(result.resisted, QStringList{f.files + "/Locked"});
    EXPECT_TRUE(result.needsWarning());
    f.chmod(f.files + "/Locked", 0755);
}

TEST(TolvikNamedRemoval, MacVolumeFoldersLeftToTheHelperGoByNameAndOnlyThose) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    auto paths = std::make_shared<MacPaths>(sandbox.paths());
    auto tasks = std::make_shared<Tasks>();
    const QString usb = root.path() + "/Volumes/USB";
    const QString kept = sandbox.makeFolder(usb + "/.Trashes/501/Kept");
    sandbox.writeFile(kept + "/inside.txt", "x");
    ::chmod(QFile::encodeName(kept).constData(), 0755);
    sandbox.writeFile(usb + "/.Trashes/501/.DS_Store", "Bud1");
    sandbox.writeFile(usb + "/.Trashes/501/unnamed.txt", "x");
    sandbox.writeFile(usb + "/.Trashes/503/theirs.txt", "theirs");
    sandbox.writeFile(paths->userTrash() + "/home.txt", "x");
    const TolvikCleaner cleaner(paths, std::make_shared<SystemCommands>(tasks),
                                std::make_shared<ItemSizes>(paths, tasks), [](const QString&) {});

    const TolvikCleaner::Result result =
        cleaner.removeNamed({kept, usb + "/.Trashes/503/theirs.txt", paths->userTrash() + "/home.txt"});

    EXPECT_EQ(result.removed, (QStringList{kept, paths->userTrash() + "/home.txt"}));
    EXPECT_EQ(result.refused.size(), 1);  // 503 is no folder of this user's
    EXPECT_EQ(sortedEntries(usb + "/.Trashes/501"), (QStringList{".DS_Store", "unnamed.txt"}));
    EXPECT_TRUE(QFile::exists(usb + "/.Trashes/503/theirs.txt"));
}

}  // namespace
