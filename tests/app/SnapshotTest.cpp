#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

const char* const kPictures[] = {"window",
                                 "guideWindow",
                                 "fulldiskWindow",
                                 "perfereceWindow",
                                 "aboutWindow",
                                 "baMenu",
                                 "popover",
                                 "autoTrashWindow",
                                 "theTrashInfoWindow",
                                 "theTrashInfoWindow-tree",
                                 "deleteProtectWindow",
                                 "theConfirmWindow",
                                 "eraseConfirmation",
                                 "UpdateWindow",
                                 "noUpdateWindow",
                                 "connectWindow",
                                 "window-cookies",
                                 "window-cookie-sites",
                                 "cookieRemovalConfirmation"};

// The program itself, started as a reviewer would: offscreen, on a sandbox, with a fresh store.
void writeSnapshots(const TempRoot& root, const QString& layout, const QString& out) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANE_ROOT"), root.file(QStringLiteral("sandbox")));
    env.insert(QStringLiteral("CORVANE_LAYOUT"), layout);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("config")));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CORVANE_PROGRAM_PATH), {QStringLiteral("--snapshot"), out});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    for (const char* name : kPictures) {
        const QImage image(QDir(out).filePath(QLatin1String(name) + QStringLiteral(".png")));
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_GT(image.width(), 100) << name;
    }
}

TEST(Snapshot, RefusesToRunWithoutASandbox) {
    TempRoot root;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("CORVANE_ROOT"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("config")));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CORVANE_PROGRAM_PATH),
            {QStringLiteral("--snapshot"), root.file(QStringLiteral("shots"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(root.file(QStringLiteral("shots"))));
    EXPECT_FALSE(QFile::exists(root.file(QStringLiteral("config"))));  // no first-launch settings written
}

TEST(Snapshot, WritesEveryWindowTheMenuAndThePopoverThroughANormalStart) {
    TempRoot root;
    const QString out = root.file(QStringLiteral("shots"));
    writeSnapshots(root, QStringLiteral("mac"), out);

    // It went through the normal start: the launch defaults are in the store.
    QFile conf(root.file(QStringLiteral("config/Corvane/Corvane.conf")));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    const QByteArray text = conf.readAll();
    EXPECT_TRUE(text.contains("FirstLauch"));
    EXPECT_TRUE(text.contains("TrashStorage=500000000"));
}

TEST(Snapshot, WritesEveryPictureOfTheFreedesktopDemoHomeWithOriginalPlacesWhole) {
    TempRoot root;
    SandboxBuilder(root.file(QStringLiteral("sandbox"))).buildLinuxDemo();
    const QString out = root.file(QStringLiteral("shots"));
    writeSnapshots(root, QStringLiteral("freedesktop"), out);

    // The original places, long under a sandbox root, widen the trash window past the size it
    // opens with rather than being cut short.
    const QImage items(QDir(out).filePath(QStringLiteral("theTrashInfoWindow.png")));
    const QImage tree(QDir(out).filePath(QStringLiteral("theTrashInfoWindow-tree.png")));
    EXPECT_GT(items.width(), 980);
    EXPECT_EQ(tree.width(), items.width());
}

}  // namespace
