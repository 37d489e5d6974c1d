#include "AppDelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "AboutWindow.h"
#include "AccessGrants.h"
#include "ConnectWindow.h"
#include "FullDiskWindow.h"
#include "GuideWindow.h"
#include "MainWindow.h"
#include "PopoverWindow.h"
#include "PreferencesWindow.h"
#include "ProductInfo.h"
#include "StatusItem.h"
#include "autoclean/AutoAgeing.h"
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/AutoTrashWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "cookies/CookieManager.h"
#include "cookies/CookiePane.h"
#include "core/FileUtilities.h"
#include "core/SettingsKeys.h"
#include "desktop/DesktopController.h"
#include "desktop/PopoverDesktopList.h"
#include "desktop/StoreBrowser.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionFactory.h"
#include "erase/EraseController.h"
#include "erase/ErasePanel.h"
#include "platform/Appearance.h"
#include "platform/Authorization.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/DialogOpenPanel.h"
#include "platform/HelperProgram.h"
#include "platform/Localized.h"
#include "platform/LoginItems.h"
#include "platform/MainThread.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "protect/DeleteProtectWindow.h"
#include "protect/PPopoverWindowConterller.h"
#include "protect/ProtectConfirmWindow.h"
#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"
#include "trash/PutBackReader.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashStore.h"
#include "trash/TrashWindow.h"
#include "update/PRUpdateController.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/ProgressWindow.h"
#include "widgets/WindowPlacement.h"

namespace {
AppDelegate* g_shared = nullptr;
const char kDark[] = "Dark";
const char kBannerIcon[] = "bannerIcon.png";
const char kDarkBannerIcon[] = "darkbannerIcon.png";
}  // namespace

AppDelegate::AppDelegate(AppServices services, QObject* parent)
    : QObject(parent), m_services(std::move(services)), m_nc(std::make_unique<NotificationCenter>()) {
    if (!m_services.clock) m_services.clock = std::make_shared<Clock>();
    m_fileUtilities = std::make_shared<FileUtilities>(m_services.paths, m_services.tasks);
    m_origPaths = std::make_shared<TrashOrigPaths>();
    if (!m_services.commands) m_services.commands = std::make_shared<SystemCommands>(m_services.tasks);
    // The protection rules, shared by the rules editor, the protected-items window and every pass.
    const ProtectionFactory::Sources protection =
        ProtectionFactory::fromSettings(m_services.defaults, m_origPaths);
    m_protectionRules = protection.rules;
    m_protectedItems = protection.items;
    m_empty = new EmptyController(
        m_services.paths, m_services.commands, m_origPaths, m_services.workspace, m_services.alerts,
        ProtectionFactory::forEmptying(protection,
                                       [this](const QList<CVTrashFileNode::Ptr>& rows) {
                                           MainThread::runAndWait([&] {
                                               if (m_theConfirmWindow)
                                                   m_theConfirmWindow->NeeDeleteConfirmWarning(rows);
                                           });
                                       }),
        this);
    m_empty->setRunAdmin([this](const QStringList& resisted) { RunAdmintoRemoveTrashFile(resisted); });
    m_erase = new EraseController(m_services.alerts, m_services.paths, this);
    m_desktop = new DesktopController(m_services.defaults, m_services.paths, this);

    // Image buttons report presses to us for any sender.
    m_nc->addObserver(
        this, QLatin1String(PRLeftTipButton::MouseDown),
        [this](const NotificationCenter::Notification& n) { PRLeftTipButtonMouseDownHandle(n.object); });
    // The shared instance.
    g_shared = this;
    // Lists are members; flags start off.
    m_isDarkMode = false;
    // The system version.
    m_macOsVer = 10;
    m_macOsVer = getSystemVersion().minor;
}

AppDelegate::~AppDelegate() {
    if (g_shared == this) g_shared = nullptr;
    if (m_thePopover) delete m_thePopover.data();
    delete m_trashBrowser;  // waits for its workers
    delete m_empty;         // waits for its pass, which may show the confirm window
    delete m_erase;
    delete m_desktopList;
    delete m_desktop;  // waits for its tidy
    m_desktop = nullptr;
    delete m_emptyProgressWindow;
    delete m_eraseProgressWindow;
    for (const auto& w : std::as_const(m_windows)) delete w.data();
    // Children that observe the notification center go before the center itself.
    delete m_protectViewController;
}

