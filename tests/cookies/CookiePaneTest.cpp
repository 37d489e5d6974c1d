#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include "app/AccessGrants.h"
#include "app/ConnectWindow.h"
#include "app/MainWindow.h"
#include "app/StatusItem.h"
#include "cookies/CookieManager.h"
#include "cookies/CookiePane.h"
#include "cookies/CookieTableModel.h"
#include "core/SettingsKeys.h"
#include "support/AppFixture.h"
#include "support/CookieFixtures.h"
#include "support/EventWait.h"
#include "widgets/PRLeftTipButton.h"

namespace {

template <typename T>
T* named(QObject* in, const char* name) {
    T* w = in->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

struct CookieApp : AppFixture {
    CookieApp() { sandbox.buildDemo(); }
    std::unique_ptr<AppDelegate> app = launch();
    CookiePane* pane() const { return app->cookiePane(); }
    CookieTableModel* model() const { return named<CookieTableModel>(pane(), "cookieTableModel"); }
    int rows() const { return model()->rowCount(); }
    // A source button, a view or an action button of the pane.
    template <typename T = PRLeftTipButton>
    T* part(const char* name) const {
        return named<T>(pane(), name);
    }
    bool press(PRLeftTipButton* b) {
        QTest::mouseClick(b, Qt::LeftButton);
        return waitUntil([&] { return !app->cookieManager()->isBusy(); });
    }
    QString home() const { return paths->userHome(); }
};

TEST(CookiePane, TheGateAsksForAFolderOnceAndTheGrantOpensTheSources) {
    CookieApp f;
    ConnectWindow* connect = f.app->accessGrants()->connectWindow();
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    EXPECT_TRUE(connect->isVisible());
    EXPECT_TRUE(connect->findChild<QWidget*>("connectView")->isVisible());
    EXPECT_EQ(f.rows(), 0);
    EXPECT_EQ(f.part<QStackedWidget>("cookieBody")->currentWidget(), f.part<QWidget>("cookieOpenView"));

    // Cancelled: the window stays, nothing is stored.
    ASSERT_TRUE(f.press(connect->findChild<PRLeftTipButton*>("connectBtn")));
    EXPECT_TRUE(connect->isVisible());
    EXPECT_FALSE(f.defaults()->hasValue(SettingsKeys::ZelmarkData));
    ASSERT_EQ(f.openPanel->asked().size(), 1);
    EXPECT_TRUE(f.openPanel->asked()[0].chooseFolders);
    EXPECT_EQ(f.openPanel->asked()[0].startFolder, f.paths->userTrash());

    f.openPanel->setNextFileName(f.home());
    ASSERT_TRUE(f.press(connect->findChild<PRLeftTipButton*>("connectBtn")));
    EXPECT_FALSE(connect->isVisible());
    EXPECT_EQ(f.defaults()->stringForKey(SettingsKeys::AutoTrashData), f.home());
    EXPECT_EQ(f.defaults()->stringForKey(SettingsKeys::ZelmarkData), f.home());
    EXPECT_EQ(f.app->findChildren<StatusItem*>().size(), 1);  // set up again, still one icon

    for (const auto& [button, expected] : std::initializer_list<std::pair<PRLeftTipButton*, int>>{
             {f.part("chromeCookieBtn"), int(CookieFixtures::demoChromeCookies().size())},
             {f.part("firefoxCookieBtn"), int(CookieFixtures::demoFirefoxCookies().size())},
             {f.part("safariCookieBtn"), int(CookieFixtures::demoBinaryCookies().size())}}) {
        ASSERT_TRUE(f.press(button));
        EXPECT_EQ(f.rows(), expected) << qPrintable(button->objectName());
        EXPECT_EQ(f.part<QStackedWidget>("cookieBody")->currentWidget(), f.part<QTableView>("dataTableView"));
        EXPECT_FALSE(connect->isVisible());
    }
    EXPECT_TRUE(f.alerts->asked().isEmpty());

    // The start location: a later grant replaces the stored one; the button's image comes back.
    // (The Desktop itself can't hold the store folder: a tidy empties it.)
    const QString location = f.paths->documentsFolder();
    f.openPanel->setNextFileName(location);
    ASSERT_TRUE(f.press(connect->findChild<PRLeftTipButton*>("tidybutton")));
    EXPECT_EQ(f.defaults()->stringForKey(SettingsKeys::AutoTrashData), location);
    EXPECT_EQ(f.app->StorelocationPath(), location);
    EXPECT_FALSE(f.defaults()->stringForKey(SettingsKeys::PloverlyPath) == location);
}

TEST(CookiePane, OpenedFilesListSortingAndRemoval) {
    CookieApp f;
    f.defaults()->setString(SettingsKeys::ZelmarkData, f.home());
    const QString chosen = f.paths->documentsFolder() + "/Cookies.binarycookies";
    // Cancelled: nothing changes, the opened-files button stays hidden.
    ASSERT_TRUE(f.press(f.part("openCookieBtn")));
    EXPECT_FALSE(f.part("newCookieBtn")->isVisibleTo(f.pane()));
    f.openPanel->setNextFileName(chosen);
    ASSERT_TRUE(f.press(f.part("openCookieBtn")));
    EXPECT_TRUE(f.part("newCookieBtn")->isVisibleTo(f.pane()));
    const int binaryRows = int(CookieFixtures::demoBinaryCookies().size());
    EXPECT_EQ(f.rows(), binaryRows);
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    EXPECT_EQ(f.app->cookieManager()->shownSource().kind, CookieManager::Source::Kind::Chrome);
    ASSERT_TRUE(f.press(f.part("newCookieBtn")));
    EXPECT_EQ(f.rows(), binaryRows);
    EXPECT_EQ(f.app->cookieManager()->shownSource().path, chosen);
    EXPECT_EQ(f.model()->cookieAt(0).fileName, "session_id");

    // Sorting by a column header, then the expiry by time with session cookies first.
    CookieTableModel* model = f.model();
    f.part<QTableView>("dataTableView")->sortByColumn(CookieTableModel::Name, Qt::AscendingOrder);
    for (int row = 1; row < model->rowCount(); ++row)
        EXPECT_LE(
            model->cookieAt(row - 1).fileName.compare(model->cookieAt(row).fileName, Qt::CaseInsensitive), 0);
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    f.part<QTableView>("dataTableView")->sortByColumn(CookieTableModel::Expires, Qt::DescendingOrder);
    EXPECT_FALSE(model->cookieAt(model->rowCount() - 1).expiryUnix.has_value());
    EXPECT_GT(*model->cookieAt(0).expiryUnix, *model->cookieAt(1).expiryUnix);

    // Removal of the Chrome source: the database is emptied, then the table.
    QTest::mouseClick(f.part<QPushButton>("removeCookieButton"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !f.app->cookieManager()->isBusy(); }));
    EXPECT_EQ(f.rows(), 0);
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    EXPECT_EQ(f.rows(), 0);
    ASSERT_TRUE(f.press(f.part("newCookieBtn")));
    EXPECT_EQ(f.rows(), binaryRows);  // the opened file was another source
    QTest::mouseClick(f.part<QPushButton>("exportCookieButton"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !f.app->cookieManager()->isBusy(); }));
    EXPECT_EQ(f.app->cookieManager()->lastExport(), f.paths->cookieExportFolder() + "/cookiedata.txt");
}

