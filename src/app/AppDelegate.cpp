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
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/AutoTrashWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "cookies/CookieManager.h"
#include "cookies/CookiePane.h"
#include "core/FileUtilities.h"
#include "core/SettingsKeys.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionHooks.h"
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
    if (!m_services.updateController) m_services.updateController = std::make_shared<PRUpdateController>();
    m_fileUtilities = std::make_shared<FileUtilities>(m_services.paths, m_services.tasks);
    TrashOrigPathArray = std::make_shared<TrashOrigPaths>();
    if (!m_services.commands) m_services.commands = std::make_shared<SystemCommands>(m_services.tasks);
    m_empty = new EmptyController(m_services.paths, m_services.commands, TrashOrigPathArray,
                                  m_services.workspace, m_services.alerts, this);
    m_empty->setRunAdmin([this] { RunAdmintoRemoveTrashFile(); });
    m_erase = new EraseController(m_services.commands, m_services.alerts, this);

    // Image buttons report presses to us for any sender.
    m_nc->addObserver(
        this, QLatin1String(PRLeftTipButton::MouseDown),
        [this](const NotificationCenter::Notification& n) { PRLeftTipButtonMouseDownHandle(n.object); });
    // The shared instance.
    g_shared = this;
    // Lists are members; flags start off.
    binaryCookie = false;
    isDarkMode = false;
    // The system version.
    macOsVer = 10;
    macOsVer = getSystemVersion().minor;
}

AppDelegate::~AppDelegate() {
    if (g_shared == this) g_shared = nullptr;
    if (thePopover) delete thePopover.data();
    delete m_trashBrowser;  // waits for its workers
    delete m_empty;         // waits for its pass, which may show the confirm window
    delete m_erase;
    delete emptyProgressWindow;
    delete eraseProgressWindow;
    for (const auto& w : std::as_const(m_windows)) delete w.data();
    // Children that observe the notification center go before the center itself.
    delete protectViewController;
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
    window = new MainWindow(m_nc.get());
    guideWindow = new GuideWindow(m_nc.get());
    fulldiskWindow = new FullDiskWindow(m_nc.get());
    perfereceWindow = new PreferencesWindow(m_services.defaults->filePath());
    aboutWindow = new AboutWindow;
    thePopViewController = new PPopoverviewConterller(m_services.defaults, m_services.loginItems, this);
    // The popover controller's view also lives in the auto-clean window.
    autoTrashWindow = new AutoTrashWindow(thePopViewController->view());
    connect(thePopViewController, &PPopoverviewConterller::autoLoginChanged, this,
            [this](bool on) { window->autoLunchBtn->setChecked(on); });
    if (!m_services.notifications) m_services.notifications = std::make_shared<DesktopNotifications>();
    m_autoClean = std::make_unique<AutoCleanPolicy>(m_services.defaults, m_services.alerts, m_services.clock,
                                                    m_services.notifications);
    m_autoClean->setConditions(thePopViewController);
    m_autoClean->setTrashSizeFunction([this] { return m_fileUtilities->getTrashFileSize(); });
    m_autoClean->setStartEmptying([this] { return m_empty->ForceEmptyTrash(); });
    m_autoClean->setEmptyingRunning([this] { return m_empty->isRunning(); });
    m_autoClean->setShowLastClean([this](const QString& size, const QString& date) {
        thePopViewController->ShowLastCleanUpInfo(size, date);
        window->setLastCleanText(size.isNull() ? localized("Last cleaned %1").arg(date)
                                               : localized("Last cleaned %1, %2").arg(date, size));
    });
    setCleanUpHandler([this] { m_autoClean->CleanUpTimer_hander(); });
    // The protection rules editor and the protected-items window.
    protectionRules = std::make_shared<ProtectionRules>(m_services.defaults);
    protectedItems = std::make_shared<ProtectedItems>(protectionRules, TrashOrigPathArray);
    protectViewController = new PPopoverWindowConterller(protectionRules, m_nc.get(), m_services.paths, this);
    protectViewController->setAlerts(m_services.alerts);
    deleteProtectWindow = new DeleteProtectWindow(protectViewController);
    theConfirmWindow =
        new ProtectConfirmWindow(m_nc.get(), m_services.workspace, m_services.alerts, m_services.commands);
    m_empty->setProtection(
        protectionHooks(protectionRules, protectedItems, [this](const QList<CVTrashFileNode::Ptr>& rows) {
            MainThread::runAndWait([&] { theConfirmWindow->NeeDeleteConfirmWarning(rows); });
        }));
    // The trash table, its back button and progress indicator start hidden.
    m_trashBrowser =
        new TrashBrowser(m_services.paths, m_fileUtilities, TrashOrigPathArray, m_services.workspace);
    m_trashBrowser->setRemoval(m_services.commands, m_services.alerts,
                               [this] { ShowForceEmptyAlertToMainThread(); });
    for (QWidget* w : {static_cast<QWidget*>(window), static_cast<QWidget*>(guideWindow),
                       static_cast<QWidget*>(fulldiskWindow), static_cast<QWidget*>(perfereceWindow),
                       static_cast<QWidget*>(aboutWindow), static_cast<QWidget*>(m_trashBrowser->window()),
                       static_cast<QWidget*>(autoTrashWindow), static_cast<QWidget*>(deleteProtectWindow),
                       static_cast<QWidget*>(theConfirmWindow)})
        manageWindow(w);
    window->showStartView();
    buildProgressWindows();

    connect(window->autoLunchBtn, &QCheckBox::clicked, this, [this] { ClickPloverlyOnLogin(); });
    connect(perfereceWindow->hideDockButton, &QPushButton::clicked, this,
            [this] { HideAppIConDockAction(); });
    buildDispatchRows();
    buildCookieSection();

    // The appearance as the store's interface style says.
    if (m_services.appearance && m_services.appearance->interfaceStyle() == QLatin1String(kDark))
        isDarkMode = true;
    // 6.
    readConfigfileInfo();
}

