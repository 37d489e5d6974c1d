// The store browser over a sandbox: asking for a location, the tidy, category buttons, the folder
// stack, thumbnails arriving off the main thread, and the information view's preview sizes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include "desktop/DesktopCatalogue.h"
#include "desktop/DesktopController.h"
#include "desktop/FileKinds.h"
#include "desktop/NQLeftButton.h"
#include "desktop/PRFileInfoPopViewController.h"
#include "desktop/StoreBrowser.h"
#include "desktop/ThumbnailLoader.h"
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

struct BrowserRig {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(root.file("config/Corvane/Corvane.conf"));
    std::shared_ptr<RecordingWorkspace> workspace = std::make_shared<RecordingWorkspace>(paths);
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    NotificationCenter nc;
    DesktopController controller{defaults, paths};
    StoreBrowser browser{&controller, &nc, workspace, alerts};
    QStringList chosen;  ///< answers of the location panel, in order
    BrowserRig() {
        sandbox.buildLinuxDemo();
        browser.setFolderChooser(
            [this](const QString&) { return chosen.isEmpty() ? QString() : chosen.takeFirst(); });
    }
    QStringList shown() const {
        QStringList names;
        for (const IKImageItem& item : browser.model()->items()) names << item.fileName;
        names.sort();
        return names;
    }
    void tidy() {
        QSignalSpy done(&controller, &DesktopController::RefreshFinishTableViewMainThreadHandle);
        browser.ClickTidyNowAct();
        ASSERT_TRUE(done.wait(10000));
    }
};

}  // namespace

TEST(StoreBrowser, AsksForALocationFirstThenTidiesAndShowsEachKind) {
    BrowserRig r;
    r.browser.ClickTidyNowAct();  // the panel is cancelled: nothing moves
    EXPECT_FALSE(r.controller.isTidying());
    EXPECT_TRUE(QFile::exists(r.paths->userHome() + "/Desktop/Sunset.bmp"));
    r.chosen << r.paths->userHome() + "/Tidy";
    r.tidy();
    EXPECT_EQ(Defaults(r.root.file("config/Corvane/Corvane.conf")).stringForKey("PloverlyPath"),
              r.paths->userHome() + "/Tidy");
    EXPECT_TRUE(r.browser.findChild<QLabel*>("StorePathlab")->text().endsWith("Tidy/com.Nordquil.ploverly"));

    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("pictureBtn"), Qt::LeftButton);
    EXPECT_EQ(r.shown(),
              QStringList({"Broken photo.jpg", "Logo.svg", "Portrait.bmp", "Sky.ppm", "Sunset.bmp"}));
    EXPECT_EQ(r.browser.findChild<NQLeftButton*>("pictureBtn")->image().cacheKey(),
              Images::named("picbigDown.png").cacheKey());
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("archiveBtn"), Qt::LeftButton);
    EXPECT_EQ(r.shown(), QStringList{"Backup.zip"});
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("otherBtn"), Qt::LeftButton);
    EXPECT_EQ(r.shown(), QStringList{"song.mp3"});  // videos and sounds are "Other"
}

TEST(StoreBrowser, FoldersOpenInPlaceAndBackClimbsTheStackEvenAfterACategoryChange) {
    BrowserRig r;
    r.chosen << r.paths->userHome() + "/Tidy";
    r.tidy();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("folerBtn"), Qt::LeftButton);
    ASSERT_EQ(r.shown(), QStringList{"Projects"});
    r.browser.imageBrowserCellWasDoubleClicked(0);
    EXPECT_EQ(r.shown(), QStringList({"Mockups", "plan.txt"}));
    const auto& cells = r.browser.model()->items();
    const int mockups = cells[0].fileName == "Mockups" ? 0 : 1;
    r.browser.imageBrowserCellWasDoubleClicked(mockups);
    EXPECT_EQ(r.shown(), QStringList{"screen.bmp"});
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("documentBtn"),
                      Qt::LeftButton);  // the stack is kept
    r.browser.ClickBackAction();
    EXPECT_EQ(r.shown(), QStringList({"Mockups", "plan.txt"}));
    r.browser.ClickBackAction();
    EXPECT_EQ(r.shown(), QStringList{"Projects"});
    r.browser.ClickBackAction();  // nothing left to climb
    EXPECT_EQ(r.shown(), QStringList{"Projects"});
    r.browser.imageBrowserCellWasDoubleClicked(0);
    r.browser.ClickBackAction();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("pictureBtn"), Qt::LeftButton);
    const int broken = [&] {
        for (int i = 0; i < r.browser.model()->rowCount(); ++i)
            if (r.browser.model()->items()[i].fileName == "Sunset.bmp") return i;
        return -1;
    }();
    r.browser.imageBrowserCellWasDoubleClicked(broken);  // not a folder: opened
    EXPECT_EQ(r.workspace->openedFiles(),
              QStringList{r.paths->userHome() + "/Tidy/com.Nordquil.ploverly/Sunset.bmp"});
}

