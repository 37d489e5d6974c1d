// "Move to Trash" on stored items: into the home Trash with a record, the lists following, and a
// clear word for what did not go.
#include <gtest/gtest.h>

#include <QFile>

#include "desktop/DesktopController.h"
#include "desktop/PopoverDesktopList.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "support/RecordingWorkspace.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"
#include "support/TrashUi.h"

namespace {

struct Rig {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(root.file("config/Corvane/Corvane.conf"));
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    NotificationCenter nc;
    DesktopController controller{defaults, paths};
    PopoverDesktopList list{&controller, &nc, std::make_shared<RecordingWorkspace>(paths), alerts};
    QString store;

    Rig() {
        sandbox.makeFolder(paths->userHome());
        controller.ChangeStorePath(paths->userHome() + "/Tidy");
        store = controller.storeFolder();
        for (const char* name : {"a.txt", "b.png", "Folder/inside.txt"})
            sandbox.writeFile(store + '/' + name, "x");
        controller.FreshCurrentDeskTop();
        list.SetTableControllerArray(controller.catalogue().getDesktopAllArray());
    }
    int row(const QString& name) const {
        for (int i = 0; i < list.tableArray().size(); ++i)
            if (list.tableArray()[i]->fileName == name) return i;
        return -1;
    }
};

TEST(MoveToTrash, AStoredItemGoesToTheHomeTrashWithItsRecordAndLeavesBothLists) {
    for (const char* name : {"a.txt", "Folder"}) {
        Rig r;
        const int row = r.row(name);
        ASSERT_GE(row, 0) << name;
        r.list.ClickTrashFileAct(row);
        EXPECT_EQ(r.row(name), -1) << name;
        EXPECT_EQ(r.list.tableArray().size(), 2) << name;
        EXPECT_FALSE(QFile::exists(r.store + '/' + name)) << name;
        const QString trash = r.paths->userTrashFolder();
        EXPECT_TRUE(QFile::exists(trash + "/files/" + name)) << name;
        QFile record(trash + "/info/" + name + ".trashinfo");
        ASSERT_TRUE(record.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(record.readAll().contains("Path=")) << name;
        EXPECT_TRUE(r.alerts->asked().isEmpty()) << name;
        for (const auto& node : r.controller.catalogue().getDesktopAllArray())
            EXPECT_NE(node->fileName, QString::fromUtf8(name));
    }
}

TEST(MoveToTrash, WhatIsNotInTheStoreStaysAndIsNamedInOneAlert) {
    Rig r;
    const QString outside = r.sandbox.writeFile(r.paths->userHome() + "/Documents/keep.txt", "keep");
    auto node = r.list.tableArray()[r.row("a.txt")];
    const QString inStore = node->fullFilePath;
    node->fullFilePath = outside;  // a record that names a place outside the store
    EXPECT_FALSE(r.controller.trashOrSay(node, r.alerts.get()));
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_TRUE(QFile::exists(inStore));
    ASSERT_EQ(r.alerts->asked().size(), 1);
    EXPECT_EQ(r.alerts->asked()[0].message, QStringLiteral("\"a.txt\" was not moved to the Trash."));
    EXPECT_FALSE(r.alerts->asked()[0].informativeText.isEmpty());
    EXPECT_TRUE(TrashUi::namesIn(r.paths->userTrashFolder() + "/files").isEmpty());
}

}  // namespace
