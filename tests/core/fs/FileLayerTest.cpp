#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <vector>

#include "core/fs/FsTree.h"
#include "core/fs/OpenFolder.h"
#include "core/fs/RegularFile.h"
#include "support/EventWait.h"
#include "support/HostileFs.h"
#include "support/ImmutableFile.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

OpenFolder parentOf(const QString& path) {
    return OpenFolder::open(QFileInfo(path).absolutePath());
}
QByteArray nameOf(const QString& path) {
    return QFile::encodeName(QFileInfo(path).fileName());
}

TEST(FsName, RawNamesSurviveTheRoundTripAndShowTheirStrayBytes) {
    struct Case {
        QByteArray raw;
        bool plain;
        QString shown;
    };
    const Case cases[] = {
        {"plain.txt", true, "plain.txt"},
        {"caf\xc3\xa9", true, QString::fromUtf8("caf\xc3\xa9")},
        {"\xf0\x9f\x98\x80 smile", true, QString::fromUtf8("\xf0\x9f\x98\x80 smile")},
        {"latin1 caf\xe9", false, "latin1 caf\\xE9"},
        {"\xff\xfe", false, "\\xFF\\xFE"},
        {"cut \xc3", false, "cut \\xC3"},
        {"surrogate \xed\xa0\x80", false, "surrogate \\xED\\xA0\\x80"},
        {"overlong \xc0\xaf", false, "overlong \\xC0\\xAF"},
        {"past max \xf4\x90\x80\x80", false, "past max \\xF4\\x90\\x80\\x80"},
    };
    for (const Case& c : cases) {
        const QString text = FsName::fromBytes(c.raw);
        EXPECT_EQ(FsName::toBytes(text), c.raw) << c.raw.toHex().constData();
        EXPECT_EQ(FsName::isPlain(text), c.plain) << c.raw.toHex().constData();
        EXPECT_EQ(FsName::displayText(text), c.shown) << c.raw.toHex().constData();
        if (c.plain) {
            EXPECT_EQ(text, QFile::decodeName(c.raw));
        }
    }
}

TEST(OpenFolder, RefusesLinksOnTheWayAndFoldersOthersMayChange) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    sandbox.writeFile("real/Trash/item", "x");
    sandbox.writeFile("elsewhere/Trash/item", "x");
    ASSERT_EQ(::symlink(QFile::encodeName(root.file("elsewhere")).constData(),
                        QFile::encodeName(root.file("linked")).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(root.file("real/Trash")).constData(),
                        QFile::encodeName(root.file("last")).constData()),
              0);
    const OwnerRule mine = OwnerRule::ownedBy(::getuid());

    EXPECT_TRUE(OpenFolder::open(root.file("real/Trash"), mine).isOpen());
    QString why;
    EXPECT_FALSE(OpenFolder::open(root.file("linked/Trash"), {}, &why).isOpen());  // a link above
    EXPECT_TRUE(why.contains("is a link")) << qPrintable(why);
    EXPECT_FALSE(OpenFolder::open(root.file("last")).isOpen());                // the folder itself
    EXPECT_FALSE(OpenFolder::open(root.file("real/../real/Trash")).isOpen());  // a ".." step
    EXPECT_FALSE(OpenFolder::open(root.file("real/Trash/item")).isOpen());     // not a folder
    EXPECT_FALSE(OpenFolder::open(root.file("missing")).isOpen());
    EXPECT_TRUE(OpenFolder::openChosen(root.file("linked/Trash")).isOpen());  // the user's own choice

    // Writable by anyone: only the sticky bit keeps others from swapping what is not theirs.
    ::chmod(QFile::encodeName(root.file("real")).constData(), 0777);
    EXPECT_FALSE(OpenFolder::open(root.file("real/Trash"), mine).isOpen());
    EXPECT_TRUE(OpenFolder::open(root.file("real/Trash")).isOpen());  // no owner rule asked
    ::chmod(QFile::encodeName(root.file("real")).constData(), 01777);
    EXPECT_TRUE(OpenFolder::open(root.file("real/Trash"), mine).isOpen());
    ::chmod(QFile::encodeName(root.file("real")).constData(), 0755);
    if (::geteuid() == 0) {  // another account's folder on the way
        ASSERT_EQ(::chown(QFile::encodeName(root.file("real")).constData(), 12345, 12345), 0);
        EXPECT_FALSE(OpenFolder::open(root.file("real/Trash"), mine).isOpen());
        EXPECT_TRUE(OpenFolder::open(root.file("real/Trash"), OwnerRule::ownedBy(12345)).isOpen());
    }
}

TEST(OpenFolder, AnOpenedFolderStaysTheOneOpenedWhenItsPathBecomesALink) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    sandbox.writeFile("Trash/item.txt", "in the trash");
    const QString victim = sandbox.writeFile("victim/item.txt", "elsewhere");
    const ScopedFolder folder = testScope(root.file("Trash"));
    ASSERT_TRUE(folder.isOpen());
    ASSERT_TRUE(QDir().rename(root.file("Trash"), root.file("moved")));
    ASSERT_EQ(::symlink(QFile::encodeName(root.file("victim")).constData(),
                        QFile::encodeName(root.file("Trash")).constData()),
              0);
    EXPECT_TRUE(FsTree::remove(folder, "item.txt").gone);
    EXPECT_FALSE(QFileInfo::exists(root.file("moved/item.txt")));
    EXPECT_EQ(readAll(victim), "elsewhere");
}