TEST(StoreBrowser, ThumbnailsArriveForPicturesAndBrokenOnesKeepTheirIcon) {
    BrowserRig r;
    r.chosen << r.paths->userHome() + "/Tidy";
    r.tidy();
    // A FIFO named like a picture must never block a decoder (nor the preview) for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(r.controller.storeFolder() + "/pipe.png").constData(), 0644), 0);
    r.browser.FreshCurrentDeskTop();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("pictureBtn"), Qt::LeftButton);
    StoreBrowserModel* model = r.browser.model();
    for (int i = 0; i < model->rowCount(); ++i) model->data(model->index(i), Qt::DecorationRole);  // as drawn
    auto sizeOf = [&](const QString& name) {
        for (int i = 0; i < model->rowCount(); ++i)
            if (model->items()[i].fileName == name) {
                const QVariant v = model->data(model->index(i), Qt::DecorationRole);
                return v.typeId() == QMetaType::QPixmap ? v.value<QPixmap>().size() : QSize();
            }
        return QSize();
    };
    waitUntil([&] { return sizeOf("Sunset.bmp").isValid() && sizeOf("Portrait.bmp").isValid(); });
    EXPECT_EQ(sizeOf("Sunset.bmp"), QSize(64, 40));    // 320 by 200
    EXPECT_EQ(sizeOf("Portrait.bmp"), QSize(27, 54));  // 120 by 240
    EXPECT_EQ(sizeOf("Broken photo.jpg"), QSize());    // an icon, not a thumbnail
    EXPECT_EQ(sizeOf("pipe.png"), QSize());
    for (const IKImageItem& cell : model->items())
        if (cell.fileName == "pipe.png")
            r.browser.findChild<PRFileInfoPopViewController*>("fileInfoViewController")
                ->InitViewWithFileNode(cell.fileNode);

    const struct {
        QSize full, preview;
    } previews[] = {{{1000, 500}, {370, 185}}, {{300, 600}, {135, 270}}, {{200, 100}, {200, 100}}};
    for (const auto& p : previews) EXPECT_EQ(PRFileInfoPopViewController::previewSize(p.full), p.preview);
    auto node = NQFileNode::create();
    node->filesizenumber = 2048;
    node->fileSize = "2.05KB";
    r.browser.findChild<PRFileInfoPopViewController*>("fileInfoViewController")->InitViewWithFileNode(node);
    EXPECT_EQ(r.browser.findChild<PRFileInfoPopViewController*>("fileInfoViewController")
                  ->findChild<QLabel*>("fileSizelab")
                  ->text(),
              "2048 bytes (2.05KB)");
}

