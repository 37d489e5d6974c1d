// The application controller's main-window sections: each capability's section as it describes
// itself, and the cookie section with the folder access gate its browser sources pass.
#include <tuple>

#include "AccessGrants.h"
#include "AppDelegate.h"
#include "CapabilitySections.h"
#include "ConnectWindow.h"
#include "FullDiskWindow.h"
#include "GuideWindow.h"
#include "MainWindow.h"
#include "cookies/CookieManager.h"
#include "cookies/CookiePane.h"
#include "desktop/DesktopController.h"
#include "desktop/PopoverDesktopList.h"
#include "desktop/StoreBrowser.h"
#include "platform/DialogOpenPanel.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "widgets/PRLeftTipButton.h"

void AppDelegate::buildDispatchRows() {
    m_dispatcher.addRow({m_guideWindow->gotItButton(), {}, [this] { m_guideWindow->hide(); }, {}});
    m_dispatcher.addRow({m_fulldiskWindow->okButton(), {}, [this] { m_fulldiskWindow->hide(); }, {}});
    m_dispatcher.addRow({m_window->overviewButton(), {}, [this] { m_window->showStartView(); }, {}});

    CapabilitySections::trash([this] { ScanUserTrashFile(); }, [this] { StrongEmptyTrash(); })
        .add(*m_window, m_dispatcher);
    CapabilitySections::autoClean([this] { ShowAutoTrash(); }).add(*m_window, m_dispatcher);
    CapabilitySections::protection([this] { ShowDeleteProtectWindow(); }).add(*m_window, m_dispatcher);

    m_storeBrowser = new StoreBrowser(m_desktop, m_nc.get(), m_services.workspace, m_services.alerts);
    m_desktopList = new PopoverDesktopList(m_desktop, m_nc.get(), m_services.workspace, m_services.alerts);
    m_desktopList->setShowPreferences([this] { ClickShowPereferenceWindow(); });
    CapabilitySections::desktopTidy(m_storeBrowser, [this] {
        m_window->showSection(QStringLiteral("desktop"));
        m_storeBrowser->showPage();
    }).add(*m_window, m_dispatcher);
    CapabilitySections::secureErase([this] { StartSafeDeleteFileAction(); }).add(*m_window, m_dispatcher);
}

void AppDelegate::buildAccessGrants() {
    if (!m_services.openPanel) m_services.openPanel = std::make_shared<DialogOpenPanel>();
    m_access =
        new AccessGrants(m_services.defaults, m_services.paths, m_services.openPanel, m_nc.get(), this);
    m_access->setMainWindow(m_window);
    m_access->setStatusItemSetup([this] { initStateBannerView(); });
    // A start location is the store location for this run, when it may hold the store folder.
    m_access->setStartLocationTaker([this](const QString& folder) {
        QString why;
        m_desktop->setStorelocationPath(folder, &why);
        return why;
    });
    connect(m_desktopList, &PopoverDesktopList::storeLocationWanted, m_access,
            &AccessGrants::showStartTidyView);
    manageWindow(m_access->connectWindow());
    ConnectWindow* connect = m_access->connectWindow();
    m_dispatcher.addRow({connect->connectButton(),
                         {{connect->connectButton(), QStringLiteral("connectdownbtn.png")}},
                         [this] { m_access->clickConnectHomeAction(); },
                         {{connect->connectButton(), QStringLiteral("connectnombtn.png")}}});
    m_dispatcher.addRow({connect->startLocationButton(), {}, [this] { m_access->clickStartLocation(); }, {}});
    QObject::connect(connect, &ConnectWindow::tidyNowClicked, this, &AppDelegate::ClickTidyAction);
}

void AppDelegate::buildCookieSection() {
    buildAccessGrants();
    m_cookies = new CookieManager(m_services.paths, m_services.alerts, m_services.workspace, this);
    m_cookies->setDefaults(m_services.defaults);
    m_cookiePane = new CookiePane(m_cookies, m_nc.get());
    CapabilitySections::cookies(m_cookiePane, [this] {
        m_window->showSection(QStringLiteral("cookies"));
    }).add(*m_window, m_dispatcher);
    // Each source button shows itself pressed and the others not; the open panel's choice joins the
    // opened files, which then show pressed.
    using Source = CookiePane::Source;
    const int open = 0, newer = 4;
    const std::tuple<Source, const char*, const char*> sources[] = {
        {Source::OpenFile, "opencooikedown.png", "opencookienom.png"},
        {Source::BinaryFile, "safaricookiedown.png", "Safaricookienom.png"},
        {Source::Chrome, "chromecookiedown.png", "chromecookienom.png"},
        {Source::Firefox, "firefoxcookiedown.png", "firefoxcookienom.png"},
        {Source::OpenedFiles, "newcookiedown.png", "newcookienom.png"}};
    for (const auto& [source, down, normal] : sources)
        m_cookieSources.add(m_cookiePane->sourceButton(source), QLatin1String(down), QLatin1String(normal));
    const std::function<void()> actions[] = {
        [this, newer] {
            ActClickOpenCookiesAction();
            m_cookieSources.select(newer);
        },
        [this] { ActClickSafariAction(); },
        [this] { ActClickChromeAction(); },
        [this] { ActClickFireFoxAction(); },
        [this] { m_cookies->showOpenedFiles(); },
    };
    for (int i = open; i < m_cookieSources.count(); ++i)
        m_dispatcher.addRow({m_cookieSources.button(i),
                             {},
                             [this, i, action = actions[i]] {
                                 m_cookieSources.select(i);
                                 action();
                             },
                             {}});
}

bool AppDelegate::passAccessGate() {
    if (m_access->grantedFolder()) return true;
    m_access->showConnectWindow();
    return false;
}

void AppDelegate::ActClickSafariAction() {
    // No browser of the freedesktop layout keeps a binary cookie file: the button opens one.
    if (m_services.paths->safariCookieFile().isEmpty()) {
        ActClickOpenCookiesAction();
        return;
    }
    if (passAccessGate()) m_cookies->ScanSafariCookieFile();
}

void AppDelegate::ActClickChromeAction() {
    if (passAccessGate()) m_cookies->ScanChromeCookieFile();
}

void AppDelegate::ActClickFireFoxAction() {
    if (passAccessGate()) m_cookies->ScanFireFoxCookieFile();
}

void AppDelegate::ActClickOpenCookiesAction() {
    const QString chosen = m_services.openPanel->runModal(
        m_window, {m_services.paths->documentsFolder(), false, localized("Open a cookie file")});
    if (chosen.isEmpty()) return;  // cancelled: the opened-files list stays as it was
    m_cookies->openChosenFile(chosen);
    m_cookiePane->showOpenedFilesButton();
}
