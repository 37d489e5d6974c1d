#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "core/fs/FsMove.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"
#include "support/HostileFs.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestMount.h"
#include "support/TestScope.h"

namespace {

constexpr uid_t Stranger = 12345;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool chownTo(const QString& path, uid_t uid, gid_t gid) {
    return ::lchown(QFile::encodeName(path).constData(), uid, gid) == 0;
}

bool chmodTo(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// A home with a Trash, a Desktop and a store, a volume, and folders that are shared or foreign.
struct Layout {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString home = sandbox.makeFolder("home/me");
    QString trash = sandbox.makeFolder("home/me/.local/share/Trash/files");
    QString desktop = sandbox.makeFolder("home/me/Desktop");
    QString store = sandbox.makeFolder("home/me/Documents/com.Nordquil.ploverly");
    QString volume = sandbox.makeFolder("media/usb");
    ScopeLimits limits;

    Layout() {
        limits.uid = ::getuid();
        limits.home = home;
        limits.tops = {"/", root.path(), volume};
        limits.trashes = {trash, QFileInfo(trash).path()};
        limits.held = {desktop, store};
        sandbox.makeFolder("shared/store");
        chmodTo(root.file("shared"), 01777);
        sandbox.makeFolder("open/store");
        chmodTo(root.file("open"), 0777);
        sandbox.makeFolder("linked-to/store");
        ::symlink(QFile::encodeName(root.file("linked-to")).constData(),
                  QFile::encodeName(root.file("link")).constData());
    }
};

TEST(FsScope, NoScopeIsMadeOfAFolderTheUserNeverMeant) {
    Layout l;
    const bool root = ::getuid() == 0;
    if (root) {
        l.sandbox.makeFolder("foreign/store");
        chownTo(l.root.file("foreign"), Stranger, Stranger);
        l.sandbox.makeFolder("group/store");
        chownTo(l.root.file("group"), ::getuid(), Stranger);
        chmodTo(l.root.file("group"), 0775);
    }
    using K = FsScope::Kind;
    struct Case {
        K kind;
        QString path;
        bool made;
        bool needsRoot = false;
    };
    const Case cases[] = {
        {K::Store, "", false},
        {K::Store, "relative/store", false},
        {K::Store, "/", false},
        {K::Store, l.root.path(), false},
        {K::Trash, l.volume, false},
        {K::Desktop, l.home, false},
        {K::Desktop, l.home + "/", false},           // how xdg-user-dirs says "no Desktop"
        {K::Desktop, l.desktop + "/..", false},      // the home under another name
        {K::Desktop, l.root.file("home"), false},    // holds the home
        {K::Store, l.home + "/.local", false},       // holds the Trash
        {K::Desktop, l.home + "/Documents", false},  // holds the store
        {K::Trash, l.trash, true},
        {K::Trash, QFileInfo(l.trash).path(), true},
        {K::Desktop, l.desktop, true},
        {K::Store, l.store, true},
        {K::Store, l.root.file("shared/store"), true},          // a sticky folder on the way is fine
        {K::Store, l.root.file("open/store"), false},           // anyone may swap what is below
        {K::Store, l.root.file("link/store"), false},           // a link on the way
        {K::Store, l.root.file("foreign/store"), false, true},  // another account's folder
        {K::Store, l.root.file("group/store"), false, true},    // another group may write
    };
    for (const Case& c : cases) {
        if (c.needsRoot && !root) continue;
        QString why;
        const FsScope scope = c.kind == K::Trash   ? FsScope::trash(c.path, l.limits, &why)
                              : c.kind == K::Store ? FsScope::store(c.path, l.limits, &why)
                                                   : FsScope::desktop(c.path, l.limits, &why);
        EXPECT_EQ(scope.isValid(), c.made) << qPrintable(c.path) << ": " << qPrintable(why);
        if (!c.made) {
            EXPECT_FALSE(why.isEmpty()) << qPrintable(c.path);
        }
    }

    // Chosen items: anything but what holds the home, a Trash or what Corvane keeps.
    const QString note = l.sandbox.writeFile("home/me/Documents/note.txt", "mine");
    const struct {
        QString item;
        bool made;
    } chosen[] = {
        {note, true},     {l.home, false}, {l.home + "/.local", false}, {l.trash, false}, {l.desktop, false},
        {l.store, false}, {"/", false},    {"note.txt", false},
    };
    for (const auto& c : chosen) {
        QString why;
        EXPECT_EQ(FsScope::chosenItem(c.item, l.limits, &why).isValid(), c.made) << qPrintable(c.item);
    }
}

TEST(FsScope, AChosenScopeTouchesOnlyTheNamesChosen) {
    Layout l;
    const QString kept = l.sandbox.writeFile("home/me/Documents/kept.txt", "stays");
    l.sandbox.writeFile("home/me/Documents/chosen.txt", "goes");
    const FsScope scope = FsScope::chosen(l.home + "/Documents", {"chosen.txt"}, l.limits);
    ASSERT_TRUE(scope.isValid());
    const FsTree::Report refused = FsTree::remove(scope.folder(), "kept.txt");
    EXPECT_FALSE(refused.gone);
    EXPECT_EQ(refused.problems.size(), 1);
    EXPECT_FALSE(FsTree::erase(scope.folder(), "kept.txt").gone);
    EXPECT_FALSE(FsTree::remove(scope.folder(), "..").gone);
    EXPECT_EQ(readAll(kept), "stays");
    EXPECT_TRUE(FsTree::remove(scope.folder(), "chosen.txt").gone);
}

TEST(FsScope, AScopesOwnSubFoldersKeepItsOwnerRule) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to give a folder to another account";
    Layout l;
    l.sandbox.writeFile("media/usb/.Trash-0/files/theirs.txt", "another account's");
    l.sandbox.makeFolder("media/usb/.Trash-0/info");
    const QString files = l.root.file("media/usb/.Trash-0/files");
    const QString info = l.root.file("media/usb/.Trash-0/info");
    ASSERT_TRUE(chownTo(files, Stranger, Stranger));
    ASSERT_TRUE(chownTo(info, 0, Stranger) && chmodTo(info, 0775));
    const FsScope scope = FsScope::trash(l.root.file("media/usb/.Trash-0"), l.limits);
    ASSERT_TRUE(scope.isValid());
    QString why;
    EXPECT_FALSE(scope.folder().child(QByteArray("files"), &why).isOpen());
    EXPECT_TRUE(why.contains("someone else")) << qPrintable(why);
    EXPECT_FALSE(scope.folder().child(QByteArray("info")).isOpen());
    EXPECT_EQ(readAll(files + "/theirs.txt"), "another account's");
}

TEST(FsTree, RemovingErasingMovingAndMeasuringStopAtAMountPoint) {
    TempRoot outside;
    SandboxBuilder(outside.path()).writeFile("volume/data.bin", QByteArray(256 * 1024, 'v'));
    const QString single = SandboxBuilder(outside.path()).writeFile("single.txt", "a colleague's file");
    const QByteArray before = HostileFs::treeDigest(outside.path());
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    sandbox.writeFile("Item/own.txt", "trash");
    sandbox.makeFolder("Item/mounted");
    sandbox.writeFile("Item/deeper/over.txt", "placeholder");
    const auto folderMount = TestMount::bind(outside.file("volume"), root.file("Item/mounted"));
    if (!folderMount->isMounted()) GTEST_SKIP() << qPrintable(folderMount->why());
    const auto fileMount = TestMount::bind(single, root.file("Item/deeper/over.txt"));
    ASSERT_TRUE(fileMount->isMounted()) << qPrintable(fileMount->why());

    const ScopedFolder parent = testScope(root.path());
    EXPECT_LT(FsTree::allocatedBytes(parent.folder(), "Item").value_or(0), 200u * 1024);
    for (const bool erase : {true, false}) {
        const FsTree::Report report = erase ? FsTree::erase(parent, "Item") : FsTree::remove(parent, "Item");
        EXPECT_FALSE(report.gone);
        EXPECT_TRUE(report.problems.join('\n').contains("mounted")) << qPrintable(report.problems.join('\n'));
        EXPECT_FALSE(QFileInfo::exists(root.file("Item/own.txt")));
        EXPECT_EQ(HostileFs::treeDigest(outside.path()), before) << (erase ? "erase" : "remove");
    }
    // A move stops at the mount point too: the item with a mount on it stays where it is.
    const ScopedFolder to = testScope(sandbox.makeFolder("Store"));
    EXPECT_EQ(FsMove::move(parent.child(QByteArray("Item")), "mounted", to, "mounted"),
              FsMove::Outcome::Failed);
    EXPECT_EQ(HostileFs::treeDigest(outside.path()), before);
}

TEST(OwnerRule, GroupWriteCountsAsSomeoneElsesUnlessTheGroupIsTheUsersOwn) {
    const OwnerRule rule = OwnerRule::ownedBy(::getuid());
    struct stat st {};
    st.st_uid = ::getuid();
    const struct {
        mode_t mode;
        gid_t gid;
        bool allowed;
    } cases[] = {
        {S_IFDIR | 0755, Stranger, true},
        {S_IFDIR | 0775, Stranger, false},
        {S_IFDIR | 0757, Stranger, false},
        {S_IFDIR | 01777, Stranger, true},
        {S_IFDIR | 0775, rule.privateGroup, rule.privateGroup != gid_t(-1)},
    };
    for (const auto& c : cases) {
        st.st_mode = c.mode;
        st.st_gid = c.gid;
        EXPECT_EQ(rule.allows(st), c.allowed) << std::oct << c.mode << " gid " << std::dec << c.gid;
    }
    st.st_uid = Stranger;
    st.st_mode = S_IFDIR | 0755;
    EXPECT_EQ(rule.allows(st), ::getuid() == Stranger);
}

}  // namespace