TEST(OpenFolder, RecordReadsTakeRegularFilesOnlyAndStopAtTheCap) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    sandbox.writeFile("records/plain", "0123456789");
    const QByteArray folder = QFile::encodeName(root.file("records"));
    ASSERT_EQ(::mkfifo((folder + "/fifo").constData(), 0600), 0);
    ASSERT_EQ(::symlink("fifo", (folder + "/to-fifo").constData()), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder + "/to-zero").constData()), 0);
    ASSERT_EQ(::symlink("plain", (folder + "/to-plain").constData()), 0);
    const OpenFolder records = OpenFolder::open(root.file("records"));
    EXPECT_EQ(records.readFile("plain", 64).value_or("<none>"), "0123456789");
    EXPECT_EQ(records.readFile("plain", 4).value_or("<none>"), "0123");
    for (const char* refused : {"fifo", "to-fifo", "to-zero", "to-plain", "missing"}) {
        EXPECT_FALSE(records.readFile(refused, 64).has_value()) << refused;
        EXPECT_FALSE(records.readFileInChunks(refused, 64, 3, [](QByteArrayView) { return true; }))
            << refused;
    }
    // Read in pieces: the same bytes up to the cap, and the reader may stop early.
    QByteArray pieces;
    EXPECT_TRUE(records.readFileInChunks("plain", 8, 3, [&](QByteArrayView p) { return pieces += p, true; }));
    EXPECT_EQ(pieces, "01234567");
    pieces.clear();
    EXPECT_TRUE(
        records.readFileInChunks("plain", 64, 4, [&](QByteArrayView p) { return (pieces += p).size() < 4; }));
    EXPECT_EQ(pieces, "0123");
    // Names in slices: every name once, no slice over its size.
    QList<QByteArray> named;
    EXPECT_TRUE(records.namesInSlices(2, [&](QList<QByteArray>&& slice) {
        EXPECT_LE(slice.size(), 2);
        named += slice;
    }));
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named, QList<QByteArray>({"fifo", "plain", "to-fifo", "to-plain", "to-zero"}));
    // By path (a file the user named): a link to a regular file is followed, nothing else is read.
    const QString at = root.file("records/");
    EXPECT_EQ(RegularFile::read(at + "to-plain", 64).value_or("<none>"), "0123456789");
    RegularFile::Stream stream(at + "to-plain");
    ASSERT_TRUE(stream.isOpen());
    EXPECT_EQ(stream.device()->readAll(), "0123456789");
    for (const char* refused : {"fifo", "to-fifo", "to-zero", "missing", ""}) {
        EXPECT_FALSE(RegularFile::read(at + refused, 64).has_value()) << refused;
        EXPECT_FALSE(RegularFile::Stream(at + refused).isOpen()) << refused;
    }
    // A read that fails after the open gives nothing, not the bytes before the failure: a
    // folder's descriptor has a size but refuses to be read.
    errno = 0;
    EXPECT_FALSE(RegularFile::readAndClose(::open(folder.constData(), O_RDONLY | O_CLOEXEC), 64).has_value());
    EXPECT_EQ(errno, EISDIR);
    // Writing replaces a link instead of writing through it.
    EXPECT_TRUE(records.writeFileReplacing("to-plain", "new"));
    EXPECT_EQ(readAll(root.file("records/plain")), "0123456789");
    EXPECT_EQ(readAll(root.file("records/to-plain")), "new");
}

