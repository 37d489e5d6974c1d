#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "protect/DeleteProtectWindow.h"
#include "protect/PPopoverWindowConterller.h"
#include "protect/ProtectionRules.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"
#include "widgets/PRLeftTipButton.h"

namespace {

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

/// The rules window as the program builds it, over a settings file in a temporary root.
struct EditorRig {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    QString settings = root.file(QStringLiteral("config/Corvane/Corvane.conf"));
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(settings);
    NotificationCenter nc;
    std::unique_ptr<PPopoverWindowConterller> editor;
    std::unique_ptr<DeleteProtectWindow> window;
    QString chooserStart;
    QWidget* chooserParent = nullptr;
    QString nextFolder;  ///< what the folder panel answers; empty is Cancel
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();

    void open() {
        editor = std::make_unique<PPopoverWindowConterller>(std::make_shared<ProtectionRules>(defaults), &nc,
                                                            paths);
        editor->setAlerts(alerts);
        editor->setFolderChooser([this](QWidget* parent, const QString& start) {
            chooserParent = parent;
            chooserStart = start;
            return nextFolder;
        });
        window = std::make_unique<DeleteProtectWindow>(editor.get());
        window->toggle();
    }
    ~EditorRig() {
        window.reset();  // the window holds the editor's view
        editor.reset();
    }
    /// The editor's widgets, found by their names.
    struct Parts {
        QListWidget* theFileFormatTableView;
        QListWidget* theFileLocationTableView;
        PRLeftTipButton* addFileFormatBtn;
        PRLeftTipButton* subFileFormatBtn;
        PRLeftTipButton* addFileLocationBtn;
        PRLeftTipButton* subFileLocationBtn;
        QWidget* addValueWindow;
        QLineEdit* valuelab;
        QPushButton* addValueButton;
    };
    Parts parts() const {
        const QWidget* v = editor->view();
        return {v->findChild<QListWidget*>("theFileFormatTableView"),
                v->findChild<QListWidget*>("theFileLocationTableView"),
                v->findChild<PRLeftTipButton*>("addFileFormatBtn"),
                v->findChild<PRLeftTipButton*>("subFileFormatBtn"),
                v->findChild<PRLeftTipButton*>("addFileLocationBtn"),
                v->findChild<PRLeftTipButton*>("subFileLocationBtn"),
                v->findChild<QWidget*>("addValueWindow"),
                v->findChild<QLineEdit*>("valuelab"),
                v->findChild<QPushButton*>("addValueButton")};
    }
    void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QStringList stored(const char* key) const {
        return Defaults(settings).stringArrayForKey(QLatin1String(key));
    }
    void storeBehindItsBack(const char* key, const QStringList& value) const {
        Defaults other(settings);
        other.setStringArray(QLatin1String(key), value);
        other.synchronize();
    }
};

TEST(ProtectRulesEditor, OpensWithTheStoredListsOrEmptyOnesAndEveryControlNamed) {
    EditorRig fresh;
    fresh.open();
    EXPECT_EQ(fresh.parts().theFileFormatTableView->count(), 0);
    EXPECT_EQ(fresh.parts().theFileLocationTableView->count(), 0);
    EXPECT_EQ(fresh.window->windowTitle(), "Protection Rules");
    EXPECT_TRUE(fresh.window->isVisible());
    for (const char* name : {"theFileFormatTableView", "theFileLocationTableView", "addFileFormatBtn",
                             "subFileFormatBtn", "addFileLocationBtn", "subFileLocationBtn"})
        EXPECT_NE(fresh.window->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    for (const char* name : {"valuelab", "addValueButton", "cancelValueButton"})
        EXPECT_NE(fresh.parts().addValueWindow->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    fresh.window->toggle();
    EXPECT_FALSE(fresh.window->isVisible());
    // Shown again, it lists what the command line stored meanwhile.
    fresh.storeBehindItsBack("FileFormatData", {"key"});
    fresh.window->toggle();
    EXPECT_EQ(rowsOf(fresh.parts().theFileFormatTableView), QStringList{"key"});

    EditorRig stored;
    stored.storeBehindItsBack("FileFormatData", {"psd", "key"});
    stored.storeBehindItsBack("FileLocationData", {"/Users/me/Projects"});
    stored.open();
    EXPECT_EQ(rowsOf(stored.parts().theFileFormatTableView), (QStringList{"psd", "key"}));
    EXPECT_EQ(rowsOf(stored.parts().theFileLocationTableView), QStringList{"/Users/me/Projects"});
}

TEST(ProtectRulesEditor, FormatsAreTypedInTheAddWindowCleanedStoredAtOnceAndKeptTwice) {
    EditorRig r;
    r.open();
    const EditorRig::Parts e = r.parts();
    r.press(e.addFileFormatBtn);
    ASSERT_TRUE(e.addValueWindow->isVisible());
    EXPECT_EQ(e.addValueWindow->windowTitle(), "Add Protection File Format");
    EXPECT_TRUE(e.valuelab->text().isEmpty());
    EXPECT_FALSE(e.addValueButton->isEnabled());

    QTest::keyClicks(e.valuelab, " .PSD ");
    ASSERT_TRUE(e.addValueButton->isEnabled());
    r.press(e.addValueButton);
    EXPECT_FALSE(e.addValueWindow->isVisible());
    EXPECT_EQ(rowsOf(e.theFileFormatTableView), QStringList{"PSD"});
    EXPECT_EQ(r.stored("FileFormatData"), QStringList{"PSD"});

    // Opened again, the field is empty; Return adds, and the same format twice is two rules.
    r.press(e.addFileFormatBtn);
    EXPECT_TRUE(e.valuelab->text().isEmpty());
    QTest::keyClicks(e.valuelab, "psd");
    QTest::keyClick(e.valuelab, Qt::Key_Return);
    EXPECT_EQ(r.stored("FileFormatData"), (QStringList{"PSD", "psd"}));

    // Nothing but a dot adds nothing, writes nothing and leaves the window up.
    r.press(e.addFileFormatBtn);
    QTest::keyClicks(e.valuelab, " . ");
    EXPECT_FALSE(e.addValueButton->isEnabled());
    EXPECT_FALSE(r.editor->AddValueAction());
    EXPECT_TRUE(e.addValueWindow->isVisible());
    EXPECT_EQ(e.theFileFormatTableView->count(), 2);
}

TEST(ProtectRulesEditor, RemovingTakesTheSelectedRowAndRewritesTheListEvenWithNoSelection) {
    EditorRig r;
    r.storeBehindItsBack("FileFormatData", {"psd", "psd", "key"});
    r.open();
    const EditorRig::Parts e = r.parts();
    r.storeBehindItsBack("FileFormatData", {"changed elsewhere"});
    r.press(e.subFileFormatBtn);
    EXPECT_EQ(r.stored("FileFormatData"), (QStringList{"psd", "psd", "key"}));

    e.theFileFormatTableView->setCurrentRow(1);
    r.press(e.subFileFormatBtn);
    EXPECT_EQ(rowsOf(e.theFileFormatTableView), (QStringList{"psd", "key"}));
    EXPECT_EQ(r.stored("FileFormatData"), (QStringList{"psd", "key"}));

    // The same notification from someone else's button does nothing here.
    PRLeftTipButton stranger(&r.nc, "Other");
    stranger.show();
    r.press(&stranger);
    EXPECT_FALSE(e.addValueWindow->isVisible());
    EXPECT_EQ(e.theFileFormatTableView->count(), 2);
}

TEST(ProtectRulesEditor, LocationsComeFromTheFolderPanelStartingInTheHomeFolder) {
    EditorRig r;
    r.open();
    const EditorRig::Parts e = r.parts();
    const QString projects = r.sandbox.makeFolder("Users/me/Projects");
    r.nextFolder = projects;
    r.press(e.addFileLocationBtn);
    EXPECT_EQ(r.chooserStart, r.paths->userHome());
    EXPECT_EQ(r.chooserParent, r.window.get());
    EXPECT_EQ(rowsOf(e.theFileLocationTableView), QStringList{projects});
    EXPECT_EQ(r.stored("FileLocationData"), QStringList{projects});

    // Cancel: nothing changes and nothing is written.
    r.storeBehindItsBack("FileLocationData", {"sentinel"});
    r.nextFolder.clear();
    r.press(e.addFileLocationBtn);
    EXPECT_EQ(r.stored("FileLocationData"), QStringList{"sentinel"});
    EXPECT_EQ(e.theFileLocationTableView->count(), 1);

    e.theFileLocationTableView->setCurrentRow(0);
    r.press(e.subFileLocationBtn);
    EXPECT_EQ(e.theFileLocationTableView->count(), 0);
    EXPECT_TRUE(r.stored("FileLocationData").isEmpty());
}

TEST(ProtectRulesEditor, AnEditThatCouldNotBeSavedIsSaidNotDroppedSilently) {
    EditorRig r;
    r.storeBehindItsBack("FileFormatData", {"psd"});
    r.open();
    const EditorRig::Parts e = r.parts();
    // Something else now stands where the settings file was: no write can reach it.
    ASSERT_TRUE(QFile::remove(r.settings));
    ASSERT_TRUE(QDir().mkdir(r.settings));
    struct Edit {
        const char* what;
        std::function<void()> make;
    };
    const QString projects = r.sandbox.makeFolder("Users/me/Projects");
    const Edit edits[] = {
        {"add a format",
         [&] {
             r.press(e.addFileFormatBtn);
             QTest::keyClicks(e.valuelab, "key");
             r.press(e.addValueButton);
         }},
        {"remove a format",
         [&] {
             e.theFileFormatTableView->setCurrentRow(0);
             r.press(e.subFileFormatBtn);
         }},
        {"add a location",
         [&] {
             r.nextFolder = projects;
             r.press(e.addFileLocationBtn);
         }},
        {"remove a location",
         [&] {
             e.theFileLocationTableView->setCurrentRow(0);
             r.press(e.subFileLocationBtn);
         }},
    };
    testing::internal::CaptureStderr();  // the store says once, on standard error, that it can't be read
    for (const Edit& edit : edits) {
        r.alerts->clear();
        edit.make();
        if (r.alerts->asked().size() != 1) {
            ADD_FAILURE() << edit.what << ": " << r.alerts->asked().size() << " alerts";
            continue;
        }
        const AlertRequest& a = r.alerts->asked().first();
        EXPECT_EQ(a.message, QStringLiteral("The protection rules could not be saved.")) << edit.what;
        EXPECT_EQ(a.defaultButton, QStringLiteral(" OK ")) << edit.what;
        EXPECT_TRUE(a.alternateButton.isEmpty()) << edit.what;
    }
    testing::internal::GetCapturedStderr();

    // Writable again: the next edit is saved, with nothing to say.
    ASSERT_TRUE(QDir().rmdir(r.settings));
    r.alerts->clear();
    r.press(e.addFileFormatBtn);
    QTest::keyClicks(e.valuelab, "ai");
    r.press(e.addValueButton);
    EXPECT_TRUE(r.alerts->asked().isEmpty());
    EXPECT_EQ(r.stored("FileFormatData"), (QStringList{"key", "ai"}));
}

}  // namespace
