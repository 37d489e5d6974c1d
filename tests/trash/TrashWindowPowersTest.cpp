// The Trash window's filter, Deleted column, put-back question, Undo button and total, driven
// through its real widgets on a freedesktop sandbox.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "core/FileUtilities.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "support/TrashUi.h"
#include "trash/PutBackQuestionBox.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashInfo.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashJournal.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"

namespace {

using WhenTaken = TrashItemActions::WhenTaken;

// A launched application on the freedesktop layout of the fixture's root.
struct LinuxApp {
    AppFixture f;
    std::shared_ptr<FreedesktopPaths> paths = f.sandbox.linuxPaths();
    QString trash = paths->userTrashFolder();
    QString home = paths->userHome();
    std::unique_ptr<AppDelegate> app;

    LinuxApp() { f.sandbox.writeMountTable({}); }
    // An item of the home Trash whose record names `place` (under the home).
    QString item(const QString& name, const QString& place, const QByteArray& content = "x",
                 const QDateTime& deleted = QDateTime(QDate(2026, 11, 20), QTime(9, 30))) {
        // A record names the account's own path; the layout places it under the root.
        return f.sandbox.trashItem(trash, name, paths->outOfRoot(place), content, false, deleted);
    }
    void launch() {
        AppServices s = f.services();
        s.paths = paths;
        s.workspace = std::make_shared<RecordingWorkspace>(paths);
        app = std::make_unique<AppDelegate>(s);
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
    }
    TrashBrowser* browser() const { return app->trashBrowser(); }
    TrashWindow* window() const { return browser()->window(); }
    TrashTableModel* model() const { return browser()->tableModel(); }
    void scan() {
        QSignalSpy done(browser(), &TrashBrowser::scanFinished);
        QTest::mouseClick(window()->findChild<QPushButton*>("checkTrashButton"), Qt::LeftButton);
        ASSERT_TRUE(done.wait(30000));
    }
    int row(const QString& name) const {
        for (int r = 0; r < model()->rowCount(); ++r)
            if (model()->itemAt(r)->theFileName == name) return r;
        return -1;
    }
    QStringList shown() const {
        QStringList names;
        for (int r = 0; r < model()->rowCount(); ++r) names << model()->itemAt(r)->theFileName;
        return names;
    }
    template <typename Action>
    void act(Action action) {
        QSignalSpy finished(browser(), &TrashBrowser::actionFinished);
        (browser()->*action)();
        ASSERT_TRUE(finished.wait(60000));
    }
    void putBack(const QStringList& names) {
        QTableView* table = window()->findChild<QTableView*>("theTableView");
        table->clearSelection();
        for (const QString& n : names)
            table->selectionModel()->select(model()->index(row(n), 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        browser()->setClickedRow(row(names.first()));
        act(&TrashBrowser::PutBackAction);
    }
    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

CVTrashFileNode::Ptr node(const QString& name, const QString& place, const QDateTime& deleted = {}) {
    auto n = CVTrashFileNode::create();
    n->theFileName = name;
    n->theOrignalpath = place;
    n->theTrashPath = QStringLiteral("/t/") + name;
    n->deletionDate = deleted;
    return n;
}

QStringList namesOf(const TrashTableModel& model) {
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r) names << model.itemAt(r)->theFileName;
    return names;
}

TEST(TrashWindowPowers, FilterMatchesNameOrOriginalPlaceCaseAside) {
    struct Case {
        const char* text;
        QStringList shown;
    };
    TrashTableModel model;
    model.setItems({node("Report.PDF", "/home/me/Work/Report.PDF"),
                    node("photo.jpg", "/home/me/Pictures/photo.jpg"), node("unknown.txt", "--"),
                    node("budget.ods", "/home/me/Work/Money/budget.ods")});
    const Case cases[] = {
        {"", {"Report.PDF", "photo.jpg", "unknown.txt", "budget.ods"}},
        {"report", {"Report.PDF"}},              // name, case aside
        {"WORK", {"Report.PDF", "budget.ods"}},  // original place
        {"pictures/", {"photo.jpg"}},            // a piece of a path
        {"--", {}},                              // the "unknown place" mark is no text to find
        {"zzz", {}},
        {".", {"Report.PDF", "photo.jpg", "unknown.txt", "budget.ods"}},
    };
    for (const Case& c : cases) {
        model.setFilterText(QString::fromUtf8(c.text));
        EXPECT_EQ(namesOf(model), c.shown) << c.text;
        for (int r = 0; r < model.rowCount(); ++r) EXPECT_EQ(model.rowOf(model.itemAt(r)), r);
    }
    EXPECT_EQ(model.items().size(), 4);  // filtering hides, it never drops
    EXPECT_FALSE(model.itemAt(model.rowCount()));
}

TEST(TrashWindowPowers, DeletedColumnSortsByDateNotByTextAndUnknownIsDashes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // In the short US form "10/5/26" sorts before "9/5/26" as text; by date September comes first.
    const QDateTime sep(QDate(2026, 9, 5), QTime(8, 0));
    const QDateTime oct(QDate(2026, 10, 5), QTime(8, 0));
    const QDateTime jan(QDate(2027, 1, 2), QTime(23, 59));
    TrashTableModel model;
    model.setItems(
        {node("oct", "--", oct), node("none", "--"), node("jan", "--", jan), node("sep", "--", sep)});
    EXPECT_EQ(
        model.data(model.index(model.rowOf(model.items()[1]), TrashTableModel::Deleted), Qt::DisplayRole)
            .toString(),
        QStringLiteral("--"));
    EXPECT_EQ(model.data(model.index(0, TrashTableModel::Deleted), Qt::DisplayRole).toString(),
              QLocale().toString(oct, QLocale::ShortFormat));
    EXPECT_EQ(model.headerData(TrashTableModel::Deleted, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Deleted"));
    EXPECT_EQ(TrashTableModel::columnIdentifier(TrashTableModel::Deleted), QStringLiteral("Deleted"));

    QTableView view;
    view.setModel(&model);
    view.setSortingEnabled(true);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.selectRow(model.rowOf(model.items()[0]));  // "oct"
    view.sortByColumn(TrashTableModel::Deleted, Qt::AscendingOrder);
    EXPECT_EQ(namesOf(model), (QStringList{"none", "sep", "oct", "jan"}));
    view.sortByColumn(TrashTableModel::Deleted, Qt::DescendingOrder);
    EXPECT_EQ(namesOf(model), (QStringList{"jan", "oct", "sep", "none"}));
    // The selection follows its record through the sort.
    const QModelIndexList selected = view.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(model.itemAt(selected[0].row())->theFileName, QStringLiteral("oct"));
    // The order holds for a filter and a new list.
    model.setFilterText(QStringLiteral("o"));
    EXPECT_EQ(namesOf(model), (QStringList{"oct", "none"}));
    QLocale::setDefault(QLocale::c());
}

TEST(TrashWindowPowers, ActionsReachOnlyWhatTheFilterShows) {
    LinuxApp a;
    for (const char* n : {"alpha.txt", "alpine.txt", "beta.txt", "gamma.txt"})
        a.item(n, a.home + "/Documents/" + n);
    a.launch();
    a.scan();
    ASSERT_EQ(a.model()->rowCount(), 4);
    a.browser()->setClickedRow(a.row("gamma.txt"));  // clicked, then filtered out
    auto* filter = a.window()->findChild<QLineEdit*>("trashFilterField");
    QTest::keyClicks(filter, QStringLiteral("ALP"));
    EXPECT_EQ(filter->objectName(), QStringLiteral("trashFilterField"));
    EXPECT_EQ(filter->placeholderText(), QStringLiteral("Filter"));
    QStringList shown = a.shown();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"alpha.txt", "alpine.txt"}));
    EXPECT_EQ(a.browser()->clickedRow(), -1);
    EXPECT_TRUE(a.browser()->itemsForAction().isEmpty());

    // Select all reaches the shown rows only; the action removes them and nothing hidden.
    QTableView* table = a.window()->findChild<QTableView*>("theTableView");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 2);
    a.browser()->setClickedRow(a.row("alpine.txt"));
    ASSERT_EQ(a.browser()->itemsForAction().size(), 2);
    a.act(&TrashBrowser::DeleteTrashItemAction);
    EXPECT_EQ(TrashUi::namesIn(a.trash + "/files"), (QStringList{"beta.txt", "gamma.txt"}));
    EXPECT_TRUE(a.shown().isEmpty());
    filter->clear();
    shown = a.shown();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"beta.txt", "gamma.txt"}));
}

