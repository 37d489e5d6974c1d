// The popover's desktop list: search, drag reordering, the category pop-up and buttons, and item
// actions that keep the shown and the full list in step.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "desktop/DesktopController.h"
#include "desktop/NQLeftButton.h"
#include "desktop/PRFileInfoPopViewController.h"
#include "desktop/PopoverDesktopList.h"
#include "desktop/StoreBrowser.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "support/EventWait.h"
#include "support/HostileFs.h"
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
        list.findChild<QLineEdit*>("thesearchField")->setText(text);
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
        auto* data =
            r.list.findChild<QListView*>("theTableView")
                ->model()
                ->mimeData({r.list.findChild<QListView*>("theTableView")->model()->index(m.from, 0)});
        EXPECT_TRUE(data->hasFormat("MyDataType"));
        r.list.findChild<QListView*>("theTableView")
            ->model()
            ->dropMimeData(data, Qt::MoveAction, m.to, 0, {});
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
    r.list.SelectItemAction(r.list.findChild<QComboBox*>("thepBtn")->findData("Pictures"));
    EXPECT_EQ(r.shown(), QStringList{"a.png"});
    r.list.SelectItemAction(
        r.list.findChild<QComboBox*>("thepBtn")->findData("Audios"));  // no list: unchanged
    EXPECT_EQ(r.shown(), QStringList{"a.png"});
    r.list.SelectItemAction(r.list.findChild<QComboBox*>("thepBtn")->findData("Videos"));  // always empty
    EXPECT_TRUE(r.shown().isEmpty());
    QTest::mouseClick(r.list.findChild<NQLeftButton*>("zipBtn"), Qt::LeftButton);
    EXPECT_EQ(r.shown(), QStringList{"c.zip"});
    QTest::mouseClick(r.list.findChild<NQLeftButton*>("refreshBtn"), Qt::LeftButton);
    EXPECT_EQ(r.shown().size(), 3);
    EXPECT_EQ(r.list.findChild<NQLeftButton*>("zipBtn")->image().toImage(),
              Images::named("zipdownbtn.png").toImage());
    r.list.ClickOpenFileAct(0);
    r.list.ClickShowInFinderAct(0);
    EXPECT_EQ(r.workspace->openedFiles().size(), 1);
    EXPECT_EQ(r.workspace->revealedFiles().size(), 1);
}

// After the store browser refreshed (new records of the same items), a put back from the popover
// takes the item's record out of the one catalogue, and a later tidy adds it once.
TEST(PopoverDesktopList, FollowsTheStoreBrowserSoAPutBackLeavesNoStaleRecord) {
    ListRig r({"a.txt", "b.png", "c.zip"});
    const QString desktop = r.sandbox.makeFolder(r.paths->userDesktop());
    StoreBrowser browser{&r.controller, &r.nc, r.workspace, std::make_shared<ScriptedAlerts>()};
    browser.FreshCurrentDeskTop();
    const auto& all = r.controller.catalogue().getDesktopAllArray();
    for (const auto& node : r.list.tableArray())
        EXPECT_TRUE(all.contains(node)) << qPrintable(node->fileName);
    r.list.ClickRestoreFileAct(int(r.shown().indexOf("a.txt")));
    EXPECT_TRUE(QFile::exists(desktop + "/a.txt"));
    auto names = [](const QList<NQFileNode::Ptr>& list) {
        QStringList out;
        for (const auto& node : list) out << node->fileName;
        return sorted(out);
    };
    EXPECT_EQ(names(all), QStringList({"b.png", "c.zip"}));
    EXPECT_EQ(sorted(r.shown()), QStringList({"b.png", "c.zip"}));
    QStringList cells;
    for (const IKImageItem& cell : browser.model()->items()) cells << cell.fileName;
    EXPECT_EQ(sorted(cells), QStringList({"b.png", "c.zip"}));

    // The browser puts back what the popover shows: the popover's rows follow.
    r.controller.restoreOrSay(all.first(), nullptr);
    EXPECT_EQ(r.shown().size(), 1);
    QSignalSpy ended(&r.controller, &DesktopController::RefreshFinishTableViewMainThreadHandle);
    ASSERT_TRUE(r.controller.ClickTidyNowAct());
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(names(all), QStringList({"a.txt", "b.png", "c.zip"}));
    EXPECT_EQ(sorted(r.shown()), QStringList({"a.txt", "b.png", "c.zip"}));
}

