#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "empty/EmptyController.h"
#include "erase/EraseController.h"
#include "erase/OverwriteReach.h"
#include "platform/WorkProgress.h"
#include "protect/ProtectConfirmWindow.h"
#include "support/AppFixture.h"
#include "support/DSStoreWriter.h"
#include "support/HostileFs.h"
#include "support/TrashUi.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"
#include "widgets/ProgressPanel.h"
#include "widgets/ProgressWindow.h"

namespace {

using namespace TrashUi;

TEST(TrashTableActions, DeleteRemovesTheSelectionAndTheClickedRowAndNothingElse) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    for (const char* n : {"one", "two", "three", "four", "five", "six"})
        f.sandbox.writeFile(trash + "/" + n, n);
    auto app = f.launch();
    scan(*app);
    QTableView* table = app->trashBrowser()->window()->findChild<QTableView*>("theTableView");
    auto* model = app->trashBrowser()->tableModel();
    for (const char* n : {"one", "two", "three"})
        table->selectionModel()->select(model->index(rowOf(*app, n), 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    app->trashBrowser()->setClickedRow(rowOf(*app, "five"));
    actAndWait(*app, &AppDelegate::DeleteTrashItemAction);
    EXPECT_EQ(namesIn(trash), (QStringList{"four", "six"}));
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_TRUE(f.alerts->asked().isEmpty());
}

TEST(TrashTableActions, EachSelectedItemIsCheckedAndWhatResistedStaysWithOnePermissionAlert) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    for (const char* n : {"one", "locked-a", "locked-b", "two"}) f.sandbox.writeFile(trash + "/" + n, n);
    if (!HostileFs::setImmutable(trash + "/locked-a", true)) GTEST_SKIP() << "no immutable flag here";
    HostileFs::setImmutable(trash + "/locked-b", true);
    auto app = f.launch();
    scan(*app);
    QTableView* table = app->trashBrowser()->window()->findChild<QTableView*>("theTableView");
    auto* model = app->trashBrowser()->tableModel();
    for (const char* n : {"one", "locked-a", "locked-b"})
        table->selectionModel()->select(model->index(rowOf(*app, n), 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    app->trashBrowser()->setClickedRow(rowOf(*app, "one"));  // the clicked one goes; two others resist
    f.alerts->clear();
    f.alerts->setNextAnswers({Alerts::Alternate});
    actAndWait(*app, &AppDelegate::DeleteTrashItemAction);
    EXPECT_EQ(namesIn(trash), (QStringList{"locked-a", "locked-b", "two"}));
    EXPECT_GE(rowOf(*app, "locked-a"), 0);
    EXPECT_GE(rowOf(*app, "locked-b"), 0);
    EXPECT_EQ(rowOf(*app, "one"), -1);
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_TRUE(
        f.alerts->asked()[0].message.startsWith(QLatin1String("The current user does not have permission")));
    HostileFs::setImmutable(trash + "/locked-a", false);
    HostileFs::setImmutable(trash + "/locked-b", false);
}

TEST(TrashTableActions, TheHelperIsHandedTheOneItemThatResistedNotTheTrash) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    for (const char* n : {"locked-a", "locked-b", "other.txt"}) f.sandbox.writeFile(trash + "/" + n, n);
    if (!HostileFs::setImmutable(trash + "/locked-a", true)) GTEST_SKIP() << "no immutable flag here";
    HostileFs::setImmutable(trash + "/locked-b", true);
    auto app = f.launch();
    QList<QStringList> handed;
    app->setRunAdmin([&](const QStringList& resisted) { handed << resisted; });
    scan(*app);
    app->trashBrowser()->setClickedRow(rowOf(*app, "locked-a"));
    f.alerts->clear();
    f.alerts->setNextAnswers({Alerts::Default});
    actAndWait(*app, &AppDelegate::DeleteTrashItemAction);
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(handed, QList<QStringList>{{trash + "/locked-a"}});
    EXPECT_EQ(namesIn(trash), (QStringList{"locked-a", "locked-b", "other.txt"}));
    HostileFs::setImmutable(trash + "/locked-a", false);
    HostileFs::setImmutable(trash + "/locked-b", false);
}

TEST(TrashTableActions, ALinkToAFolderIsAnItemNeverAWayIn) {
    AppFixture f;
    const QString outside = f.sandbox.writeFile("Users/me/Documents/keep.txt", "keep");
    f.sandbox.makeFolder(f.paths->userTrash());
    ASSERT_TRUE(QFile::link(QFileInfo(outside).absolutePath(), f.paths->userTrash() + "/Docs link"));
    auto app = f.launch();
    scan(*app);
    const int row = rowOf(*app, "Docs link");
    ASSERT_GE(row, 0);
    EXPECT_FALSE(
        app->trashBrowser()->navigation().enterFolder(app->trashBrowser()->tableModel()->itemAt(row)));
    app->trashBrowser()->setClickedRow(row);
    actAndWait(*app, &AppDelegate::DeleteTrashItemAction);
    EXPECT_FALSE(QFileInfo(f.paths->userTrash() + "/Docs link").isSymLink());
    EXPECT_TRUE(QFile::exists(outside));
}

TEST(TrashTableActions, PutBackNeverReplacesAndNamesWhatStayed) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    f.sandbox.writeFile(trash + "/free.txt", "free");
    f.sandbox.writeFile(trash + "/taken.txt", "from the trash");
    f.sandbox.writeFile(trash + "/unknown.txt", "?");
    const QString takenPlace = f.sandbox.writeFile("Users/me/Documents/taken.txt", "already there");
    DSStoreWriter records;
    records.add(QStringLiteral("free.txt"), QStringLiteral("Users/me/Gone/Deeper/"));
    records.add(QStringLiteral("taken.txt"), QStringLiteral("Users/me/Documents/"));
    ASSERT_TRUE(records.write(f.paths->trashRecordsFile()));
    auto app = f.launch();
    scan(*app);
    QTableView* table = app->trashBrowser()->window()->findChild<QTableView*>("theTableView");
    auto* model = app->trashBrowser()->tableModel();
    for (const char* n : {"free.txt", "taken.txt", "unknown.txt"})
        table->selectionModel()->select(model->index(rowOf(*app, n), 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    app->trashBrowser()->setClickedRow(rowOf(*app, "free.txt"));
    f.alerts->clear();
    actAndWait(*app, &AppDelegate::PutBackAction);
    EXPECT_TRUE(QFile::exists(f.root.path() + "/Users/me/Gone/Deeper/free.txt"));  // folder chain recreated
    QFile place(takenPlace);
    ASSERT_TRUE(place.open(QIODevice::ReadOnly));
    EXPECT_EQ(place.readAll(), QByteArray("already there"));
    EXPECT_TRUE(QFile::exists(trash + "/taken.txt"));
    EXPECT_GE(rowOf(*app, "taken.txt"), 0);
    EXPECT_GE(rowOf(*app, "unknown.txt"), 0);
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_TRUE(f.alerts->asked()[0].informativeText.contains(QLatin1String("taken.txt")));
    EXPECT_FALSE(f.alerts->asked()[0].informativeText.contains(QLatin1String("unknown.txt")));
}

TEST(TrashTableActions, PutBackOutsideItsVolumeAsksFirst) {
    struct Case {
        const char* what;
        QStringList selected;
        QList<int> answers;
        int questions;
        QStringList back;  ///< of the selected, what was put back
    };
    const Case cases[] = {
        {"agreed", {"x.desktop", "inside.txt"}, {Alerts::Default}, 1, {"x.desktop", "inside.txt"}},
        {"declined", {"x.desktop", "inside.txt"}, {Alerts::Alternate}, 1, {"inside.txt"}},
        {"declined, nothing else", {"x.desktop"}, {Alerts::Alternate}, 1, {}},
        {"only inside its volume", {"inside.txt"}, {}, 0, {"inside.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppFixture f;
        f.sandbox.buildLinuxDemo();
        const auto linux = f.sandbox.linuxPaths();
        const QString usb = f.root.path() + "/media/me/USB";
        const QString usbTrash = usb + "/.Trash-" + QString::number(linux->uid());
        f.sandbox.trashItem(usbTrash, "x.desktop", "/home/me/.config/autostart/x.desktop");
        f.sandbox.trashItem(usbTrash, "inside.txt", "docs/inside.txt");
        const QHash<QString, QString> places{
            {"x.desktop", linux->userHome() + "/.config/autostart/x.desktop"},
            {"inside.txt", usb + "/docs/inside.txt"}};
        AppServices services = f.services();
        services.paths = linux;
        services.workspace = std::make_shared<RecordingWorkspace>(linux);
        auto app = std::make_unique<AppDelegate>(services);
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
        scan(*app);
        selectRows(*app, c.selected);
        app->trashBrowser()->setClickedRow(rowOf(*app, c.selected.first()));
        f.alerts->clear();
        f.alerts->setNextAnswers(c.answers);
        actAndWait(*app, &AppDelegate::PutBackAction);
        ASSERT_EQ(f.alerts->asked().size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(f.alerts->asked()[0].message, QStringLiteral("Put back outside the volume?"));
            EXPECT_TRUE(f.alerts->asked()[0].informativeText.contains(places["x.desktop"]));
            EXPECT_FALSE(f.alerts->asked()[0].informativeText.contains("inside.txt"));
        }
        for (const QString& name : c.selected) {
            const bool back = c.back.contains(name);
            EXPECT_EQ(QFile::exists(places[name]), back) << qPrintable(name);
            EXPECT_EQ(QFile::exists(usbTrash + "/files/" + name), !back) << qPrintable(name);
            EXPECT_EQ(rowOf(*app, name) >= 0, !back) << qPrintable(name);
        }
    }
}

TEST(TrashTableActions, ALargeDeleteRunsOnAWorkerWhileTheWindowsStayResponsive) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    for (int i = 0; i < 10000; ++i) f.sandbox.writeFile(trash + QStringLiteral("/Big/f%1").arg(i), "x");
    f.sandbox.writeFile(trash + "/other.txt", "o");
    auto app = f.launch();
    scan(*app);
    TrashBrowser* browser = app->trashBrowser();
    auto* bar = browser->window()->findChild<QProgressBar*>(QStringLiteral("actionProgress"));
    auto* cancel = browser->window()->findChild<QPushButton*>(QStringLiteral("cancelActionButton"));
    ASSERT_TRUE(bar && cancel);
    EXPECT_FALSE(bar->isVisible());

    int ticks = 0;
    int ticksWhenFinished = -1;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    QSignalSpy finished(browser, &TrashBrowser::actionFinished);
    QObject::connect(browser, &TrashBrowser::actionFinished, [&] { ticksWhenFinished = ticks; });
    browser->setClickedRow(rowOf(*app, "Big"));
    app->DeleteTrashItemAction();
    EXPECT_TRUE(browser->isActing());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(cancel->isVisible());
    // Determinate: by bytes, as the listing gave the item's size (it was by its one item before).
    EXPECT_EQ(bar->maximum(), WorkProgress::BarSteps);
    app->DeleteTrashItemAction();  // one action at a time: ignored
    ASSERT_TRUE(finished.wait(120000));
    EXPECT_GT(ticksWhenFinished, 0);  // the main thread served its timer during the delete
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(namesIn(trash), QStringList{"other.txt"});
    EXPECT_EQ(rowOf(*app, "Big"), -1);
    EXPECT_GE(rowOf(*app, "other.txt"), 0);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(f.alerts->asked().isEmpty());
}

TEST(TrashTableActions, CancelStopsBetweenItemsAndWhatIsLeftStaysListedWithoutAnAlert) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    const QStringList folders{"A", "B", "C", "D"};
    for (const QString& folder : folders)
        for (int i = 0; i < 2000; ++i)
            f.sandbox.writeFile(trash + QStringLiteral("/%1/f%2").arg(folder).arg(i), "x");
    auto app = f.launch();
    scan(*app);
    TrashBrowser* browser = app->trashBrowser();
    selectRows(*app, folders);
    browser->setClickedRow(rowOf(*app, "A"));
    f.alerts->clear();
    QSignalSpy finished(browser, &TrashBrowser::actionFinished);
    app->SafeDeleteItemAction();
    auto* cancel = browser->window()->findChild<QPushButton*>(QStringLiteral("cancelActionButton"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(finished.wait(120000));

    const QStringList left = namesIn(trash);
    EXPECT_FALSE(left.isEmpty());
    for (const QString& folder : folders)  // listed exactly when still in the Trash
        EXPECT_EQ(rowOf(*app, folder) >= 0, left.contains(folder)) << folder.toStdString();
    EXPECT_TRUE(f.alerts->asked().isEmpty());  // stopped by the user: no permission alert
    EXPECT_FALSE(browser->window()->findChild<ProgressPanel*>("actionProgressPanel")->isVisible());
}

}  // namespace