TEST(TrashWindowPowers, TheTotalFollowsEveryDeleteAndMatchesAFreshScan) {
    LinuxApp a;
    a.item("small.bin", a.home + "/small.bin", QByteArray(1000, 's'));
    a.item("large.bin", a.home + "/large.bin", QByteArray(250000, 'l'));
    const QString folder = a.f.sandbox.trashItem(a.trash, "Box", a.paths->outOfRoot(a.home + "/Box"),
                                                 QByteArray(90000, 'b'), true);
    a.f.sandbox.writeFile(folder + "/more.bin", QByteArray(40000, 'm'));
    a.launch();
    a.scan();
    QLabel* total = a.window()->findChild<QLabel*>("trashStoragelab");
    auto expectFreshScanAgrees = [&](const char* step) {
        const QString after = total->text();
        const quint64 bytes = a.browser()->trashFileSize();
        a.scan();
        EXPECT_EQ(a.browser()->trashFileSize(), bytes) << step;
        EXPECT_EQ(total->text(), after) << step;
    };
    const quint64 before = a.browser()->trashFileSize();

    a.browser()->setClickedRow(a.row("large.bin"));
    a.act(&TrashBrowser::DeleteTrashItemAction);
    EXPECT_EQ(a.browser()->trashFileSize(), before - 250000);
    EXPECT_EQ(total->text(), "Trash Storage - - " + FileUtilities::size_to_unit(before - 250000));
    expectFreshScanAgrees("top-level delete");

    // Inside a folder: the folder holding what left is measured again.
    a.window()->findChild<QTableView*>("theTableView")->setCurrentIndex(a.model()->index(a.row("Box"), 0));
    a.browser()->doubleclickAction();
    ASSERT_GE(a.row("more.bin"), 0);
    const quint64 withMore = a.browser()->trashFileSize();
    a.browser()->setClickedRow(a.row("more.bin"));
    a.act(&TrashBrowser::SafeDeleteItemAction);
    EXPECT_LT(a.browser()->trashFileSize(), withMore);
    expectFreshScanAgrees("delete inside a folder");
}