TEST(StoreBrowser, AStoreFolderDeletedWhileShownIsReportedNeverCrashes) {
    BrowserRig r;
    r.chosen << r.paths->userHome() + "/Tidy";
    r.tidy();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("currentDesktopBtn"), Qt::LeftButton);
    const int shownBefore = r.browser.model()->rowCount();
    ASSERT_GT(shownBefore, 0);
    StoreBrowserModel* model = r.browser.model();
    auto* loader = model->findChild<ThumbnailLoader*>();
    ASSERT_NE(loader, nullptr);
    QSignalSpy answered(loader, &ThumbnailLoader::iconReady);
    QSet<QString> asked;  ///< the files whose thumbnails are being made
    for (int i = 0; i < model->rowCount(); ++i) {
        const QVariant shown = model->data(model->index(i), Qt::DecorationRole);  // thumbnails asked
        const NQFileNode::Ptr& node = model->items()[i].fileNode;
        if (node && node->fileKindType == QLatin1String(FileKinds::Pictures) &&
            shown.typeId() != QMetaType::QPixmap)
            asked << ThumbnailLoader::keyOf(*node);
    }
    ASSERT_FALSE(asked.isEmpty());
    ASSERT_TRUE(QDir(r.controller.storeFolder()).removeRecursively());
    auto* status = r.browser.findChild<QLabel*>("tidyStatus");

    int folder = -1;
    for (int i = 0; i < model->rowCount(); ++i)
        if (model->items()[i].fileName == "Projects") folder = i;
    ASSERT_GE(folder, 0);
    r.browser.imageBrowserCellWasDoubleClicked(folder);  // gone: the grid stays, the status says so
    EXPECT_EQ(model->rowCount(), shownBefore);
    EXPECT_TRUE(status->text().contains("Projects"));
    EXPECT_FALSE(r.controller.restoreOrSay(model->items()[0].fileNode, r.alerts.get()));
    EXPECT_EQ(r.alerts->asked().size(), 1);

    // Every thumbnail asked for is answered; one whose file vanished first ends as the cell's icon.
    auto answeredKeys = [&] {
        QSet<QString> keys;
        for (const QList<QVariant>& answer : answered) keys << answer.at(0).toString();
        return keys;
    };
    ASSERT_TRUE(waitUntil([&] { return answeredKeys().contains(asked); }))
        << answeredKeys().size() << " of " << asked.size();
    for (int i = 0; i < model->rowCount(); ++i) {
        const NQFileNode::Ptr& node = model->items()[i].fileNode;
        if (!node || !asked.contains(ThumbnailLoader::keyOf(*node))) continue;
        if (node->fileIcon.value<QImage>().isNull()) {
            EXPECT_NE(model->data(model->index(i), Qt::DecorationRole).typeId(), QMetaType::QPixmap)
                << qPrintable(node->fileName);
        }
    }

    r.browser.FreshCurrentDeskTop();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("currentDesktopBtn"), Qt::LeftButton);
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(status->text(), "The store folder is missing; the next tidy makes it again.");
}

// Another picture under the same name, or a broken one mended, gets a thumbnail of its own once
// the store is catalogued again; a thumbnail is made once, at its final size.
TEST(StoreBrowser, AThumbnailBelongsToTheFileItWasMadeOfNotToItsName) {
    BrowserRig r;
    r.chosen << r.paths->userHome() + "/Tidy";
    ASSERT_TRUE(r.browser.ChangeStorePathAction());
    const QString store = r.controller.storeFolder();
    auto picture = [&](const QString& name, const QSize& size, const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        ASSERT_TRUE(image.save(store + '/' + name, format));
    };
    picture("swap.bmp", {200, 190}, "BMP");
    r.sandbox.writeFile(store + "/mend.png", "not a picture yet");
    StoreBrowserModel* model = r.browser.model();
    auto rowOf = [&](const QString& name) {
        for (int i = 0; i < model->rowCount(); ++i)
            if (model->items()[i].fileName == name) return i;
        return -1;
    };
    auto sizeOf = [&](const QString& name) {
        const QVariant v = model->data(model->index(rowOf(name)), Qt::DecorationRole);
        return v.typeId() == QMetaType::QPixmap ? v.value<QPixmap>().size() : QSize();
    };
    r.browser.FreshCurrentDeskTop();
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("pictureBtn"), Qt::LeftButton);
    QSignalSpy answered(model, &QAbstractItemModel::dataChanged);
    sizeOf("mend.png");
    waitUntil([&] { return sizeOf("swap.bmp").isValid(); });
    EXPECT_EQ(sizeOf("swap.bmp"), QSize(64, 60));
    // The broken one answered too, and keeps its icon.
    EXPECT_TRUE(waitUntil([&] {
        return std::any_of(answered.begin(), answered.end(), [&](const QList<QVariant>& a) {
            return a[0].toModelIndex().row() == rowOf("mend.png");
        });
    }));
    EXPECT_EQ(sizeOf("mend.png"), QSize());

    ASSERT_TRUE(QFile::remove(store + "/swap.bmp"));
    picture("swap.bmp", {100, 200}, "BMP");
    picture("mend.png", {300, 100}, "PNG");
    const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(60);
    r.sandbox.touch(store + "/swap.bmp", later);
    r.sandbox.touch(store + "/mend.png", later);
    r.browser.FreshCurrentDeskTop();
    sizeOf("mend.png");
    waitUntil([&] { return sizeOf("swap.bmp") == QSize(27, 54) && sizeOf("mend.png") == QSize(64, 21); });
    EXPECT_EQ(sizeOf("swap.bmp"), QSize(27, 54));
    EXPECT_EQ(sizeOf("mend.png"), QSize(64, 21));
}