QString AppDelegate::StorelocationPath() const {
    return m_desktop ? m_desktop->StorelocationPath() : QString();
}

QPointer<PopoverWindow> AppDelegate::thePopover() const {
    return m_thePopover;
}

AppDelegate* AppDelegate::GetAppControllor() {
    return g_shared;
}

VersionTriple AppDelegate::getSystemVersion() const {
    const SystemVersion* sv = m_services.systemVersion.get();
    if (!sv || !sv->reportsMacOS()) return VersionTriple{10, 0, 0};  // nothing to ask on this system
    long error = 0;
    const VersionTriple v = sv->query(&error);
    if (error != 0) std::fprintf(stderr, "Unable to obtain system version: %ld\n", error);
    return v;
}

void AppDelegate::awakeFromNib() {
    // The right pane starts on the start view (MainWindow builds it that way).
    m_window = new MainWindow(m_nc.get());
    m_guideWindow = new GuideWindow(m_nc.get());
    m_fulldiskWindow = new FullDiskWindow(m_nc.get());
    m_perfereceWindow = new PreferencesWindow(m_services.defaults->filePath());
    m_perfereceWindow->setStorePath(m_desktop->storeFolder());
    m_aboutWindow = new AboutWindow;
    m_thePopViewController = new PPopoverviewConterller(m_services.defaults, m_services.loginItems, this);
    // The popover controller's view also lives in the auto-clean window.
    m_autoTrashWindow = new AutoTrashWindow(m_thePopViewController->view());
    connect(m_thePopViewController, &PPopoverviewConterller::autoLoginChanged, this,
            [this](bool on) { m_window->autoLunchBtn->setChecked(on); });
    if (!m_services.notifications) m_services.notifications = std::make_shared<DesktopNotifications>();
    m_autoClean = std::make_unique<AutoCleanPolicy>(m_services.defaults, m_services.alerts, m_services.clock,
                                                    m_services.notifications);
    m_autoClean->setConditions(m_thePopViewController);
    m_autoClean->setTrashSizeFunction([this] { return m_fileUtilities->getTrashFileSize(); });
    m_autoClean->setStartEmptying([this] { return m_empty->ForceEmptyTrash(); });
    m_autoClean->setEmptyingRunning([this] { return m_empty->isRunning(); });
    m_ageing = new AutoAgeing(m_services.paths, m_fileUtilities, m_services.workspace, m_services.commands,
                              m_services.defaults, this);
    m_autoClean->setStartAgeing([this](const AgeingRules& rules) { return m_ageing->start(rules); });
    m_autoClean->setShowLastClean([this](const QString& size, const QString& date) {
        m_thePopViewController->ShowLastCleanUpInfo(size, date);
        m_window->setLastCleanText(size.isNull() ? localized("Last cleaned %1").arg(date)
                                                 : localized("Last cleaned %1, %2").arg(date, size));
    });
    setCleanUpHandler([this] { m_autoClean->CleanUpTimer_hander(); });
    // The protection rules editor and the protected-items window.
    m_protectViewController =
        new PPopoverWindowConterller(m_protectionRules, m_nc.get(), m_services.paths, this);
    m_protectViewController->setAlerts(m_services.alerts);
    m_deleteProtectWindow = new DeleteProtectWindow(m_protectViewController);
    m_theConfirmWindow =
        new ProtectConfirmWindow(m_nc.get(), m_services.workspace, m_services.alerts, m_services.commands,
                                 TrashStore::forPaths(m_services.paths));
    m_theConfirmWindow->setPutBackQuestion(m_services.putBackQuestion);
    // The trash table, its back button and progress indicator start hidden.
    m_trashBrowser = new TrashBrowser(m_services.paths, m_fileUtilities, m_origPaths, m_services.workspace);
    m_trashBrowser->setRemoval(m_services.commands, m_services.alerts, [this](const QStringList& resisted) {
        ShowForceEmptyAlertToMainThread(resisted);
    });
    m_trashBrowser->setPutBackQuestion(m_services.putBackQuestion);
    // The total and the list under the table follow an emptying.
    connect(m_empty, &EmptyController::passFinished, m_trashBrowser, &TrashBrowser::rescanIfShown);
    for (QWidget* w : {static_cast<QWidget*>(m_window), static_cast<QWidget*>(m_guideWindow),
                       static_cast<QWidget*>(m_fulldiskWindow), static_cast<QWidget*>(m_perfereceWindow),
                       static_cast<QWidget*>(m_aboutWindow), static_cast<QWidget*>(m_trashBrowser->window()),
                       static_cast<QWidget*>(m_autoTrashWindow), static_cast<QWidget*>(m_deleteProtectWindow),
                       static_cast<QWidget*>(m_theConfirmWindow)})
        manageWindow(w);
    m_window->showStartView();
    buildProgressWindows();
    buildUpdateCheck();

    connect(m_window->autoLunchBtn, &QCheckBox::clicked, this, [this] { ClickPloverlyOnLogin(); });
    connect(m_window->autoCleanupSelectBtn, &QCheckBox::clicked, this, [this] { ClickAutoTidyDesktop(); });
    connect(m_perfereceWindow->changeStorePathButton, &QPushButton::clicked, this,
            [this] { ChangeStorePathAction(); });
    connect(m_perfereceWindow->hideDockButton, &QPushButton::clicked, this,
            [this] { HideAppIConDockAction(); });
    buildDispatchRows();
    buildCookieSection();

    // The appearance as the store's interface style says.
    if (m_services.appearance && m_services.appearance->interfaceStyle() == QLatin1String(kDark))
        m_isDarkMode = true;
    // Stored settings last, once every window they touch exists.
    readConfigfileInfo();
}