TEST(TrashWindowPowers, EachTakenPlaceIsAskedUntilAnAnswerIsKeptForTheRest) {
    struct Case {
        const char* what;
        QList<TrashItemActions::TakenAnswer> answers;
        QList<int> moreAsked;        // "more" of each question asked, in order
        QList<WhenTaken> whenTaken;  // per item: t1, free, t2, t3
    };
    const Case cases[] = {
        {"one answer for all",
         {{WhenTaken::KeepBoth, true}},
         {2},
         {WhenTaken::KeepBoth, WhenTaken::Refuse, WhenTaken::KeepBoth, WhenTaken::KeepBoth}},
        {"each its own",
         {{WhenTaken::Replace, false}, {WhenTaken::Skip, false}, {WhenTaken::KeepBoth, false}},
         {2, 1, 0},
         {WhenTaken::Replace, WhenTaken::Refuse, WhenTaken::Skip, WhenTaken::KeepBoth}},
        {"all after the second",
         {{WhenTaken::KeepBoth, false}, {WhenTaken::Skip, true}},
         {2, 1},
         {WhenTaken::KeepBoth, WhenTaken::Refuse, WhenTaken::Skip, WhenTaken::Skip}},
    };
    for (const Case& c : cases) {
        LinuxApp a;
        for (const char* n : {"t1.txt", "free.txt", "t2.txt", "t3.txt"}) {
            a.item(n, a.home + "/Documents/" + n);
            if (QByteArray(n) != "free.txt") a.f.sandbox.writeFile(a.home + "/Documents/" + n, "there");
        }
        a.launch();
        a.scan();
        QList<CVTrashFileNode::Ptr> items;
        for (const char* n : {"t1.txt", "free.txt", "t2.txt", "t3.txt"}) items << a.model()->itemAt(a.row(n));
        a.f.putBackQuestion->setNextAnswers(c.answers);
        const auto plan = TrashItemActions::planPutBack(items, a.f.alerts.get(), nullptr,
                                                        PutBackQuestion::asker(a.f.putBackQuestion.get()));
        ASSERT_EQ(plan.moves.size(), 4) << c.what;
        QList<int> more;
        for (const auto& q : a.f.putBackQuestion->asked()) more << q.more;
        EXPECT_EQ(more, c.moreAsked) << c.what;
        EXPECT_EQ(a.f.putBackQuestion->asked().first().name, QStringLiteral("t1.txt")) << c.what;
        EXPECT_EQ(a.f.putBackQuestion->asked().first().place, a.home + "/Documents/t1.txt") << c.what;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(plan.moves[i].whenTaken, c.whenTaken[i]) << c.what << " item " << i;
    }
}

