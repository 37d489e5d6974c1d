#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCollator>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <random>

#include "core/fs/FsTree.h"
#include "platform/Tasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/CVTrashController.h"
#include "trash/ItemSizes.h"
#include "trash/TrashTreeItems.h"
#include "trash/TrashTreeOrder.h"

namespace {

/// Sets the default locale for one test and puts the previous one back.
struct DefaultLocale {
    QLocale saved;
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved); }
};

struct TreeFixture {
    DefaultLocale locale{
        QLocale(QLocale::English, QLocale::UnitedStates)};  // before the controller's collator
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    QString trash = paths->userTrash();
    QHash<QString, QString> origins;
    /// Sizes by path; anything else measures as its path's length, so every entry differs.
    QHash<QString, quint64> sizes;
    std::function<void(const QString&)> whileMeasuring;
    CVTrashController controller{paths,
                                 [this](const FsTree::WalkEntry& entry) {
                                     const QString& p = entry.path();
                                     if (whileMeasuring) whileMeasuring(p);
                                     return sizes.value(p, quint64(p.size()));
                                 },
                                 [this](const QString& n) { return origins.value(n, QStringLiteral("--")); }};

    static QStringList names(const QList<CVTrashFileNode::Ptr>& list) {
        QStringList out;
        for (const auto& n : list) out << n->theFileName;
        return out;
    }
    CVTrashFileNode::Ptr top(const QString& name) const {
        for (const auto& n : controller.content())
            if (n->theFileName == name) return n;
        return nullptr;
    }
    void place(const QString& relative, bool isFolder) {
        controller.addFolder(
            trash + "/" + relative, isFolder,
            TrashItemDict::make(relative, QStringLiteral("1.00KB"), 1000, QString(), relative));
    }
};

TEST(CVTrashControllerTree, FileInFrontFolderWithOwnValuesAndLeafChild) {
    TreeFixture f;
    auto files = std::make_shared<ItemSizes>(f.paths, std::make_shared<Tasks>());
    CVTrashController controller(
        f.paths, [files](const FsTree::WalkEntry& entry) { return files->sizeOfEntry(entry); },
        [&f](const QString& n) { return f.origins.value(n, QStringLiteral("--")); });
    f.sandbox.writeFile(f.trash + "/a.txt", "hello");
    f.sandbox.writeSizedFile(f.trash + "/F/b.txt", 20000);
    ::chmod(QFile::encodeName(f.trash + "/F").constData(), 0750);
    ::chmod(QFile::encodeName(f.trash + "/F/b.txt").constData(), 0600);
    f.origins = {
        {"a.txt", "/Users/me/Desktop/a.txt"}, {"F", "/Users/me/Projects/F"}, {"b.txt", "/elsewhere/b.txt"}};

    controller.addTrashTreeList();
    ASSERT_EQ(TreeFixture::names(controller.content()), (QStringList{"a.txt", "F"}));
    const auto a = controller.content()[0];
    const auto folder = controller.content()[1];
    EXPECT_EQ(a->theFileSize, QStringLiteral("5.00bytes"));
    EXPECT_EQ(a->theOrignalpath, QStringLiteral("/Users/me/Desktop/a.txt"));
    EXPECT_TRUE(a->isLeaf);
    EXPECT_EQ(a->parent, nullptr);

    EXPECT_FALSE(folder->isLeaf);
    EXPECT_EQ(folder->theFilePermission, QStringLiteral("drwxr-x---"));
    EXPECT_EQ(folder->theOrignalpath, QStringLiteral("/Users/me/Projects/F"));
    EXPECT_EQ(folder->filesize, files->fastFolderSizeAtFilePath(f.trash + "/F"));
    EXPECT_NE(folder->theFileSize, QStringLiteral("20.00KB"));  // du's count, not b.txt's
    EXPECT_EQ(folder->theTrashPath, f.trash + "/F");

    ASSERT_EQ(folder->children().size(), 1);
    const auto b = folder->children()[0];
    EXPECT_EQ(b->theFileName, QStringLiteral("b.txt"));
    EXPECT_EQ(b->theFileSize, QStringLiteral("20.00KB"));
    EXPECT_EQ(b->theFilePermission, QStringLiteral("-rw-------"));
    EXPECT_EQ(b->theOrignalpath, QStringLiteral("/elsewhere/b.txt"));
    EXPECT_EQ(b->parent, folder.get());
    EXPECT_TRUE(b->isLeaf);
    EXPECT_TRUE(b->children().isEmpty());
    EXPECT_EQ(controller.nodeCount(), 3);

    // A second build replaces the first instead of adding to it.
    controller.addTrashTreeList();
    EXPECT_EQ(controller.nodeCount(), 3);
    const QList<CVTrashFileNode::Ptr> taken = controller.takeContent();
    EXPECT_EQ(taken.size(), 2);
    EXPECT_EQ(controller.nodeCount(), 0);
    EXPECT_TRUE(controller.fileDic().isEmpty());
}

