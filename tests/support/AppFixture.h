#pragma once

#include <memory>

#include "app/AppDelegate.h"
#include "platform/Alerts.h"
#include "platform/Appearance.h"
#include "platform/Authorization.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/LoginItems.h"
#include "platform/SystemVersion.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/FixedAppearance.h"
#include "support/FixedClock.h"
#include "support/RecordingAuthorization.h"
#include "support/RecordingTasks.h"
#include "support/RecordingWorkspace.h"
#include "support/SandboxBuilder.h"
#include "support/ScriptedAlerts.h"
#include "support/ScriptedOpenPanel.h"
#include "support/ScriptedPutBackQuestion.h"
#include "support/TempRoot.h"

/// A sandbox root, a settings file and doubles for everything that would leave the sandbox.
struct AppFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    std::shared_ptr<MacPaths> paths = std::make_shared<MacPaths>(sandbox.paths());
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    std::shared_ptr<RecordingWorkspace> workspace = std::make_shared<RecordingWorkspace>(paths);
    std::shared_ptr<RecordingTasks> tasks = std::make_shared<RecordingTasks>();
    std::shared_ptr<FixedAppearance> appearance = std::make_shared<FixedAppearance>();
    std::shared_ptr<FixedClock> clock =
        std::make_shared<FixedClock>(QDateTime(QDate(2026, 12, 6), QTime(14, 3, 22), Qt::UTC));
    std::shared_ptr<RecordingAuthorization> authorization = std::make_shared<RecordingAuthorization>();
    std::shared_ptr<SystemVersion> systemVersion = std::make_shared<SystemVersion>();
    std::shared_ptr<ScriptedOpenPanel> openPanel = std::make_shared<ScriptedOpenPanel>();
    std::shared_ptr<ScriptedPutBackQuestion> putBackQuestion = std::make_shared<ScriptedPutBackQuestion>();
    QString settingsFile = root.file(QStringLiteral("config/Corvane/Corvane.conf"));
    std::shared_ptr<LoginItems> loginItems = std::make_shared<LoginItems>(
        root.file(QStringLiteral("config/autostart")), root.file(QStringLiteral("bin/Corvane")));

    std::shared_ptr<Defaults> defaults() {
        if (!m_defaults) m_defaults = std::make_shared<Defaults>(settingsFile);
        return m_defaults;
    }
    /// A fresh store object over the same file, as the next start would see it.
    void reopenSettings() { m_defaults.reset(); }

    AppServices services() {
        AppServices s;
        s.defaults = defaults();
        s.paths = paths;
        s.tasks = tasks;
        s.alerts = alerts;
        s.workspace = workspace;
        s.loginItems = loginItems;
        s.appearance = appearance;
        s.systemVersion = systemVersion;
        s.clock = clock;
        s.authorization = authorization;
        s.openPanel = openPanel;
        s.putBackQuestion = putBackQuestion;
        return s;
    }

    /// init, awakeFromNib and the end of launching, as the program does them.
    std::unique_ptr<AppDelegate> launch() {
        auto app = std::make_unique<AppDelegate>(services());
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
        return app;
    }

  private:
    std::shared_ptr<Defaults> m_defaults;
};
