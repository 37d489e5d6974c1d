#include "erase/OverwriteReach.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/vfs.h>

namespace {

constexpr quint32 Ext4 = 0xEF53, Btrfs = 0x9123683E, Zfs = 0x2FC12FC1, Nfs = 0x6969;

/// Types come from `lookup` while it lives; the warning starts unclaimed either way.
struct FakeFileSystems {
    explicit FakeFileSystems(OverwriteReach::TypeLookup lookup) {
        OverwriteReach::setTypeLookup(std::move(lookup));
        OverwriteReach::resetWarning();
    }
    ~FakeFileSystems() {
        OverwriteReach::setTypeLookup({});
        OverwriteReach::resetWarning();
    }
};

TEST(OverwriteReach, FileSystemsThatWriteElsewhereAreNamedAndTheFirstPathOnOneCounts) {
    const QList<QPair<quint32, QString>> named = {{Btrfs, "btrfs"}, {Zfs, "ZFS"}, {0xCA451A4E, "bcachefs"},
                                                  {0xF2F52010, "F2FS"}, {Nfs, "NFS"}, {0xFF534D42, "SMB"},
                                                  {0xFE534D42, "SMB"}, {0x00C36400, "Ceph"}};
    for (const auto& [type, name] : named) EXPECT_EQ(OverwriteReach::unreachableFileSystemName(type), name) << type;
    // ext4, tmpfs, XFS, overlay, FUSE, unknown
    for (quint32 type : {Ext4, 0x01021994u, 0x58465342u, 0x794C7630u, 0x65735546u, 0u})
        EXPECT_TRUE(OverwriteReach::unreachableFileSystemName(type).isEmpty()) << type;

    FakeFileSystems fake([](const QString& path) {
        return path.startsWith(QLatin1String("/pool/")) ? Zfs : path.startsWith(QLatin1String("/net/")) ? Nfs : Ext4;
    });
    EXPECT_EQ(OverwriteReach::unreachableFileSystem({"/home/a", "/pool/b", "/net/c"}), QStringLiteral("ZFS"));
    EXPECT_TRUE(OverwriteReach::unreachableFileSystem({"/home/a", "/home/b"}).isEmpty());
}

TEST(OverwriteReach, TheWarningComesOncePerRunAndOnlyForRemovedItems) {
    TempRoot root;
    const QString gone = root.file("gone.txt");
    {
        FakeFileSystems ext4([](const QString&) { return Ext4; });
        EXPECT_FALSE(OverwriteReach::warningAfterErase({gone}));  // nothing to say, nothing used up
    }
    FakeFileSystems btrfs([](const QString&) { return Btrfs; });
    const QString stayed = SandboxBuilder(root.path()).writeFile("stayed.txt", "s");
    EXPECT_FALSE(OverwriteReach::warningAfterErase({stayed}));  // not removed: the text would be wrong
    const auto first = OverwriteReach::warningAfterErase({stayed, gone});
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->informativeText.contains(QLatin1String("btrfs")));
    EXPECT_TRUE(first->alternateButton.isEmpty());  // informational: nothing to decide
    EXPECT_FALSE(OverwriteReach::warningAfterErase({gone}));
    OverwriteReach::resetWarning();
    EXPECT_TRUE(OverwriteReach::warningAfterErase({gone}));
}

TEST(OverwriteReach, RealPathsResolveThroughTheirFolder) {
    TempRoot root;
    const quint32 here = OverwriteReach::fileSystemTypeAt(root.path());
    ASSERT_NE(here, 0u);
    EXPECT_EQ(OverwriteReach::fileSystemTypeAt(root.file("no/such/file")), here);
    EXPECT_EQ(OverwriteReach::fileSystemTypeAt(QStringLiteral("no-such-item")),
              OverwriteReach::fileSystemTypeAt(QDir::currentPath()));

    // A link is looked up where it lies, not where it points.
    struct statfs proc;
    if (::statfs("/proc", &proc) == 0 && static_cast<quint32>(proc.f_type) != here) {
        const QString link = root.file("to-proc");
        ASSERT_TRUE(QFile::link(QStringLiteral("/proc"), link));
        EXPECT_EQ(OverwriteReach::fileSystemTypeAt(link), here);
    }
}

}  // namespace
