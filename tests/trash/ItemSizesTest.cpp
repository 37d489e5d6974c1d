#include <gtest/gtest.h>

#include <QFile>

#include "platform/FreedesktopPaths.h"
#include "platform/Tasks.h"
#include "support/RecordingTasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/ItemSizes.h"

namespace {

TEST(FolderSize, FoldersThroughDuFilesByLength) {
    TempRoot root;
    SandboxBuilder s(root.path());
    auto tasks = std::make_shared<RecordingTasks>();
    ItemSizes util(nullptr, tasks);

    const QString file = s.writeSizedFile(QStringLiteral("plain.bin"), 12345);
    EXPECT_EQ(util.fastFolderSizeAtFilePath(file), 12345u);
    EXPECT_TRUE(tasks->calls().isEmpty());

    const QString accented = s.makeFolder(QStringLiteral("Résumé folder"));
    s.writeSizedFile(QStringLiteral("Résumé folder/data.bin"), 64 * 1024);
    const quint64 size = util.fastFolderSizeAtFilePath(accented);
    EXPECT_GE(size, 64u * 1024u);  // its real size, not 0
    EXPECT_EQ(size % 1024, 0u);
    ASSERT_EQ(tasks->calls().size(), 1);
    EXPECT_EQ(tasks->calls()[0].program, QStringLiteral("/usr/bin/du"));
    EXPECT_EQ(tasks->calls()[0].arguments, (QStringList{"-k", "-d", "0", "--", accented}));

    EXPECT_EQ(util.fastFolderSizeAtFilePath(root.file(QStringLiteral("missing"))), 0u);
    // A dangling link is measured as the link itself.
    const QString dangling = root.file(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(root.file(QStringLiteral("gone")), dangling));
    EXPECT_EQ(util.fastFolderSizeAtFilePath(dangling),
              static_cast<quint64>(root.file(QStringLiteral("gone")).toUtf8().size()));
}

TEST(FolderSize, TrashSizeMeasuresTheUsersTrash) {
    TempRoot root;
    SandboxBuilder s(root.path(), QStringLiteral("me"));
    s.writeSizedFile(QStringLiteral("Users/me/.Trash/big.bin"), 200 * 1024);
    auto paths = std::make_shared<MacPaths>(s.paths());
    ItemSizes util(paths, std::make_shared<Tasks>());
    EXPECT_GE(util.getTrashFileSize(), 200u * 1024u);
}

TEST(FolderSize, EachLayoutMeasuresFoldersItsOwnWay) {
    TempRoot root;
    SandboxBuilder s(root.path(), QStringLiteral("me"));
    const QString folder = s.makeFolder(QStringLiteral("Album"));
    s.writeSizedFile(QStringLiteral("Album/a.bin"), 64 * 1024);
    const QString file = s.writeSizedFile(QStringLiteral("one.bin"), 4321);
    struct Case {
        const char* layout;
        std::shared_ptr<const Paths> paths;
        bool du;  ///< folders are measured by a du run
    };
    const Case cases[] = {
        {"mac", std::make_shared<MacPaths>(s.paths()), true},
        {"freedesktop", s.linuxPaths(), false},
    };
    for (const Case& c : cases) {
        auto tasks = std::make_shared<RecordingTasks>();
        const ItemSizes sizes(c.paths, tasks);
        EXPECT_EQ(sizes.sizeAtFilePath(file), std::optional<quint64>(4321)) << c.layout;
        const std::optional<quint64> measured = sizes.sizeAtFilePath(folder);
        ASSERT_TRUE(measured) << c.layout;
        EXPECT_GE(*measured, 64u * 1024u) << c.layout;
        EXPECT_EQ(tasks->calls().size(), c.du ? 1 : 0) << c.layout;
        EXPECT_FALSE(sizes.sizeAtFilePath(root.file("missing"))) << c.layout;
    }
}

}  // namespace
