// Other programs and corvane-cli trashing thousands of files while Corvane empties with rules and
// ages items out: afterwards every file is in the Trash with its own record, or a pass said it
// removed it; no record is left without its item, no item without its record, nothing protected gone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <memory>
#include <vector>

#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

constexpr int PerWriter = 2000;

struct Rig {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), Paths::currentLoginName()};
    QString home = sandbox.linuxPaths()->userHome();
    QString trash = sandbox.linuxPaths()->userTrashFolder();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    Rig() {
        env.remove("CORVANE_LAYOUT");
        env.insert("CORVANE_ROOT", root.path());
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("XDG_CONFIG_HOME", root.path() + "/config");
        sandbox.makeFolder(trash + "/files");
        sandbox.makeFolder(trash + "/info");
    }
    /// Starts a program; what a writer prints goes to a file, so a full pipe never stops it while
    /// the test waits on another program.
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& args,
                                    const QString& out = {}) const {
        auto p = std::make_unique<QProcess>();
        if (!out.isEmpty()) p->setStandardOutputFile(out);
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(root.path());
        p->start(program, args);
        p->closeWriteChannel();
        return p;
    }
    /// Makes a writer's files: every tenth one is protected by its format.
    QStringList files(const QString& writer) const {
        const QString folder = sandbox.makeFolder(root.path() + "/work/" + writer);
        QStringList paths;
        for (int i = 0; i < PerWriter; ++i) {
            const QString name = QString("%1-%2.%3").arg(writer).arg(i).arg(i % 10 == 0 ? "keep" : "txt");
            QFile f(folder + "/" + name);
            if (f.open(QIODevice::WriteOnly)) f.write("x");
            paths << folder + "/" + name;
        }
        return paths;
    }
};

TEST(TrashConcurrency, WritersAndEmptyingPassesLeaveEveryItemWithItsRecordOrReportedRemoved) {
    if (QStandardPaths::findExecutable("trash-put").isEmpty())
        GTEST_SKIP() << "trash-put is not installed (scripts/install-deps.sh installs trash-cli)";
    Rig rig;
    auto rules = rig.start(CORVANE_CLI_PATH, {"rules", "add-format", "keep"});
    ASSERT_TRUE(rules->waitForFinished(60000));
    ASSERT_EQ(rules->exitCode(), 0) << rules->readAllStandardError().toStdString();

    std::vector<std::unique_ptr<QProcess>> writers;
    QStringList all;
    for (const QString writer : {"a", "b"}) {
        const QStringList files = rig.files(writer);
        all += files;
        writers.push_back(
            rig.start("trash-put", QStringList{"--"} + files, rig.root.path() + "/out-" + writer));
    }
    const QStringList ours = rig.files("c");
    all += ours;
    writers.push_back(
        rig.start(CORVANE_CLI_PATH, QStringList{"trash", "put", "--"} + ours, rig.root.path() + "/out-c"));

    // Passes run back to back, forced and by age, until every writer is done, then once more.
    QSet<QString> removed;
    bool writing = true;
    int passes = 0;
    while (writing || passes % 2 == 1) {
        writing = false;
        for (const auto& w : writers) {
            w->waitForFinished(0);  // without an event loop, this is what notices a writer's end
            writing = writing || w->state() != QProcess::NotRunning;
        }
        const QStringList args = passes % 2 == 0 ? QStringList{"--yes", "trash", "empty", "--list"}
                                                 : QStringList{"trash", "empty", "--older-than", "0"};
        auto pass = rig.start(CORVANE_CLI_PATH, args);
        ASSERT_TRUE(pass->waitForFinished(300000));
        for (const QString& line : QString::fromUtf8(pass->readAllStandardOutput()).split('\n'))
            if (line.startsWith("removed\t")) removed.insert(line.section('\t', 1, 1).section('/', -1));
        ++passes;
    }
    for (const auto& w : writers) {
        if (w->state() != QProcess::NotRunning) {
            ASSERT_TRUE(w->waitForFinished(300000));
        }
        EXPECT_EQ(w->exitCode(), 0) << w->program().toStdString() << ": "
                                    << w->readAllStandardError().left(2000).toStdString();
    }
    EXPECT_GE(passes, 2);

    const QStringList items =
        QDir(rig.trash + "/files").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList records = QDir(rig.trash + "/info").entryList(QDir::Files | QDir::Hidden);
    const QSet<QString> itemSet(items.cbegin(), items.cend());
    QSet<QString> recordSet;
    for (const QString& r : records) recordSet.insert(r.chopped(QString(".trashinfo").size()));
    EXPECT_EQ(itemSet, recordSet) << "items without records or records without items";
    for (const QString& path : all) {
        const QString name = path.section('/', -1);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(QFile::exists(path));
        const bool kept = itemSet.contains(name);
        EXPECT_NE(kept, removed.contains(name)) << "in the Trash and reported removed, or neither";
        if (name.endsWith(".keep")) {
            EXPECT_TRUE(kept) << "a protected item was removed";
        }
        if (kept) {
            const auto text =
                OpenFolder::open(rig.trash + "/info").readFile(name.toUtf8() + ".trashinfo", 4096);
            EXPECT_TRUE(text && text->contains("/" + name.toUtf8() + "\n"))
                << "its record names another item";
        }
    }
}

}  // namespace
