#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/FreedesktopPaths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

MountEntry mount(const QString& point, const QString& type = "ext4", const QString& source = "/dev/sdb1",
                 const QString& root = "/", const QString& options = "rw") {
    MountEntry e;
    e.mountPoint = point;
    e.type = type;
    e.source = source;
    e.root = root;
    e.options = options;
    e.device = "8:17";
    return e;
}

TEST(FreedesktopPaths, MountTableLinesDecodeEscapesAndOptionalFields) {
    const QByteArray table =
        "36 35 98:0 /mnt1 /mnt/My\\040Disk rw,noatime master:1 shared:4 - ext3 /dev/root rw,errors=continue\n"
        "37 35 98:1 / /media/me/USB rw - vfat /dev/sdb1 rw,uid=1000\n"
        "garbage line\n"
        "38 35 98:2 / relative rw - ext4 /dev/sdc1 rw\n"
        "\n";
    const QList<MountEntry> entries = FreedesktopPaths::parseMountInfo(table);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].mountPoint, "/mnt/My Disk");
    EXPECT_EQ(entries[0].root, "/mnt1");
    EXPECT_EQ(entries[0].type, "ext3");
    EXPECT_EQ(entries[0].source, "/dev/root");
    EXPECT_TRUE(entries[0].options.contains("errors=continue"));
    EXPECT_EQ(entries[1].mountPoint, "/media/me/USB");
    EXPECT_EQ(entries[1].device, "98:1");
}

TEST(FreedesktopPaths, SystemMountsHaveNoTrashOfTheirOwn) {
    EXPECT_FALSE(FreedesktopPaths::isSystemMount(mount("/media/me/USB")));
    EXPECT_FALSE(FreedesktopPaths::isSystemMount(mount("/run/media/me/Stick")));
    EXPECT_FALSE(FreedesktopPaths::isSystemMount(mount("/data")));
    for (const char* point : {"/", "/boot", "/boot/efi", "/usr", "/var", "/tmp", "/home",
                              "/proc/sys/fs/binfmt_misc", "/run/user/1000", "/snap/core/1"})
        EXPECT_TRUE(FreedesktopPaths::isSystemMount(mount(point))) << point;
    for (const char* type : {"proc", "sysfs", "tmpfs", "cgroup2", "overlay", "squashfs", "fuse.gvfsd-fuse"})
        EXPECT_TRUE(FreedesktopPaths::isSystemMount(mount("/data", type))) << type;
    EXPECT_TRUE(FreedesktopPaths::isSystemMount(mount("/data", "ext4", "/dev/loop3")));
    EXPECT_TRUE(
        FreedesktopPaths::isSystemMount(mount("/data", "ext4", "/dev/sdb1", "/srv/share")));  // bind mount
    EXPECT_TRUE(
        FreedesktopPaths::isSystemMount(mount("/data", "ext4", "/dev/sdb1", "/", "rw,x-gvfs-notrash")));
}

TEST(FreedesktopPaths, SandboxVolumesComeFromItsMountTableFirstDeviceWinning) {
    TempRoot root;
    SandboxBuilder sandbox(root.path(), "me");
    sandbox.writeMountTable({"/media/me/USB", "/data",
                             "60 22 8:2 / /media/me/Again rw - ext4 /dev/sda2 rw",  // the USB stick again
                             "61 22 0:50 / /dev/shm rw - tmpfs tmpfs rw"});
    const auto paths = sandbox.linuxPaths();
    EXPECT_EQ(paths->mountedLocalVolumePaths(),
              (QStringList{sandbox.root(), sandbox.root() + "/media/me/USB", sandbox.root() + "/data"}));
    EXPECT_FALSE(paths->visitsVolumeTrash(sandbox.root()));
    EXPECT_TRUE(paths->visitsVolumeTrash(sandbox.root() + "/data"));

    TempRoot bare;  // no table at all: only the root
    EXPECT_EQ(SandboxBuilder(bare.path(), "me").linuxPaths()->mountedLocalVolumePaths(),
              QStringList{Paths::normalizedRoot(bare.path())});
}

