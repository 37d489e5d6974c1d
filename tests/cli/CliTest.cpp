#include <gtest/gtest.h>

#include <QProcess>

#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun cli(const QStringList& args, const QString& root = QString()) {
    QProcess p;
    if (!root.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVANE_ROOT"), root);
        env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
        p.setProcessEnvironment(env);
    }
    p.start(QStringLiteral(CORVANE_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CorvaneCli, VersionHelpAndBadArguments) {
    EXPECT_EQ(cli({"--version"}).out.trimmed(), QStringLiteral("corvane-cli " CORVANE_VERSION));
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("size PATH...")));
    const CliRun none = cli({});
    EXPECT_EQ(none.status, 2);
    const CliRun unknown = cli({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QLatin1String("unknown verb")));
    EXPECT_EQ(cli({"size"}).status, 2);
}

TEST(CorvaneCli, SizeReportsBytesSizeTextAndAccessText) {
    TempRoot root;
    SandboxBuilder s(root.path());
    const QString file = s.writeSizedFile(QStringLiteral("odd name\twith tab.bin"), 1500);
    const QString folder = s.makeFolder(QStringLiteral("folder"));
    s.writeSizedFile(QStringLiteral("folder/inner"), 8192);
    const CliRun r = cli({"size", file, folder, root.file("missing")});
    EXPECT_EQ(r.status, 1);  // the missing path
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("1500\t1.50KB\t")));
    EXPECT_TRUE(
        lines[0].endsWith(QString(file).replace(QLatin1Char('\t'), QLatin1String("\\t"))));  // escaped
    EXPECT_TRUE(lines[1].contains(QLatin1String("\t493(drwxrxrx)\t")) ||
                lines[1].contains(QLatin1String("(drwx")));
    EXPECT_TRUE(r.err.contains(QLatin1String("no such file or folder")));
}

/// corvane-cli run in `folder`, with nothing on standard input (every question is declined).
CliRun cliIn(const QString& folder, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CORVANE_ROOT"), folder);
    env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(CORVANE_CLI_PATH), args);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CorvaneCli, OptionsComeBeforeThePathsAndDoubleDashEndsThem) {
    struct Case {
        QStringList args;
        int status;
        QStringList left;  ///< of "victim", "-y" and "--", what is still there afterwards
    };
    const QStringList all{"--", "-y", "victim"};
    const Case cases[] = {
        {{"erase", "victim", "-y"}, 1, all},  // a path named "-y" answers nothing
        {{"erase", "victim", "--yes"}, 1, all},
        {{"erase", "--", "-y"}, 1, all},                        // asked, and declined
        {{"erase", "-y", "victim"}, 0, {"--", "-y"}},           // an option, before the paths
        {{"-y", "erase", "victim"}, 0, {"--", "-y"}},           // … or before the verb
        {{"--yes", "erase", "--", "-y", "--"}, 0, {"victim"}},  // after "--", "--" is a path too
        {{"erase", "--bogus", "victim"}, 2, all},
        {{"--bogus", "erase", "victim"}, 2, all},
    };
    for (const Case& c : cases) {
        TempRoot root;
        SandboxBuilder s(root.path());
        for (const QString& name : all) s.writeFile(name, "secret");
        const CliRun r = cliIn(root.path(), c.args);
        const QString what = c.args.join(' ');
        EXPECT_EQ(r.status, c.status) << qPrintable(what) << '\n' << qPrintable(r.err);
        EXPECT_EQ(sortedEntries(root.path()), c.left) << qPrintable(what);
    }
}

TEST(CorvaneCli, SizeMeasuresAPathThatLooksLikeAnOption) {
    TempRoot root;
    SandboxBuilder s(root.path());
    s.writeSizedFile(QStringLiteral("big.bin"), 400 * 1024);  // in the working folder, not in "-L"
    s.writeSizedFile(QStringLiteral("-L/small.bin"), 1000);
    const CliRun r = cliIn(root.path(), {"size", "--", "-L"});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList columns = r.out.trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(columns.size(), 4) << qPrintable(r.out);
    EXPECT_LT(columns[0].toULongLong(), 100u * 1024u);
    EXPECT_EQ(columns[3], QStringLiteral("-L"));

    const CliRun option = cliIn(root.path(), {"size", "-L"});
    EXPECT_EQ(option.status, 2);
    EXPECT_TRUE(option.out.isEmpty());
    EXPECT_TRUE(option.err.contains(QLatin1String("\"--\""))) << qPrintable(option.err);
}

TEST(CorvaneCli, SizeLinesKeepOneLinePerPath) {
    TempRoot root;
    SandboxBuilder s(root.path());
    const QString odd = s.writeFile(QStringLiteral("new\nline\there.txt"), "12345");
    const CliRun r = cli({"size", odd});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).size(), 4);
    EXPECT_TRUE(lines[0].endsWith(QLatin1String("new\\nline\\there.txt")));
}

}  // namespace