// With no store location the refresh lists nothing (never the folder the program started in) and
// says why; the tidy asks for a location. With a Desktop that is the home, the tidy says so.
TEST(PopoverDesktopList, WithoutAStoreLocationOrADesktopNothingIsListedOrMovedAndTheRowSaysWhy) {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    sandbox.buildLinuxDemo();
    auto paths = sandbox.linuxPaths();
    auto defaults = std::make_shared<Defaults>(root.file("config/Corvane/Corvane.conf"));
    NotificationCenter nc;
    DesktopController controller{defaults, paths};
    PopoverDesktopList list{&controller, &nc, std::make_shared<RecordingWorkspace>(paths),
                            std::make_shared<ScriptedAlerts>()};
    auto* status = list.findChild<QLabel*>("desktopStatus");
    ASSERT_TRUE(status);
    const QString start = sandbox.makeFolder(paths->userHome() + "/Start");
    sandbox.writeFile(start + "/notes.txt", "canary");
    sandbox.writeFile(start + "/Documents/keep.txt", "canary");
    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(start));
    QTest::mouseClick(list.findChild<NQLeftButton*>("refreshBtn"), Qt::LeftButton);
    QDir::setCurrent(started);
    EXPECT_TRUE(list.tableArray().isEmpty());
    EXPECT_EQ(list.statusText(), "No store location is chosen yet.");

    QSignalSpy asked(&list, &PopoverDesktopList::storeLocationWanted);
    const QString desktop = paths->userDesktop();
    const QByteArray before = HostileFs::treeDigest(desktop) + HostileFs::treeDigest(start);
    QTest::mouseClick(list.findChild<NQLeftButton*>("tidyBtn"), Qt::LeftButton);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_FALSE(controller.isTidying());

    ASSERT_EQ(controller.ChangeStorePath(paths->userHome() + "/Tidy"),
              DesktopController::LocationChange::Stored);
    sandbox.writeFile(paths->userHome() + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    QTest::mouseClick(list.findChild<NQLeftButton*>("tidyBtn"), Qt::LeftButton);
    EXPECT_FALSE(controller.isTidying());
    EXPECT_TRUE(list.statusText().contains("no Desktop folder to tidy")) << qPrintable(list.statusText());
    sandbox.writeFile(paths->userHome() + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    EXPECT_EQ(HostileFs::treeDigest(desktop) + HostileFs::treeDigest(start), before);
    EXPECT_FALSE(QFile::exists(paths->userHome() + "/Tidy/com.Nordquil.ploverly/todo.txt"));
}

// A picture's row and its information view show the picture's thumbnail once it is made.
TEST(PopoverDesktopList, APicturesRowAndInformationShowItsThumbnail) {
    ListRig r({"notes.txt"});
    QImage picture(200, 190, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(r.store + "/photo.bmp", "BMP"));
    r.controller.FreshCurrentDeskTop();
    r.list.SetTableControllerArray(r.controller.catalogue().getDesktopAllArray());
    const int row = int(r.shown().indexOf("photo.bmp"));
    ASSERT_GE(row, 0);
    QAbstractItemModel* model = r.list.findChild<QListView*>("theTableView")->model();
    const NQFileNode::Ptr node = r.list.tableArray()[row];
    model->data(model->index(row, 0), Qt::DecorationRole);  // as drawn
    EXPECT_TRUE(waitUntil([&] { return !node->fileIcon.value<QImage>().isNull(); }));
    EXPECT_EQ(node->fileIcon.value<QImage>().size(), QSize(64, 60));  // scaled once: 190 * 64 / 200
    const QIcon icon = model->data(model->index(row, 0), Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(64, 64)});  // the thumbnail, centred
    PRFileInfoPopViewController info;
    info.InitViewWithFileNode(node);
    EXPECT_EQ(info.findChild<QLabel*>("fileImageView")->pixmap().size(), QSize(40, 37));
}