TEST(FreedesktopPaths, VolumeTrashFoldersMustBeRealOwnedAndTheSharedOneSticky) {
    TempRoot root;
    SandboxBuilder sandbox(root.path(), "me");
    const uint uid = ::getuid();
    const QString id = QString::number(uid);
    const auto paths = sandbox.linuxPaths();

    const QString good = sandbox.makeFolder("/vol/good");
    sandbox.makeFolder(good + "/.Trash/" + id);
    ::chmod(QFile::encodeName(good + "/.Trash").constData(), 01777);
    sandbox.makeFolder(good + "/.Trash-" + id);
    EXPECT_EQ(paths->volumeTrashFolders(good),
              (QStringList{good + "/.Trash/" + id + "/files", good + "/.Trash-" + id + "/files"}));

    const QString notSticky = sandbox.makeFolder("/vol/plain");
    sandbox.makeFolder(notSticky + "/.Trash/" + id);
    ::chmod(QFile::encodeName(notSticky + "/.Trash").constData(), 0777);
    EXPECT_TRUE(paths->volumeTrashFolders(notSticky).isEmpty());

    const QString linked = sandbox.makeFolder("/vol/linked");
    QFile::link(good + "/.Trash", linked + "/.Trash");
    QFile::link(good + "/.Trash-" + id, linked + "/.Trash-" + id);
    EXPECT_TRUE(paths->volumeTrashFolders(linked).isEmpty());

    // Folders of another user's id are not ours even when they are laid out right.
    const FreedesktopPaths other(sandbox.root(), "other", uid + 1, {});
    const QString theirs = sandbox.makeFolder("/vol/theirs");
    sandbox.makeFolder(theirs + "/.Trash-" + QString::number(uid + 1));
    EXPECT_TRUE(other.volumeTrashFolders(theirs).isEmpty());
}

TEST(FreedesktopPaths, DesktopFolderFromUserDirs) {
    const QString home = "/home/me";
    EXPECT_EQ(
        FreedesktopPaths::desktopFromUserDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", home),
        "/home/me/Schreibtisch");
    EXPECT_EQ(FreedesktopPaths::desktopFromUserDirs("XDG_DESKTOP_DIR=\"/srv/desk/\"", home), "/srv/desk");
    EXPECT_EQ(FreedesktopPaths::desktopFromUserDirs("XDG_DESKTOP_DIR=\"desk\"", home), QString());
    EXPECT_EQ(FreedesktopPaths::desktopFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"", home), QString());

    TempRoot root;
    SandboxBuilder sandbox(root.path(), "me");
    const auto paths = sandbox.linuxPaths();
    EXPECT_EQ(paths->userDesktop(), sandbox.root() + "/home/me/Desktop");
    sandbox.writeFile("/home/me/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(paths->userDesktop(), sandbox.root() + "/home/me/Bureau");
    sandbox.writeFile("/home/me/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desk\"\n");
    EXPECT_EQ(paths->userDesktop(), sandbox.root() + "/srv/desk");  // never outside the sandbox
    // A FIFO in the file's place is not waited on.
    QFile::remove(sandbox.root() + "/home/me/.config/user-dirs.dirs");
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(sandbox.root() + "/home/me/.config/user-dirs.dirs").constData(), 0600), 0);
    EXPECT_EQ(paths->userDesktop(), sandbox.root() + "/home/me/Desktop");
}

TEST(FreedesktopPaths, EnvironmentChoosesTheLayoutAndTheRealAccountReadsXdgDataHome) {
    qputenv("CORVANE_ROOT", "/tmp/elsewhere");
    auto chosen = Paths::fromEnvironment();
    EXPECT_EQ(chosen->layout(), Paths::Layout::Freedesktop);
    EXPECT_EQ(chosen->userTrash(),
              "/tmp/elsewhere/home/" + Paths::currentLoginName() + "/.local/share/Trash/files");
    qputenv("CORVANE_LAYOUT", "mac");
    EXPECT_EQ(Paths::fromEnvironment()->layout(), Paths::Layout::Mac);
    qunsetenv("CORVANE_LAYOUT");
    qunsetenv("CORVANE_ROOT");

    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/data");
    const auto real = FreedesktopPaths::forCurrentUser("/");
    EXPECT_EQ(real->userTrash(), "/srv/data/Trash/files");
    EXPECT_EQ(real->trashRecordsFile(), "/srv/data/Trash/info");
    qputenv("XDG_DATA_HOME", "relative/is/ignored");
    EXPECT_EQ(FreedesktopPaths::forCurrentUser("/")->userTrash(),
              real->userHome() + "/.local/share/Trash/files");
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedData);
}

}  // namespace
