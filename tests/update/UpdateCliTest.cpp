#include <gtest/gtest.h>

#include <QProcess>

#include "support/EventWait.h"
#include "support/LoopbackHttpServer.h"
#include "support/VersionDocument.h"
#include "update/UpdateAddress.h"

namespace {

struct CheckRun {
    int status = -1;
    QString out;
    QString err;
};

// The program against a server in this process: the wait keeps serving events so it can answer.
CheckRun updateCheck(const QString& address) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CORVANE_UPDATE_URL"), address);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CORVANE_CLI_PATH), {QStringLiteral("update"), QStringLiteral("check")});
    EXPECT_TRUE(waitUntil([&] { return p.state() == QProcess::NotRunning; }, 60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(UpdateCli, ExitStatusSaysWhetherANewerVersionExists) {
    if (!UpdateAddress::builtIn()) GTEST_SKIP() << "built without the update check";
    LoopbackHttpServer server;
    ASSERT_TRUE(server.listen());
    LoopbackHttpServer::Response same, newer;
    same.body = VersionDocument::xml(QStringLiteral(CORVANE_VERSION), QStringLiteral("*Nothing"));
    newer.body = VersionDocument::xml(QStringLiteral("999.0"), QStringLiteral("*Faster scan*Fixes"));
    server.setResponse(QStringLiteral("/same.plist"), same);
    server.setResponse(QStringLiteral("/newer.plist"), newer);

    const CheckRun upToDate = updateCheck(server.url(QStringLiteral("/same.plist")).toString());
    EXPECT_EQ(upToDate.status, 0) << upToDate.err.toStdString();
    EXPECT_TRUE(upToDate.out.contains(QStringLiteral("installed: " CORVANE_VERSION)));
    EXPECT_TRUE(upToDate.out.contains(QLatin1String("up to date")));

    const CheckRun available = updateCheck(server.url(QStringLiteral("/newer.plist")).toString());
    EXPECT_EQ(available.status, 10) << available.err.toStdString();
    EXPECT_TRUE(available.out.contains(QLatin1String("published: 999.0")));
    EXPECT_TRUE(available.out.contains(QLatin1String("\n  Faster scan\n  Fixes\n")))
        << available.out.toStdString();

    const CheckRun missing = updateCheck(server.url(QStringLiteral("/missing.plist")).toString());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QLatin1String("HTTP status 404"))) << missing.err.toStdString();

    const CheckRun refused =
        updateCheck(QStringLiteral("http://update.example/product/corvaneVersion.plist"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QLatin1String("is not used"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
}

TEST(UpdateCli, ABuildWithoutTheCheckHasNoUpdateVerb) {
    if (UpdateAddress::builtIn()) GTEST_SKIP() << "built with the update check";
    const CheckRun run = updateCheck(QStringLiteral("http://127.0.0.1:9/x.plist"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QLatin1String("unknown verb"))) << run.err.toStdString();
}