void AppDelegate::buildDispatchRows() {
    m_dispatcher.addRow({m_guideWindow->gotitbutton, {}, [this] { m_guideWindow->hide(); }, {}});
    m_dispatcher.addRow({m_fulldiskWindow->diskOkbutton, {}, [this] { m_fulldiskWindow->hide(); }, {}});
    m_dispatcher.addRow({m_window->overviewButton(), {}, [this] { m_window->showStartView(); }, {}});

    PRLeftTipButton* trash = m_window->addSection(
        {QStringLiteral("trash"), localized("Trash"), QStringLiteral("section-trash.png"),
         localized(
             "Everything in your Trash and on your volumes: sizes, rights, dates and where each item came "
             "from. Walk into folders, open or reveal items."),
         nullptr});
    m_dispatcher.addRow({trash, {}, [this] { ScanUserTrashFile(); }, {}});
    m_dispatcher.addRow(
        {m_window->cardButton(QStringLiteral("trash")), {}, [this] { ScanUserTrashFile(); }, {}});
    m_dispatcher.addRow({m_window->addCardButton(QStringLiteral("trash"), localized("Empty Trash"),
                                                 QStringLiteral("card_empty")),
                         {},
                         [this] { StrongEmptyTrash(); },
                         {}});

    PRLeftTipButton* autoClean = m_window->addSection(
        {QStringLiteral("autoclean"), localized("Auto Clean"), QStringLiteral("section-autoclean.png"),
         localized("Empty the Trash by itself when it grows past a size or a chosen period has passed."),
         nullptr});
    m_dispatcher.addRow({autoClean, {}, [this] { ShowAutoTrash(); }, {}});
    m_dispatcher.addRow(
        {m_window->cardButton(QStringLiteral("autoclean")), {}, [this] { ShowAutoTrash(); }, {}});

    PRLeftTipButton* protect = m_window->addSection(
        {QStringLiteral("protect"), localized("Protection"), QStringLiteral("section-protect.png"),
         localized("Rules that keep kinds of files, and items from chosen folders, in the Trash when it is "
                   "emptied."),
         nullptr});
    m_dispatcher.addRow({protect, {}, [this] { ShowDeleteProtectWindow(); }, {}});
    m_dispatcher.addRow(
        {m_window->cardButton(QStringLiteral("protect")), {}, [this] { ShowDeleteProtectWindow(); }, {}});

    m_storeBrowser = new StoreBrowser(m_desktop, m_nc.get(), m_services.workspace, m_services.alerts);
    m_desktopList = new PopoverDesktopList(m_desktop, m_nc.get(), m_services.workspace, m_services.alerts);
    m_desktopList->setShowPreferences([this] { ClickShowPereferenceWindow(); });
    PRLeftTipButton* desktop = m_window->addSection(
        {QStringLiteral("desktop"), localized("Desktop Tidy"), QStringLiteral("section-desktop.png"),
         localized("Sweep the Desktop into one store folder, then browse it by kind, preview, put items "
                   "back or delete them."),
         m_storeBrowser});
    auto showDesktop = [this] {
        m_window->showSection(QStringLiteral("desktop"));
        m_storeBrowser->showPage();
    };
    m_dispatcher.addRow({desktop, {}, showDesktop, {}});
    m_dispatcher.addRow({m_window->cardButton(QStringLiteral("desktop")), {}, showDesktop, {}});

    PRLeftTipButton* erase = m_window->addSection(
        {QStringLiteral("erase"), localized("Secure Erase"), QStringLiteral("section-erase.png"),
         localized("Overwrite files and folders before removing them, so they can't be recovered. You can "
                   "also drop "
                   "files on any Corvane window."),
         nullptr});
    m_dispatcher.addRow({erase, {}, [this] { StartSafeDeleteFileAction(); }, {}});
    m_dispatcher.addRow(
        {m_window->cardButton(QStringLiteral("erase")), {}, [this] { StartSafeDeleteFileAction(); }, {}});
}

