#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "protect/ItemIcon.h"
#include "protect/PSTableCellView.h"
#include "protect/ProtectConfirmWindow.h"
#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"
#include "support/DSStoreWriter.h"
#include "support/RecordingTasks.h"
#include "support/RecordingWorkspace.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"
#include "trash/PutBackReader.h"
#include "trash/TrashStore.h"

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

/// A sandbox Trash whose protected entries reach the window the way a forced emptying hands them
/// over: through the protection test and the list it builds.
struct ConfirmRig {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    QString trash = paths->userTrash();
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    std::shared_ptr<RecordingWorkspace> workspace = std::make_shared<RecordingWorkspace>(paths);
    std::shared_ptr<SystemCommands> commands =
        std::make_shared<SystemCommands>(std::make_shared<RecordingTasks>());
    NotificationCenter nc;
    DSStoreWriter records;
    std::unique_ptr<ProtectConfirmWindow> window;

    QString inTrash(const QString& name) const { return trash + '/' + name; }
    QString underRoot(const QString& relative) const { return root.path() + '/' + relative; }
    /// A Trash entry; `folder` is where it was deleted from (relative to the volume), empty for unknown.
    QString item(const QString& name, const QString& folder, const QByteArray& content = "kept") {
        const QString path = sandbox.writeFile(inTrash(name), content);
        if (!folder.isEmpty()) records.add(name, folder);
        return path;
    }
    /// Runs the protection test over the whole Trash for rule "psd" and shows the window.
    void showProtected(const QStringList& formats = {"psd"}) {
        EXPECT_TRUE(records.write(paths->trashRecordsFile()));
        auto defaults = std::make_shared<Defaults>(root.file("config/Corvane/Corvane.conf"));
        defaults->setStringArray("FileFormatData", formats);
        auto origPaths = std::make_shared<TrashOrigPaths>();
        origPaths->rebuild(*paths);
        ProtectedItems items(std::make_shared<ProtectionRules>(defaults), origPaths);
        items.beginPass();
        QStringList names = QDir(trash).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        for (const QString& name : names) items.CheckFileBeProtectWithPath(inTrash(name));
        window = std::make_unique<ProtectConfirmWindow>(&nc, workspace, alerts, commands,
                                                        TrashStore::forPaths(paths));
        window->NeeDeleteConfirmWarning(items.CheckIfNeedDeleteConfirm());
    }
    QStringList listedNames() const {
        QStringList names;
        for (const auto& node : window->content()) names << node->theFileName;
        return names;
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    /// Presses a button whose action runs on a worker and waits until it is over.
    void clickAndWait(QWidget* w) {
        QSignalSpy finished(window.get(), &ProtectConfirmWindow::actionFinished);
        click(w);
        ASSERT_TRUE(finished.wait(30000));
    }
    /// A widget of the window, or of the row `row` when one is given, found by its name.
    template <typename T>
    T* part(const char* name, int row = -1) const {
        const QWidget* in = row < 0 ? static_cast<QWidget*>(window.get()) : window->cellAt(row);
        return in->findChild<T*>(QLatin1String(name));
    }
    void mark(int row) { click(part<QCheckBox>("checkBox", row)); }
};

TEST(ProtectConfirmWindow, RowsShowIconNameSourceAndDateAndTheirButtonsAct) {
    ConfirmRig r;
    QImage wide(100, 50, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    r.sandbox.makeFolder(r.trash);
    ASSERT_TRUE(wide.save(r.inTrash("wide.png"), "PNG"));
    r.records.add("wide.png", "Users/me/Desktop/");
    r.sandbox.touch(r.inTrash("wide.png"), QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9), Qt::UTC));
    r.item("loose.png", "");
    r.showProtected({"png"});

    ASSERT_TRUE(r.window->isVisible());
    EXPECT_EQ(r.window->objectName(), "theConfirmWindow");
    ASSERT_EQ(r.listedNames(), (QStringList{"loose.png", "wide.png"}));
    PSTableCellView* loose = r.window->cellAt(0);
    PSTableCellView* cell = r.window->cellAt(1);
    ASSERT_TRUE(cell && loose);
    EXPECT_EQ(cell->findChild<QLabel*>("textField")->text(), "wide.png");
    EXPECT_EQ(cell->findChild<QLabel*>("origFullPath")->text(),
              "Source Path: " + r.underRoot("Users/me/Desktop/wide.png"));
    EXPECT_EQ(loose->findChild<QLabel*>("origFullPath")->text(), "Source Path: --");
    EXPECT_EQ(cell->findChild<QLabel*>("mDatelab")->text(), "2024-03-05 07:08:09");
    EXPECT_EQ(cell->findChild<QLabel*>("imageView")->pixmap().deviceIndependentSize().toSize(),
              QSize(32, 16));
    EXPECT_FALSE(loose->findChild<QLabel*>("imageView")
                     ->pixmap()
                     .isNull());  // the file type's icon, whatever the theme draws
    EXPECT_EQ(ItemIcon::scaledIntoBox(QSize(50, 100), 32), QSize(16, 32));
    EXPECT_EQ(ItemIcon::scaledIntoBox(QSize(4000, 10), 32), QSize(32, 1));
    EXPECT_EQ(ItemIcon::scaledIntoBox(QSize(0, 0), 32), QSize(32, 32));