void AppDelegate::buildDispatchRows() {
    m_dispatcher.addRow({guideWindow->gotitbutton, {}, [this] { guideWindow->hide(); }, {}});
    m_dispatcher.addRow({fulldiskWindow->diskOkbutton, {}, [this] { fulldiskWindow->hide(); }, {}});
    m_dispatcher.addRow({window->overviewButton(), {}, [this] { window->showStartView(); }, {}});

    PRLeftTipButton* trash = window->addSection(
        {QStringLiteral("trash"), localized("Trash"), QStringLiteral("section-trash.png"),
         localized(
             "Everything in your Trash and on your volumes: sizes, rights, dates and where each item came "
             "from. Walk into folders, open or reveal items."),
         nullptr});
    m_dispatcher.addRow({trash, {}, [this] { ScanUserTrashFile(); }, {}});
    m_dispatcher.addRow(
        {window->cardButton(QStringLiteral("trash")), {}, [this] { ScanUserTrashFile(); }, {}});
    m_dispatcher.addRow({window->addCardButton(QStringLiteral("trash"), localized("Empty Trash"),
                                               QStringLiteral("card_empty")),
                         {},
                         [this] { StrongEmptyTrash(); },
                         {}});

    PRLeftTipButton* autoClean = window->addSection(
        {QStringLiteral("autoclean"), localized("Auto Clean"), QStringLiteral("section-autoclean.png"),
         localized("Empty the Trash by itself when it grows past a size or a chosen period has passed."),
         nullptr});
    m_dispatcher.addRow({autoClean, {}, [this] { ShowAutoTrash(); }, {}});
    m_dispatcher.addRow(
        {window->cardButton(QStringLiteral("autoclean")), {}, [this] { ShowAutoTrash(); }, {}});

    PRLeftTipButton* protect = window->addSection(
        {QStringLiteral("protect"), localized("Protection"), QStringLiteral("section-protect.png"),
         localized("Rules that keep kinds of files, and items from chosen folders, in the Trash when it is "
                   "emptied."),
         nullptr});
    m_dispatcher.addRow({protect, {}, [this] { ShowDeleteProtectWindow(); }, {}});
    m_dispatcher.addRow(
        {window->cardButton(QStringLiteral("protect")), {}, [this] { ShowDeleteProtectWindow(); }, {}});

    PRLeftTipButton* erase = window->addSection(
        {QStringLiteral("erase"), localized("Secure Erase"), QStringLiteral("section-erase.png"),
         localized("Overwrite files and folders before removing them, so they can't be recovered. You can "
                   "also drop "
                   "files on any Corvane window."),
         nullptr});
    m_dispatcher.addRow({erase, {}, [this] { StartSafeDeleteFileAction(); }, {}});
    m_dispatcher.addRow(
        {window->cardButton(QStringLiteral("erase")), {}, [this] { StartSafeDeleteFileAction(); }, {}});
}

