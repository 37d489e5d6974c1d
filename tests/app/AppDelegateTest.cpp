#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/AboutWindow.h"
#include "app/FullDiskWindow.h"
#include "app/GuideWindow.h"
#include "app/MainWindow.h"
#include "app/PopoverWindow.h"
#include "app/StatusItem.h"
#include "autoclean/PPopoverviewConterller.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "support/FixedSystemVersion.h"

namespace {

TEST(Launch, FirstStartWritesDefaultsOpensTheGuideAndTheProductPageOnce) {
    AppFixture f;
    {
        auto app = f.launch();
        EXPECT_EQ(AppDelegate::GetAppControllor(), app.get());
        Defaults& d = *f.defaults();
        EXPECT_EQ(d.dateForKey("LastCleanDate"), f.clock->now());
        EXPECT_EQ(d.dateForKey("FirstLauch"), f.clock->now());
        EXPECT_EQ(d.unsignedForKey("TrashStorage"), 500000000u);
        EXPECT_EQ(d.stringForKey("BAutoTidy"), QStringLiteral("YES"));
        EXPECT_EQ(d.stringForKey("BShowWarning"), QStringLiteral("YES"));
        EXPECT_TRUE(app->guideWindow()->isVisible());
        EXPECT_EQ(f.workspace->openedURLs().size(), 1);
        // The popover got no size and today's date.
        EXPECT_EQ(app->thePopViewController()->view()->findChild<QLabel*>("lastCleanupDatelab")->text(),
                  QStringLiteral("(2026-12-06)"));
        EXPECT_FALSE(
            app->thePopViewController()->view()->findChild<QLabel*>("lastCleanupSizelab")->isHidden());
        // Launching scans nothing and runs no command.
        EXPECT_TRUE(f.tasks->calls().isEmpty());
        EXPECT_EQ(app->autoTrashTimer()->interval(), 21600 * 1000);
        EXPECT_EQ(app->autoTidyTimer()->interval(), 1000);
    }
    EXPECT_EQ(AppDelegate::GetAppControllor(), nullptr);

    // The second start keeps every stored value and shows no guide.
    f.reopenSettings();
    f.defaults()->setUnsigned("TrashStorage", 7);
    f.defaults()->setString("BShowWarning", "NO");
    f.defaults()->setString("LastsCleanTrashData", "12.35MB");
    const QDateTime first = f.defaults()->dateForKey("FirstLauch");
    f.clock->advance(86400 * 3);
    auto app = f.launch();
    EXPECT_FALSE(app->guideWindow()->isVisible());
    EXPECT_EQ(f.workspace->openedURLs().size(), 1);
    EXPECT_EQ(f.defaults()->dateForKey("FirstLauch"), first);
    EXPECT_EQ(f.defaults()->dateForKey("LastCleanDate"), first);
    EXPECT_EQ(f.defaults()->unsignedForKey("TrashStorage"), 7u);
    EXPECT_EQ(f.defaults()->stringForKey("BShowWarning"), QStringLiteral("NO"));
    EXPECT_EQ(app->thePopViewController()->view()->findChild<QLabel*>("lastCleanupSizelab")->text(),
              QStringLiteral("12.35MB"));
}

TEST(Launch, StoredSettingsDriveTheCheckBoxesAndTheTaskBarMode) {
    struct Case {
        QVariant autoLogin, autoTidy, hideInDock, agent;
        bool loginOn, tidyOn, accessory;
    };
    const Case cases[] = {
        {{}, {}, {}, {}, false, true, false},
        {"yes", "NO", {}, {}, false, false, false},  // only exact "YES" counts
        {"YES", "YES", "NO", {}, true, true, true},  // any stored value hides
        {{}, {}, "YES", "YES", false, true, false},  // an agent start skips it
    };
    for (const Case& c : cases) {
        AppFixture f;
        auto set = [&](const char* key, const QVariant& v) {
            if (v.isValid()) f.defaults()->setObject(key, v);
        };
        set("BAutoLogin", c.autoLogin);
        set("BAutoTidy", c.autoTidy);
        set("BHideAppInDock", c.hideInDock);
        set("LaunchAsAgentApp", c.agent);
        AppDelegate app(f.services());
        app.awakeFromNib();
        EXPECT_EQ(app.window()->findChild<QCheckBox*>("autoLunchBtn")->isChecked(), c.loginOn);
        EXPECT_EQ(app.window()->findChild<QCheckBox*>("autoCleanupSelectBtn")->isChecked(), c.tidyOn);
        EXPECT_EQ(app.isAccessoryMode(), c.accessory);
    }
}

TEST(Appearance, TheTickFollowsTheAppearanceOnlyWhileAutoTidyIsOn) {
    AppFixture f;
    auto app = f.launch();
    EXPECT_EQ(app->statusItem()->imageName(), QStringLiteral("bannerIcon.png"));

    app->window()->findChild<QCheckBox*>("autoCleanupSelectBtn")->setChecked(false);
    f.appearance->setStyle("Dark");
    app->BMakeModeTimer_hander();
    EXPECT_EQ(app->statusItem()->imageName(), QStringLiteral("bannerIcon.png"));
    EXPECT_FALSE(app->isDarkMode());

    app->window()->findChild<QCheckBox*>("autoCleanupSelectBtn")->setChecked(true);
    app->BMakeModeTimer_hander();
    EXPECT_EQ(app->statusItem()->imageName(), QStringLiteral("darkbannerIcon.png"));
    EXPECT_TRUE(app->isDarkMode());

    f.appearance->setStyle("");
    app->BMakeModeTimer_hander();
    EXPECT_EQ(app->statusItem()->imageName(), QStringLiteral("bannerIcon.png"));

    // Dark at start: the dark icon from the first moment.
    AppFixture g;
    g.appearance->setStyle("Dark");
    auto dark = g.launch();
    EXPECT_TRUE(dark->isDarkMode());
    EXPECT_EQ(dark->statusItem()->imageName(), QStringLiteral("darkbannerIcon.png"));
}

TEST(Actions, LoginCheckBoxAddsOrRemovesTheEntryAndStoresTheKey) {
    AppFixture f;
    auto app = f.launch();
    QTest::mouseClick(app->window()->findChild<QCheckBox*>("autoLunchBtn"), Qt::LeftButton);
    EXPECT_EQ(f.defaults()->stringForKey("BAutoLogin"), QStringLiteral("YES"));
    EXPECT_EQ(f.loginItems->entriesForProgram().size(), 1);
    QTest::mouseClick(app->window()->findChild<QCheckBox*>("autoLunchBtn"), Qt::LeftButton);
    EXPECT_EQ(f.defaults()->stringForKey("BAutoLogin"), QStringLiteral("NO"));
    EXPECT_TRUE(f.loginItems->entriesForProgram().isEmpty());
    // Written to disk, not just kept in memory.
    EXPECT_EQ(Defaults(f.settingsFile).stringForKey("BAutoLogin"), QStringLiteral("NO"));
}

TEST(Actions, HidingTheDockIconIsStoredUnlessStartedAsAgent) {
    AppFixture f;
    auto app = f.launch();
    app->HideAppIConDockAction();
    EXPECT_TRUE(app->isAccessoryMode());
    EXPECT_EQ(Defaults(f.settingsFile).stringForKey("BHideAppInDock"), QStringLiteral("YES"));

    AppFixture g;
    g.defaults()->setString("LaunchAsAgentApp", "YES");
    auto agent = g.launch();
    agent->HideAppIConDockAction();
    EXPECT_FALSE(agent->isAccessoryMode());
    EXPECT_FALSE(g.defaults()->hasValue("BHideAppInDock"));
}

TEST(Windows, ClosingHidesAndOnlyQuitEnds) {
    AppFixture f;
    auto app = f.launch();
    app->showMainWindow();
    ASSERT_TRUE(app->window()->isVisible());
    EXPECT_FALSE(app->window()->close());
    EXPECT_FALSE(app->window()->isVisible());
    EXPECT_NE(app->window(), nullptr);
    app->ActAboutAction();
    ASSERT_TRUE(app->aboutWindow()->isVisible());
    const QPoint moved(13, 17);
    app->aboutWindow()->move(moved);
    app->ActAboutAction();  // already visible: left where it is
    EXPECT_EQ(app->aboutWindow()->pos(), moved);
    app->aboutWindow()->close();
    EXPECT_FALSE(app->aboutWindow()->isVisible());
}

TEST(Windows, PopoverIsBuiltOnDemandAndReleasedWhenClosed) {
    AppFixture f;
    auto app = f.launch();
    EXPECT_TRUE(app->thePopover().isNull());
    app->ClickStateBanner(QRect(600, 0, 22, 22));
    ASSERT_FALSE(app->thePopover().isNull());
    QPointer<PopoverWindow> first = app->thePopover();
    EXPECT_EQ(app->thePopViewController()->view()->parentWidget(), first.data());
    EXPECT_GE(first->y(), 22);  // below an icon at the top edge
    first->close();
    ASSERT_TRUE(waitUntil([&] { return first.isNull(); }));
    EXPECT_TRUE(app->thePopover().isNull());
    EXPECT_EQ(app->thePopViewController()->view()->parentWidget(), nullptr);  // handed back intact
    app->ClickStateBanner();
    EXPECT_FALSE(app->thePopover().isNull());
    EXPECT_NE(app->thePopover().data(), first.data());
}

TEST(Probe, FullDiskWindowOnlyFromVersion15WhenTheRecordsCannotBeOpened) {
    {
        AppFixture f;
        f.systemVersion = std::make_shared<FixedSystemVersion>(
            QMap<QString, int>{{"sysv", 0x10A0}, {"sys1", 10}, {"sys2", 15}, {"sys3", 0}});
        auto app = f.launch();
        EXPECT_EQ(app->macOsVer(), 15);
        EXPECT_TRUE(app->fulldiskWindow()->isVisible());
    }
    {
        AppFixture f;
        f.systemVersion = std::make_shared<FixedSystemVersion>(
            QMap<QString, int>{{"sysv", 0x10A0}, {"sys1", 10}, {"sys2", 15}, {"sys3", 0}});
        f.sandbox.writeFile(f.paths->trashRecordsFile(), "Bud1");
        auto app = f.launch();
        EXPECT_FALSE(app->fulldiskWindow()->isVisible());
    }
    {
        AppFixture f;
        f.systemVersion = std::make_shared<FixedSystemVersion>(
            QMap<QString, int>{{"sysv", 0x1096}, {"sys1", 10}, {"sys2", 14}, {"sys3", 6}});
        auto app = f.launch();
        EXPECT_EQ(app->macOsVer(), 14);
        EXPECT_FALSE(app->fulldiskWindow()->isVisible());
    }
    AppFixture f;  // this system: no version, no probe
    auto app = f.launch();
    EXPECT_EQ(app->macOsVer(), 0);
    EXPECT_FALSE(app->fulldiskWindow()->isVisible());
}

}  // namespace
