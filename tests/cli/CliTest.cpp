#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

#include <QProcess>

#include <gtest/gtest.h>

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
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
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
    EXPECT_TRUE(lines[0].endsWith(file));
    EXPECT_TRUE(lines[1].contains(QLatin1String("\t493(drwxrxrx)\t")) || lines[1].contains(QLatin1String("(drwx")));
    EXPECT_TRUE(r.err.contains(QLatin1String("no such file or folder")));
}

}  // namespace