TEST(CVTrashControllerTree, EmptyFoldersAndHiddenNames) {
    TreeFixture f;
    f.sandbox.makeFolder(f.trash + "/E");
    f.sandbox.makeFolder(f.trash + "/F/G");
    f.sandbox.writeFile(f.trash + "/.x", "x");
    f.sandbox.writeFile(f.trash + "/..y", "y");
    f.origins = {{"x", "/Users/me/x"}, {".y", "/never/used"}, {"..y", "/never/used"}};
    f.controller.addTrashTreeList();

    const auto e = f.top("E");
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->isLeaf);
    EXPECT_TRUE(e->children().isEmpty());
    const auto folder = f.top("F");
    ASSERT_TRUE(folder);
    ASSERT_EQ(folder->children().size(), 1);
    EXPECT_EQ(folder->children()[0]->theFileName, QStringLiteral("G"));
    EXPECT_FALSE(folder->children()[0]->isLeaf);
    EXPECT_TRUE(folder->children()[0]->children().isEmpty());

    const auto x = f.top(".x");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->theOrignalpath, QStringLiteral("/Users/me/x"));
    EXPECT_EQ(f.controller.fileDic().value(".x"), x);
    const auto y = f.top("..y");
    ASSERT_TRUE(y);
    EXPECT_TRUE(y->theOrignalpath.isEmpty());
    EXPECT_EQ(f.controller.nodeCount(), 5);
}

TEST(CVTrashControllerTree, FreedesktopItemsKeepDottedNamesAndOnlyTopLevelItemsHaveAPlace) {
    TreeFixture f;
    const auto linux = f.sandbox.linuxPaths();
    const QString files = linux->userTrash();
    f.sandbox.writeFile(files + "/.bashrc.old", "x");
    f.sandbox.writeFile(files + "/Dir/notes.txt", "n");
    f.origins = {{".bashrc.old", "/home/me/.bashrc.old"}, {"Dir", "/home/me/Dir"}, {"notes.txt", "/wrong"}};
    CVTrashController controller(
        linux, [](const FsTree::WalkEntry&) { return quint64(1); },
        [&f](const QString& n) { return f.origins.value(n, QStringLiteral("--")); });
    controller.addTrashTreeList();
    ASSERT_EQ(controller.content().size(), 2);
    for (const auto& node : controller.content()) {
        if (node->theFileName == ".bashrc.old") {
            EXPECT_EQ(node->theOrignalpath, "/home/me/.bashrc.old");
        } else {
            EXPECT_EQ(node->theOrignalpath, "/home/me/Dir");
            ASSERT_EQ(node->children().size(), 1);
            EXPECT_EQ(node->children()[0]->theOrignalpath, "--");  // no info file of its own
        }
    }
}