void AppDelegate::buildCookieSection() {
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
    m_dispatcher.addRow({connect->connectBtn,
                         {{connect->connectBtn, QStringLiteral("connectdownbtn.png")}},
                         [this] { m_access->clickConnectHomeAction(); },
                         {{connect->connectBtn, QStringLiteral("connectnombtn.png")}}});
    m_dispatcher.addRow({connect->tidybutton, {}, [this] { m_access->clickStartLocation(); }, {}});
    QObject::connect(connect->tidyNowButton, &QPushButton::clicked, this, &AppDelegate::ClickTidyAction);

    m_cookies = new CookieManager(m_services.paths, m_services.alerts, m_services.workspace, this);
    m_cookies->setDefaults(m_services.defaults);
    cookiePane = new CookiePane(m_cookies, m_nc.get());
    PRLeftTipButton* section = m_window->addSection(
        {QStringLiteral("cookies"), localized("Cookies"), QStringLiteral("section-cookies.png"),
         localized(
             "The cookies your browsers keep: see them, export them as text or as cookies.txt, and remove "
             "them."),
         cookiePane});
    auto showPane = [this] { m_window->showSection(QStringLiteral("cookies")); };
    m_dispatcher.addRow({section, {}, showPane, {}});
    m_dispatcher.addRow({m_window->cardButton(QStringLiteral("cookies")), {}, showPane, {}});
    // Each source button shows itself pressed and the others not.
    CookiePane* p = cookiePane;
    auto images = [p](const char* open, const char* safari, const char* chrome, const char* newer,
                      const char* firefox) {
        return QList<ButtonDispatcher::ImageChange>{{p->openCookieBtn, QLatin1String(open)},
                                                    {p->safariCookieBtn, QLatin1String(safari)},
                                                    {p->chromeCookieBtn, QLatin1String(chrome)},
                                                    {p->newCookieBtn, QLatin1String(newer)},
                                                    {p->firefoxCookieBtn, QLatin1String(firefox)}};
    };
    m_dispatcher.addRow({p->openCookieBtn,
                         images("opencooikedown.png", "Safaricookienom.png", "chromecookienom.png",
                                "newcookienom.png", "firefoxcookienom.png"),
                         [this] { ActClickOpenCookiesAction(); },
                         {{p->openCookieBtn, QStringLiteral("opencookienom.png")},
                          {p->newCookieBtn, QStringLiteral("newcookiedown.png")}}});
    m_dispatcher.addRow({p->safariCookieBtn,
                         images("opencookienom.png", "safaricookiedown.png", "chromecookienom.png",
                                "newcookienom.png", "firefoxcookienom.png"),
                         [this] { ActClickSafariAction(); },
                         {}});
    m_dispatcher.addRow({p->chromeCookieBtn,
                         images("opencookienom.png", "Safaricookienom.png", "chromecookiedown.png",
                                "newcookienom.png", "firefoxcookienom.png"),
                         [this] { ActClickChromeAction(); },
                         {}});
    m_dispatcher.addRow({p->firefoxCookieBtn,
                         images("opencookienom.png", "Safaricookienom.png", "chromecookienom.png",
                                "newcookienom.png", "firefoxcookiedown.png"),
                         [this] { ActClickFireFoxAction(); },
                         {}});
    m_dispatcher.addRow({p->newCookieBtn,
                         images("opencookienom.png", "Safaricookienom.png", "chromecookienom.png",
                                "newcookiedown.png", "firefoxcookienom.png"),
                         [this] { m_cookies->showOpenedFiles(); },
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
    cookiePane->newCookieBtn->show();
}

void AppDelegate::buildProgressWindows() {
    m_emptyProgressWindow =
        new ProgressWindow(QStringLiteral("emptyProgressWindow"), localized("Empty Trash"));
    connect(m_empty, &EmptyController::passStarted, this,
            [this] { followEmptyingPass(m_empty->progress()); });
    connect(m_empty, &EmptyController::passFinished, m_emptyProgressWindow, &ProgressWindow::end);
    m_eraseProgressWindow =
        new ProgressWindow(QStringLiteral("eraseProgressWindow"), localized("Secure Erase"));
    connect(m_erase, &EraseController::eraseStarted, this, [this] {
        m_eraseProgressWindow->begin(m_erase->progress(), localized("Erasing the chosen items…"),
                                     localized("Erasing"), true);
    });
    connect(m_erase, &EraseController::EraseAllFinishedHanderToMainThread, m_eraseProgressWindow,
            &ProgressWindow::end);
}

void AppDelegate::followEmptyingPass(std::shared_ptr<WorkProgress> progress) {
    m_emptyProgressWindow->begin(std::move(progress), localized("Emptying the Trash…"), localized("Removing"),
                                 true);
}

void AppDelegate::readConfigfileInfo() {
    Defaults& d = *m_services.defaults;
    // Open at login: on only for "YES".
    m_window->autoLunchBtn->setChecked(d.stringForKey(SettingsKeys::BAutoLogin) == SettingsKeys::YES);
    // Auto tidy: on when absent or "YES".
    const QVariant tidy = d.objectForKey(SettingsKeys::BAutoTidy);
    m_window->autoCleanupSelectBtn->setChecked(!tidy.isValid() ||
                                               d.stringForKey(SettingsKeys::BAutoTidy) == SettingsKeys::YES);
    // Any stored value hides the task bar entry, unless started as an agent anyway.
    if (d.hasValue(SettingsKeys::BHideAppInDock) && !d.boolForKey(SettingsKeys::LaunchAsAgentApp))
        setAccessoryMode();
}

void AppDelegate::applicationDidFinishLaunching() {
    Defaults& d = *m_services.defaults;
    const QDateTime now = m_services.clock->now();
    initStateBannerView();
    // Auto-clean counts its interval from the first launch.
    if (!d.hasValue(SettingsKeys::LastCleanDate)) d.setDate(SettingsKeys::LastCleanDate, now);
    // First launch: the product page and the guide, once.
    if (!d.hasValue(SettingsKeys::FirstLauch)) {
        d.setDate(SettingsKeys::FirstLauch, now);
        m_services.workspace->openURL(QUrl(QLatin1String(ProductInfo::ProductPage)));
        centerWindow(m_guideWindow);
        m_guideWindow->show();
    } else {
        m_guideWindow->hide();
    }
    // Launch defaults, then one write.
    if (!d.hasValue(SettingsKeys::TrashStorage))
        d.setUnsigned(SettingsKeys::TrashStorage, SettingsKeys::DefaultTrashStorage);
    if (!d.hasValue(SettingsKeys::BAutoTidy)) d.setString(SettingsKeys::BAutoTidy, SettingsKeys::YES);
    if (!d.hasValue(SettingsKeys::BShowWarning)) d.setString(SettingsKeys::BShowWarning, SettingsKeys::YES);
    d.synchronize();
    // The last clean, its date as "(yyyy-MM-dd)".
    m_autoClean->showLastClean();
    // The two timers; the first auto-clean check runs one interval after launch.
    m_autoTrashTimer = new QTimer(this);
    m_autoTrashTimer->setObjectName(QStringLiteral("autoTrashTimer"));
    bool ok = false;
    const int shortened = qEnvironmentVariableIntValue("CORVANE_AUTOCLEAN_INTERVAL", &ok);
    m_autoTrashTimer->setInterval(ok && shortened > 0 ? shortened * 1000 : 21600 * 1000);
    connect(m_autoTrashTimer, &QTimer::timeout, this, &AppDelegate::CleanUpTimer_hander);
    m_autoTrashTimer->start();
    m_autoTidyTimer = new QTimer(this);
    m_autoTidyTimer->setObjectName(QStringLiteral("autoTidyTimer"));
    m_autoTidyTimer->setInterval(1000);
    connect(m_autoTidyTimer, &QTimer::timeout, this, &AppDelegate::BMakeModeTimer_hander);
    m_autoTidyTimer->start();
    // The update check.
    if (m_services.updateController) {
        m_services.updateController->hidUpdateWindow();
        m_services.updateController->checkServerVersion();
    }
    // The access probe, where the system has such a thing.
    if (m_macOsVer >= 15) {
        QFile probe(m_services.paths->trashRecordsFile());
        if (!probe.open(QIODevice::ReadOnly)) {
            centerWindow(m_fulldiskWindow);
            m_fulldiskWindow->show();
            m_fulldiskWindow->raise();
            m_fulldiskWindow->activateWindow();
        }
    }
}

void AppDelegate::CleanUpTimer_hander() {
    if (m_cleanUpHandler) m_cleanUpHandler();
}

void AppDelegate::BMakeModeTimer_hander() {
    if (!m_window->autoCleanupSelectBtn->isChecked()) return;
    const bool dark =
        m_services.appearance && m_services.appearance->interfaceStyle() == QLatin1String(kDark);
    if (dark && !m_isDarkMode) {
        m_statusItem->setImage(QLatin1String(kDarkBannerIcon));
        m_isDarkMode = true;
    } else if (!dark && m_isDarkMode) {
        m_statusItem->setImage(QLatin1String(kBannerIcon));
        m_isDarkMode = false;
    }
}

void AppDelegate::initStateBannerView() {
    if (m_statusItem) return;
    m_statusItem = new StatusItem(this);
    const bool dark =
        m_services.appearance && m_services.appearance->interfaceStyle() == QLatin1String(kDark);
    m_statusItem->setImage(QLatin1String(dark ? kDarkBannerIcon : kBannerIcon));
    connect(m_statusItem, &StatusItem::clicked, this, [this] { ClickStateBanner(m_statusItem->geometry()); });
    connect(m_statusItem->addFeatureAction(localized("Trash Items…"), QStringLiteral("trashItemsAction")),
            &QAction::triggered, this, &AppDelegate::ScanUserTrashFile);
    connect(m_statusItem->addFeatureAction(localized("Empty Trash"), QStringLiteral("emptyTrashAction")),
            &QAction::triggered, this, &AppDelegate::StrongEmptyTrash);
    connect(m_statusItem->addFeatureAction(localized("Secure Erase…"), QStringLiteral("secureEraseAction")),
            &QAction::triggered, this, &AppDelegate::StartSafeDeleteFileAction);
    connect(m_statusItem->addFeatureAction(localized("Protection Rules…"),
                                           QStringLiteral("protectionRulesAction")),
            &QAction::triggered, this, &AppDelegate::ShowDeleteProtectWindow);
    connect(m_statusItem->addFeatureAction(localized("Auto Clean…"), QStringLiteral("autoCleanAction")),
            &QAction::triggered, this, &AppDelegate::ShowAutoTrash);
    addUpdateMenuItem();
    connect(m_statusItem->quickViewAction, &QAction::triggered, this,
            [this] { ClickStateBanner(m_statusItem->geometry()); });
    connect(m_statusItem->openMainAction, &QAction::triggered, this, &AppDelegate::showMainWindow);
    connect(m_statusItem->preferencesAction, &QAction::triggered, this,
            &AppDelegate::ClickShowPereferenceWindow);
    connect(m_statusItem->helpAction, &QAction::triggered, this, &AppDelegate::ClickHelp);
    connect(m_statusItem->aboutAction, &QAction::triggered, this, &AppDelegate::ActAboutAction);
    connect(m_statusItem->quitAction, &QAction::triggered, this, &AppDelegate::QuiteAppAction);
    followTrayAvailability();
}

void AppDelegate::ClickStateBanner(const QRect& anchor) {
    if (!m_thePopover) {
        // The stored items show from the first opening on, catalogued once if nothing did yet.
        if (m_desktopList->backupArray().isEmpty()) {
            if (m_desktop->catalogue().getDesktopAllArray().isEmpty() && !m_desktop->storeFolder().isEmpty())
                m_desktop->FreshCurrentDeskTop();
            m_desktopList->SetTableControllerArray(m_desktop->catalogue().getDesktopAllArray());
        }
        m_thePopover = new PopoverWindow(m_thePopViewController->view(), m_desktopList);
        m_thePopover->setAcceptDrops(true);
        m_thePopover->installEventFilter(this);
        connect(m_thePopover, &PopoverWindow::popoverDidClose, this, &AppDelegate::popoverDidClose);
        connect(m_thePopover, &PopoverWindow::openMainWindowRequested, this, &AppDelegate::showMainWindow);
        connect(m_thePopover, &PopoverWindow::quitRequested, this, &AppDelegate::QuiteAppAction);
    }
    m_thePopover->showRelativeTo(anchor);
}

void AppDelegate::popoverDidClose() {
    m_thePopover = nullptr;
    m_autoTrashWindow->reclaim();
}

void AppDelegate::ShowAutoTrash() {
    m_autoClean->showLastClean();
    m_autoTrashWindow->toggle();
    if (m_autoTrashWindow->isVisible()) {
        m_autoTrashWindow->raise();
        m_autoTrashWindow->activateWindow();
    }
}

void AppDelegate::setAccessoryMode() {
    m_accessoryMode = true;
    // Without a tray the task bar is the only way back to the window.
    if (m_windowed) return;
    // A tool window stays off the task bar; showing it again applies the new flags.
    const bool visible = m_window->isVisible();
    m_window->setWindowFlag(Qt::Tool, true);
    if (visible) m_window->show();
    m_perfereceWindow->setAgentMode(true);
}

void AppDelegate::HideAppIConDockAction() {
    Defaults& d = *m_services.defaults;
    if (d.boolForKey(SettingsKeys::LaunchAsAgentApp)) return;
    setAccessoryMode();
    d.setString(SettingsKeys::BHideAppInDock, SettingsKeys::YES);
    d.synchronize();
}

void AppDelegate::addAppAsLoginItem() {
    if (m_services.loginItems) m_services.loginItems->addAppAsLoginItem();
}

void AppDelegate::deleteAppFromLoginItem() {
    if (m_services.loginItems) m_services.loginItems->deleteAppFromLoginItem();
}

void AppDelegate::ClickPloverlyOnLogin() {
    Defaults& d = *m_services.defaults;
    if (m_window->autoLunchBtn->isChecked()) {
        addAppAsLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::YES);
    } else {
        deleteAppFromLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::NO);
    }
    d.synchronize();
    m_thePopViewController->autoLunchBtn->setChecked(m_window->autoLunchBtn->isChecked());
}

