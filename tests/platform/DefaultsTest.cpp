#include "platform/Defaults.h"
#include "support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(Defaults, EveryValueFormSurvivesAWriteAndAReopen) {
    TempRoot root;
    const QString file = root.file(QStringLiteral("conf/Corvane.conf"));
    const QDateTime when(QDate(2026, 12, 6), QTime(14, 3, 22), Qt::UTC);
    {
        Defaults d(file);
        d.setString(QStringLiteral("BAutoTidy"), QStringLiteral("YES"));
        d.setUnsigned(QStringLiteral("TrashStorage"), 99999999997952ULL);
        d.setDate(QStringLiteral("LastCleanDate"), when);
        d.setData(QStringLiteral("AutoTrashData"), QByteArray("\x00\x01\xff bookmark", 12));
        d.setStringArray(QStringLiteral("FileFormatData"), {QStringLiteral("psd"), QStringLiteral("a, b")});
        d.setStringArray(QStringLiteral("FileLocationData"), {QStringLiteral("/Users/me/Work")});
        d.setStringArray(QStringLiteral("Empty"), {});
        EXPECT_TRUE(d.synchronize());
    }
    Defaults d(file);
    EXPECT_EQ(d.stringForKey(QStringLiteral("BAutoTidy")), QStringLiteral("YES"));
    bool ok = false;
    EXPECT_EQ(d.unsignedForKey(QStringLiteral("TrashStorage"), &ok), 99999999997952ULL);
    EXPECT_TRUE(ok);
    EXPECT_EQ(d.dateForKey(QStringLiteral("LastCleanDate")), when);
    EXPECT_EQ(d.dataForKey(QStringLiteral("AutoTrashData")), QByteArray("\x00\x01\xff bookmark", 12));
    EXPECT_EQ(d.stringArrayForKey(QStringLiteral("FileFormatData")), (QStringList{"psd", "a, b"}));
    EXPECT_EQ(d.stringArrayForKey(QStringLiteral("FileLocationData")), QStringList{"/Users/me/Work"});
    EXPECT_TRUE(d.stringArrayForKey(QStringLiteral("Empty")).isEmpty());
}

TEST(Defaults, AbsentKeysReadAsNil) {
    TempRoot root;
    Defaults d(root.file(QStringLiteral("Corvane.conf")));
    EXPECT_FALSE(d.objectForKey(QStringLiteral("FirstLauch")).isValid());
    EXPECT_TRUE(d.stringForKey(QStringLiteral("BAutoLogin")).isNull());
    EXPECT_FALSE(d.dateForKey(QStringLiteral("LastCleanDate")).isValid());
    bool ok = true;
    EXPECT_EQ(d.unsignedForKey(QStringLiteral("TrashStorage"), &ok), 0u);
    EXPECT_FALSE(ok);
}

TEST(Defaults, BooleanAccessorTreatsAbsentAndOtherTextsAsNo) {
    TempRoot root;
    Defaults d(root.file(QStringLiteral("Corvane.conf")));
    EXPECT_FALSE(d.boolForKey(QStringLiteral("LaunchAsAgentApp")));
    d.setString(QStringLiteral("LaunchAsAgentApp"), QStringLiteral("NO"));
    EXPECT_FALSE(d.boolForKey(QStringLiteral("LaunchAsAgentApp")));
    d.setString(QStringLiteral("LaunchAsAgentApp"), QStringLiteral("YES"));
    EXPECT_TRUE(d.boolForKey(QStringLiteral("LaunchAsAgentApp")));
    d.setObject(QStringLiteral("LaunchAsAgentApp"), 1);
    EXPECT_TRUE(d.boolForKey(QStringLiteral("LaunchAsAgentApp")));
}

TEST(Defaults, UnparsableStoreIsSetAsideNotOverwritten) {
    TempRoot root;
    const QString file = root.file(QStringLiteral("Corvane.conf"));
    const QByteArray garbage("[General\nthis line has no equals sign\n\x01\x02\x03 junk\n");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    Defaults d(file);
    ASSERT_FALSE(d.setAsidePath().isEmpty());
    QFile aside(d.setAsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), garbage);
    EXPECT_FALSE(d.hasValue(QStringLiteral("General")));
    d.setString(QStringLiteral("BAutoTidy"), QStringLiteral("YES"));
    EXPECT_TRUE(d.synchronize());
    EXPECT_EQ(Defaults(file).stringForKey(QStringLiteral("BAutoTidy")), QStringLiteral("YES"));
}

TEST(Defaults, StandardFileFollowsXdgConfigHome) {
    TempRoot root;
    qputenv("XDG_CONFIG_HOME", root.path().toUtf8());
    EXPECT_EQ(Defaults::standardFilePath(), root.path() + QStringLiteral("/Corvane/Corvane.conf"));
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