TEST(CVTrashControllerTree, LocaleOrderAndDeepNestingWithOwnValues) {
    TreeFixture f;
    for (const char* name : {"b", "A", "\u00e4", "c"})
        f.sandbox.makeFolder(f.trash + "/" + QString::fromUtf8(name));
    const QString l2 = f.trash + "/A/L2", l3 = l2 + "/L3", l4 = l3 + "/L4";
    f.sandbox.writeFile(l3 + "/mid.txt", "m");
    f.sandbox.writeFile(l4 + "/deep.txt", "d");
    f.sizes = {{l2, 1'500}, {l3, 2'500'000}, {l4, 7}, {l4 + "/deep.txt", 999'999}};
    ::chmod(QFile::encodeName(l3).constData(), 0700);
    f.controller.addTrashTreeList();

    // Every folder at its place in the locale's order, whatever order the file system lists them in.
    EXPECT_EQ(TreeFixture::names(f.controller.content()), (QStringList{"A", "\u00e4", "b", "c"}));
    const auto n2 = f.top("A")->children().value(0);
    ASSERT_TRUE(n2);
    EXPECT_EQ(n2->theFileSize, QStringLiteral("1.50KB"));
    const auto n3 = n2->children().value(0);
    ASSERT_TRUE(n3);
    EXPECT_EQ(n3->theFileSize, QStringLiteral("2.50MB"));
    EXPECT_EQ(n3->theFilePermission, QStringLiteral("drwx------"));
    EXPECT_EQ(n3->parent, n2.get());
    ASSERT_EQ(n3->children().size(), 2);
    const auto n4 = f.controller.fileDic().value("L4");
    ASSERT_TRUE(n4);
    EXPECT_EQ(n4->parent, n3.get());
    EXPECT_EQ(n4->theFileSize, QStringLiteral("7.00bytes"));
    ASSERT_EQ(n4->children().size(), 1);
    EXPECT_EQ(n4->children()[0]->theFileSize, QStringLiteral("1000.00KB"));
    EXPECT_EQ(n4->children()[0]->theTrashPath, l4 + "/deep.txt");

    // Each entry on disk exactly once.
    int onDisk = 0;
    for (QDirIterator it(f.trash, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++onDisk;
    EXPECT_EQ(f.controller.nodeCount(), onDisk);
    EXPECT_EQ(f.controller.fileDic().size(), onDisk);  // all names differ here
}

TEST(CVTrashControllerTree, PlacementOrderOfFilesAndFolders) {
    TreeFixture f;
    f.place("B", true);
    f.place("z.txt", false);  // a file in front of everything
    f.place("A", true);       // in front of the first name after it: z.txt is first and sorts after A
    f.place("C", true);
    EXPECT_EQ(TreeFixture::names(f.controller.content()), (QStringList{"A", "C", "z.txt", "B"}));

    f.place("B/z", false);
    f.place("B/a", false);
    f.place("B/m", false);
    f.place("B/Sub", true);
    f.place("B/y", true);
    EXPECT_EQ(TreeFixture::names(f.top("B")->children()), (QStringList{"Sub", "y", "z", "a", "m"}));
}

TEST(CVTrashControllerTree, OutOfOrderEntriesAndTheNameIndex) {
    TreeFixture f;
    f.place("F/G/x.txt", false);  // both folders made on the way
    ASSERT_EQ(f.controller.nodeCount(), 3);
    const auto folder = f.top("F");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->theOrignalpath, QStringLiteral("F/G/x.txt"));
    EXPECT_EQ(folder->theTrashPath, f.trash + "/F");
    f.place("F", true);  // its own entry afterwards: the same node, now with its own values
    f.place("F/G", true);
    EXPECT_EQ(f.controller.nodeCount(), 3);
    EXPECT_EQ(f.top("F"), folder);
    EXPECT_EQ(folder->theOrignalpath, QStringLiteral("F"));
    EXPECT_EQ(folder->children()[0]->theOrignalpath, QStringLiteral("F/G"));

    // The later node of a name replaces the earlier one in the index.
    f.place("H", true);
    f.place("F/same", false);
    f.place("H/same", false);
    EXPECT_EQ(f.controller.fileDic().value("same")->parent, f.top("H").get());
    EXPECT_EQ(f.controller.nodeCount(), 6);

    // A file of a folder's name is no folder to place entries in.
    f.place("L", false);
    f.place("L/inner", false);
    int named = 0;
    for (const auto& n : f.controller.content())
        if (n->theFileName == "L") {
            ++named;
            EXPECT_TRUE(n->isLeaf ? n->children().isEmpty() : n->children().size() == 1);
        }
    EXPECT_EQ(named, 2);

    // Nothing outside the Trash, nor in a sibling folder whose name only starts the same.
    const int before = f.controller.nodeCount();
    f.controller.addFolder(f.root.path() + "/elsewhere/a", false, {});
    f.controller.addFolder(f.trash + "2/a", false, {});
    f.controller.addFolder(f.trash + "/", true, {});
    EXPECT_EQ(f.controller.nodeCount(), before);
}

TEST(CVTrashControllerTree, LinksUnreadableVanishedAndMissing) {
    TreeFixture f;
    f.sandbox.writeFile(f.root.path() + "/outside/inner.txt", "i");
    f.sandbox.makeFolder(f.trash);
    ASSERT_TRUE(QFile::link(f.root.path() + "/outside", f.trash + "/link"));
    ASSERT_TRUE(QFile::link(f.root.path() + "/gone", f.trash + "/dangling"));
    f.sandbox.writeFile(f.trash + "/U/hidden-inside.txt", "u");
    f.sandbox.writeFile(f.trash + "/vanish.txt", "v");
    f.sandbox.writeFile(f.trash + "/V/w.txt", "w");
    ::chmod(QFile::encodeName(f.trash + "/U").constData(), 0);
    f.whileMeasuring = [&](const QString& p) {
        if (p.endsWith("/vanish.txt")) QFile::remove(p);
        if (p.endsWith("/V")) QDir(p).removeRecursively();
    };
    f.controller.addTrashTreeList();

    const auto link = f.top("link");
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->isLeaf);
    EXPECT_TRUE(link->children().isEmpty());
    EXPECT_FALSE(f.controller.fileDic().contains("inner.txt"));
    EXPECT_FALSE(f.top("dangling"));
    EXPECT_FALSE(f.top("vanish.txt"));
    EXPECT_FALSE(f.top("V"));
    const auto unreadable = f.top("U");
    ASSERT_TRUE(unreadable);
    EXPECT_FALSE(unreadable->isLeaf);
    if (::geteuid() != 0) {  // root reads it anyway
        EXPECT_TRUE(unreadable->children().isEmpty());
    }

    TreeFixture missing;  // no Trash folder at all
    missing.controller.addTrashTreeList();
    EXPECT_TRUE(missing.controller.content().isEmpty());
    EXPECT_EQ(missing.controller.nodeCount(), 0);
}

