#include "platform/Defaults.h"
#include "support/TempRoot.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

/// corvane-cli's rules verbs over a settings store in a temporary config folder.
struct RulesCli {
    TempRoot root;
    QString settings = root.file(QStringLiteral("config/Corvane/Corvane.conf"));

    struct Run {
        int status;
        QString out;
        QString err;
    };
    Run operator()(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("config")));
        env.insert(QStringLiteral("CORVANE_ROOT"), root.path());
        env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(root.path());
        p.start(QStringLiteral(CORVANE_CLI_PATH), QStringList{QStringLiteral("rules")} + args);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QStringList stored(const char* key) const { return Defaults(settings).stringArrayForKey(QLatin1String(key)); }
};

TEST(ProtectRulesCli, FormatsAreAddedCleanedListedAndRemovedInTheSettingsStore) {
    RulesCli rules;
    const auto empty = rules({"list"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.out.isEmpty());

    EXPECT_EQ(rules({"add-format", " .PSD", "key"}).status, 0);
    EXPECT_EQ(rules.stored("FileFormatData"), (QStringList{"PSD", "key"}));
    const auto bad = rules({"add-format", "psd", " . "});
    EXPECT_EQ(bad.status, 1);  // the good one is added all the same
    EXPECT_TRUE(bad.err.contains("\" . \" is not a file format")) << bad.err.toStdString();
    EXPECT_EQ(rules({"list"}).out, "format\tPSD\nformat\tkey\nformat\tpsd\n");

    EXPECT_EQ(rules({"remove-format", "psd"}).status, 0);  // the first of the two, case aside
    EXPECT_EQ(rules.stored("FileFormatData"), (QStringList{"key", "psd"}));
    const auto unknown = rules({"remove-format", "jpg"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains("\"jpg\" is not a protected format"));
    EXPECT_EQ(rules.stored("FileFormatData"), (QStringList{"key", "psd"}));
}

TEST(ProtectRulesCli, LocationsMustBeExistingFoldersAndAreStoredAsAbsolutePaths) {
    RulesCli rules;
    ASSERT_TRUE(QDir(rules.root.path()).mkpath("Users/me/Projects"));
    QFile file(rules.root.file("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString projects = rules.root.file("Users/me/Projects");

    EXPECT_EQ(rules({"add-location", "Users/me/Projects/"}).status, 0);  // relative to the working folder
    EXPECT_EQ(rules.stored("FileLocationData"), QStringList{projects});
    for (const char* notAFolder : {"missing", "plain.txt"}) {
        const auto r = rules({"add-location", notAFolder});
        EXPECT_EQ(r.status, 1) << notAFolder;
        EXPECT_TRUE(r.err.contains("is not an existing folder")) << r.err.toStdString();
    }
    EXPECT_EQ(rules({"list"}).out, "location\t" + projects + "\n");

    // A rule outlives its folder and can still be removed.
    ASSERT_TRUE(QDir(projects).removeRecursively());
    EXPECT_EQ(rules({"remove-location", projects}).status, 0);
    EXPECT_TRUE(rules.stored("FileLocationData").isEmpty());
    EXPECT_EQ(rules({"remove-location", projects}).status, 1);
}

TEST(ProtectRulesCli, BadArgumentsAreUsageErrorsAndTheVerbsAreInTheHelp) {
    RulesCli rules;
    EXPECT_EQ(rules({}).status, 2);
    EXPECT_EQ(rules({"rename"}).status, 2);
    EXPECT_EQ(rules({"list", "extra"}).status, 2);
    EXPECT_EQ(rules({"add-format"}).status, 2);
    EXPECT_FALSE(QFile::exists(rules.settings));  // nothing was written

    QProcess help;
    help.start(QStringLiteral(CORVANE_CLI_PATH), {"--help"});
    ASSERT_TRUE(help.waitForFinished(60000));
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    for (const char* usage : {"rules list", "rules add-format EXT", "rules add-location DIR", "rules remove-format EXT",
                              "rules remove-location DIR"})
        EXPECT_TRUE(text.contains(QLatin1String(usage))) << usage;
}

}  // namespace
