#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTableView>

#include "platform/Workspace.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashNavigation.h"
#include "trash/TrashScanner.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"

namespace {

QStringList shownPaths(const TrashTableModel* model) {
    QStringList paths;
    for (int row = 0; row < model->rowCount(); ++row) paths << model->itemAt(row)->theTrashPath;
    return paths;
}

QStringList pathsOf(const QList<CVTrashFileNode::Ptr>& items) {
    QStringList paths;
    for (const auto& item : items) paths << item->theTrashPath;
    return paths;
}

// A Trash of a few thousand files and a dozen folders, one of them too big to list in one part.
struct RowsFixture {
    AppFixture f;
    QString trash = f.paths->userTrash();
    RowsFixture() {
        for (int i = 0; i < 3000; ++i)
            f.sandbox.writeFile(trash + QStringLiteral("/file %1.txt").arg(i), "x");
        for (int i = 0; i < 12; ++i)
            f.sandbox.writeFile(trash + QStringLiteral("/dir %1/in.txt").arg(i), "yy");
        for (int i = 0; i < 1300; ++i) f.sandbox.writeFile(trash + QStringLiteral("/big/%1.bin").arg(i), "z");
    }
    TrashScanResult fullScan() {
        auto files = std::make_shared<ItemSizes>(f.paths, f.tasks);
        return TrashScanner(f.paths, files, std::make_shared<TrashOrigPaths>(),
                            std::make_shared<Workspace>(f.paths))
            .scan();
    }
};

// The program launched on the fixture, its Trash browser and table.
class LaunchedTrashWindowRows : public ::testing::Test {
  protected:
    RowsFixture r;
    std::unique_ptr<AppDelegate> app = r.f.launch();
    TrashBrowser* browser = app->trashBrowser();
    TrashTableModel* model = browser->tableModel();
};

TEST_F(LaunchedTrashWindowRows, RowsArriveInBatchesBeforeTheEndAndARescanReplacesThem) {
    QSignalSpy done(browser, &TrashBrowser::scanFinished);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
    int rowsBeforeEnd = 0;
    QObject::connect(model, &QAbstractItemModel::rowsInserted, model, [&] {
        if (done.isEmpty()) rowsBeforeEnd = model->rowCount();
    });

    browser->ScanUserTrashFile();
    ASSERT_TRUE(waitUntil([&] { return !done.isEmpty(); }, 60000));
    EXPECT_GT(rowsBeforeEnd, 0);
    EXPECT_GE(inserts.count(), 2);  // more than one batch
    EXPECT_EQ(resets.count(), 1);   // the empty list at the start, none per batch
    const TrashScanResult scan = r.fullScan();
    const QList<CVTrashFileNode::Ptr>& full = scan.items;
    EXPECT_EQ(shownPaths(model), pathsOf(full));
    EXPECT_EQ(browser->trashFileSize(), scan.trashFileSize);

    // Sorted and filtered while the next scan runs: the end has every row once, in order.
    model->sort(TrashTableModel::Name, Qt::DescendingOrder);
    browser->ScanUserTrashFile();
    browser->window()->setFilterText(QStringLiteral("FILE 1"));
    ASSERT_TRUE(waitUntil([&] { return done.count() == 2; }, 60000));
    QList<CVTrashFileNode::Ptr> expected;
    for (const auto& item : full)
        if (TrashTableModel::matches(*item, QStringLiteral("FILE 1"))) expected << item;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return TrashTableModel::lessThan(*b, *a, 0); });
    EXPECT_EQ(shownPaths(model), pathsOf(expected));
    EXPECT_EQ(browser->navigation().trashItemsArray().size(), full.size());
    EXPECT_EQ(browser->trashFileSize(), scan.trashFileSize);
}

TEST_F(LaunchedTrashWindowRows, ABigFolderShowsItsFirstEntriesAtOnceAndTheRestFollow) {
    QSignalSpy done(browser, &TrashBrowser::scanFinished);
    browser->ScanUserTrashFile();
    ASSERT_TRUE(done.wait(60000));
    const auto big =
        model->itemAt(model->rowOf(*std::find_if(model->items().begin(), model->items().end(),
                                                 [](const auto& i) { return i->theFileName == "big"; })));
    ASSERT_TRUE(big);
    auto* table = browser->window()->findChild<QTableView*>("theTableView");

    QSignalSpy listed(browser, &TrashBrowser::folderListed);
    table->setCurrentIndex(model->index(model->rowOf(big), 0));
    browser->doubleclickAction();
    EXPECT_GT(model->rowCount(), 0);  // at once, before any event is served
    EXPECT_LT(model->rowCount(), 1300);
    ASSERT_TRUE(listed.wait(60000));
    auto files = std::make_shared<ItemSizes>(r.f.paths, r.f.tasks);
    EXPECT_EQ(shownPaths(model), pathsOf(TrashNavigation::folderItems(*big, *files)));

    // Left while it is listed: nothing of it reaches the top level shown after.
    browser->clickBackViewAction();
    browser->clickBackViewAction();
    table->setCurrentIndex(model->index(model->rowOf(big), 0));
    browser->doubleclickAction();
    browser->clickBackViewAction();
    browser->clickBackViewAction();
    ASSERT_TRUE(waitUntil([&] { return !browser->isListingFolder(); }));
    EXPECT_EQ(shownPaths(model), pathsOf(r.fullScan().items));
}

TEST(TrashWindowRows, ClosingTheWindowMidScanEndsCleanly) {
    RowsFixture r;
    auto app = r.f.launch();
    TrashBrowser* browser = app->trashBrowser();
    QSignalSpy inserts(browser->tableModel(), &QAbstractItemModel::rowsInserted);
    browser->ScanUserTrashFile();
    ASSERT_TRUE(browser->isScanning());
    ASSERT_TRUE(inserts.wait(60000));
    browser->window()->close();
    app.reset();  // the scan stops at its next batch; no batch reaches a window that is gone
    SUCCEED();
}

// Batches come in while the filter and the order change: the rows are always the records that
// pass the filter, each once, the new ones at the end; the list keeps every record in its order.
TEST(TrashWindowRows, BatchesAroundFilterAndOrderChangesGiveEachMatchingRowOnce) {
    TrashTableModel model;
    QList<CVTrashFileNode::Ptr> all;
    auto add = [&](QStringList names) {
        QList<CVTrashFileNode::Ptr> batch;
        for (const QString& name : names) {
            batch << CVTrashFileNode::create();
            batch.last()->theFileName = name;
            batch.last()->theTrashPath = "/t/" + name;
        }
        all << batch;
        model.appendItems(batch);
    };
    auto rows = [&] {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row) names << model.itemAt(row)->theFileName;
        return names.join(' ');
    };
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    add({"a1", "b1"});
    model.setFilterText("A");
    add({"b2", "a2"});
    EXPECT_EQ(rows(), "a1 a2");
    model.setFilterText(QString());
    add({"a3"});
    EXPECT_EQ(rows(), "a1 b1 b2 a2 a3");
    model.sort(TrashTableModel::Name, Qt::DescendingOrder);
    add({"c1"});
    model.sortAppended();
    EXPECT_EQ(rows(), "c1 b2 b1 a3 a2 a1");
    EXPECT_EQ(pathsOf(model.items()), pathsOf(all));
    ASSERT_EQ(inserts.count(), 4);
    EXPECT_EQ(inserts[3][1].toInt(), 5);  // after the sorted rows, until sorted in
}

}  // namespace