TEST(FsTree, SizesAreThoseDuGives) {
    TempRoot root;
    TempRoot outside;
    SandboxBuilder sandbox(root.path());
    const QString item = sandbox.makeFolder("Item");
    sandbox.writeSizedFile("Item/big.bin", 300000);
    sandbox.writeFile("Item/sub/deeper/small.txt", "tiny");
    QFile sparse(root.file("Item/sparse.img"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    sparse.write("head");
    ASSERT_TRUE(sparse.resize(50 * 1000 * 1000));  // 50 MB long, a few blocks used
    sparse.close();
    ASSERT_EQ(::link(QFile::encodeName(root.file("Item/big.bin")).constData(),
                     QFile::encodeName(root.file("Item/sub/same.bin")).constData()),
              0);
    SandboxBuilder(outside.path()).writeSizedFile("huge.bin", 2000000);
    ASSERT_EQ(::symlink(QFile::encodeName(outside.file("huge.bin")).constData(),
                        QFile::encodeName(root.file("Item/link")).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(outside.path()).constData(),
                        QFile::encodeName(root.file("Item/folder-link")).constData()),
              0);

    QProcess du;
    du.start("du", {"-k", "-d", "0", "--", item});
    ASSERT_TRUE(du.waitForFinished(30000));
    const quint64 expected = du.readAllStandardOutput().split('\t').value(0).toULongLong() * 1024;
    ASSERT_GT(expected, 0u);
    EXPECT_EQ(FsTree::allocatedBytes(parentOf(item), "Item").value_or(0), expected);
    EXPECT_FALSE(FsTree::allocatedBytes(parentOf(item), "missing").has_value());
}

TEST(FsTree, EraseOverwritesEveryFileButLeavesHardLinkedDataAndSaysSo) {
    TempRoot root;
    TempRoot outside;
    SandboxBuilder sandbox(root.path());
    const QString shared =
        SandboxBuilder(outside.path()).writeFile("backup/shared.txt", "kept under its other name");
    const QString folder = sandbox.makeFolder("chosen");
    ASSERT_EQ(
        ::link(QFile::encodeName(shared).constData(), QFile::encodeName(folder + "/shared.txt").constData()),
        0);
    const QString secret = sandbox.writeFile("chosen/.hidden/secret.txt", "top secret");
    const int witness = ::open(QFile::encodeName(secret).constData(), O_RDONLY);

    const FsTree::Report report = FsTree::erase(testScope(QFileInfo(folder).absolutePath()), "chosen");
    EXPECT_TRUE(report.gone);
    EXPECT_EQ(report.overwritten, 1u);
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems.first().endsWith(FsTree::otherNamesText()))
        << qPrintable(report.problems.first());
    EXPECT_EQ(readAll(shared), "kept under its other name");
    char buffer[32] = {};
    ASSERT_EQ(::pread(witness, buffer, sizeof buffer, 0), 10);
    EXPECT_EQ(QByteArray(buffer, 10).indexOf("secret"), -1);
    ::close(witness);
}

TEST(FsTree, TreesDeeperThanPathMaxAreRemovedAndErasedWhole) {
    TempRoot root;
    for (const bool erase : {false, true}) {
        const QString top = SandboxBuilder(root.path()).makeFolder(erase ? "erase" : "remove");
        ASSERT_TRUE(
            HostileFs::makeDeepChain(top, "a-rather-long-step", 600, "deep data"));  // ~11,000 bytes of path
        const ScopedFolder parent = testScope(root.path());
        EXPECT_GT(FsTree::allocatedBytes(parent.folder(), nameOf(top)).value_or(0), 600u * 1024);
        const FsTree::Report report =
            erase ? FsTree::erase(parent, nameOf(top)) : FsTree::remove(parent, nameOf(top));
        EXPECT_TRUE(report.gone);
        EXPECT_TRUE(report.problems.isEmpty()) << qPrintable(report.problems.join('\n'));
        EXPECT_EQ(report.removed, 602u);
        EXPECT_EQ(report.overwritten, erase ? 1u : 0u);
    }
}

TEST(FsTree, AFolderSwappedForALinkMidWalkNeverLeadsOutside) {
    // Each round: the target holds a busy folder next to a link to the canary, and another thread
    // keeps exchanging the two while the work runs.
    TempRoot outside;
    SandboxBuilder canary(outside.path());
    for (int i = 0; i < 40; ++i) canary.writeFile(QStringLiteral("precious/f%1.txt").arg(i), "precious data");
    const ImmutableWhileAlive locked(outside.file("precious/f0.txt"));
    const QByteArray before = HostileFs::treeDigest(outside.path());
    enum Work { Remove, RemoveClearingFlags, Erase };
    for (const Work work : {Remove, RemoveClearingFlags, Erase}) {
        for (int round = 0; round < 6; ++round) {
            TempRoot root;
            SandboxBuilder sandbox(root.path());
            for (int i = 0; i < 300; ++i)
                sandbox.writeFile(QStringLiteral("Item/busy/sub/f%1").arg(i), "trash");
            ASSERT_EQ(::symlink(QFile::encodeName(outside.file("precious")).constData(),
                                QFile::encodeName(root.file("Item/busy-link")).constData()),
                      0);
            const ScopedFolder parent = testScope(root.path());
            FsTree::Options options;
            options.clearLockedFlags = work == RemoveClearingFlags;
            {
                HostileFs::Swapper swapper(root.file("Item/busy"), root.file("Item/busy-link"));
                ASSERT_TRUE(waitUntil([&] { return swapper.swaps() >= 10; }));
                if (work == Erase)
                    FsTree::erase(parent, "Item", options);
                else
                    FsTree::remove(parent, "Item", options);
            }
            ASSERT_EQ(HostileFs::treeDigest(outside.path()), before) << "work " << work << " round " << round;
        }
    }
}

TEST(FsTree, LockedFlagsAreClearedOnTheWayWhereTheRightsAllow) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    const QString file = sandbox.writeFile("Item/locked.txt", "x");
    const ImmutableWhileAlive locked(file);
    if (!locked.isSet()) GTEST_SKIP() << "no immutable flag here (needs root on a file system with flags)";
    const ScopedFolder parent = testScope(root.path());
    EXPECT_FALSE(FsTree::remove(parent, "Item").gone);  // without clearing: it resists and says so
    const FsTree::Report report = FsTree::remove(parent, "Item", {true, nullptr});
    EXPECT_TRUE(report.gone);
    EXPECT_TRUE(report.problems.isEmpty());
}

}  // namespace
