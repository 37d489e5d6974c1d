#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/StatusItem.h"

namespace {

// Each menu item runs its own command and no other, in the menu's order; a build without the
// update check has no item for it; a click on the icon is the quick view, a context click nothing.
TEST(StatusItem, EachItemRunsItsCommandInTheMenusOrder) {
    for (const bool withUpdates : {true, false}) {
        QStringList ran;
        auto record = [&ran](const char* name) { return [&ran, name] { ran << QLatin1String(name); }; };
        StatusItem::Commands c;
        c.quickView = record("quickViewAction");
        c.openMain = record("openMainAction");
        c.trashItems = record("trashItemsAction");
        c.emptyTrash = record("emptyTrashAction");
        c.secureErase = record("secureEraseAction");
        c.protectionRules = record("protectionRulesAction");
        c.autoClean = record("autoCleanAction");
        c.preferences = record("preferencesAction");
        c.help = record("helpAction");
        if (withUpdates) c.checkForUpdates = record("checkforUpdateAction");
        c.about = record("aboutAction");
        c.quit = record("quitAction");
        StatusItem item(c);

        QStringList order;
        for (QAction* a : item.baMenu()->actions()) {
            if (a->isSeparator()) continue;
            order << a->objectName();
            ran.clear();
            a->trigger();
            EXPECT_EQ(ran, QStringList{a->objectName()});
        }
        QStringList expected{"quickViewAction",      "openMainAction",    "trashItemsAction",
                             "emptyTrashAction",     "secureEraseAction", "protectionRulesAction",
                             "autoCleanAction",      "preferencesAction", "helpAction",
                             "checkforUpdateAction", "aboutAction",       "quitAction"};
        if (!withUpdates) expected.removeAll(QStringLiteral("checkforUpdateAction"));
        EXPECT_EQ(order, expected);

        ran.clear();
        Q_EMIT item.trayIcon()->activated(QSystemTrayIcon::Context);
        EXPECT_TRUE(ran.isEmpty());
        Q_EMIT item.trayIcon()->activated(QSystemTrayIcon::Trigger);
        EXPECT_EQ(ran, QStringList{"quickViewAction"});
    }
}

}  // namespace