bool AppDelegate::windowShouldClose(QWidget* w) {
    if (w == m_window) {
        m_window->hide();
        // Without a tray icon nothing shows that Corvane still runs.
        if (m_windowed) postStillRunning();
    } else if (w)
        w->hide();
    return false;
}

void AppDelegate::ClickAutoTidyDesktop() {
    Defaults& d = *m_services.defaults;
    d.setString(SettingsKeys::BAutoTidy,
                m_window->autoCleanupSelectBtn->isChecked() ? SettingsKeys::YES : SettingsKeys::NO);
    d.synchronize();
}

void AppDelegate::ClickTidyAction() {
    m_thePopViewController->viewDidLoad();
    // Without a store location the tidy asks for one first, as the store browser does.
    m_storeBrowser->ClickTidyNowAct();
    m_access->connectWindow()->hide();
}

void AppDelegate::ChangeStorePathAction() {
    m_storeBrowser->ChangeStorePathAction();
    m_perfereceWindow->setStorePath(m_desktop->storeFolder());
}

void AppDelegate::ClickShowPereferenceWindow() {
    if (m_perfereceWindow->isVisible()) return;
    centerWindow(m_perfereceWindow);
    m_perfereceWindow->show();
}

void AppDelegate::ClickHelp() {
    m_services.workspace->openURL(QUrl(QLatin1String(ProductInfo::UserGuidePage)));
}