TEST(CookiePane, ChosenSitesAreKeptOrRemovedAndTheSitesViewGroupsThem) {
    CookieApp f;
    f.defaults()->setString(SettingsKeys::ZelmarkData, f.home());
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    QTableView* table = f.part<QTableView>("dataTableView");
    auto* selectSite = named<QPushButton>(f.pane(), "selectSiteButton");
    auto* keep = named<QPushButton>(f.pane(), "keepSiteButton");
    auto* removeSelected = named<QPushButton>(f.pane(), "removeSelectedButton");
    auto* filter = named<QComboBox>(f.pane(), "cookieKeepFilter");
    auto* toggle = named<QPushButton>(f.pane(), "cookieSitesToggle");
    auto* sites = named<QTreeView>(f.pane(), "cookieSitesView");
    EXPECT_FALSE(removeSelected->isEnabled());

    // One cookie of news.example, then all of that site, kept.
    table->selectRow(1);
    EXPECT_TRUE(removeSelected->isEnabled());
    QTest::mouseClick(selectSite, Qt::LeftButton);
    EXPECT_EQ(f.pane()->selectedRecords(), QList<int>({0, 1, 2, 3}));
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_EQ(f.app->cookieManager()->keepList(), QStringList{"news.example"});
    EXPECT_EQ(f.defaults()->stringArrayForKey(SettingsKeys::CookieKeepList), QStringList{"news.example"});
    const int all = f.rows();
    for (const auto& [index, rows] :
         std::initializer_list<std::pair<int, int>>{{1, 4}, {2, all - 4}, {0, all}}) {
        filter->setCurrentIndex(index);
        EXPECT_EQ(f.rows(), rows) << index;
    }
    EXPECT_EQ(f.model()->index(0, CookieTableModel::Kept).data().toString(), "Kept");

    // news.example and shop.example chosen: shop's four go, news's four stay, the question says so.
    table->selectionModel()->select(QItemSelection(f.model()->index(0, 0), f.model()->index(7, 0)),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.alerts->clear();
    QTest::mouseClick(removeSelected, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !f.app->cookieManager()->isBusy(); }));
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.alerts->asked()[0].message, "Remove 4 cookie(s) of 1 site(s)?");
    EXPECT_EQ(f.alerts->asked()[0].informativeText, "4 cookie(s) of kept sites stay.");
    EXPECT_EQ(f.rows(), all - 4);

    // The sites view: one row per site, the kept one marked; a site's row stands for its cookies.
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(f.part<QStackedWidget>("cookieBody")->currentWidget(), sites);
    ASSERT_EQ(sites->model()->rowCount(), 7);
    EXPECT_EQ(sites->model()->index(4, 0).data().toString(), "news.example");
    EXPECT_EQ(sites->model()->index(4, 3).data().toString(), "Kept");
    EXPECT_EQ(sites->model()->rowCount(sites->model()->index(4, 0)), 4);
    sites->selectionModel()->select(sites->model()->index(0, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(f.pane()->selectedRecords().size(), 4);

    // "Remove All Cookies" spares the kept site, after saying so.
    f.alerts->clear();
    QTest::mouseClick(f.part<QPushButton>("removeCookieButton"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !f.app->cookieManager()->isBusy(); }));
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.alerts->asked()[0].informativeText, "4 cookie(s) of kept sites stay.");
    EXPECT_EQ(f.app->cookieManager()->shown().size(), 4);
    EXPECT_EQ(sites->model()->rowCount(), 1);
}

