#include <gtest/gtest.h>

#include "support/EventWait.h"
#include "support/LoopbackHttpServer.h"
#include "support/VersionDocument.h"
#include "update/PRUpdateController.h"
#include "update/UpdateAddress.h"

namespace {

const char kDoc[] = "/product/corvaneVersion.plist";

using Outcome = PRUpdateController::Outcome;

// One check of a controller at version 1.0.3 against the server, as the launch or the menu runs it.
struct Check {
    Outcome outcome = Outcome::Failed;
    int updateWindows = 0;
    int noUpdateWindows = 0;
    int finished = 0;
};

Check runCheck(PRUpdateController& c, bool manual) {
    Check result;
    QObject::connect(&c, &PRUpdateController::updateWindowRequested, [&] { ++result.updateWindows; });
    QObject::connect(&c, &PRUpdateController::noUpdateWindowRequested, [&] { ++result.noUpdateWindows; });
    QObject::connect(&c, &PRUpdateController::checkFinished, [&](Outcome o) {
        result.outcome = o;
        ++result.finished;
    });
    c.hidUpdateWindow();
    if (manual) c.setCheckUpdate();
    c.checkServerVersion();
    EXPECT_TRUE(waitUntil([&] { return result.finished > 0; }));
    EXPECT_FALSE(c.isChecking());       // nothing is left that could answer later
    QCoreApplication::processEvents();  // anything late would show here
    QObject::disconnect(&c, nullptr, nullptr, nullptr);
    return result;
}

LoopbackHttpServer::Response document(const QByteArray& body) {
    LoopbackHttpServer::Response r;
    r.body = body;
    return r;
}

}  // namespace

