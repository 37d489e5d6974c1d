#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <vector>

#include "erase/SecureEraser.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "support/RecordingTasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestScope.h"

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct EraseFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<RecordingTasks> tasks = std::make_shared<RecordingTasks>();
    std::shared_ptr<SystemCommands> commands = std::make_shared<SystemCommands>(tasks);
    SecureEraser eraser{testLimits()};
    std::vector<int> held;
    ~EraseFixture() {
        for (int fd : held) ::close(fd);
    }

    // A descriptor held open shows whether the file's blocks were overwritten (a hard link would
    // make the file one that must not be overwritten).
    QString witness(const QString& file) {
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        held.push_back(fd);
        return QStringLiteral("/proc/self/fd/%1").arg(fd);
    }
};

TEST(SecureEraser, ListTextPutsEachPathOnItsOwnLine) {
    EXPECT_EQ(SecureEraser::listText({"/a/one", "/b/two"}), QStringLiteral(" \n /a/one \n /b/two"));
    EXPECT_EQ(SecureEraser::listText({"/100% sure/%@ %s"}), QStringLiteral(" \n /100% sure/%@ %s"));
    EXPECT_EQ(SecureEraser::listText({}), QString());
}

TEST(SecureEraser, EveryFileBelowAFolderIsOverwrittenHiddenOnesIncluded) {
    EraseFixture f;
    const QString folder = f.sandbox.writeFile("chosen/.secret", "top secret").section('/', 0, -2);
    f.sandbox.writeFile("chosen/sub/a.txt", "plain text");
    f.sandbox.writeFile("chosen/sub/.b", "hidden b");
    const QString w1 = f.witness(folder + "/.secret");
    const QString w2 = f.witness(folder + "/sub/a.txt");
    const QString w3 = f.witness(folder + "/sub/.b");
    f.eraser.eraseItems({folder});
    EXPECT_FALSE(QFileInfo::exists(folder));
    for (const QString& w : {w1, w2, w3}) {
        const QByteArray after = contents(w);
        EXPECT_FALSE(after.contains("secret") || after.contains("plain") || after.contains("hidden"))
            << qPrintable(w);
        EXPECT_FALSE(after.isEmpty());
    }
    EXPECT_TRUE(f.tasks->calls().isEmpty());  // done in-process, no command re-resolves the path
}

TEST(SecureEraser, LinksAreRemovedAsLinksAndTheirTargetsStayIntact) {
    EraseFixture f;
    const QString outside = f.sandbox.writeFile("outside/keep.txt", "keep me");
    const QString folder = f.sandbox.makeFolder("chosen");
    ASSERT_TRUE(QFile::link(f.root.file("outside"), folder + "/link-to-folder"));
    ASSERT_TRUE(QFile::link(outside, folder + "/link-to-file"));
    const QString directLink = f.root.file("direct-link");
    ASSERT_TRUE(QFile::link(outside, directLink));
    f.eraser.eraseItems({folder, directLink});
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(QFileInfo(directLink).isSymLink());
    EXPECT_EQ(contents(outside), QByteArray("keep me"));
}

TEST(SecureEraser, OddNamesMissingItemsAndReadOnlyFiles) {
    EraseFixture f;
    const QString dash = f.sandbox.writeFile("-rf", "dash");
    const QString newline = f.sandbox.writeFile("line\nbreak", "nl");
    const QString readOnly = f.sandbox.writeFile("ro.txt", "read only words");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QString w = f.witness(readOnly);
    const QString bystander = f.sandbox.writeFile("bystander.txt", "untouched");
    f.eraser.eraseItems({dash, f.root.file("missing"), newline, readOnly});
    EXPECT_FALSE(QFileInfo::exists(dash));
    EXPECT_FALSE(QFileInfo::exists(newline));
    EXPECT_FALSE(QFileInfo::exists(readOnly));
    EXPECT_FALSE(contents(w).contains("read only"));
    EXPECT_EQ(contents(bystander), QByteArray("untouched"));
}

}  // namespace