TEST(CookiePane, RowsATriggerKeptStayListedAndTheAlertSaysSo) {
    CookieApp f;
    f.defaults()->setString(SettingsKeys::ZelmarkData, f.home());
    ASSERT_TRUE(f.press(f.part("chromeCookieBtn")));
    const int before = f.rows();
    ASSERT_GT(before, 0);
    const QString database = f.app->cookieManager()->shownSource().path;
    ASSERT_TRUE(CookieFixtures::addDeleteTrigger(database, "cookies", "SELECT RAISE(IGNORE)"));
    f.alerts->clear();
    QTest::mouseClick(f.part<QPushButton>("removeCookieButton"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !f.app->cookieManager()->isBusy(); }));
    EXPECT_EQ(f.rows(), before);
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.alerts->asked()[0].message, QStringLiteral("The cookies were not removed."));
    EXPECT_TRUE(f.alerts->asked()[0].informativeText.contains("are still there"))
        << qPrintable(f.alerts->asked()[0].informativeText);
}

}  // namespace

namespace {

TEST(CookiePane, FreedesktopHomeReadsItsBrowsersAndOpensABinaryFileByPanel) {
    AppFixture f;
    f.sandbox.buildLinuxDemo();
    AppServices services = f.services();
    const auto linux = f.sandbox.linuxPaths();
    services.paths = linux;
    auto app = std::make_unique<AppDelegate>(services);
    app->awakeFromNib();
    app->applicationDidFinishLaunching();
    f.defaults()->setString(SettingsKeys::ZelmarkData, linux->userHome());
    CookiePane* pane = app->cookiePane();
    auto press = [&](PRLeftTipButton* b) {
        QTest::mouseClick(b, Qt::LeftButton);
        return waitUntil([&] { return !app->cookieManager()->isBusy(); });
    };
    ASSERT_TRUE(press(named<PRLeftTipButton>(pane, "chromeCookieBtn")));
    EXPECT_TRUE(app->cookieManager()->shownSource().path.endsWith("google-chrome/Default/Network/Cookies"));
    EXPECT_EQ(named<CookieTableModel>(pane, "cookieTableModel")->rowCount(),
              CookieFixtures::demoChromeCookies().size());
    ASSERT_TRUE(press(named<PRLeftTipButton>(pane, "firefoxCookieBtn")));
    EXPECT_TRUE(
        app->cookieManager()->shownSource().path.endsWith("Profiles/k3x9.default-release/cookies.sqlite"));

    // No binary cookie file belongs to this layout: its button asks for one.
    f.openPanel->setNextFileName(linux->documentsFolder() + "/Cookies.binarycookies");
    ASSERT_TRUE(press(named<PRLeftTipButton>(pane, "safariCookieBtn")));
    ASSERT_EQ(f.openPanel->asked().size(), 1);
    EXPECT_FALSE(f.openPanel->asked()[0].chooseFolders);
    EXPECT_EQ(f.openPanel->asked()[0].startFolder, linux->documentsFolder());
    EXPECT_EQ(app->cookieManager()->shownSource().kind, CookieManager::Source::Kind::Binary);
    EXPECT_TRUE(named<PRLeftTipButton>(pane, "newCookieBtn")->isVisibleTo(pane));
    QTest::mouseClick(named<QPushButton>(pane, "exportNetscapeButton"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !app->cookieManager()->isBusy(); }));
    EXPECT_EQ(app->cookieManager()->lastExport(),
              linux->userHome() + "/Downloads/com.Nordquil.Zelmark/cookies.txt");
    EXPECT_TRUE(f.alerts->asked().isEmpty());
}

}  // namespace
