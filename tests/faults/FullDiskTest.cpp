// The moving and writing operations on a small file system that runs out of space: nothing is
// lost, no partial file stays, and the failure is reported.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "HostileSandbox.h"
#include "cookies/CookieExport.h"
#include "desktop/DesktopTidy.h"
#include "platform/Defaults.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "support/TestScope.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashStore.h"

namespace {

using Records = QMap<QByteArray, QByteArray>;

Records records(const QString& path) {
    return entryRecords(path, {}, false);  // a copy has inodes of its own
}

class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        const QByteArray at = FsName::toBytes(m_mountPoint.path());
        if (::mount("tmpfs", at.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=2m") != 0)
            GTEST_SKIP() << "no small file system: mounting a 2 MB tmpfs failed: " << std::strerror(errno);
        m_mounted = true;
        small = m_mountPoint.path();
    }
    void TearDown() override {
        if (m_mounted) ::umount2(FsName::toBytes(m_mountPoint.path()).constData(), MNT_DETACH);
    }
    /// Takes all the space that is left on the small file system.
    void fill() const {
        const int fd = ::open(FsName::toBytes(small + "/filler").constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }
    /// Items on the big file system: a file larger than the small one and a folder whose second file
    /// does not fit.
    void fillFolder(const QString& folder) const {
        s.builder.writeSizedFile(folder + "/large.bin", 3 << 20);
        s.builder.writeSizedFile(folder + "/Album/one.bin", 1 << 20);
        s.builder.writeSizedFile(folder + "/Album/two.bin", 3 << 19);
        s.builder.writeFile(folder + "/small.txt", "fits");
    }

    TempRoot m_mountPoint;
    bool m_mounted = false;
    QString small;
    HostileSandbox s{false};
};

TEST_F(FullDisk, ATidyOntoAFullStoreKeepsEveryItemWholeOnOneSideAndNamesWhatStayed) {
    const QString desktop = s.home + "/Desktop";
    const QString store = Paths::desktopStoreFolder(small);
    fillFolder(desktop);
    const Records before = records(desktop);
    const DesktopTidy::TidyResult r = DesktopTidy::tidy(desktop, store, testLimits());
    const Records stayed = records(desktop);
    Records after = records(store);
    for (auto it = stayed.begin(); it != stayed.end(); ++it)
        EXPECT_FALSE(after.contains(it.key())) << it.key().data();
    after.insert(stayed);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(OpenFolder::openChosen(desktop).has("large.bin"));
    EXPECT_EQ(r.left.size(), OpenFolder::openChosen(desktop).names().size()) << qPrintable(r.left.join('\n'));
}

TEST_F(FullDisk, ACopyWhoseSourceCanNotBeRemovedIsReportedAsLeft) {
    // The store has room, but a locked file keeps part of the source: both copies stay, and the
    // tidy must not count the item as tidied away.
    const QString desktop = s.home + "/Desktop";
    s.builder.writeFile(desktop + "/Stuck/locked.txt", "locked");
    s.builder.writeFile(desktop + "/Stuck/free.txt", "free");
    if (!HostileFs::setImmutable(desktop + "/Stuck/locked.txt", true))
        GTEST_SKIP() << "this file system refuses the immutable flag";
    const DesktopTidy::TidyResult r =
        DesktopTidy::tidy(desktop, Paths::desktopStoreFolder(small), testLimits());
    ASSERT_TRUE(OpenFolder::openChosen(desktop).has("Stuck"));
    ASSERT_EQ(r.left.size(), 1);
    EXPECT_TRUE(r.left.first().startsWith("Stuck: ")) << qPrintable(r.left.first());
    // The same for a restore from the store onto another file system.
    QString why;
    const QString stored = s.home + "/Store/Stuck";
    s.builder.writeFile(stored + "/inner/locked.txt", "locked");
    ASSERT_TRUE(HostileFs::setImmutable(stored + "/inner/locked.txt", true));
    QDir().mkpath(small + "/Other");
    const FsMove::Outcome outcome =
        DesktopTidy::restore(s.home + "/Store", stored, small + "/Other", testLimits(), &why);
    EXPECT_NE(outcome, FsMove::Outcome::Moved) << "restore left the source but said it moved";
    EXPECT_FALSE(why.isEmpty());
}

TEST_F(FullDisk, RestoreAndPutBackOntoAFullDiskLeaveTheItemWholeAndNothingAtTheDestination) {
    const QString store = s.home + "/Store";
    fillFolder(store);
    fillFolder(s.trashFiles() + "/Item");
    const Records stored = records(store);
    const Records trashed = records(s.trashFiles());
    QString why;
    EXPECT_EQ(DesktopTidy::restore(store, store + "/large.bin", small, testLimits(), &why),
              FsMove::Outcome::Failed);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(DesktopTidy::restore(store, store + "/Album", small, testLimits(), &why),
              FsMove::Outcome::Failed);
    const TrashItemActions actions(std::make_shared<SystemCommands>(std::make_shared<Tasks>()),
                                   TrashStore::forPaths(s.paths));
    EXPECT_EQ(actions.putBack(s.trashFiles() + "/Item", small + "/Back/Item"),
              TrashItemActions::PutBack::Failed);
    EXPECT_EQ(records(store), stored);
    EXPECT_EQ(records(s.trashFiles()), trashed);
    EXPECT_TRUE(records(small).isEmpty() || records(small).keys() == QList<QByteArray>{"/Back"})
        << records(small).keys().join(' ').constData();
}

TEST_F(FullDisk, WritesToAFullDiskFailSayingSoAndKeepTheOldFile) {
    for (const char* name : {"cookiedata.txt", "cookies.txt", "Corvane.conf"}) {
        QFile old(small + '/' + name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("[General]\nold=1\n") > 0);
    }
    fill();
    const Records before = records(small);
    const QByteArray large(256 * 1024, 'v');
    PRRtfController text;
    text.addRtfContent(QString::fromLatin1(large));
    EXPECT_FALSE(text.writeRtfInPath(small, "Note"));
    EXPECT_FALSE(CookieExport::writePrivateFile(small + "/cookies.txt", large));
    Defaults settings(small + "/Corvane.conf");
    settings.setString("Large", QString::fromLatin1(large));
    EXPECT_FALSE(settings.synchronize());
    EXPECT_EQ(records(small), before);
    EXPECT_EQ(before.size(), 4);
}

}  // namespace