/// A chain of folders `names` below `top`, made relative to descriptors because its full path is
/// far longer than PATH_MAX, with "bottom.txt" at the end. Removed again, bottom up, on destruction.
struct DeepChain {
    QStringList names;
    int deepest = -1;

    DeepChain(const QString& top, int depth) {
        int fd = ::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int i = 0; i < depth && fd >= 0; ++i) {
            names << QStringLiteral("level%1").arg(i);
            const QByteArray name = names.last().toUtf8();
            const int child = ::mkdirat(fd, name.constData(), 0755) == 0
                                  ? ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                  : -1;
            ::close(fd);
            fd = child;
        }
        if (fd >= 0) {
            const int file = ::openat(fd, "bottom.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (file >= 0) {
                ::fchmod(file, 0644);  // whatever the umask
                ::close(file);
            }
        }
        deepest = fd;
    }
    ~DeepChain() {
        // Upwards through "..": one descriptor at a time, however deep.
        int fd = deepest;
        if (fd >= 0) ::unlinkat(fd, "bottom.txt", 0);
        for (qsizetype i = names.size() - 1; i >= 0 && fd >= 0; --i) {
            const int parent = ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(fd);
            fd = parent;
            if (fd >= 0) ::unlinkat(fd, names[i].toUtf8().constData(), AT_REMOVEDIR);
        }
        if (fd >= 0) ::close(fd);
    }
};

TEST(CVTrashControllerTree, AChainThousandsOfFoldersDeepGetsANodeAtEveryLevel) {
    TreeFixture f;
    f.sandbox.makeFolder(f.trash);
    const DeepChain chain(f.trash, 3000);
    ASSERT_GE(chain.deepest, 0) << "the chain could not be made";
    f.controller.addTrashTreeList();

    ASSERT_EQ(f.controller.content().size(), 1);
    CVTrashFileNode::Ptr node = f.controller.content().first();
    const CVTrashFileNode* parent = nullptr;
    QString path = f.trash;
    for (const QString& name : chain.names) {
        ASSERT_TRUE(node) << qPrintable(name);
        path += '/' + name;
        ASSERT_EQ(node->theFileName, name);
        ASSERT_FALSE(node->isLeaf) << qPrintable(name);
        ASSERT_EQ(node->parent, parent) << qPrintable(name);
        ASSERT_EQ(node->theTrashPath, path);
        ASSERT_EQ(node->children().size(), 1) << qPrintable(name);
        parent = node.get();
        node = node->children().first();
    }
    ASSERT_TRUE(node);
    EXPECT_EQ(node->theFileName, QStringLiteral("bottom.txt"));
    EXPECT_TRUE(node->isLeaf);
    EXPECT_EQ(node->theTrashPath, path + "/bottom.txt");
    EXPECT_EQ(node->theFilePermission, QStringLiteral("-rw-r--r--"));
    EXPECT_EQ(f.controller.nodeCount(), 3001);
    EXPECT_EQ(f.controller.fileDic().size(), 3001);
    f.controller.takeContent();  // a chain this deep is let go of without deep recursion too
}

