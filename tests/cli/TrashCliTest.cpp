#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "platform/Defaults.h"
#include "support/DSStoreWriter.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct Cli {
    int status;
    QString out;
    QString err;
};

Cli run(const QString& root, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CORVANE_ROOT"), root);
    env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CORVANE_CLI_PATH), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

struct CliSandbox {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    QString trash = sandbox.paths().userTrash();
    QString home = sandbox.paths().userHome();
    CliSandbox() {
        sandbox.writeFile(trash + "/a.txt", "alpha");
        sandbox.writeFile(trash + "/tab\there.txt", "tab");
        sandbox.writeFile(trash + "/Folder/inner.txt", "inner");
        sandbox.writeFile(root.path() + "/Volumes/USB/.Trashes/501/usb.txt", "usb");
        DSStoreWriter records;
        records.add(QStringLiteral("a.txt"),
                    QStringLiteral("Users/") + sandbox.paths().loginName() + "/Desktop/");
        records.add(QStringLiteral("Folder"),
                    QStringLiteral("Users/") + sandbox.paths().loginName() + "/Work/");
        records.write(sandbox.paths().trashRecordsFile());
    }
};

TEST(TrashCli, ListTreeAndPutBackPathsOnASandbox) {
    CliSandbox s;
    const Cli list = run(s.root.path(), {"trash", "list"});
    ASSERT_EQ(list.status, 0) << qPrintable(list.err);
    EXPECT_TRUE(list.out.contains("a.txt\t5.00bytes\t5\t420(rwrr)\t" + s.home + "/Desktop/a.txt\t"));
    EXPECT_TRUE(list.out.contains("tab\\there.txt\t"));  // one line per record, always
    EXPECT_TRUE(list.out.contains("usb.txt\t3.00bytes\t3\t"));
    EXPECT_TRUE(list.err.contains("Trash Storage - - "));

    const Cli json = run(s.root.path(), {"trash", "list", "--json"});
    const QJsonArray items = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(items.size(), 5);  // a.txt, tab, Folder, the records file, usb.txt
    bool sawFolder = false;
    for (const auto& v : items) {
        const QJsonObject o = v.toObject();
        if (o["name"].toString() == "Folder") {
            sawFolder = true;
            EXPECT_EQ(o["original"].toString(), s.home + "/Work/Folder");
            EXPECT_EQ(o["path"].toString(), s.trash + "/Folder");
        }
    }
    EXPECT_TRUE(sawFolder);

    const Cli tree = run(s.root.path(), {"trash", "tree"});
    ASSERT_EQ(tree.status, 0);
    EXPECT_TRUE(tree.out.contains("Folder/\t"));
    EXPECT_TRUE(tree.out.contains("\n  inner.txt\t"));

    const Cli paths = run(s.root.path(), {"trash", "putback-paths"});
    EXPECT_EQ(paths.out, s.home + "/Desktop/a.txt\n" + s.home + "/Work/Folder\n");
    EXPECT_EQ(run(s.root.path(), {"trash", "list", "--bogus"}).status, 2);
    EXPECT_EQ(run(s.root.path(), {"trash", "frob"}).status, 2);
}

TEST(TrashCli, DeletePutBackAndShredReportEachItem) {
    CliSandbox s;
    s.sandbox.writeFile(s.home + "/Work/Folder/existing.txt", "already here");  // the place is taken
    const Cli back = run(s.root.path(), {"trash", "putback", "a.txt", "Folder", "nothing-such"});
    EXPECT_NE(back.status, 0);
    EXPECT_TRUE(QFile::exists(s.home + "/Desktop/a.txt"));
    EXPECT_TRUE(QFile::exists(s.trash + "/Folder/inner.txt"));  // not moved into the folder there
    EXPECT_FALSE(QFile::exists(s.home + "/Work/Folder/Folder"));
    EXPECT_TRUE(back.err.contains("something is already at"));
    EXPECT_TRUE(back.err.contains("nothing-such: no such item"));

    const Cli del = run(s.root.path(), {"trash", "delete", "Folder", s.trash + "/tab\there.txt"});
    EXPECT_EQ(del.status, 0) << qPrintable(del.err);
    EXPECT_FALSE(QFile::exists(s.trash + "/Folder"));
    EXPECT_TRUE(QFile::exists(s.home + "/Work/Folder/existing.txt"));

    const Cli shred = run(s.root.path(), {"trash", "shred", "usb.txt"});
    EXPECT_EQ(shred.status, 0);
    EXPECT_FALSE(QFile::exists(s.root.path() + "/Volumes/USB/.Trashes/501/usb.txt"));
}

TEST(TrashCli, EmptyAndEraseAskFirst) {
    CliSandbox s;
    const Cli no = run(s.root.path(), {"trash", "empty"}, "no\n");
    EXPECT_NE(no.status, 0);
    EXPECT_TRUE(QFile::exists(s.trash + "/a.txt"));
    const Cli yes = run(s.root.path(), {"--yes", "trash", "empty"});
    EXPECT_EQ(yes.status, 0) << qPrintable(yes.err);
    EXPECT_FALSE(QFile::exists(s.trash + "/a.txt"));
    EXPECT_FALSE(QFile::exists(s.root.path() + "/Volumes/USB/.Trashes/501/usb.txt"));

    const QString victim = s.sandbox.writeFile("victim/.hidden", "secret");
    const Cli cancelled = run(s.root.path(), {"erase", s.root.path() + "/victim"}, "Cancel\n");
    EXPECT_NE(cancelled.status, 0);
    EXPECT_TRUE(cancelled.err.contains(" \n " + s.root.path() + "/victim"));
    EXPECT_TRUE(QFile::exists(victim));
    EXPECT_EQ(run(s.root.path(), {"erase", "--yes", s.root.path() + "/victim"}).status, 0);
    EXPECT_FALSE(QFile::exists(s.root.path() + "/victim"));
}

TEST(TrashCli, NamesWithTabsAndLineBreaksStayOnTheirLine) {
    CliSandbox s;
    const QString odd = QStringLiteral("line\nbreak\tand tab.psd");
    s.sandbox.writeFile(s.trash + "/" + odd, "odd");
    s.sandbox.writeFile(s.trash + "/kept\there.psd", "kept");
    DSStoreWriter records;
    records.add(odd, QStringLiteral("Users/") + s.sandbox.paths().loginName() + "/Desk\ttop/");
    ASSERT_TRUE(records.write(s.sandbox.paths().trashRecordsFile()));
    s.sandbox.makeFolder(s.home + "/Desk\ttop");
    const QString escapedOdd = QStringLiteral("line\\nbreak\\tand tab.psd");

    const Cli back = run(s.root.path(), {"trash", "putback", odd});
    ASSERT_EQ(back.status, 0) << qPrintable(back.err);
    EXPECT_EQ(back.out, s.home + "/Desk\\ttop/" + escapedOdd + "\n");

    // Protected items are listed one per line: "protected", the item, its original place.
    Defaults settings(s.root.path() + "/config/Corvane/Corvane.conf");
    settings.setStringArray(QStringLiteral("FileFormatData"), {QStringLiteral("psd")});
    ASSERT_TRUE(settings.synchronize());
    const Cli empty = run(s.root.path(), {"--yes", "trash", "empty"});
    const QStringList lines = empty.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << qPrintable(empty.out);
    EXPECT_EQ(lines[0], "protected\t" + s.trash + "/kept\\there.psd\t--");
}

}  // namespace