void AppDelegate::buildCookieSection() {
    if (!m_services.openPanel) m_services.openPanel = std::make_shared<DialogOpenPanel>();
    m_access =
        new AccessGrants(m_services.defaults, m_services.paths, m_services.openPanel, m_nc.get(), this);
    m_access->setMainWindow(window);
    m_access->setStatusItemSetup([this] { initStateBannerView(); });
    connect(m_access, &AccessGrants::startLocationChosen, this,
            [this](const QString& f) { StorelocationPath = f; });
    manageWindow(m_access->connectWindow());
    ConnectWindow* connect = m_access->connectWindow();
    m_dispatcher.addRow({connect->connectBtn,
                         {{connect->connectBtn, QStringLiteral("connectdownbtn.png")}},
                         [this] { m_access->clickConnectHomeAction(); },
                         {{connect->connectBtn, QStringLiteral("connectnombtn.png")}}});
    m_dispatcher.addRow({connect->tidybutton, {}, [this] { m_access->clickStartLocation(); }, {}});

    m_cookies = new CookieManager(m_services.paths, m_services.alerts, m_services.workspace, this);
    cookiePane = new CookiePane(m_cookies, m_nc.get());
    PRLeftTipButton* section = window->addSection(
        {QStringLiteral("cookies"), localized("Cookies"), QStringLiteral("section-cookies.png"),
         localized(
             "The cookies your browsers keep: see them, export them as text or as cookies.txt, and remove "
             "them."),
         cookiePane});
    auto showPane = [this] { window->showSection(QStringLiteral("cookies")); };
    m_dispatcher.addRow({section, {}, showPane, {}});
    m_dispatcher.addRow({window->cardButton(QStringLiteral("cookies")), {}, showPane, {}});
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
        window, {m_services.paths->documentsFolder(), false, localized("Open a cookie file")});
    if (chosen.isEmpty()) return;  // cancelled: the opened-files list stays as it was
    m_cookies->openChosenFile(chosen);
    cookiePane->newCookieBtn->show();
}

void AppDelegate::buildProgressWindows() {
    emptyProgressWindow = new ProgressWindow(QStringLiteral("emptyProgressWindow"), localized("Empty Trash"));
    connect(m_empty, &EmptyController::passStarted, this,
            [this] { followEmptyingPass(m_empty->progress()); });
    connect(m_empty, &EmptyController::passFinished, emptyProgressWindow, &ProgressWindow::end);
    eraseProgressWindow =
        new ProgressWindow(QStringLiteral("eraseProgressWindow"), localized("Secure Erase"));
    connect(m_erase, &EraseController::eraseStarted, this, [this] {
        eraseProgressWindow->begin(m_erase->progress(), localized("Erasing the chosen items…"),
                                   localized("Erasing"), true);
    });
    connect(m_erase, &EraseController::EraseAllFinishedHanderToMainThread, eraseProgressWindow,
            &ProgressWindow::end);
}

void AppDelegate::followEmptyingPass(std::shared_ptr<WorkProgress> progress) {
    emptyProgressWindow->begin(std::move(progress), localized("Emptying the Trash…"), localized("Removing"),
                               true);
}