TEST(CVTrashControllerSplit, BeforeAndFromTheNextSeparator) {
    const QString s = QStringLiteral("/");
    struct Case {
        const char* text;
        const char* before;  // null: a null result
        const char* from;
    };
    const Case cases[] = {{"A/b/c", "A", "/b/c"},   {"/A/b", "A", "/b"}, {"A", nullptr, nullptr},
                          {"/", nullptr, nullptr},  {"A/", "A", "/"},    {"", nullptr, nullptr},
                          {"//x", nullptr, nullptr}};
    for (const Case& c : cases) {
        const QString before = CVTrashController::SubstringToCh(c.text, s);
        const QString from = CVTrashController::SubstringFromCh(c.text, s);
        EXPECT_EQ(before.isNull(), c.before == nullptr) << c.text;
        EXPECT_EQ(from.isNull(), c.from == nullptr) << c.text;
        EXPECT_EQ(before, c.before ? QString(c.before) : QString()) << c.text;
        EXPECT_EQ(from, c.from ? QString(c.from) : QString()) << c.text;
    }
}

// The order rule done the slow, obvious way: a scan from the front of each list.
struct RefNode {
    QString name;
    bool folder = false;
    std::vector<std::unique_ptr<RefNode>> children;
};

RefNode* refPlace(RefNode& list, const QString& name, bool folder, bool topLevel, const QCollator& collator) {
    auto& kids = list.children;
    if (folder)
        for (auto& k : kids)
            if (k->folder && k->name == name) return k.get();
    auto node = std::make_unique<RefNode>();
    node->name = name;
    node->folder = folder;
    RefNode* raw = node.get();
    if (!folder && topLevel) {
        kids.insert(kids.begin(), std::move(node));
    } else if (!folder) {
        kids.push_back(std::move(node));
    } else {
        auto at = kids.begin();
        while (at != kids.end() && collator.compare((*at)->name, name) <= 0) ++at;
        kids.insert(at, std::move(node));
    }
    return raw;
}

void refAdd(RefNode& root, const QStringList& parts, bool folder, const QCollator& collator) {
    RefNode* list = &root;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        list = refPlace(*list, parts[i], true, list == &root, collator);
    refPlace(*list, parts.last(), folder, list == &root, collator);
}

void flatten(const RefNode& n, int depth, QStringList& out) {
    for (const auto& k : n.children) {
        out << QStringLiteral("%1%2%3").arg(QString(depth, ' '), k->folder ? "+" : "-", k->name);
        flatten(*k, depth + 1, out);
    }
}

void flatten(const QList<CVTrashFileNode::Ptr>& list, int depth, QStringList& out) {
    for (const auto& k : list) {
        out << QStringLiteral("%1%2%3").arg(QString(depth, ' '), k->isLeaf ? "-" : "+", k->theFileName);
        flatten(k->children(), depth + 1, out);
    }
}

struct Entry {
    QString relative;
    bool folder;
};

// A random folder's entries in pre-order; some folders' own entries come after their content.
void randomEntries(std::mt19937& rng, const QString& prefix, int depth, std::vector<Entry>& out) {
    static const QStringList letters{"a", "A", "\u00e4", "b", "B", "c", "\u00e9", "e", "Z", "1", "_"};
    std::uniform_int_distribution<int> letter(0, letters.size() - 1), length(1, 3), percent(0, 99);
    const int count = std::uniform_int_distribution<int>(0, depth == 0 ? 60 : 8)(rng);
    for (int i = 0; i < count; ++i) {
        QString name;
        for (int l = length(rng); l > 0; --l) name += letters[letter(rng)];
        const bool folder = depth < 4 && percent(rng) < 40;
        const QString relative = prefix + name;
        if (!folder) {
            out.push_back({relative, false});
            continue;
        }
        const bool late = percent(rng) < 10;
        if (!late) out.push_back({relative, true});
        randomEntries(rng, relative + "/", depth + 1, out);
        if (late) out.push_back({relative, true});
    }
}