// A Desktop that is the home folder is never tidied, and a location inside the Desktop is refused
// when chosen; the page says why.
TEST(StoreBrowser, RefusesALocationInsideTheDesktopAndATidyOfTheHome) {
    BrowserRig r;
    const QString home = r.paths->userHome();
    r.chosen << home + "/Desktop/Inside";
    r.sandbox.makeFolder(home + "/Desktop/Inside");
    EXPECT_FALSE(r.browser.ChangeStorePathAction());
    ASSERT_EQ(r.alerts->asked().size(), 1);
    EXPECT_TRUE(r.alerts->asked()[0].informativeText.contains("inside the Desktop"));
    EXPECT_FALSE(r.defaults->hasValue("PloverlyPath"));
    EXPECT_EQ(r.browser.findChild<QLabel*>("StorePathlab")->text(), "No store folder chosen yet.");

    r.chosen << home + "/Tidy";
    ASSERT_TRUE(r.browser.ChangeStorePathAction());
    r.sandbox.writeFile(home + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    const QByteArray before = HostileFs::treeDigest(home);
    r.browser.ClickTidyNowAct();
    EXPECT_FALSE(r.controller.isTidying());
    EXPECT_TRUE(r.browser.findChild<QLabel*>("tidyStatus")->text().contains("no Desktop folder to tidy"));
    EXPECT_EQ(HostileFs::treeDigest(home), before);
}

TEST(StoreBrowser, TheInformationViewPreviewsOtherFilesLargeWithA270IconForTheRest) {
    BrowserRig r;
    const QString folder = r.paths->userHome() + "/Files";
    r.sandbox.writeFile(folder + "/notes.txt", QByteArray("a line of notes\n").repeated(40));
    r.sandbox.writeFile(folder + "/song.mp3", "ID3");
    PRFileInfoPopViewController* info =
        r.browser.findChild<PRFileInfoPopViewController*>("fileInfoViewController");
    const struct {
        const char* name;
        QSize preview;
    } cases[] = {{"notes.txt", {430, 305}}, {"song.mp3", {270, 270}}};
    for (const auto& c : cases) {
        info->InitViewWithFileNode(DesktopCatalogue::nodeAt(folder + '/' + c.name));
        EXPECT_EQ(info->preview().size(), c.preview) << c.name;
    }
}

TEST(StoreBrowser, AStoredFolderThatCanNotBeReadOpensAsAnEmptyLevel) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    BrowserRig r;
    r.chosen << r.paths->userHome() + "/Tidy";
    r.tidy();
    const QString locked = r.controller.storeFolder() + "/Projects";
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    QTest::mouseClick(r.browser.findChild<NQLeftButton*>("folerBtn"), Qt::LeftButton);
    ASSERT_EQ(r.shown(), QStringList{"Projects"});
    r.browser.imageBrowserCellWasDoubleClicked(0);
    EXPECT_EQ(r.browser.parentLevels(), 1);
    EXPECT_TRUE(r.shown().isEmpty());
    r.browser.ClickBackAction();
    EXPECT_EQ(r.shown(), QStringList{"Projects"});
    ::chmod(QFile::encodeName(locked).constData(), 0755);
}
