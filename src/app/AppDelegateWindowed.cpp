// The application controller without a tray: on a desktop that shows no tray icons Corvane runs as
// a window program whose main window carries the tray menu's commands, and switches to the tray
// icon once the desktop shows one. Also the requests of later launches.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "AppDelegate.h"
#include "MainWindow.h"
#include "PreferencesWindow.h"
#include "StatusItem.h"
#include "platform/DesktopNotifications.h"
#include "platform/Localized.h"

namespace {
// Asking is cheap; a tray that appears is picked up within this.
constexpr int kTrayWatchMs = 3000;
const char kStillRunning[] = "still-running";
}  // namespace

void AppDelegate::followTrayAvailability() {
    const bool tray = !m_services.trayAvailable || m_services.trayAvailable();
    if (m_services.trayAvailable && !m_trayWatch) {
        m_trayWatch = new QTimer(this);
        m_trayWatch->setObjectName(QStringLiteral("trayWatchTimer"));
        m_trayWatch->setInterval(kTrayWatchMs);
        connect(m_trayWatch, &QTimer::timeout, this, &AppDelegate::followTrayAvailability);
        m_trayWatch->start();
    }
    if (tray) {
        m_statusItem->show();
        if (m_windowed) setWindowed(false);
    } else if (!m_windowed) {
        setWindowed(true);
    }
}

void AppDelegate::setWindowed(bool windowed) {
    m_windowed = windowed;
    if (windowed) {
        m_statusItem->hide();
        if (!m_windowedMenu) {
            // The tray menu's own actions, so both places stay one set of commands.
            m_windowedMenu = new QMenu(QStringLiteral("Corvane"), m_window);
            m_windowedMenu->setObjectName(QStringLiteral("windowedMenu"));
            m_windowedMenu->addActions(m_statusItem->baMenu()->actions());
            QMenuBar* bar = m_window->menuBar();
            bar->insertMenu(bar->actions().value(0), m_windowedMenu);
        }
    }
    if (m_windowedMenu) m_windowedMenu->menuAction()->setVisible(windowed);
    // Off the task bar only where a tray icon leads back; new flags apply when the window shows.
    const bool offTaskBar = m_accessoryMode && !windowed;
    if (m_window->windowFlags().testFlag(Qt::Tool) != offTaskBar) {
        const bool visible = m_window->isVisible();
        m_window->setWindowFlag(Qt::Tool, offTaskBar);
        if (visible) m_window->show();
    }
    m_perfereceWindow->setAgentMode(offTaskBar);
    m_perfereceWindow->setHideDockEnabled(!windowed && !m_accessoryMode);
    // The window is the only way in: it shows whenever the tray goes.
    if (windowed) showMainWindow();
}

void AppDelegate::postStillRunning() {
    if (!m_services.notifications) return;
    // Its button, or starting Corvane again, brings the window back.
    m_services.notifications->setActionHandler([this](const QString& identifier, const QString&) {
        if (identifier == QLatin1String(kStillRunning)) handleLaunchRequest(QStringLiteral("show"), {});
    });
    m_services.notifications->notify(
        localized("Corvane is still running"),
        localized("Open Corvane from the application menu to bring its window back."),
        {localized("Open Corvane")}, QLatin1String(kStillRunning));
}

void AppDelegate::handleLaunchRequest(const QString& command, const QStringList& arguments) {
    if (command == QLatin1String("show")) {
        if (m_services.notifications) m_services.notifications->withdraw(QLatin1String(kStillRunning));
        showMainWindow();
    } else if (command == QLatin1String("quick-view")) {
        ClickStateBanner(m_statusItem ? m_statusItem->geometry() : QRect());
    } else if (command == QLatin1String("empty-trash")) {
        StrongEmptyTrash();
    } else if (command == QLatin1String("erase") && !arguments.isEmpty()) {
        application_openFiles(arguments);
    }
}
