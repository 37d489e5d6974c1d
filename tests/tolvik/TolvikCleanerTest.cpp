#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "tolvik/TolvikCleaner.h"
#include "trash/ItemSizes.h"

namespace {

struct CleanerFixture {
    TempRoot root;
    TempRoot outside;  // stands for everything that is not a Trash folder
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    std::shared_ptr<Tasks> tasks = std::make_shared<Tasks>();
    QString trash = paths->userTrash();
    QString usb = root.path() + "/Volumes/USB";
    QStringList backupDeleted;

    TolvikCleaner::Result run() {
        const TolvikCleaner cleaner(paths, std::make_shared<SystemCommands>(tasks),
                                    std::make_shared<ItemSizes>(paths, tasks),
                                    [this](const QString& path) { backupDeleted << path; });
        return cleaner.run();
    }
    // Read directly: Qt leaves out names that are not valid UTF-8.
    static QStringList left(const QString& folder) {
        QStringList names;
        DIR* dir = ::opendir(QFile::encodeName(folder).constData());
        if (!dir) return {"<unreadable>"};
        while (const dirent* e = ::readdir(dir))
            if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
                names << QString::fromUtf8(e->d_name);
        ::closedir(dir);
        names.sort();
        return names;
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void link(const QString& target, const QString& at) {
        QDir().mkpath(QFileInfo(at).absolutePath());
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
    }
};

TEST(TolvikCleaner, EmptiesTheUserTrashAndTheTwoAccountsOfEachVolumeAndNothingElse) {
    CleanerFixture f;
    f.sandbox.writeFile(f.trash + "/.DS_Store", "Bud1");
    f.sandbox.writeFile(f.trash + "/Folder/inner/deep.txt", "deep");
    f.sandbox.writeFile(f.trash + "/-rf", "dash");
    f.sandbox.writeFile(f.trash + "/line\nbreak", "nl");
    {  // a name that is not valid UTF-8
        const QByteArray raw = QFile::encodeName(f.trash) + "/bad\xff\xfe name";
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    const QString keep = f.sandbox.writeFile(f.outside.file("keep.txt"), "precious");
    f.link(keep, f.trash + "/link-to-keep");

    f.sandbox.writeFile(f.usb + "/.Trashes/.DS_Store", "Bud1");
    f.sandbox.writeFile(f.usb + "/.Trashes/501/file.txt", "x");
    const QString open755 = f.sandbox.makeFolder(f.usb + "/.Trashes/501/Kept");
    f.sandbox.writeFile(open755 + "/inside.txt", "x");
    ::chmod(QFile::encodeName(open755).constData(), 0755);
    f.sandbox.writeFile(f.usb + "/.Trashes/502/.DS_Store", "Bud1");
    f.sandbox.writeFile(f.usb + "/.Trashes/503/theirs.txt", "theirs");
    f.sandbox.writeFile(f.usb + "/Documents/keep.txt", "on the volume");
    // The start-up volume is not under "/Volumes/": its Trash folders are only measured.
    f.sandbox.writeFile(f.root.path() + "/.Trashes/501/startup.txt", "startup");

    EXPECT_FALSE(f.run().needsWarning());

    EXPECT_TRUE(f.left(f.trash).isEmpty()) << f.left(f.trash).join(", ").toStdString();
    EXPECT_EQ(f.contents(keep), "precious");  // the link went, not what it pointed to
    EXPECT_TRUE(f.left(f.usb + "/.Trashes/501").isEmpty());
    EXPECT_TRUE(f.left(f.usb + "/.Trashes/502").isEmpty());
    EXPECT_EQ(f.contents(f.usb + "/.Trashes/503/theirs.txt"), "theirs");
    EXPECT_EQ(f.contents(f.usb + "/Documents/keep.txt"), "on the volume");
    EXPECT_EQ(f.contents(f.root.path() + "/.Trashes/501/startup.txt"), "startup");

    // Every account's folder of the volume, but not ".DS_Store" and not the start-up volume's.
    f.backupDeleted.sort();
    EXPECT_EQ(f.backupDeleted,
              (QStringList{f.usb + "/.Trashes/501", f.usb + "/.Trashes/502", f.usb + "/.Trashes/503"}));
}

TEST(TolvikCleaner, RemainingSizeCountsEveryTrashesFolderIncludingTheStartupVolume) {
    {  // nothing anywhere: the folders themselves stay far below the threshold
        CleanerFixture f;
        f.sandbox.makeFolder(f.trash);
        f.sandbox.makeFolder(f.usb + "/.Trashes/501");
        f.sandbox.makeFolder(f.root.path() + "/.Trashes");
        EXPECT_FALSE(f.run().needsWarning());
    }
    {  // no Trash folders at all
        CleanerFixture f;
        EXPECT_EQ(f.run().remainingBytes, 0u);
    }
    {  // 2 MB in the start-up volume's ".Trashes", which is never emptied
        CleanerFixture f;
        f.sandbox.writeFile(f.trash + "/gone.txt", "x");
        f.sandbox.writeSizedFile(f.root.path() + "/.Trashes/501/big.bin", 2000000);
        const TolvikCleaner::Result result = f.run();
        EXPECT_TRUE(result.needsWarning());
        EXPECT_GE(result.remainingBytes, 2000000u);
        EXPECT_TRUE(f.left(f.trash).isEmpty());
    }
    {  // whatever resists removal (a folder without write permission, for an unprivileged run) counts
        CleanerFixture f;
        const QString big = f.sandbox.writeSizedFile(f.trash + "/Locked/big.bin", 1500000);
        ::chmod(QFile::encodeName(f.trash + "/Locked").constData(), 0555);
        const bool warned = f.run().needsWarning();
        EXPECT_EQ(warned, QFileInfo::exists(big));
    }
    {  // another account's folder on a volume counts too
        CleanerFixture f;
        f.sandbox.writeSizedFile(f.usb + "/.Trashes/503/big.bin", 1500000);
        EXPECT_TRUE(f.run().needsWarning());
    }
}

TEST(TolvikCleaner, TrashFoldersThatAreLinksAreLeftAlone) {
    CleanerFixture f;
    // The user's Trash is a link to a folder elsewhere.
    const QString elsewhere = f.sandbox.writeFile(f.outside.file("home/file.txt"), "mine");
    f.link(f.outside.file("home"), f.trash);
    // A volume's ".Trashes/501" is a link; so is another volume's whole ".Trashes", with 2 MB in it.
    const QString target501 = f.sandbox.writeFile(f.outside.file("t501/doc.txt"), "doc");
    f.link(f.outside.file("t501"), f.usb + "/.Trashes/501");
    f.sandbox.writeFile(f.usb + "/.Trashes/502/mine.txt", "x");
    const QString big = f.sandbox.writeSizedFile(f.outside.file("trashes/501/big.bin"), 2000000);
    f.link(f.outside.file("trashes"), f.root.path() + "/Volumes/Other/.Trashes");

    EXPECT_FALSE(f.run().needsWarning());  // what is behind the links is not counted

    EXPECT_EQ(f.contents(elsewhere), "mine");
    EXPECT_EQ(f.contents(target501), "doc");
    EXPECT_EQ(f.contents(big).size(), 2000000);
    EXPECT_TRUE(QFileInfo(f.trash).isSymLink());
    EXPECT_TRUE(f.left(f.usb + "/.Trashes/502").isEmpty());  // the real folder beside the link is emptied
    EXPECT_FALSE(f.backupDeleted.contains(f.root.path() + "/Volumes/Other/.Trashes/501"));
}

}  // namespace
