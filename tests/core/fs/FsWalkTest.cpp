#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QStringList>

#include "core/Path.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsTree.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

/// Every entry a walk of `folder` sees, as "depth name" (folders with a trailing "/"), entering
/// every folder but those named in `skip`.
QStringList seen(const QString& folder, const QStringList& skip = {}, FsTree::Report* report = nullptr) {
    QStringList lines;
    const FsTree::Report r = FsTree::walk(OpenFolder::open(folder), [&](const FsTree::WalkEntry& e) {
        const QString name = FsName::fromBytes(e.name());
        lines << QStringLiteral("%1 %2%3").arg(e.depth()).arg(name, e.isFolder() ? "/" : "");
        EXPECT_TRUE(e.path().endsWith('/' + name));
        return !skip.contains(name);
    });
    if (report) *report = r;
    lines.sort();  // the file system's order is its own; depth and names are what a walk must get right
    return lines;
}

TEST(FsWalk, SeesEveryEntryAtItsDepthAndEntersOnlyWhatTheVisitorAsks) {
    TempRoot root;
    SandboxBuilder s(root.path());
    s.writeFile(root.file("top/a.txt"), "a");
    s.writeFile(root.file("top/F/b.txt"), "b");
    s.writeFile(root.file("top/F/G/c.txt"), "c");
    s.writeFile(root.file("top/Skip/hidden.txt"), "h");
    s.writeFile(root.file("outside/secret.txt"), "s");
    s.makeFolder(root.file("top/Empty"));
    ASSERT_TRUE(QFile::link(root.file("outside"), root.file("top/link")));
    ASSERT_TRUE(QFile::link(root.file("gone"), root.file("top/dangling")));

    const QStringList expected{"1 Empty/", "1 F/", "1 Skip/", "1 a.txt", "1 dangling",
                               "1 link",   "2 G/", "2 b.txt", "3 c.txt"};
    EXPECT_EQ(seen(root.file("top"), {"Skip"}), expected);
    // Entering it too adds only what is inside; a link to a folder is never entered.
    QStringList withSkip = expected;
    withSkip << "2 hidden.txt";
    withSkip.sort();
    EXPECT_EQ(seen(root.file("top")), withSkip);
}

TEST(FsWalk, AFolderItCannotEnterIsSaidAndTheRestIsWalked) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    TempRoot root;
    SandboxBuilder s(root.path());
    s.writeFile(root.file("top/Locked/in.txt"), "x");
    s.writeFile(root.file("top/z.txt"), "z");
    ASSERT_EQ(::chmod(QFile::encodeName(root.file("top/Locked")).constData(), 0), 0);
    FsTree::Report report;
    EXPECT_EQ(seen(root.file("top"), {}, &report), (QStringList{"1 Locked/", "1 z.txt"}));
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems[0].startsWith(root.file("top/Locked") + ": "))
        << qPrintable(report.problems[0]);
    ::chmod(QFile::encodeName(root.file("top/Locked")).constData(), 0700);
    // A folder that is not open is no walk at all.
    bool called = false;
    FsTree::walk(OpenFolder(), [&](const FsTree::WalkEntry&) { return called = true; });
    EXPECT_FALSE(called);
}

TEST(FsLook, MissingIsOnlyNothingThere) {
    TempRoot root;
    SandboxBuilder s(root.path());
    s.writeFile(root.file("Locked/in.txt"), "x");
    ASSERT_TRUE(QFile::link(root.file("nowhere"), root.file("dangling")));
    ASSERT_EQ(::chmod(QFile::encodeName(root.file("Locked")).constData(), 0), 0);
    struct Case {
        QString path;
        bool exists;
        bool missing;
    };
    const bool root_ = ::geteuid() == 0;
    const Case cases[] = {
        {root.file("Locked"), true, false},
        {root.file("dangling"), true, false},  // the link itself is there
        {root.file("nowhere"), false, true},
        {root.file("nowhere/deeper"), false, true},
        // Behind a folder it may not search: not seen, but not known to be missing either.
        {root.file("Locked/in.txt"), root_, false},
        {QString(), false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FsLook::exists(c.path), c.exists) << qPrintable(c.path);
        EXPECT_EQ(FsLook::missing(c.path), c.missing) << qPrintable(c.path);
    }
    ::chmod(QFile::encodeName(root.file("Locked")).constData(), 0700);
}

TEST(Path, SplitsIntoFolderAndLeaf) {
    struct Case {
        const char* path;
        const char* parent;
        const char* leaf;
        const char* joined;  ///< the parent joined with the leaf again
    };
    const Case cases[] = {
        {"/home/me/a.txt", "/home/me", "a.txt", "/home/me/a.txt"},
        {"/a", "/", "a", "/a"},
        {"/", "/", "", "/"},
        {"a", "/", "a", "/a"},  // a bare name has no folder of its own
        {"/home/me/", "/home/me", "", "/home/me/"},
        {"/x/.hidden", "/x", ".hidden", "/x/.hidden"},
    };
    for (const Case& c : cases) {
        const Path p{QString::fromUtf8(c.path)};
        EXPECT_EQ(p.parent().text(), QString::fromUtf8(c.parent)) << c.path;
        EXPECT_EQ(p.leaf(), QString::fromUtf8(c.leaf)) << c.path;
        EXPECT_EQ(p.parent().join(p.leaf()).text(), QString::fromUtf8(c.joined)) << c.path;
    }
    // The byte form gives back a name that is not UTF-8 exactly.
    const QByteArray raw("caf\xe9");
    EXPECT_EQ(Path(QStringLiteral("/d/") + FsName::fromBytes(raw)).leafBytes(), raw);
}

}  // namespace
