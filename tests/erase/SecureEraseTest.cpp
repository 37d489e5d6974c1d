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

TEST(SecureErase, PanelAndDropsConfirmWithTheListText) {
    AppFixture f;
    const QString one = f.sandbox.writeFile("pick/one.txt", "1");
    const QString two = f.sandbox.writeFile("pick/100% two.txt", "2");
    auto app = f.launch();
    QString startedIn;
    app->setErasePanel([&](const QString& start) {
        startedIn = start;
        return QStringList{one, two};
    });
    f.alerts->clear();
    f.alerts->setNextAnswers({Alerts::Alternate});
    app->StartSafeDeleteFileAction();
    EXPECT_EQ(startedIn, f.paths->userTrash());
    ASSERT_EQ(f.alerts->asked().size(), 1);
    EXPECT_EQ(f.alerts->asked()[0].informativeText, " \n " + one + " \n " + two);
    EXPECT_EQ(f.alerts->asked()[0].defaultButton, QStringLiteral(" Erase "));
    EXPECT_TRUE(QFile::exists(one));

    QSignalSpy done(app->eraseController(), &EraseController::EraseAllFinishedHanderToMainThread);
    f.alerts->setNextAnswers({Alerts::Default});
    app->application_openFiles({one, two});
    ASSERT_TRUE(done.wait(30000));
    EXPECT_FALSE(QFile::exists(one));
    EXPECT_FALSE(QFile::exists(two));
}

TEST(SecureErase, TheCopyOnWriteWarningShowsOnceAfterTheFirstErase) {
    struct OnBtrfs {
        OnBtrfs() {
            OverwriteReach::setTypeLookup([](const QString&) { return 0x9123683Eu; });
        }
        ~OnBtrfs() {
            OverwriteReach::setTypeLookup({});
            OverwriteReach::resetWarning();
        }
    } btrfs;
    OverwriteReach::resetWarning();
    AppFixture f;
    const QString one = f.sandbox.writeFile("pick/one.txt", "1");
    f.sandbox.writeFile(f.paths->userTrash() + "/two.txt", "2");
    auto app = f.launch();
    f.alerts->clear();
    QSignalSpy done(app->eraseController(), &EraseController::EraseAllFinishedHanderToMainThread);
    f.alerts->setNextAnswers({Alerts::Default});
    app->application_openFiles({one});
    ASSERT_TRUE(done.wait(30000));
    ASSERT_EQ(f.alerts->asked().size(), 2);  // the confirmation, then the warning
    EXPECT_TRUE(f.alerts->asked()[1].informativeText.contains(QLatin1String("btrfs")));

    scan(*app);
    app->trashBrowser()->setClickedRow(rowOf(*app, "two.txt"));
    actAndWait(*app, &AppDelegate::SafeDeleteItemAction);  // the same run: no second warning
    EXPECT_FALSE(QFile::exists(f.paths->userTrash() + "/two.txt"));
    EXPECT_EQ(f.alerts->asked().size(), 2);
}

TEST(SecureErase, TheProgressWindowFollowsAnEraseAndItsCancelStopsIt) {
    AppFixture f;
    QStringList chosen;
    for (const char* folder : {"pick/one", "pick/two", "pick/three"}) {
        for (int i = 0; i < 500; ++i)
            f.sandbox.writeFile(QStringLiteral("%1/f%2").arg(folder).arg(i), "secret");
        chosen << f.root.file(folder);
    }
    auto app = f.launch();
    QSignalSpy done(app->eraseController(), &EraseController::EraseAllFinishedHanderToMainThread);
    f.alerts->setNextAnswers({Alerts::Default});
    app->application_openFiles(chosen);
    ProgressWindow* progress = app->eraseProgressWindow();
    ASSERT_TRUE(progress->findChild<ProgressPanel*>("actionProgressPanel")->isTracking());
    EXPECT_EQ(progress->findChild<QProgressBar*>("actionProgress")->maximum(), 3);
    f.alerts->setNextAnswers({Alerts::Default});
    app->application_openFiles({chosen.first()});  // one erase at a time: not even asked
    EXPECT_EQ(f.alerts->asked().size(), 1);
    QTest::mouseClick(progress->findChild<QPushButton*>("cancelActionButton"), Qt::LeftButton);
    ASSERT_TRUE(done.wait(120000));
    EXPECT_TRUE(QFile::exists(chosen.last()));  // stopped before the last one
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(progress->findChild<ProgressPanel*>("actionProgressPanel")->isTracking());
    EXPECT_FALSE(app->eraseController()->isRunning());
}

}  // namespace