TEST(CVTrashControllerOrder, MatchesTheScanFromTheFrontOnRandomTrees) {
    DefaultLocale locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    std::mt19937 rng(20260);
    const QCollator collator;
    auto paths = std::make_shared<MacPaths>(QStringLiteral("/sandbox"), QStringLiteral("me"));
    const QString trash = paths->userTrash();
    for (int round = 0; round < 60; ++round) {
        std::vector<Entry> entries;
        randomEntries(rng, QString(), 0, entries);
        CVTrashController controller(paths, nullptr, nullptr);
        RefNode reference;
        for (const Entry& e : entries) {
            controller.addFolder(trash + "/" + e.relative, e.folder,
                                 TrashItemDict::make(e.relative, "0.00bytes", 0, QString(), QString()));
            refAdd(reference, e.relative.split('/'), e.folder, collator);
        }
        QStringList expected, actual;
        flatten(reference, 0, expected);
        flatten(controller.content(), 0, actual);
        ASSERT_EQ(actual, expected) << "round " << round;
        ASSERT_EQ(controller.nodeCount(), expected.size());

        // Each level ordered on its own from the names in the order they were first met.
        QHash<QString, std::vector<std::pair<QString, bool>>> levels;
        QSet<QString> met;
        for (const Entry& e : entries) {
            const QStringList parts = e.relative.split('/');
            for (qsizetype k = 0; k < parts.size(); ++k) {
                // A folder met again is the same folder; a file of the same name is another entry.
                const bool folder = k + 1 < parts.size() || e.folder;
                const QString path = parts.mid(0, k + 1).join('/');
                if (folder && met.contains(path)) continue;
                if (folder) met.insert(path);
                levels[parts.mid(0, k).join('/')].push_back({parts[k], folder});
            }
        }
        for (auto level = levels.cbegin(); level != levels.cend(); ++level) {
            const RefNode* node = &reference;
            for (const QString& step : level.key().split('/', Qt::SkipEmptyParts))
                for (const auto& k : node->children)
                    if (k->folder && k->name == step) node = k.get();
            TrashTreeOrder order(level.key().isEmpty());
            for (std::size_t i = 0; i < level.value().size(); ++i)
                order.add(qsizetype(i), level.value()[i].first, level.value()[i].second);
            QStringList ordered, referenced;
            for (const qsizetype i : order.order()) ordered << level.value()[std::size_t(i)].first;
            for (const auto& k : node->children) referenced << k->name;
            ASSERT_EQ(ordered, referenced) << "round " << round << " level " << qPrintable(level.key());
        }
    }
}

QStringList described(const CVTrashFileNode& node, int depth) {
    QStringList out{QStringLiteral("%1%2|%3|%4|%5|%6")
                        .arg(QString(depth, ' '), node.theFileName, node.theFileSize, node.theFilePermission,
                             node.theOrignalpath, node.theTrashPath)};
    for (const auto& child : node.children()) out << described(*child, depth + 1);
    return out;
}

TEST(CVTrashControllerTree, ItemsOneAtATimeAreTheWholeTreeInItsOrder) {
    TreeFixture f;
    std::mt19937 rng(7);
    std::vector<Entry> entries;
    while (entries.size() < 150) randomEntries(rng, QString(), 0, entries);
    for (const Entry& e : entries) {
        const QString path = f.trash + "/" + e.relative;
        if (e.folder)
            f.sandbox.makeFolder(path);
        else if (!QFileInfo(path).isDir())
            f.sandbox.writeFile(path, e.relative.toUtf8());
        f.origins.insert(e.relative.section('/', 0, 0), "/home/me/" + e.relative);
    }
    ASSERT_TRUE(QFile::link(f.trash + "/" + entries.front().relative, f.trash + "/link"));
    ASSERT_TRUE(QFile::link(f.root.path() + "/gone", f.trash + "/dangling"));

    f.controller.addTrashTreeList();
    QStringList whole;
    for (const auto& item : f.controller.content()) whole << described(*item, 0);
    QStringList streamed;
    TrashTreeItems(
        f.paths,
        [&f](const FsTree::WalkEntry& entry) { return f.sizes.value(entry.path(), entry.path().size()); },
        [&f](const QString& n) { return f.origins.value(n, QStringLiteral("--")); })
        .each([&](const CVTrashFileNode& item) { streamed << described(item, 0); });
    EXPECT_GT(whole.size(), 150);
    EXPECT_EQ(streamed, whole);
}

}  // namespace