void AppDelegate::ActAboutAction() {
    if (m_aboutWindow->isVisible()) return;
    centerWindow(m_aboutWindow);
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}

void AppDelegate::QuiteAppAction() {
    QCoreApplication::quit();
}

void AppDelegate::showMainWindow() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void AppDelegate::CheckTrashSourceAction() {
    ScanUserTrashFile();
}
void AppDelegate::ScanUserTrashFile() {
    m_trashBrowser->ScanUserTrashFile();
}
void AppDelegate::doubleclickAction() {
    m_trashBrowser->doubleclickAction();
}
void AppDelegate::OpenMenuAction() {
    m_trashBrowser->OpenMenuAction();
}
void AppDelegate::clickBackViewAction() {
    m_trashBrowser->clickBackViewAction();
}
void AppDelegate::ShowinFinderAction() {
    m_trashBrowser->ShowinFinderAction();
}

void AppDelegate::DeleteTrashItemAction() {
    m_trashBrowser->DeleteTrashItemAction();
}
void AppDelegate::SafeDeleteItemAction() {
    m_trashBrowser->SafeDeleteItemAction();
}
void AppDelegate::PutBackAction() {
    m_trashBrowser->PutBackAction();
}

void AppDelegate::StrongEmptyTrash() {
    showMainWindow();
    if (m_empty->isRunning() && m_emptyProgressWindow) m_emptyProgressWindow->showNow();
    m_empty->StrongEmptyTrash();
}

