#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "app/ButtonDispatcher.h"
#include "app/GuideWindow.h"
#include "app/MainWindow.h"
#include "platform/NotificationCenter.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "widgets/PRCustomeWindow.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/QMHeaderView.h"
#include "widgets/TableTextStyle.h"

namespace {

TEST(PRLeftTipButton, PressPostsToObserversAndSendsNoActionOfItsOwn) {
    NotificationCenter nc;
    PRLeftTipButton button(&nc, QStringLiteral("Trash"));
    button.resize(180, 40);
    QObject observer;
    QList<QPair<QString, QObject*>> seen;
    for (const char* name :
         {PRLeftTipButton::MouseDown, PRLeftTipButton::MouseEntered, PRLeftTipButton::MouseExited})
        nc.addObserver(&observer, QLatin1String(name), [&](const NotificationCenter::Notification& n) {
            seen.append({n.name, n.object});
        });
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QSignalSpy pressed(&button, &QAbstractButton::pressed);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].first, QStringLiteral("PRLeftButtonMouseDown"));
    EXPECT_EQ(seen[0].second, &button);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(button.isDown());
}

TEST(ButtonDispatcher, FirstMatchingRowRunsAndUnknownButtonsDoNothing) {
    NotificationCenter nc;
    PRLeftTipButton known(&nc, QStringLiteral("a")), unknown(&nc, QStringLiteral("b"));
    ButtonDispatcher dispatcher;
    QStringList ran;
    dispatcher.addRow({&known,
                       {{&known, QStringLiteral("connectdownbtn.png")}},
                       [&] { ran << "first"; },
                       {{&known, QStringLiteral("connectnombtn.png")}}});
    dispatcher.addRow({&known, {}, [&] { ran << "second"; }, {}});
    EXPECT_TRUE(dispatcher.dispatch(&known));
    EXPECT_EQ(ran, QStringList{"first"});
    EXPECT_FALSE(known.image().isNull());  // the image after the action
    EXPECT_FALSE(dispatcher.dispatch(&unknown));
    EXPECT_FALSE(dispatcher.dispatch(nullptr));
    EXPECT_EQ(ran.size(), 1);
}

TEST(Dispatch, GuideAndAccessButtonsHideTheirWindowsThroughTheNotification) {
    AppFixture f;
    auto app = f.launch();
    ASSERT_TRUE(app->guideWindow()->isVisible());
    QTest::mouseClick(app->guideWindow()->findChild<PRLeftTipButton*>("gotitbutton"), Qt::LeftButton);
    EXPECT_FALSE(app->guideWindow()->isVisible());

    PRLeftTipButton stray(app->nc(), QStringLiteral("stray"));
    app->showMainWindow();
    QTest::mouseClick(&stray, Qt::LeftButton);  // nobody knows it: nothing changes
    EXPECT_TRUE(app->window()->isVisible());
}

TEST(PRCustomeWindow, HeaderStripStaysAtTheTopAndFollowsTheWidth) {
    PRCustomeWindow w;
    w.resize(400, 300);
    w.show();
    EXPECT_EQ(w.headerView()->geometry(), QRect(0, 0, 400, 25));
    w.resize(640, 180);
    waitUntil([&] { return w.headerView()->geometry() == QRect(0, 0, 640, 25); });
    EXPECT_EQ(w.headerView()->geometry(), QRect(0, 0, 640, 25));
    EXPECT_EQ(w.contentView()->geometry(), QRect(0, 25, 640, 155));
    EXPECT_TRUE(w.headerView()->headImage.isNull());
    w.headerView()->grab();  // drawing loads the default image
    EXPECT_FALSE(w.headerView()->headImage.isNull());
}

TEST(TableTextStyle, ApplyGivesTheViewTheTableDelegate) {
    QTableView view;
    QStandardItemModel model(2, 1);
    model.setItem(0, 0, new QStandardItem(QStringLiteral("x")));
    view.setModel(&model);
    TableTextStyle::apply(&view);
    ASSERT_NE(qobject_cast<TableTextStyle*>(view.itemDelegate()), nullptr);
}

TEST(MainWindow, ASectionIsOneCallAndItsButtonShowsItThroughTheDispatcher) {
    AppFixture f;
    auto app = f.launch();
    auto* page = new QLabel(QStringLiteral("page"));
    PRLeftTipButton* button =
        app->window()->addSection({QStringLiteral("demo"), QStringLiteral("Demo"),
                                   QStringLiteral("section-trash.png"), QStringLiteral("A page."), page});
    app->dispatcher().addRow({button, {}, [&] { app->window()->showSection(QStringLiteral("demo")); }, {}});
    app->showMainWindow();
    EXPECT_FALSE(app->window()->findChild<QWidget*>("theConentView")->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(button->isCurrent());
    QTest::mouseClick(app->window()->overviewButton(), Qt::LeftButton);
    EXPECT_TRUE(app->window()->findChild<QWidget*>("openView")->isVisible());
    EXPECT_FALSE(page->isVisible());
}

}  // namespace
