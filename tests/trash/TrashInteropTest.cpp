// What corvane-cli trashes, other desktop programs' Trash tools list and restore, and the other way
// round: on the home Trash and on a second file system.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "core/fs/FsName.h"
#include "platform/Paths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestMount.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

/// One account as both programs see it: the real layout with its home in a temporary folder, or
/// a sandbox root whose mount table names a tmpfs mounted inside it.
struct Interop {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), Paths::currentLoginName()};
    QString home;
    QString work;  ///< where the items are made
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    std::unique_ptr<TestMount> disk;

    explicit Interop(bool onAnotherDisk) {
        env.remove("CORVANE_LAYOUT");
        if (!onAnotherDisk) {
            // The real layout: absolute places in the home Trash mean the same to both programs.
            home = sandbox.makeFolder(root.path() + "/home");
            work = sandbox.makeFolder(root.path() + "/work");
            env.remove("CORVANE_ROOT");
        } else {
            home = sandbox.makeFolder(root.path() + "/home/" + Paths::currentLoginName());
            work = sandbox.makeFolder(root.path() + "/mnt/usb");
            disk = TestMount::tmpfs(work);
            sandbox.writeMountTable({"/mnt/usb"});
            env.insert("CORVANE_ROOT", root.path());
        }
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("XDG_STATE_HOME", home + "/.local/state");
    }

    Run run(const QString& program, const QStringList& args, const QByteArray& input = {}) const {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work);
        p.start(program, args);
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(120000)) p.kill();
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    Run corvane(const QStringList& args) const { return run(CORVANE_CLI_PATH, args); }
    QString item(const QString& name, const QByteArray& content) const {
        return sandbox.writeFile(work + "/" + name, content);
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
};

QString missingTool() {
    for (const char* tool : {"trash-put", "trash-list", "trash-restore"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString("%1 is not installed (scripts/install-deps.sh installs trash-cli)").arg(tool);
    return {};
}

void checkBothWays(const Interop& io) {
    const QStringList names{"plain.txt", QString::fromUtf8("with space é.txt")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        // Corvane trashes; the other tool lists it with its place and restores it there.
        const QString ours = io.item("ours " + name, "ours");
        const Run put = io.corvane({"trash", "put", ours});
        ASSERT_EQ(put.status, 0) << put.err.toStdString();
        ASSERT_FALSE(QFile::exists(ours));
        const Run listed = io.run("trash-list", {});
        EXPECT_TRUE(listed.out.split('\n')
                        .filter(QRegularExpression("^\\S+ \\S+ " + QRegularExpression::escape(ours) + "$"))
                        .size() == 1)
            << listed.out.toStdString() << listed.err.toStdString();
        const Run restored = io.run("trash-restore", {ours}, "0\n");
        EXPECT_EQ(Interop::contents(ours), "ours")
            << restored.out.toStdString() << restored.err.toStdString();

        // The other tool trashes; Corvane lists it with its place and puts it back there.
        const QString theirs = io.item("theirs " + name, "theirs");
        const Run other = io.run("trash-put", {theirs});
        ASSERT_FALSE(QFile::exists(theirs)) << other.err.toStdString();
        const Run list = io.corvane({"trash", "list"});
        bool found = false;
        for (const QString& line : list.out.split('\n'))
            found =
                found || (line.startsWith("theirs " + name + "\t") && line.split('\t').value(4) == theirs);
        EXPECT_TRUE(found) << list.out.toStdString();
        const Run back = io.corvane({"trash", "putback", "theirs " + name});
        EXPECT_EQ(back.status, 0) << back.err.toStdString();
        EXPECT_EQ(Interop::contents(theirs), "theirs");
    }
    // Nothing of this test is left behind in either direction (other tests' volumes may be listed).
    EXPECT_FALSE(io.run("trash-list", {}).out.contains(io.work));
}

TEST(TrashInterop, WhatEitherTrashesTheOtherListsAndRestoresOnTheHomeTrash) {
    if (const QString why = missingTool(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    Interop io(false);
    checkBothWays(io);
}

TEST(TrashInterop, WhatEitherTrashesTheOtherListsAndRestoresOnAnotherDisk) {
    if (const QString why = missingTool(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    Interop io(true);
    if (!io.disk->isMounted()) GTEST_SKIP() << io.disk->why().toStdString();
    checkBothWays(io);
    EXPECT_TRUE(QFileInfo(io.work + "/.Trash-" + QString::number(::getuid())).isDir());
}

}  // namespace