void AppDelegate::ShowForceEmptyAlertToMainThread(const QStringList& resisted) {
    m_empty->ShowForceEmptyAlertToMainThread(resisted);
}

void AppDelegate::RunAdmintoRemoveTrashFile(const QStringList& resisted) {
    if (m_runAdmin) {
        m_runAdmin(resisted);
        return;
    }
    // The helper removes only what it is named; it is never started to empty a Trash whole.
    if (resisted.isEmpty()) {
        qInfo("Nothing resisted; the helper is not started.");
        return;
    }
    // A running application that must not see its Trash emptied under it stops the helper quietly.
    if (Authorization::blockingApplicationRunning(m_services.workspace->launchedApplications())) return;
    if (m_services.authorization)
        m_services.authorization->startWithAdministratorRights(HelperProgram::tolvikPath(),
                                                               HelperProgram::removalArguments(resisted));
}

void AppDelegate::StartSafeDeleteFileAction() {
    if (m_erase->refuseWhileRunning()) {
        if (m_eraseProgressWindow) m_eraseProgressWindow->showNow();
        return;
    }
    const QString start = m_services.paths->userTrash();
    const QStringList chosen = m_erasePanel ? m_erasePanel(start) : ErasePanel::choose(m_window, start);
    if (chosen.isEmpty()) return;
    if (m_erase->confirm(chosen)) m_erase->startErase(chosen);
}