void AppDelegate::readConfigfileInfo() {
    Defaults& d = *m_services.defaults;
    // Open at login: on only for "YES".
    window->autoLunchBtn->setChecked(d.stringForKey(SettingsKeys::BAutoLogin) == SettingsKeys::YES);
    // Auto tidy: on when absent or "YES".
    const QVariant tidy = d.objectForKey(SettingsKeys::BAutoTidy);
    window->autoCleanupSelectBtn->setChecked(!tidy.isValid() ||
                                             d.stringForKey(SettingsKeys::BAutoTidy) == SettingsKeys::YES);
    // Any stored value hides the task bar entry, unless started as an agent anyway.
    if (d.hasValue(SettingsKeys::BHideAppInDock) && !d.boolForKey(SettingsKeys::LaunchAsAgentApp))
        setAccessoryMode();
}

void AppDelegate::applicationDidFinishLaunching() {
    Defaults& d = *m_services.defaults;
    const QDateTime now = m_services.clock->now();
    // Cookie state.
    bSafariCookie = false;
    bFireFoxCookie = false;
    // The store location of the desktop tidy.
    StorelocationPath = d.stringForKey(SettingsKeys::PloverlyPath);
    // 3.
    initStateBannerView();
    // 4.
    if (!d.hasValue(SettingsKeys::LastCleanDate)) d.setDate(SettingsKeys::LastCleanDate, now);
    // First launch: the product page and the guide, once.
    if (!d.hasValue(SettingsKeys::FirstLauch)) {
        d.setDate(SettingsKeys::FirstLauch, now);
        m_services.workspace->openURL(QUrl(QLatin1String(ProductInfo::ProductPage)));
        centerWindow(guideWindow);
        guideWindow->show();
    } else {
        guideWindow->hide();
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
    autoTrashTimer = new QTimer(this);
    autoTrashTimer->setObjectName(QStringLiteral("autoTrashTimer"));
    bool ok = false;
    const int shortened = qEnvironmentVariableIntValue("CORVANE_AUTOCLEAN_INTERVAL", &ok);
    autoTrashTimer->setInterval(ok && shortened > 0 ? shortened * 1000 : 21600 * 1000);
    connect(autoTrashTimer, &QTimer::timeout, this, &AppDelegate::CleanUpTimer_hander);
    autoTrashTimer->start();
    autoTidyTimer = new QTimer(this);
    autoTidyTimer->setObjectName(QStringLiteral("autoTidyTimer"));
    autoTidyTimer->setInterval(1000);
    connect(autoTidyTimer, &QTimer::timeout, this, &AppDelegate::BMakeModeTimer_hander);
    autoTidyTimer->start();
    // The update check.
    m_services.updateController->hidUpdateWindow();
    m_services.updateController->checkServerVersion();
    // The access probe, where the system has such a thing.
    if (macOsVer >= 15) {
        QFile probe(m_services.paths->trashRecordsFile());
        if (!probe.open(QIODevice::ReadOnly)) {
            centerWindow(fulldiskWindow);
            fulldiskWindow->show();
            fulldiskWindow->raise();
            fulldiskWindow->activateWindow();
        }
    }
}

void AppDelegate::CleanUpTimer_hander() {
    if (m_cleanUpHandler) m_cleanUpHandler();
}

void AppDelegate::BMakeModeTimer_hander() {
    if (!window->autoCleanupSelectBtn->isChecked()) return;
    const bool dark =
        m_services.appearance && m_services.appearance->interfaceStyle() == QLatin1String(kDark);
    if (dark && !isDarkMode) {
        m_statusItem->setImage(QLatin1String(kDarkBannerIcon));
        isDarkMode = true;
    } else if (!dark && isDarkMode) {
        m_statusItem->setImage(QLatin1String(kBannerIcon));
        isDarkMode = false;
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
    connect(m_statusItem->quickViewAction, &QAction::triggered, this,
            [this] { ClickStateBanner(m_statusItem->geometry()); });
    connect(m_statusItem->openMainAction, &QAction::triggered, this, &AppDelegate::showMainWindow);
    connect(m_statusItem->preferencesAction, &QAction::triggered, this,
            &AppDelegate::ClickShowPereferenceWindow);
    connect(m_statusItem->helpAction, &QAction::triggered, this, &AppDelegate::ClickHelp);
    connect(m_statusItem->aboutAction, &QAction::triggered, this, &AppDelegate::ActAboutAction);
    connect(m_statusItem->quitAction, &QAction::triggered, this, &AppDelegate::QuiteAppAction);
    m_statusItem->show();
}

void AppDelegate::ClickStateBanner(const QRect& anchor) {
    if (!thePopover) {
        thePopover = new PopoverWindow(thePopViewController->view());
        thePopover->setAcceptDrops(true);
        thePopover->installEventFilter(this);
        connect(thePopover, &PopoverWindow::popoverDidClose, this, &AppDelegate::popoverDidClose);
        connect(thePopover, &PopoverWindow::openMainWindowRequested, this, &AppDelegate::showMainWindow);
        connect(thePopover, &PopoverWindow::quitRequested, this, &AppDelegate::QuiteAppAction);
    }
    thePopover->showRelativeTo(anchor);
}

void AppDelegate::popoverDidClose() {
    thePopover = nullptr;
    autoTrashWindow->reclaim();
}

void AppDelegate::ShowAutoTrash() {
    m_autoClean->showLastClean();
    autoTrashWindow->toggle();
    if (autoTrashWindow->isVisible()) {
        autoTrashWindow->raise();
        autoTrashWindow->activateWindow();
    }
}

void AppDelegate::setAccessoryMode() {
    m_accessoryMode = true;
    // A tool window stays off the task bar; showing it again applies the new flags.
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::Tool, true);
    if (visible) window->show();
    perfereceWindow->setAgentMode(true);
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
    if (window->autoLunchBtn->isChecked()) {
        addAppAsLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::YES);
    } else {
        deleteAppFromLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::NO);
    }
    d.synchronize();
    thePopViewController->autoLunchBtn->setChecked(window->autoLunchBtn->isChecked());
}

