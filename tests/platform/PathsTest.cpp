#include "platform/Paths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

namespace {

TEST(MacPaths, RootSlashGivesTheLayoutItself) {
    const MacPaths p(QStringLiteral("/"), QStringLiteral("me"));
    EXPECT_EQ(p.userHome(), QStringLiteral("/Users/me"));
    EXPECT_EQ(p.userTrash(), QStringLiteral("/Users/me/.Trash"));
    EXPECT_EQ(p.trashRecordsFile(), QStringLiteral("/Users/me/.Trash/.DS_Store"));
    EXPECT_EQ(p.userDesktop(), QStringLiteral("/Users/me/Desktop"));
    EXPECT_EQ(p.onStartupVolume(QStringLiteral("Users/me/Desktop/a.txt")), QStringLiteral("/Users/me/Desktop/a.txt"));
    EXPECT_EQ(p.volumeTrashFolders(QStringLiteral("/Volumes/USB")),
              (QStringList{"/Volumes/USB/.Trashes/501", "/Volumes/USB/.Trashes/502"}));
}

TEST(MacPaths, SandboxRootMovesEveryPathUnderIt) {
    const MacPaths p(QStringLiteral("/tmp/sand/"), QStringLiteral("me"));
    EXPECT_EQ(p.root(), QStringLiteral("/tmp/sand"));
    EXPECT_EQ(p.userTrash(), QStringLiteral("/tmp/sand/Users/me/.Trash"));
    EXPECT_EQ(p.onStartupVolume(QStringLiteral("/Users/me/x")), QStringLiteral("/tmp/sand/Users/me/x"));
}

TEST(MacPaths, VolumesAreTheRootThenEveryFolderUnderVolumes) {
    TempRoot root;
    SandboxBuilder sandbox(root.path(), QStringLiteral("me"));
    sandbox.makeFolder(QStringLiteral("Volumes/USB"));
    sandbox.makeFolder(QStringLiteral("Volumes/Backup Disk"));
    sandbox.writeFile(QStringLiteral("Volumes/not-a-volume.txt"), "x");
    const QStringList volumes = sandbox.paths().mountedLocalVolumePaths();
    EXPECT_EQ(volumes, (QStringList{sandbox.root(), sandbox.root() + "/Volumes/Backup Disk", sandbox.root() + "/Volumes/USB"}));
}

TEST(MacPaths, EnvironmentRootAndLoginName) {
    qputenv("CORVANE_ROOT", "/tmp/elsewhere");
    const auto p = Paths::fromEnvironment();
    qunsetenv("CORVANE_ROOT");
    EXPECT_EQ(p->root(), QStringLiteral("/tmp/elsewhere"));
    EXPECT_FALSE(p->loginName().isEmpty());
    EXPECT_EQ(p->loginName(), Paths::currentLoginName());
    EXPECT_EQ(Paths::loginNameForUid(0), QStringLiteral("root"));
}

}  // namespace