TEST(TrashWindowPowers, TheQuestionBoxGivesTheButtonsChoiceAndShowsApplyToAllOnlyWithMore) {
    struct Case {
        const char* button;
        int more;
        bool check;
        TrashItemActions::TakenAnswer answer;
    };
    const Case cases[] = {
        {"keepBothButton", 0, false, {WhenTaken::KeepBoth, false}},
        {"replaceButton", 3, true, {WhenTaken::Replace, true}},
        {"skipButton", 1, false, {WhenTaken::Skip, false}},
        {"replaceButton", 2, false, {WhenTaken::Replace, false}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QMessageBox> box(PutBackQuestionBox::buildBox("a.txt", "/home/me/a.txt", c.more));
        EXPECT_EQ(box->checkBox() != nullptr, c.more > 0) << c.button;
        if (c.more > 0) {
            EXPECT_TRUE(box->checkBox()->text().contains(QString::number(c.more)));
        }
        EXPECT_TRUE(box->text().contains(QLatin1String("a.txt")));
        if (c.check) box->checkBox()->setChecked(true);
        auto* button = box->findChild<QPushButton*>(QLatin1String(c.button));
        ASSERT_TRUE(button) << c.button;
        box->show();
        QTest::mouseClick(button, Qt::LeftButton);
        const TrashItemActions::TakenAnswer answer = PutBackQuestionBox::answerOf(*box);
        EXPECT_EQ(answer.choice, c.answer.choice) << c.button << c.more;
        EXPECT_EQ(answer.applyToAll, c.answer.applyToAll) << c.button << c.more;
    }
    // Closed without a button: the item is skipped.
    std::unique_ptr<QMessageBox> box(PutBackQuestionBox::buildBox("a.txt", "/home/me/a.txt", 0));
    EXPECT_EQ(PutBackQuestionBox::answerOf(*box).choice, WhenTaken::Skip);
}

TEST(TrashWindowPowers, PutBackFollowsTheAnswersAndUndoBringsEverythingBack) {
    LinuxApp a;
    const QString docs = a.home + "/Documents";
    for (const char* n : {"keep.txt", "replace.txt", "skip.txt"}) {
        a.item(n, docs + "/" + n, "from the trash");
        a.f.sandbox.writeFile(docs + "/" + n, "already there");
    }
    a.item("free.txt", docs + "/free.txt", "free");
    a.launch();
    a.scan();
    // By name, so the questions come in a known order: keep, replace, skip.
    a.window()
        ->findChild<QTableView*>("theTableView")
        ->sortByColumn(TrashTableModel::Name, Qt::AscendingOrder);
    ASSERT_EQ(a.shown(), (QStringList{"free.txt", "keep.txt", "replace.txt", "skip.txt"}));
    QPushButton* undo = a.window()->findChild<QPushButton*>("trashUndoButton");
    EXPECT_EQ(undo->objectName(), QStringLiteral("trashUndoButton"));
    EXPECT_FALSE(undo->isEnabled());

    a.f.putBackQuestion->setNextAnswers(
        {{WhenTaken::KeepBoth, false}, {WhenTaken::Replace, false}, {WhenTaken::Skip, false}});
    a.f.alerts->clear();
    a.putBack({"keep.txt", "replace.txt", "skip.txt", "free.txt"});
    ASSERT_EQ(a.f.putBackQuestion->asked().size(), 3);
    EXPECT_EQ(a.f.putBackQuestion->asked()[0].name, QStringLiteral("keep.txt"));
    EXPECT_EQ(a.f.putBackQuestion->asked()[0].more, 2);
    EXPECT_EQ(a.read(docs + "/keep.txt"), "already there");
    EXPECT_EQ(a.read(docs + "/keep 2.txt"), "from the trash");
    EXPECT_EQ(a.read(docs + "/replace.txt"), "from the trash");
    EXPECT_EQ(a.read(docs + "/skip.txt"), "already there");
    EXPECT_EQ(a.read(docs + "/free.txt"), "free");
    EXPECT_TRUE(a.f.alerts->asked().isEmpty());  // a skip is the user's choice, not a failure
    // What was in the replaced place is in the Trash now, and listed once the scan is in.
    // (under a name of its own: the item it made way for was still in the Trash then).
    ASSERT_TRUE(waitUntil([&] { return !a.browser()->isScanning() && a.row("replace.txt.2") >= 0; }));
    EXPECT_EQ(a.read(a.trash + "/files/replace.txt.2"), "already there");
    EXPECT_GE(a.row("skip.txt"), 0);
    EXPECT_EQ(a.row("keep.txt"), -1);
    EXPECT_TRUE(undo->isEnabled());

    QSignalSpy scanned(a.browser(), &TrashBrowser::scanFinished);
    QSignalSpy finished(a.browser(), &TrashBrowser::actionFinished);
    QTest::mouseClick(undo, Qt::LeftButton);
    ASSERT_TRUE(finished.wait(60000));
    ASSERT_TRUE(scanned.count() > 0 || scanned.wait(30000));
    EXPECT_EQ(a.read(docs + "/keep.txt"), "already there");
    EXPECT_FALSE(QFile::exists(docs + "/keep 2.txt"));
    EXPECT_EQ(a.read(docs + "/replace.txt"), "already there");
    EXPECT_FALSE(QFile::exists(docs + "/free.txt"));
    EXPECT_EQ(a.read(a.trash + "/files/replace.txt"), "from the trash");
    EXPECT_FALSE(QFile::exists(a.trash + "/files/replace.txt.2"));
    for (const char* n : {"keep.txt", "replace.txt", "skip.txt", "free.txt"}) {
        EXPECT_GE(a.row(n), 0) << n;
        EXPECT_TRUE(QFile::exists(a.trash + "/info/" + n + ".trashinfo")) << n;
    }
    EXPECT_TRUE(a.f.alerts->asked().isEmpty());
    EXPECT_FALSE(undo->isEnabled());  // nothing left to undo
}

TEST(TrashWindowPowers, UndoSaysWhatCouldNotBeUndoneAndKeepsIt) {
    LinuxApp a;
    const QString docs = a.home + "/Documents";
    a.item("one.txt", docs + "/one.txt", "one");
    a.item("two.txt", docs + "/two.txt", "two");
    a.launch();
    a.scan();
    a.putBack({"one.txt", "two.txt"});
    ASSERT_TRUE(a.window()->findChild<QPushButton*>("trashUndoButton")->isEnabled());
    // The way back of one move is gone: it was removed meanwhile.
    ASSERT_TRUE(QFile::remove(docs + "/two.txt"));
    a.f.alerts->clear();
    QSignalSpy finished(a.browser(), &TrashBrowser::actionFinished);
    QTest::mouseClick(a.window()->findChild<QPushButton*>("trashUndoButton"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(QFile::exists(a.trash + "/files/one.txt"));
    ASSERT_EQ(a.f.alerts->asked().size(), 1);
    EXPECT_TRUE(a.f.alerts->asked()[0].informativeText.contains(QLatin1String("two.txt")));
    EXPECT_FALSE(a.f.alerts->asked()[0].informativeText.contains(QLatin1String("one.txt")));
}

}  // namespace