bool AppDelegate::windowShouldClose(QWidget* w) {
    if (w == window)
        GetAppControllor()->window->hide();
    else if (w)
        w->hide();
    return false;
}

void AppDelegate::ClickShowPereferenceWindow() {
    if (perfereceWindow->isVisible()) return;
    centerWindow(perfereceWindow);
    perfereceWindow->show();
}

void AppDelegate::ClickHelp() {
    m_services.workspace->openURL(QUrl(QLatin1String(ProductInfo::UserGuidePage)));
}

void AppDelegate::ActAboutAction() {
    if (aboutWindow->isVisible()) return;
    centerWindow(aboutWindow);
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}

void AppDelegate::QuiteAppAction() {
    QCoreApplication::quit();
}

void AppDelegate::showMainWindow() {
    window->show();
    window->raise();
    window->activateWindow();
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
    if (m_empty->isRunning() && emptyProgressWindow) emptyProgressWindow->showNow();
    m_empty->StrongEmptyTrash();
}

void AppDelegate::ShowForceEmptyAlertToMainThread() {
    m_empty->ShowForceEmptyAlertToMainThread();
}

void AppDelegate::RunAdmintoRemoveTrashFile() {
    if (m_runAdmin) {
        m_runAdmin();
        return;
    }
    // A running application that must not see its Trash emptied under it stops the helper quietly.
    if (Authorization::blockingApplicationRunning(m_services.workspace->launchedApplications())) return;
    if (m_services.authorization)
        m_services.authorization->startWithAdministratorRights(HelperProgram::tolvikPath());
}

void AppDelegate::StartSafeDeleteFileAction() {
    if (m_erase->refuseWhileRunning()) {
        if (eraseProgressWindow) eraseProgressWindow->showNow();
        return;
    }
    const QString start = m_services.paths->userTrash();
    const QStringList chosen = m_erasePanel ? m_erasePanel(start) : ErasePanel::choose(window, start);
    if (chosen.isEmpty()) return;
    if (m_erase->confirm(chosen)) m_erase->startErase(chosen);
}

void AppDelegate::ShowDeleteProtectWindow() {
    deleteProtectWindow->toggle();
    if (deleteProtectWindow->isVisible()) {
        deleteProtectWindow->raise();
        deleteProtectWindow->activateWindow();
    }
}

void AppDelegate::application_openFiles(const QStringList& paths) {
    if (m_erase->refuseWhileRunning()) {
        if (eraseProgressWindow) eraseProgressWindow->showNow();
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