TEST(UpdateCheck, WhatTheServerAnswersDecidesTheWindow) {
    struct Case {
        const char* what;
        LoopbackHttpServer::Response response;
        bool manual;
        Outcome outcome;
        int updateWindows;
        int noUpdateWindows;
        const char* latest;
    };
    LoopbackHttpServer::Response html;
    html.status = 404;
    html.contentType = "text/html";
    html.body = "<html><body><h1>Not Found</h1></body></html>";
    LoopbackHttpServer::Response htmlOk = html;
    htmlOk.status = 200;
    const Case cases[] = {
        {"same version at launch", document(VersionDocument::xml("1.0.3", "x")), false, Outcome::NotNewer, 0,
         0, "1.0.3"},
        {"same version on request", document(VersionDocument::xml("1.0.3", "x")), true, Outcome::NotNewer, 0,
         1, "1.0.3"},
        {"newer at launch", document(VersionDocument::xml("1.0.4", "*Faster scan*Fixes")), false,
         Outcome::Newer, 1, 0, "1.0.4"},
        {"2.0 over 1.0.3", document(VersionDocument::xml("2.0")), true, Outcome::Newer, 1, 0, "2.0"},
        {"older on request", document(VersionDocument::xml("0.9.12")), true, Outcome::NotNewer, 0, 1,
         "0.9.12"},
        {"binary document", document(VersionDocument::binary({{"lastestVersion", "1.1"}})), false,
         Outcome::Newer, 1, 0, "1.1"},
        {"HTML error page at launch", html, false, Outcome::NoDocument, 0, 0, ""},
        {"HTML error page on request", html, true, Outcome::NoDocument, 0, 1, ""},
        {"HTML page with status 200", htmlOk, true, Outcome::NoDocument, 0, 1, ""},
        {"no version key", document(VersionDocument::xml("1.0.4").replace("lastestVersion", "latestVersion")),
         true, Outcome::NoDocument, 0, 1, ""},
        {"redirect to the document", LoopbackHttpServer::redirect(QStringLiteral("/moved.plist")), true,
         Outcome::Newer, 1, 0, "9.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server;
        ASSERT_TRUE(server.listen());
        server.setResponse(QLatin1String(kDoc), c.response);
        server.setResponse(QStringLiteral("/moved.plist"), document(VersionDocument::xml("9.0")));
        PRUpdateController controller(server.url(QLatin1String(kDoc)), QStringLiteral("1.0.3"));
        const Check got = runCheck(controller, c.manual);
        EXPECT_EQ(got.outcome, c.outcome);
        EXPECT_EQ(got.finished, 1);
        EXPECT_EQ(got.updateWindows, c.updateWindows);
        EXPECT_EQ(got.noUpdateWindows, c.noUpdateWindows);
        EXPECT_EQ(controller.lastestVersion(), QLatin1String(c.latest));
        EXPECT_FALSE(controller.isChecking());
        EXPECT_TRUE(controller.receivedData().isEmpty());
    }
}

TEST(UpdateCheck, TheUpdateWindowTextsAreThePublishedOnes) {
    LoopbackHttpServer server;
    ASSERT_TRUE(server.listen());
    server.setResponse(QLatin1String(kDoc), document(VersionDocument::xml("1.0.4", "*Faster scan*Fixes")));
    PRUpdateController controller(server.url(QLatin1String(kDoc)), QStringLiteral("1.0.3"));
    ASSERT_EQ(runCheck(controller, false).outcome, Outcome::Newer);
    EXPECT_EQ(controller.newVersionText(), QStringLiteral("Corvane 1.0.4 is available."));
    EXPECT_EQ(controller.currentVersionText(),
              QStringLiteral("You are using 1.0.3 version. Would you like to download it now?"));
    EXPECT_EQ(controller.whatsNewText(), QStringLiteral("\rFaster scan\rFixes"));
}

TEST(UpdateCheck, FailuresAreLoggedAndShowNothing) {
    struct Case {
        const char* what;
        std::function<void(LoopbackHttpServer&)> script;
        const char* logged;
        const char* failingUrl = nullptr;  ///< when not the document's
        int timeLimitMs = 30000;
    };
    LoopbackHttpServer::Response cut = document(VersionDocument::xml("1.0.4", "x"));
    cut.declaredLength = cut.body.size() + 500;
    LoopbackHttpServer::Response silent;
    silent.silent = true;
    const Case cases[] = {
        {"body cut short", [&](LoopbackHttpServer& s) { s.setResponse(QLatin1String(kDoc), cut); }, ""},
        {"no answer in time", [&](LoopbackHttpServer& s) { s.setResponse(QLatin1String(kDoc), silent); },
         "no answer within 0.3 s", nullptr, 300},
        {"redirect away from this machine",
         [](LoopbackHttpServer& s) {
             s.setResponse(QLatin1String(kDoc),
                           LoopbackHttpServer::redirect(QStringLiteral("http://example.invalid/x.plist")));
         },
         "redirected to an address that is not used", "http://example.invalid/x.plist"},
        {"body larger than a document",
         [](LoopbackHttpServer& s) {
             s.setResponse(QLatin1String(kDoc),
                           document(QByteArray(PRUpdateController::MaxDocumentSize + 1, ' ')));
         },
         "larger than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server;
        ASSERT_TRUE(server.listen());
        c.script(server);
        const QUrl url = server.url(QLatin1String(kDoc));
        PRUpdateController controller(url, QStringLiteral("1.0.3"));
        controller.setTimeLimit(c.timeLimitMs);
        LogCapture log;
        const Check got = runCheck(controller, true);
        EXPECT_EQ(got.outcome, Outcome::Failed);
        EXPECT_EQ(got.updateWindows + got.noUpdateWindows, 0);
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join(QLatin1Char('\n')).toStdString();
        const QString line = log.lines().first();
        EXPECT_TRUE(line.startsWith(QLatin1String("Connection failed! Error - "))) << line.toStdString();
        EXPECT_TRUE(line.contains(QLatin1String(c.logged))) << line.toStdString();
        EXPECT_TRUE(line.endsWith(c.failingUrl ? QLatin1String(c.failingUrl) : url.toString()))
            << line.toStdString();
    }
}

TEST(UpdateCheck, AChunkedBodyPastTheCapIsCutOffNearTheCap) {
    struct Case {
        const char* what;
        qint64 length;
        Outcome outcome;
    };
    const qint64 cap = PRUpdateController::MaxDocumentSize;
    const Case cases[] = {
        {"just under the cap", cap - 1, Outcome::NoDocument},
        {"just over the cap", cap + 1, Outcome::Failed},
        {"far larger than the cap", 256 * cap, Outcome::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server;
        ASSERT_TRUE(server.listen());
        LoopbackHttpServer::Response endless;
        endless.chunkedLength = c.length;
        server.setResponse(QLatin1String(kDoc), endless);
        PRUpdateController controller(server.url(QLatin1String(kDoc)), QStringLiteral("1.0.3"));
        LogCapture log;
        const Check got = runCheck(controller, false);
        EXPECT_EQ(got.outcome, c.outcome);
        EXPECT_FALSE(controller.isChecking());
        if (c.outcome == Outcome::Failed) {
            ASSERT_EQ(log.lines().size(), 1);
            EXPECT_TRUE(log.lines().first().contains(QLatin1String("larger than")))
                << log.lines().first().toStdString();
        }
        if (c.length > 2 * cap) {
            // The reading stopped soon after the cap: what the server got rid of is bounded by the
            // cap and the buffers on the way, far from the whole body.
            EXPECT_TRUE(waitUntil([&] { return server.chunkedCutShort() == 1; }));
            EXPECT_LT(server.chunkedBytesSent(), 32 * cap);
        }
    }
}

TEST(UpdateCheck, ARefusedConnectionLogsTheErrorAndTheAddress) {
    quint16 port = 0;
    {
        LoopbackHttpServer closed;  // a port that was free a moment ago
        ASSERT_TRUE(closed.listen());
        port = closed.port();
    }
    const QUrl url(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(kDoc)));
    PRUpdateController controller(url, QStringLiteral("1.0.3"));
    LogCapture log;
    const Check got = runCheck(controller, true);
    EXPECT_EQ(got.outcome, Outcome::Failed);
    EXPECT_EQ(got.updateWindows + got.noUpdateWindows, 0);
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines().first(),
              QStringLiteral("Connection failed! Error - Connection refused ") + url.toString());
}

TEST(UpdateCheck, ASecondCheckDropsTheFirstWhole) {
    LoopbackHttpServer server;
    ASSERT_TRUE(server.listen());
    LoopbackHttpServer::Response slow;
    slow.silent = true;
    server.setResponse(QLatin1String(kDoc), slow);
    PRUpdateController controller(server.url(QLatin1String(kDoc)), QStringLiteral("1.0.3"));
    QList<Outcome> finished;
    QObject::connect(&controller, &PRUpdateController::checkFinished, [&](Outcome o) { finished << o; });
    controller.hidUpdateWindow();
    controller.checkServerVersion();
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() == 1; }));
    ASSERT_TRUE(controller.isChecking());

    server.setResponse(QLatin1String(kDoc), document(VersionDocument::xml("1.0.4", "second")));
    controller.checkServerVersion();
    ASSERT_TRUE(waitUntil([&] { return finished.size() >= 1; }));
    EXPECT_FALSE(controller.isChecking());
    QCoreApplication::processEvents();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.first(), Outcome::Newer);
    EXPECT_EQ(controller.whatsnewString(), QStringLiteral("second"));
}