    // The check box flips the flag on every click and says so with the row as object.
    QList<QObject*> posted;
    QObject observer;
    r.nc.addObserver(&observer, PSTableCellView::CheckNotification,
                     [&](const NotificationCenter::Notification& n) { posted << n.object; });
    for (bool expected : {true, false, true}) {
        r.click(cell->findChild<QCheckBox*>("checkBox"));
        EXPECT_EQ(cell->fileNode()->bSelected, expected);
        EXPECT_EQ(cell->findChild<QCheckBox*>("checkBox")->isChecked(), expected);
    }
    EXPECT_EQ(posted, (QList<QObject*>{cell, cell, cell}));
    EXPECT_EQ(cell->fileNode(), r.window->content()[1]);
    EXPECT_FALSE(loose->fileNode()->bSelected);

    r.click(cell->findChild<QToolButton*>("findButton"));
    EXPECT_EQ(r.workspace->revealedFiles(), QStringList{r.inTrash("wide.png")});
    EXPECT_TRUE(r.alerts->asked().isEmpty());
}

TEST(ProtectConfirmWindow, DeleteRemovesTheMarkedEntriesAndNothingElse) {
    ConfirmRig r;
    r.item("a.psd", "Users/me/Desktop/");
    r.item("-rf.psd", "");
    r.item("Album.psd/inner/photo.jpg", "");
    r.item("b.psd", "");
    r.item("plain.txt", "");
    const QString outside = r.sandbox.writeFile("Users/me/Desktop/note.txt", "outside");
    r.showProtected();
    ASSERT_EQ(r.listedNames(), (QStringList{"-rf.psd", "Album.psd", "a.psd", "b.psd"}));

    // Select all, then unmark one: only the marked go.
    r.click(r.part<QCheckBox>("selectAllCheckBox"));
    for (int row = 0; row < 4; ++row) EXPECT_TRUE(r.part<QCheckBox>("checkBox", row)->isChecked()) << row;
    r.mark(3);
    r.clickAndWait(r.part<QPushButton>("deleteProtectItemButton"));
    EXPECT_EQ(r.listedNames(), QStringList{"b.psd"});
    for (const char* gone : {"-rf.psd", "Album.psd", "a.psd"})
        EXPECT_FALSE(QFile::exists(r.inTrash(gone))) << gone;
    EXPECT_TRUE(QFile::exists(r.inTrash("b.psd")));

    r.click(r.part<QCheckBox>("selectAllCheckBox"));  // off
    r.click(r.part<QCheckBox>("selectAllCheckBox"));  // on again: the remaining row
    r.clickAndWait(r.part<QPushButton>("deleteProtectItemButton"));
    EXPECT_TRUE(r.listedNames().isEmpty());
    EXPECT_FALSE(QFile::exists(r.inTrash("b.psd")));
    EXPECT_TRUE(r.window->isVisible());  // an empty list leaves the window open
    EXPECT_FALSE(r.part<QPushButton>("deleteProtectItemButton")->isEnabled());

    EXPECT_EQ(contentOf(r.inTrash("plain.txt")), "kept");
    EXPECT_EQ(contentOf(outside), "outside");
    EXPECT_TRUE(r.alerts->asked().isEmpty());
}

TEST(ProtectConfirmWindow, PutBackRecreatesMissingFoldersButNeverReplacesAndAlertsOnceForWhatStayed) {
    ConfirmRig r;
    r.item("report.psd", "Users/me/Work/2024/Q1/", "report");
    r.item("taken.psd", "Users/me/Desktop/", "from the trash");
    r.item("unknown.psd", "");
    r.item("unmarked.psd", "Users/me/Desktop/");
    const QString occupant = r.sandbox.writeFile("Users/me/Desktop/taken.psd", "already there");
    r.showProtected();
    ASSERT_EQ(r.listedNames(), (QStringList{"report.psd", "taken.psd", "unknown.psd", "unmarked.psd"}));

    r.click(
        r.part<QPushButton>("putBackProtectItemButton"));  // nothing marked: nothing moves, nothing is asked
    EXPECT_EQ(r.window->content().size(), 4);
    EXPECT_TRUE(r.alerts->asked().isEmpty());

    r.mark(0);
    r.mark(1);
    r.mark(2);
    r.clickAndWait(r.part<QPushButton>("putBackProtectItemButton"));
    EXPECT_EQ(contentOf(r.underRoot("Users/me/Work/2024/Q1/report.psd")), "report");
    EXPECT_FALSE(QFile::exists(r.inTrash("report.psd")));
    EXPECT_EQ(contentOf(r.inTrash("taken.psd")), "from the trash");
    EXPECT_EQ(contentOf(occupant), "already there");
    EXPECT_TRUE(QFile::exists(r.inTrash("unknown.psd")));
    EXPECT_EQ(r.listedNames(), (QStringList{"taken.psd", "unknown.psd", "unmarked.psd"}));

    ASSERT_EQ(r.alerts->asked().size(), 1);
    const AlertRequest& alert = r.alerts->asked().first();
    EXPECT_EQ(alert.message, "Some items were not put back.");
    EXPECT_EQ(alert.defaultButton, " OK ");
    EXPECT_TRUE(alert.alternateButton.isEmpty());
    EXPECT_TRUE(alert.informativeText.contains("taken.psd"));
    EXPECT_TRUE(alert.informativeText.contains("unknown.psd"));
    EXPECT_FALSE(alert.informativeText.contains("report.psd"));
    EXPECT_FALSE(alert.informativeText.contains("unmarked.psd"));
}

}  // namespace
