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
#include "platform/HelperProgram.h"
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

TEST(EmptyTrash, ConfirmedPassEmptiesAndThePermissionAlertStartsTheHelper) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    f.sandbox.writeFile(trash + "/a.txt", "a");
    const QString kept = f.sandbox.makeFolder(f.root.path() + "/Volumes/USB/.Trashes/501/Kept");
    ::chmod(QFile::encodeName(kept).constData(), 0755);
    const QString outside = f.sandbox.writeFile("Users/me/Documents/keep.txt", "keep");
    const QString protectedKept = f.sandbox.makeFolder(f.root.path() + "/Volumes/USB/.Trashes/501/Kept.psd");
    ::chmod(QFile::encodeName(protectedKept).constData(), 0755);
    f.defaults()->setStringArray("FileFormatData", {"psd"});
    auto app = f.launch();
    int helperStarts = 0;
    QStringList handed;
    app->setRunAdmin([&](const QStringList& resisted) {
        ++helperStarts;
        handed = resisted;
    });

    f.alerts->clear();
    f.alerts->setNextAnswers({Alerts::Alternate});
    app->StrongEmptyTrash();  // cancelled: nothing happens
    EXPECT_FALSE(app->emptyController()->isRunning());
    EXPECT_TRUE(QFile::exists(trash + "/a.txt"));

    f.alerts->setNextAnswers({Alerts::Default, Alerts::Default});
    QSignalSpy finished(app->emptyController(), &EmptyController::passFinished);
    app->StrongEmptyTrash();
    EXPECT_FALSE(app->emptyController()->ForceEmptyTrash());  // one pass at a time
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished.first().first().toInt(), 1);
    EXPECT_TRUE(namesIn(trash).isEmpty());
    EXPECT_EQ(helperStarts, 1);
    // Exactly what resisted goes to the helper; the protected folder of the same mode never does.
    EXPECT_EQ(handed, QStringList{kept});
    EXPECT_TRUE(QFileInfo::exists(protectedKept));
    ASSERT_EQ(f.alerts->asked().size(), 3);
    EXPECT_EQ(f.alerts->asked()[1].defaultButton, QStringLiteral(" Empty Trash "));
    EXPECT_TRUE(
        f.alerts->asked()[2].message.startsWith(QLatin1String("The current user does not have permission")));
    EXPECT_TRUE(QFile::exists(outside));
}

TEST(EmptyTrash, ThePermissionAlertStartsTolvikUnlessABlockingApplicationRuns) {
    AppFixture f;
    auto app = f.launch();
    const QStringList resisted{f.paths->userTrash() + "/Locked", f.paths->userTrash() + "/a b"};
    f.alerts->setNextAnswers({Alerts::Default, Alerts::Alternate, Alerts::Default, Alerts::Default});
    app->ShowForceEmptyAlertToMainThread(resisted);
    ASSERT_EQ(f.authorization->startedPrograms().size(), 1);
    EXPECT_TRUE(f.authorization->startedPrograms()[0].endsWith(QLatin1String("Tolvik")));
    EXPECT_EQ(f.authorization->startedArguments()[0], HelperProgram::removalArguments(resisted));
    app->ShowForceEmptyAlertToMainThread(resisted);  // " Cancel ": nothing
    EXPECT_EQ(f.authorization->startedPrograms().size(), 1);
    app->ShowForceEmptyAlertToMainThread({});  // nothing named: never a whole emptying
    EXPECT_EQ(f.authorization->startedPrograms().size(), 1);
    f.workspace->setLaunchedApplications({QStringLiteral("com.Halmorin.Revallo")});
    app->ShowForceEmptyAlertToMainThread(resisted);
    EXPECT_EQ(f.authorization->startedPrograms().size(), 1);
}

TEST(EmptyTrash, ProtectedItemsStayAndTheConfirmWindowListsThem) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    f.sandbox.writeFile(trash + "/Poster.PSD", "p");
    f.sandbox.writeFile(trash + "/plan.txt", "p");
    f.sandbox.writeFile(trash + "/junk.txt", "j");
    DSStoreWriter records;
    records.add(QStringLiteral("plan.txt"), QStringLiteral("Users/me/Projects/Corvid/"));
    ASSERT_TRUE(records.write(f.paths->trashRecordsFile()));
    f.defaults()->setStringArray("FileFormatData", {"psd"});
    f.defaults()->setStringArray("FileLocationData", {f.root.path() + "/Users/me/projects"});
    auto app = f.launch();
    for (int pass = 0; pass < 2; ++pass) {
        f.alerts->setNextAnswers({Alerts::Default});
        QSignalSpy finished(app->emptyController(), &EmptyController::passFinished);
        app->StrongEmptyTrash();
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_EQ(namesIn(trash), (QStringList{".DS_Store", "Poster.PSD", "plan.txt"}));
        EXPECT_TRUE(reinterpret_cast<QWidget*>(app->theConfirmWindow())->isVisible());
        EXPECT_EQ(app->theConfirmWindow()->content().size(), 2);  // each entry once, every pass
    }
}

}  // namespace
