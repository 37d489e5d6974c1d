// The first tidy: asked for from the popover before any store location is known, the connect
// window's start-tidy view takes the location (refusing one that can't hold the store folder),
// then "Tidy Now" tidies and hides the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/AccessGrants.h"
#include "app/ConnectWindow.h"
#include "desktop/DesktopController.h"
#include "desktop/NQLeftButton.h"
#include "desktop/PopoverDesktopList.h"
#include "support/AppFixture.h"
#include "support/TempRoot.h"
#include "widgets/PRLeftTipButton.h"

TEST(FirstTidy, ThePopoverAsksWhereTheItemsGoThenTidyNowTidies) {
    AppFixture f;
    f.sandbox.buildDemo();
    auto app = f.launch();
    const QString home = f.paths->userHome(), desktop = f.paths->userDesktop();
    ConnectWindow* connect = app->accessGrants()->connectWindow();
    QTest::mouseClick(app->desktopList()->findChild<NQLeftButton*>("tidyBtn"), Qt::LeftButton);
    ASSERT_TRUE(connect->isVisible());
    EXPECT_TRUE(connect->findChild<QWidget*>("startTidyView")->isVisibleTo(connect));
    EXPECT_FALSE(connect->findChild<QWidget*>("connectView")->isVisibleTo(connect));
    EXPECT_FALSE(connect->findChild<QPushButton*>("ClickTidyAction")->isEnabled());
    QStringList texts;
    for (const QLabel* label : connect->findChild<QWidget*>("startTidyView")->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.join(' ').contains("com.Nordquil.ploverly")) << qPrintable(texts.join('|'));

    // The Desktop itself is refused, and nothing is taken or stored.
    f.openPanel->setNextFileName(desktop);
    QTest::mouseClick(connect->findChild<PRLeftTipButton*>("tidybutton"), Qt::LeftButton);
    EXPECT_FALSE(connect->findChild<QLabel*>("startTidyStatus")->text().isEmpty());
    EXPECT_FALSE(connect->findChild<QPushButton*>("ClickTidyAction")->isEnabled());
    EXPECT_TRUE(app->StorelocationPath().isEmpty());

    f.sandbox.makeFolder(home + "/Tidy");
    f.openPanel->setNextFileName(home + "/Tidy");
    QTest::mouseClick(connect->findChild<PRLeftTipButton*>("tidybutton"), Qt::LeftButton);
    EXPECT_TRUE(connect->findChild<QLabel*>("startTidyStatus")->text().isEmpty());
    ASSERT_TRUE(connect->findChild<QPushButton*>("ClickTidyAction")->isEnabled());
    EXPECT_EQ(app->StorelocationPath(), home + "/Tidy");

    QSignalSpy ended(app->desktopController(), &DesktopController::RefreshFinishTableViewMainThreadHandle);
    QTest::mouseClick(connect->findChild<QPushButton*>("ClickTidyAction"), Qt::LeftButton);
    EXPECT_FALSE(connect->isVisible());
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_FALSE(app->desktopController()->catalogue().getDesktopAllArray().isEmpty());
    // What stays had its name taken in the store already.
    for (const QString& name : sortedEntries(desktop).filter(QRegularExpression("^[^.]")))
        EXPECT_TRUE(QFile::exists(home + "/Tidy/com.Nordquil.ploverly/" + name)) << qPrintable(name);
    EXPECT_GT(sortedEntries(home + "/Tidy/com.Nordquil.ploverly").size(), 3);
}
