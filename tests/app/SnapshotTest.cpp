#include "support/TempRoot.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The program itself, started as a reviewer would: offscreen, on a sandbox, with a fresh store.
TEST(Snapshot, WritesEveryWindowTheMenuAndThePopoverThroughANormalStart) {
    TempRoot root;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANE_ROOT"), root.file(QStringLiteral("sandbox")));
    env.insert(QStringLiteral("CORVANE_LAYOUT"), QStringLiteral("mac"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("config")));
    QProcess p;
    p.setProcessEnvironment(env);
    const QString out = root.file(QStringLiteral("shots"));
    p.start(QStringLiteral(CORVANE_PROGRAM_PATH), {QStringLiteral("--snapshot"), out});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();

    for (const char* name : {"window", "guideWindow", "fulldiskWindow", "perfereceWindow", "aboutWindow", "baMenu", "popover",
                             "autoTrashWindow", "theTrashInfoWindow", "theTrashInfoWindow-tree",
                             "deleteProtectWindow", "theConfirmWindow", "eraseConfirmation"}) {
        const QImage image(QDir(out).filePath(QLatin1String(name) + QStringLiteral(".png")));
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_GT(image.width(), 100) << name;
    }
    // It went through the normal start: the launch defaults are in the store.
    QFile conf(root.file(QStringLiteral("config/Corvane/Corvane.conf")));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    const QByteArray text = conf.readAll();
    EXPECT_TRUE(text.contains("FirstLauch"));
    EXPECT_TRUE(text.contains("TrashStorage=500000000"));
}

}  // namespace
