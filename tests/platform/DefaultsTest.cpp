#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <string>

#include "platform/Defaults.h"
#include "support/TempRoot.h"

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

/// What goes to standard error while it lives; let go of even when a test stops early.
struct StderrCapture {
    StderrCapture() { testing::internal::CaptureStderr(); }
    ~StderrCapture() {
        if (!taken) testing::internal::GetCapturedStderr();
    }
    QString take() {
        taken = true;
        return QString::fromStdString(testing::internal::GetCapturedStderr());
    }
    bool taken = false;
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(Defaults, AFileThatDoesNotParseWhollyIsSetAsideAsItWasBeforeAnyWrite) {
    const QList<QPair<const char*, QByteArray>> cases{
        {"a stray line", "[General]\nBShowWarning=NO\nwritten by hand\nTrashStorage=7\n"},
        {"another format", "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<dict/>\n</plist>\n"},
        {"a # comment", "# mine\nBAutoTidy=NO\n"},
        {"binary", QByteArray("\x01\x02\xff\xfe\x00junk\n", 10)},
    };
    for (const auto& [what, bytes] : cases) {
        TempRoot root;
        const QString file = root.file(QStringLiteral("Corvane.conf"));
        writeBytes(file, bytes);
        StderrCapture capture;
        Defaults d(file);
        ASSERT_FALSE(d.setAsidePath().isEmpty()) << what;
        EXPECT_FALSE(QFile::exists(file)) << what;
        EXPECT_FALSE(d.hasValue(QStringLiteral("BShowWarning"))) << what;  // nothing half read
        d.setString(QStringLiteral("BAutoTidy"), QStringLiteral("YES"));
        EXPECT_TRUE(d.synchronize()) << what;
        d.setString(QStringLiteral("BAutoLogin"), QStringLiteral("NO"));
        EXPECT_TRUE(d.synchronize()) << what;
        const QString err = capture.take();
        EXPECT_EQ(err.count(QLatin1String("moved to")), 1) << what << qPrintable(err);
        EXPECT_EQ(readBytes(d.setAsidePath()), bytes) << what;
        EXPECT_EQ(Defaults(file).stringForKey(QStringLiteral("BAutoTidy")), QStringLiteral("YES")) << what;
    }
}

TEST(Defaults, AFileSwappedForOneThatDoesNotParseIsSetAsideAndTheWriteKeepsWhatCorvaneKnew) {
    TempRoot root;
    const QString file = root.file(QStringLiteral("Corvane.conf"));
    Defaults d(file);
    d.setString(QStringLiteral("BAutoTidy"), QStringLiteral("YES"));
    ASSERT_TRUE(d.synchronize());
    const QByteArray foreign("{\"theme\": \"dark\"}\nnot settings at all\n");
    writeBytes(file, foreign);
    {
        StderrCapture quiet;
        d.setString(QStringLiteral("BShowWarning"), QStringLiteral("NO"));
        EXPECT_TRUE(d.synchronize());
    }
    ASSERT_FALSE(d.setAsidePath().isEmpty());
    EXPECT_EQ(readBytes(d.setAsidePath()), foreign);
    const Defaults reopened(file);
    EXPECT_EQ(reopened.stringForKey(QStringLiteral("BAutoTidy")), QStringLiteral("YES"));
    EXPECT_EQ(reopened.stringForKey(QStringLiteral("BShowWarning")), QStringLiteral("NO"));
}

TEST(Defaults, AStoreThatCantBeReadIsReportedOnceNeverWrittenOverAndEachWriteTellsTheTruth) {
    struct Case {
        const char* what;
        bool afterAWrite;  // broken once the store is open and has written
        std::function<void(const QString&)> breakIt, mendIt;
    };
    const auto folder = [](const QString& f) {
        QFile::remove(f);
        QDir().mkdir(f);
    };
    const auto noFolder = [](const QString& f) { QDir().rmdir(f); };
    const Case cases[] = {
        {"a folder in its place", false, folder, noFolder},
        {"a folder in its place after a write", true, folder, noFolder},
        {"no read permission", false,
         [](const QString& f) {
             writeBytes(f, "[General]\nBAutoLogin=YES\n");
             ::chmod(QFile::encodeName(f).constData(), 0);
         },
         [](const QString& f) { ::chmod(QFile::encodeName(f).constData(), 0600); }},
    };
    for (const Case& c : cases) {
        if (std::string(c.what) == "no read permission" && ::geteuid() == 0)
            continue;  // root reads it anyway
        TempRoot root;
        const QString file = root.file(QStringLiteral("Corvane.conf"));
        if (!c.afterAWrite) c.breakIt(file);
        StderrCapture capture;
        Defaults d(file);
        if (c.afterAWrite) {
            EXPECT_TRUE(d.synchronize());
            c.breakIt(file);
        }
        d.setString(QStringLiteral("BAutoTidy"), QStringLiteral("NO"));
        EXPECT_FALSE(d.synchronize()) << c.what;
        EXPECT_FALSE(d.synchronize()) << c.what;
        EXPECT_FALSE(d.readProblem().isEmpty()) << c.what;
        EXPECT_EQ(capture.take().count(QLatin1String("could not be read")), 1) << c.what;

        // Readable again: the next write reaches the disk and says so, keeping what the file held.
        c.mendIt(file);
        d.setString(QStringLiteral("BShowWarning"), QStringLiteral("YES"));
        EXPECT_TRUE(d.synchronize()) << c.what;
        EXPECT_TRUE(d.readProblem().isEmpty()) << c.what;
        const Defaults reopened(file);
        EXPECT_EQ(reopened.stringForKey(QStringLiteral("BAutoTidy")), QStringLiteral("NO")) << c.what;
        EXPECT_EQ(reopened.stringForKey(QStringLiteral("BShowWarning")), QStringLiteral("YES")) << c.what;
    }
}

TEST(Defaults, StandardFileFollowsXdgConfigHome) {
    TempRoot root;
    qputenv("XDG_CONFIG_HOME", root.path().toUtf8());
    EXPECT_EQ(Defaults::standardFilePath(), root.path() + QStringLiteral("/Corvane/Corvane.conf"));
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
