// The popover's desktop list: search, drag reordering, the category pop-up and buttons, and item
// actions that keep the shown and the full list in step.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QTest>

#include "desktop/DesktopController.h"
#include "desktop/NQLeftButton.h"
#include "desktop/PopoverDesktopList.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "support/EventWait.h"
#include "support/RecordingWorkspace.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"
#include "widgets/Images.h"

namespace {

struct ListRig {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(root.file("config/Corvane/Corvane.conf"));
    std::shared_ptr<RecordingWorkspace> workspace = std::make_shared<RecordingWorkspace>(paths);
    NotificationCenter nc;
    DesktopController controller{defaults, paths};
    PopoverDesktopList list{&controller, &nc, workspace, std::make_shared<ScriptedAlerts>()};
    QString store;
    explicit ListRig(const QStringList& names) {
        controller.ChangeStorePath(root.file("Tidy"));
        store = controller.storeFolder();
        for (const QString& name : names) sandbox.writeFile(store + '/' + name, "x");
        controller.FreshCurrentDeskTop();
        list.SetTableControllerArray(controller.catalogue().getDesktopAllArray());
    }
    QStringList shown() const {
        QStringList names;
        for (const auto& node : list.tableArray()) names << node->fileName;
        return names;
    }
    void type(const QString& text) {
        list.thesearchField->setText(text);
        QCoreApplication::processEvents();
    }
};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

}  // namespace

TEST(PopoverDesktopList, SearchNarrowsAndWidensFromTheFullListAndADeleteStaysDeleted) {
    ListRig r({"abc.txt", "Abd.png", "xyz.zip"});
    const struct {
        const char* text;
        QStringList expected;
    } steps[] = {{"ab", {"Abd.png", "abc.txt"}},
                 {"abd", {"Abd.png"}},
                 {"ab", {"Abd.png", "abc.txt"}},
                 {"", {"Abd.png", "abc.txt", "xyz.zip"}}};
    for (const auto& s : steps) {
        r.type(s.text);
        waitUntil([&] { return sorted(r.shown()) == s.expected; });
        EXPECT_EQ(sorted(r.shown()), s.expected) << s.text;
    }
    r.type("abc");
    waitUntil([&] { return r.shown() == QStringList{"abc.txt"}; });
    ASSERT_EQ(r.shown(), QStringList{"abc.txt"});
    r.list.ClickDeleteFileAct(0);
    EXPECT_FALSE(QFile::exists(r.store + "/abc.txt"));
    r.type("");
    EXPECT_EQ(sorted(r.shown()), QStringList({"Abd.png", "xyz.zip"}));
    r.list.ClickDeleteFileAct(7);  // no such row: nothing
    EXPECT_EQ(r.shown().size(), 2);
}

TEST(PopoverDesktopList, DraggingMovesOneRowWithinTheShownListOnly) {
    ListRig r({"0.txt", "1.txt", "2.txt", "3.txt", "4.txt"});
    const QStringList base = r.shown();
    const struct {
        int from, to;
        QList<int> order;
    } moves[] = {{0, 2, {1, 0, 2, 3, 4}}, {3, 1, {0, 3, 1, 2, 4}}};
    for (const auto& m : moves) {
        r.list.SetTableControllerArray(r.list.backupArray());
        auto* data = r.list.theTableView->model()->mimeData({r.list.theTableView->model()->index(m.from, 0)});
        EXPECT_TRUE(data->hasFormat("MyDataType"));
        r.list.theTableView->model()->dropMimeData(data, Qt::MoveAction, m.to, 0, {});
        delete data;
        QStringList expected;
        for (int i : m.order) expected << base[i];
        EXPECT_EQ(r.shown(), expected);
        EXPECT_EQ(QStringList(base), [&] {
            QStringList full;
            for (const auto& n : r.list.backupArray()) full << n->fileName;
            return full;
        }());
    }
}

TEST(PopoverDesktopList, PopUpAndButtonsChooseListsAndRefreshKeepsTheButtonPressed) {
    ListRig r({"a.png", "b.txt", "c.zip"});
    r.list.SelectItemAction(r.list.thepBtn->findData("Pictures"));
    EXPECT_EQ(r.shown(), QStringList{"a.png"});
    r.list.SelectItemAction(r.list.thepBtn->findData("Audios"));  // no list: unchanged
    EXPECT_EQ(r.shown(), QStringList{"a.png"});
    r.list.SelectItemAction(r.list.thepBtn->findData("Videos"));  // always empty
    EXPECT_TRUE(r.shown().isEmpty());
    QTest::mouseClick(r.list.zipBtn, Qt::LeftButton);
    EXPECT_EQ(r.shown(), QStringList{"c.zip"});
    QTest::mouseClick(r.list.refreshBtn, Qt::LeftButton);
    EXPECT_EQ(r.shown().size(), 3);
    EXPECT_EQ(r.list.zipBtn->image().toImage(), Images::named("zipdownbtn.png").toImage());
    r.list.ClickOpenFileAct(0);
    r.list.ClickShowInFinderAct(0);
    EXPECT_EQ(r.workspace->openedFiles().size(), 1);
    EXPECT_EQ(r.workspace->revealedFiles().size(), 1);
}