void AppDelegate::ShowDeleteProtectWindow() {
    m_deleteProtectWindow->toggle();
    if (m_deleteProtectWindow->isVisible()) {
        m_deleteProtectWindow->raise();
        m_deleteProtectWindow->activateWindow();
    }
}

void AppDelegate::application_openFiles(const QStringList& paths) {
    if (m_erase->refuseWhileRunning()) {
        if (m_eraseProgressWindow) m_eraseProgressWindow->showNow();
        return;
    }
    m_erase->application_openFiles(paths);
}

void AppDelegate::PRLeftTipButtonMouseDownHandle(QObject* button) {
    m_dispatcher.dispatch(button);
}

void AppDelegate::centerWindow(QWidget* w) const {
    WindowPlacement::centerOnScreen(w);
}

void AppDelegate::manageWindow(QWidget* w) {
    w->installEventFilter(this);
    w->setAcceptDrops(true);
    m_windows.append(w);
}

bool AppDelegate::handleDrop(QEvent* event) {
    // Files dropped on a window are offered for secure erase, as files opened with the program are.
    auto localFiles = [](const QMimeData* mime) {
        QStringList paths;
        if (!mime || !mime->hasUrls()) return paths;
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile()) paths << url.toLocalFile();
        return paths;
    };
    if (event->type() == QEvent::DragEnter) {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (localFiles(e->mimeData()).isEmpty()) return false;
        e->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        const QStringList paths = localFiles(e->mimeData());
        if (paths.isEmpty()) return false;
        e->acceptProposedAction();
        // Ask after the drop has finished, not inside the drag's own loop.
        QTimer::singleShot(0, this, [this, paths] { application_openFiles(paths); });
        return true;
    }
    return false;
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::DragEnter || event->type() == QEvent::Drop) && handleDrop(event))
        return true;
    if (event->type() == QEvent::Close) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && m_windows.contains(w)) {
            event->ignore();
            windowShouldClose(w);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QPair<QString, QWidget*>> AppDelegate::topLevelWindows() const {
    QList<QPair<QString, QWidget*>> list;
    for (const auto& w : m_windows)
        if (w) list.append({w->objectName(), w.data()});
    return list;
}
