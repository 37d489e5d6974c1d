#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "app/MainWindow.h"
#include "app/StatusItem.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "support/LoopbackHttpServer.h"
#include "support/VersionDocument.h"
#include "update/NoUpdateWindow.h"
#include "update/PRUpdateController.h"
#include "update/UpdateAddress.h"
#include "update/UpdateWindow.h"

namespace {

const char kDoc[] = "/product/corvaneVersion.plist";

// The program at version 1.0.3 whose update server is a loopback server of the test's.
struct UpdateFixture : AppFixture {
    LoopbackHttpServer server;
    std::shared_ptr<PRUpdateController> controller;

    explicit UpdateFixture(const QByteArray& document) {
        EXPECT_TRUE(server.listen());
        LoopbackHttpServer::Response r;
        r.body = document;
        server.setResponse(QLatin1String(kDoc), r);
        controller =
            std::make_shared<PRUpdateController>(server.url(QLatin1String(kDoc)), QStringLiteral("1.0.3"));
    }
    std::unique_ptr<AppDelegate> launchWithCheck() {
        AppServices s = services();
        s.updateController = controller;
        auto app = std::make_unique<AppDelegate>(s);
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
        return app;
    }
    // Waits until `requests` requests were answered and handled.
    bool settled(int requests) {
        return waitUntil([&] { return server.requests().size() >= requests && !controller->isChecking(); });
    }
};

QAction* actionNamed(QWidget* menuOwner, const char* name) {
    return menuOwner->findChild<QAction*>(QLatin1String(name));
}

QStringList lines(const QPlainTextEdit* view) {
    QStringList out;
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) out << b.text();
    return out;
}

}  // namespace

TEST(UpdateWindows, SameVersionIsSilentAtLaunchAndSaidOnEveryCheckAfterTheFirstRequest) {
    UpdateFixture f(VersionDocument::xml("1.0.3", "*Nothing"));
    auto app = f.launchWithCheck();
    ASSERT_TRUE(f.settled(1));
    ASSERT_NE(app->updateWindow(), nullptr);
    NoUpdateWindow* none = app->updateWindow()->noUpdateWindow();
    EXPECT_FALSE(app->updateWindow()->isVisible());
    EXPECT_FALSE(none->isVisible());
    EXPECT_FALSE(f.controller->checkUpdate());

    // The tray menu's check.
    QAction* trayCheck = actionNamed(app->statusItem()->baMenu(), "checkforUpdateAction");
    ASSERT_NE(trayCheck, nullptr);
    trayCheck->trigger();
    ASSERT_TRUE(waitUntil([&] { return none->isVisible(); }));
    EXPECT_TRUE(f.controller->checkUpdate());
    EXPECT_FALSE(app->updateWindow()->isVisible());
    EXPECT_TRUE(none->findChild<QLabel*>("noUpdateMessage")->text().contains(QLatin1String("1.0.3")));
    QTest::mouseClick(none->findChild<QPushButton*>("ClickOkAction"), Qt::LeftButton);
    EXPECT_FALSE(none->isVisible());

    // From now on any check that finds nothing newer says so, also one the program starts itself.
    f.controller->checkServerVersion();
    ASSERT_TRUE(waitUntil([&] { return none->isVisible(); }));
    EXPECT_TRUE(f.controller->checkUpdate());
    none->hide();

    // The main window's Help menu runs the same check.
    QAction* mainCheck = actionNamed(app->window(), "mainCheckforUpdateAction");
    ASSERT_NE(mainCheck, nullptr);
    mainCheck->trigger();
    ASSERT_TRUE(waitUntil([&] { return none->isVisible(); }));
    EXPECT_EQ(f.server.requests().size(), 4);
}

TEST(UpdateWindows, ANewerVersionShowsBothVersionsAndTheChangesAndLeadsToTheDownloadPage) {
    UpdateFixture f(VersionDocument::xml("1.0.4", "*Faster scan*Fixes"));
    auto app = f.launchWithCheck();
    UpdateWindow* w = app->updateWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(waitUntil([&] { return w->isVisible(); }));
    EXPECT_FALSE(w->noUpdateWindow()->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>("newversionlab")->text(), QStringLiteral("Corvane 1.0.4 is available."));
    EXPECT_EQ(w->findChild<QLabel*>("currentversionlab")->text(),
              QStringLiteral("You are using 1.0.3 version. Would you like to download it now?"));
    EXPECT_EQ(lines(w->findChild<QPlainTextEdit*>("whatsnewContentView")),
              (QStringList{"", "Faster scan", "Fixes"}));
    EXPECT_FALSE(w->findChild<QLabel*>("bottomImageView")->pixmap().isNull());

    const qsizetype opened = f.workspace->openedURLs().size();  // the first launch's product page
    QTest::mouseClick(w->findChild<QPushButton*>("ClickGoDownloadAction"), Qt::LeftButton);
    ASSERT_EQ(f.workspace->openedURLs().size(), opened + 1);
    EXPECT_EQ(f.workspace->openedURLs().last(), UpdateAddress::downloadPage());
    EXPECT_TRUE(w->isVisible());  // the window stays until the user is done with it
    QTest::mouseClick(w->findChild<QPushButton*>("ClickNotNowAction"), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(f.workspace->openedURLs().size(), opened + 1);
}

TEST(UpdateWindows, WithoutTheCheckThereIsNoMenuItemNoWindowAndNoRequest) {
    // A build with -DCORVANE_UPDATE_CHECK=OFF hands in no update controller.
    AppFixture f;
    auto app = f.launch();
    EXPECT_EQ(app->updateWindow(), nullptr);
    EXPECT_EQ(actionNamed(app->statusItem()->baMenu(), "checkforUpdateAction"), nullptr);
    EXPECT_EQ(actionNamed(app->window(), "mainCheckforUpdateAction"), nullptr);
    EXPECT_NE(actionNamed(app->window(), "mainAboutAction"), nullptr);
    for (const auto& [name, widget] : app->topLevelWindows()) {
        EXPECT_NE(name, QStringLiteral("UpdateWindow"));
        EXPECT_NE(name, QStringLiteral("noUpdateWindow"));
    }
    app->CheckforUpdateAction();  // harmless
}
