#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "support/AppFixture.h"
#include "support/DSStoreWriter.h"
#include "support/EventWait.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashTreeModel.h"
#include "trash/TrashWindow.h"

namespace {

int rowNamed(TrashTableModel* model, const QString& name) {
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->itemAt(row)->theFileName == name) return row;
    return -1;
}

TEST(TrashWindow, ScanFillsTheTableAndTheLabelOnTheMainThread) {
    AppFixture f;
    const QString trash = f.paths->userTrash();
    f.sandbox.writeSizedFile(trash + "/report.pdf", 1500);
    f.sandbox.writeFile(trash + "/Photos/a.jpg", "jpg");
    DSStoreWriter records;
    records.add(QStringLiteral("report.pdf"), QStringLiteral("Users/me/Desktop/"));
    ASSERT_TRUE(records.write(f.paths->trashRecordsFile()));
    auto app = f.launch();
    TrashBrowser* browser = app->trashBrowser();
    TrashWindow* w = browser->window();
    auto* back = w->findChild<QToolButton*>("backBtn");
    auto* spinner = w->findChild<QProgressBar*>("theIndProcesser");
    auto* table = w->findChild<QTableView*>("theTableView");
    EXPECT_TRUE(back->isHidden());
    EXPECT_TRUE(spinner->isHidden());

    QSignalSpy done(browser, &TrashBrowser::scanFinished);
    QTest::mouseClick(w->findChild<QPushButton*>("checkTrashButton"), Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());
    ASSERT_TRUE(browser->isScanning());
    {
        LogCapture log;
        browser->ScanUserTrashFile();  // a second request while scanning is ignored
        EXPECT_TRUE(
            log.lines().contains(QStringLiteral("A trash scan is already running; the request is ignored.")));
    }
    ASSERT_TRUE(done.wait(30000));
    // Nothing is left running once the first scan is handed back, so no second one can follow.
    EXPECT_FALSE(browser->isScanning());
    EXPECT_EQ(done.count(), 1);
    EXPECT_TRUE(spinner->isHidden());

    TrashTableModel* model = browser->tableModel();
    ASSERT_EQ(model->rowCount(), 3);  // report.pdf, Photos, DS_Store
    const int report = rowNamed(model, "report.pdf");
    ASSERT_GE(report, 0);
    EXPECT_EQ(model->data(model->index(report, TrashTableModel::Size), Qt::DisplayRole).toString(),
              QStringLiteral("1.50KB"));
    EXPECT_EQ(model->data(model->index(report, TrashTableModel::Path), Qt::DisplayRole).toString(),
              f.root.path() + "/Users/me/Desktop/report.pdf");
    EXPECT_FALSE(
        model->data(model->index(report, TrashTableModel::Name), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(
        w->findChild<QLabel*>("trashStoragelab")->text().startsWith(QLatin1String("Trash Storage - - ")));
    EXPECT_EQ(TrashTableModel::columnIdentifier(TrashTableModel::Permisson), QStringLiteral("Permisson"));

    // Double-click a folder: enter it; the back button appears; back returns to the top level.
    const int photos = rowNamed(model, "Photos");
    table->selectRow(photos);
    table->setCurrentIndex(model->index(photos, 0));
    app->doubleclickAction();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->itemAt(0)->theFileName, QStringLiteral("a.jpg"));
    EXPECT_FALSE(back->isHidden());
    table->setCurrentIndex(model->index(0, 0));
    app->doubleclickAction();  // a file: nothing
    EXPECT_EQ(model->rowCount(), 1);
    browser->setClickedRow(0);
    app->OpenMenuAction();  // a file through the menu: opened
    EXPECT_EQ(f.workspace->openedFiles(), QStringList{trash + "/Photos/a.jpg"});
    app->ShowinFinderAction();
    EXPECT_EQ(f.workspace->revealedFiles(), QStringList{trash + "/Photos/a.jpg"});
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_TRUE(back->isHidden());
}

TEST(TrashWindow, ActionsWorkOnTheSelectionPlusTheClickedRow) {
    AppFixture f;
    for (int i = 0; i < 6; ++i)
        f.sandbox.writeFile(f.paths->userTrash() + QStringLiteral("/f%1.txt").arg(i), "x");
    auto app = f.launch();
    TrashBrowser* browser = app->trashBrowser();
    QSignalSpy done(browser, &TrashBrowser::scanFinished);
    browser->ScanUserTrashFile();
    ASSERT_TRUE(done.wait(30000));
    QTableView* table = browser->window()->findChild<QTableView*>("theTableView");
    browser->setClickedRow(4);
    EXPECT_EQ(browser->itemsForAction().size(), 1);  // nothing selected: the clicked row alone
    table->selectRow(0);
    table->selectionModel()->select(browser->tableModel()->index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    table->selectionModel()->select(browser->tableModel()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const auto items = browser->itemsForAction();
    ASSERT_EQ(items.size(), 4);
    for (int i : {0, 1, 2}) EXPECT_EQ(items[i], browser->tableModel()->itemAt(i));
    EXPECT_EQ(items[3], browser->tableModel()->itemAt(4));
    browser->setClickedRow(-1);
    EXPECT_TRUE(browser->itemsForAction().isEmpty());
    browser->setClickedRow(99);
    EXPECT_TRUE(browser->itemsForAction().isEmpty());
}

TEST(TrashWindow, DateColumnFormats) {
    EXPECT_EQ(TrashTableModel::dateText(QStringLiteral("2017-03-28 10:11:12 +0000")),
              QStringLiteral("2017-03-28 10:11:12"));
    EXPECT_EQ(TrashTableModel::dateText(QStringLiteral("2017-03-28  10:11:12 +0000")),
              QStringLiteral("2017-03-28  10:11:12 +0000"));  // not three parts: shown whole
    EXPECT_EQ(TrashTableModel::dateText(QDateTime(QDate(2017, 3, 28), QTime(10, 11, 12), Qt::UTC)),
              QStringLiteral("2017-03-28 10:11:12"));
    EXPECT_EQ(TrashTableModel::scaledIntoBox(QSize(100, 50)), QSize(18, 9));
    EXPECT_EQ(TrashTableModel::scaledIntoBox(QSize(30, 60)), QSize(9, 18));
}

TEST(TrashWindow, TreeTabBuildsOffTheMainThread) {
    AppFixture f;
    f.sandbox.writeFile(f.paths->userTrash() + "/a.txt", "a");
    f.sandbox.writeFile(f.paths->userTrash() + "/F/b.txt", "b");
    auto app = f.launch();
    TrashBrowser* browser = app->trashBrowser();
    QSignalSpy built(browser, &TrashBrowser::treeBuilt);
    QTest::mouseClick(browser->window()->findChild<QPushButton*>("buildTreeButton"), Qt::LeftButton);
    ASSERT_TRUE(built.wait(30000));
    TrashTreeModel* tree = browser->treeModel();
    ASSERT_EQ(tree->rowCount(), 2);
    const QModelIndex folder = tree->index(1, 0);
    EXPECT_EQ(tree->data(folder, Qt::DisplayRole).toString(), QStringLiteral("F"));
    ASSERT_EQ(tree->rowCount(folder), 1);
    EXPECT_EQ(tree->data(tree->index(0, 0, folder), Qt::DisplayRole).toString(), QStringLiteral("b.txt"));
    EXPECT_EQ(tree->parent(tree->index(0, 0, folder)), folder);
}

}  // namespace
