// The counters the file layer advances while it removes, erases and copies, and the progress text
// and bar the windows make of them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <filesystem>

#include "core/fs/FsMove.h"
#include "core/fs/FsTree.h"
#include "platform/WorkProgress.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

/// A folder with files of sizes that cross the overwrite's block, an empty file, a link, a hard
/// link and nested folders: 6 files, 70,006 bytes of regular files (the hard link counts its size).
void buildItem(const QString& top, const QString& outside) {
    SandboxBuilder s(top);
    s.writeSizedFile("Item/big.bin", 70000);  // more than one block of the overwrite
    s.writeFile("Item/a/b/c/five.txt", "12345");
    s.writeFile("Item/a/empty", "");
    s.writeFile("Item/a/one", "x");
    ASSERT_EQ(::symlink("/nowhere/at/all", encoded(top + "/Item/a/b/link").constData()), 0);
    const QString shared = SandboxBuilder(outside).writeFile("shared", "");
    ASSERT_EQ(::link(encoded(shared).constData(), encoded(top + "/Item/hard").constData()), 0);
}

TEST(FsProgress, RemovalAndEraseCountEveryFileAndItsBytes) {
    struct Case {
        const char* what;
        bool erase;
        bool folder;  ///< the whole folder, else one file (the single-unlink path)
        bool counters;
        quint64 files;
        quint64 bytes;
    };
    const Case cases[] = {
        {"remove a folder", false, true, true, 6, 70006},
        {"erase a folder", true, true, true, 6, 70006},
        {"remove one file", false, false, true, 1, 70000},
        {"erase one file", true, false, true, 1, 70000},
        {"remove without counters", false, true, false, 0, 0},
    };
    for (const Case& c : cases) {
        TempRoot root, outside;
        buildItem(root.path(), outside.path());
        std::atomic<quint64> files{0}, bytes{0};
        FsTree::Options options;
        if (c.counters) {
            options.files = &files;
            options.bytes = &bytes;
        }
        const ScopedFolder parent = testScope(c.folder ? root.path() : root.file("Item"));
        const QByteArray name = c.folder ? "Item" : "big.bin";
        const FsTree::Report report =
            c.erase ? FsTree::erase(parent, name, options) : FsTree::remove(parent, name, options);
        EXPECT_TRUE(report.gone) << c.what;
        EXPECT_EQ(files.load(), c.files) << c.what;
        EXPECT_EQ(bytes.load(), c.bytes) << c.what;
    }
}

TEST(FsProgress, ACopyAcrossFileSystemsCountsWhatItCopiesAndARenameNothing) {
    TempRoot root, outside;
    struct stat shm, tmp;
    const bool other = ::stat("/dev/shm", &shm) == 0 && ::stat(encoded(root.path()).constData(), &tmp) == 0 &&
                       shm.st_dev != tmp.st_dev;
    const QString elsewhere = QStringLiteral("/dev/shm/corvane-progress-%1").arg(::getpid());
    struct Case {
        const char* what;
        bool across;
        quint64 files;
        quint64 bytes;
    };
    const Case cases[] = {
        {"rename", false, 0, 0},
        {"copy", true, 6, 70006},
    };
    for (const Case& c : cases) {
        if (c.across && !other) continue;  // no second file system here
        const QString from = root.file(c.what),
                      to = c.across ? elsewhere : root.file(QString(c.what) + "-to");
        QDir().mkpath(from);
        QDir().mkpath(to);
        buildItem(from, outside.path());
        std::atomic<quint64> files{0}, bytes{0};
        QString why;
        const FsMove::Outcome outcome =
            FsMove::move(testScope(from), "Item", testScope(to), "Item", &why, {&files, &bytes});
        EXPECT_EQ(outcome, FsMove::Outcome::Moved) << c.what << ' ' << qPrintable(why);
        EXPECT_EQ(files.load(), c.files) << c.what;
        EXPECT_EQ(bytes.load(), c.bytes) << c.what;
        // The source's removal after the copy adds nothing: each file is counted once.
        EXPECT_TRUE(QFileInfo::exists(to + "/Item/a/b/c/five.txt")) << c.what;
    }
    std::filesystem::remove_all(encoded(elsewhere).toStdString());
}

TEST(FsProgress, TheCounterLineSaysItemsFilesAndBytes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        int done, total;
        quint64 files, bytes, bytesTotal;
        bool stopping;
        const char* text;
        int value, maximum;
    };
    const Case cases[] = {
        // One big item: its files and bytes, a bar by bytes.
        {0, 1, 1204, 312u * 1024 * 1024, 1229u * 1024 * 1024, false,
         "Deleting — 1,204 files, 312.0 MB of 1.2 GB", 253, 1000},
        {0, 1, 1, 10, 0, false, "Deleting — 1 file, 10 bytes", 0, 1},
        // Several items: their count too; no bytes total, a bar by items.
        {2, 5, 0, 0, 0, false, "Deleting — 2 of 5 items, 0 files, 0 bytes", 2, 5},
        // Bytes past a total that was measured differently never show more than the total.
        {3, 3, 7, 5000, 4096, false, "Deleting — 3 of 3 items, 7 files, 4.0 kB of 4.0 kB", 1000, 1000},
        // Nothing known beforehand: a busy bar.
        {4, 0, 9, 2048, 0, false, "Deleting — 4 items, 9 files, 2.0 kB", 0, 0},
        {1, 2, 5, 5, 0, true, "Deleting — stopping after the current item…", 1, 2},
    };
    for (const Case& c : cases) {
        const QString text = WorkProgress::text(QStringLiteral("Deleting"), c.done, c.total, c.files, c.bytes,
                                                c.bytesTotal, c.stopping);
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << qPrintable(text);
        const auto [value, maximum] = WorkProgress::bar(c.done, c.total, c.bytes, c.bytesTotal);
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(maximum, c.maximum) << c.text;
    }
    QLocale::setDefault(QLocale::c());
}

TEST(FsProgress, AnItemDoneWholeRaisesTheBytesToItsListedSizeAndOneThatResistedDoesNot) {
    WorkProgress progress;
    progress.setItemBytes({1000, 500, 300});
    EXPECT_EQ(progress.bytesTotal.load(), 1800u);
    progress.itemDone(0, 0, true);  // a rename: nothing counted on the way
    EXPECT_EQ(progress.bytes.load(), 1000u);
    progress.bytes += 200;              // part of the second one removed...
    progress.itemDone(1, 1000, false);  // ...the rest resisted
    EXPECT_EQ(progress.bytes.load(), 1200u);
    progress.bytes += 400;  // counted more than listed (apparent size above the allocated one)
    progress.itemDone(2, 1200, true);
    EXPECT_EQ(progress.bytes.load(), 1600u);  // never lowered
    progress.itemDone(7, 1600, true);         // no listed size: only counted
    EXPECT_EQ(progress.done.load(), 4);
    EXPECT_EQ(progress.bytes.load(), 1600u);
}

}  // namespace