TEST(UpdateCheck, WithoutAnAddressNothingIsAsked) {
    PRUpdateController controller;
    int finished = 0;
    QObject::connect(&controller, &PRUpdateController::checkFinished, [&] { ++finished; });
    controller.hidUpdateWindow();
    controller.checkServerVersion();
    EXPECT_FALSE(controller.isChecking());
    EXPECT_EQ(finished, 0);
}

TEST(UpdateAddress, HttpsAnywherePlainHttpOnlyToThisMachine) {
    struct Case {
        const char* url;
        bool accepted;
    };
    const Case cases[] = {
        {"https://corvane.app/product/corvaneVersion.plist", true},
        {"https://mirror.example.org:8443/p.plist", true},
        {"http://127.0.0.1:8080/product/corvaneVersion.plist", true},
        {"http://[::1]:8080/p.plist", true},
        {"http://localhost/p.plist", true},
        {"http://corvane.app/product/corvaneVersion.plist", false},
        {"http://127.0.0.2/p.plist", false},
        {"http://10.0.0.1/p.plist", false},
        {"ftp://127.0.0.1/p.plist", false},
        {"file:///tmp/version.plist", false},
        {"https:///nohost", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateAddress::isAcceptable(QUrl(QLatin1String(c.url))), c.accepted) << c.url;

    const QByteArray saved = qgetenv("CORVANE_UPDATE_URL");
    qputenv("CORVANE_UPDATE_URL", "http://evil.example/product/corvaneVersion.plist");
    QString error;
    EXPECT_TRUE(UpdateAddress::documentUrl(&error).isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("evil.example")));
    qputenv("CORVANE_UPDATE_URL", "http://127.0.0.1:9/product/corvaneVersion.plist");
    EXPECT_EQ(UpdateAddress::documentUrl(),
              QUrl(QStringLiteral("http://127.0.0.1:9/product/corvaneVersion.plist")));
    qunsetenv("CORVANE_UPDATE_URL");
    EXPECT_EQ(UpdateAddress::documentUrl().scheme(), QStringLiteral("https"));
    EXPECT_TRUE(UpdateAddress::documentUrl().path().endsWith(QLatin1String(UpdateAddress::DocumentPath)));
    if (!saved.isNull()) qputenv("CORVANE_UPDATE_URL", saved);
}
