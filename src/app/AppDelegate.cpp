#include "AppDelegate.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "AboutWindow.h"
#include "AccessGrants.h"
#include "AppearanceTick.h"
#include "ConnectWindow.h"
#include "FileDrop.h"
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
#include "autoclean/LaunchDefaults.h"
#include "autoclean/PPopoverviewConterller.h"
#include "core/SettingsKeys.h"
#include "desktop/DesktopController.h"
#include "desktop/PopoverDesktopList.h"
#include "desktop/StoreBrowser.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionFactory.h"
#include "erase/EraseController.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/Localized.h"
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
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashStore.h"
#include "trash/TrashWindow.h"
#include "update/PRUpdateController.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/ProgressWindow.h"
#include "widgets/WindowPlacement.h"

namespace {
AppDelegate* g_shared = nullptr;
}  // namespace

AppDelegate::AppDelegate(AppServices services, QObject* parent)
    : QObject(parent), m_services(std::move(services)), m_nc(std::make_unique<NotificationCenter>()) {
    if (!m_services.clock) m_services.clock = std::make_shared<Clock>();
    m_fileUtilities = std::make_shared<ItemSizes>(m_services.paths, m_services.tasks);
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
    // The appearance as the store's interface style says; the status item follows it from launch.
    m_appearanceTick = new AppearanceTick(
        m_services.appearance, [this] { return m_window && m_window->isAutoTidyOn(); }, this);
    m_fileDrop = new FileDrop([this](const QStringList& paths) { application_openFiles(paths); }, this);

    // Image buttons report presses to us for any sender.
    m_nc->addObserver(
        this, QLatin1String(PRLeftTipButton::MouseDown),
        [this](const NotificationCenter::Notification& n) { PRLeftTipButtonMouseDownHandle(n.object); });
    g_shared = this;
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

bool AppDelegate::isDarkMode() const {
    return m_appearanceTick && m_appearanceTick->isDarkMode();
}

QTimer* AppDelegate::autoTidyTimer() const {
    return m_appearanceTick ? m_appearanceTick->timer() : nullptr;
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
    buildWindows();
    buildAutoClean();
    buildProtection();
    buildTrashBrowser();
    for (QWidget* w : {static_cast<QWidget*>(m_window), static_cast<QWidget*>(m_guideWindow),
                       static_cast<QWidget*>(m_fulldiskWindow), static_cast<QWidget*>(m_perfereceWindow),
                       static_cast<QWidget*>(m_aboutWindow), static_cast<QWidget*>(m_trashBrowser->window()),
                       static_cast<QWidget*>(m_autoTrashWindow), static_cast<QWidget*>(m_deleteProtectWindow),
                       static_cast<QWidget*>(m_theConfirmWindow)})
        manageWindow(w);
    m_window->showStartView();
    buildProgressWindows();
    buildUpdateCheck();
    connectSettings();
    buildDispatchRows();
    buildCookieSection();
    // Stored settings last, once every window they touch exists.
    readConfigfileInfo();
}

void AppDelegate::buildWindows() {
    // The right pane starts on the start view (MainWindow builds it that way).
    m_window = new MainWindow(m_nc.get());
    m_guideWindow = new GuideWindow(m_nc.get());
    m_fulldiskWindow = new FullDiskWindow(m_nc.get());
    m_perfereceWindow = new PreferencesWindow(m_services.defaults->filePath());
    m_perfereceWindow->setStorePath(m_desktop->storeFolder());
    m_aboutWindow = new AboutWindow;
}

void AppDelegate::buildAutoClean() {
    m_thePopViewController = new PPopoverviewConterller(m_services.defaults, m_services.loginItems, this);
    // The popover controller's view also lives in the auto-clean window.
    m_autoTrashWindow = new AutoTrashWindow(m_thePopViewController->view());
    connect(m_thePopViewController, &PPopoverviewConterller::autoLoginChanged, m_window,
            &MainWindow::setAutoLogin);
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
}

void AppDelegate::buildProtection() {
    // The protection rules editor and the protected-items window.
    m_protectViewController =
        new PPopoverWindowConterller(m_protectionRules, m_nc.get(), m_services.paths, this);
    m_protectViewController->setAlerts(m_services.alerts);
    m_deleteProtectWindow = new DeleteProtectWindow(m_protectViewController);
    m_theConfirmWindow =
        new ProtectConfirmWindow(m_nc.get(), m_services.workspace, m_services.alerts, m_services.commands,
                                 TrashStore::forPaths(m_services.paths));
    m_theConfirmWindow->setPutBackQuestion(m_services.putBackQuestion);
}

void AppDelegate::buildTrashBrowser() {
    // The trash table, its back button and progress indicator start hidden.
    m_trashBrowser = new TrashBrowser(m_services.paths, m_fileUtilities, m_origPaths, m_services.workspace);
    m_trashBrowser->setRemoval(m_services.commands, m_services.alerts, [this](const QStringList& resisted) {
        ShowForceEmptyAlertToMainThread(resisted);
    });
    m_trashBrowser->setPutBackQuestion(m_services.putBackQuestion);
    // The total and the list under the table follow an emptying.
    connect(m_empty, &EmptyController::passFinished, m_trashBrowser, &TrashBrowser::rescanIfShown);
}

void AppDelegate::applicationDidFinishLaunching() {
    Defaults& d = *m_services.defaults;
    const QDateTime now = m_services.clock->now();
    initStateBannerView();
    // First launch: the product page and the guide, once.
    if (!d.hasValue(SettingsKeys::FirstLauch)) {
        d.setDate(SettingsKeys::FirstLauch, now);
        m_services.workspace->openURL(QUrl(QLatin1String(ProductInfo::ProductPage)));
        centerWindow(m_guideWindow);
        m_guideWindow->show();
    } else {
        m_guideWindow->hide();
    }
    // Auto-clean counts its interval from the first launch; one write.
    LaunchDefaults::write(d, now);
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
    m_appearanceTick->start(m_statusItem);
    // The update check.
    if (m_services.updateController) {
        m_services.updateController->hidUpdateWindow();
        m_services.updateController->checkServerVersion();
    }
    // The access probe, where the system has such a thing.
    if (m_macOsVer >= 15 && !QFile(m_services.paths->trashRecordsFile()).open(QIODevice::ReadOnly)) {
        centerWindow(m_fulldiskWindow);
        m_fulldiskWindow->show();
        m_fulldiskWindow->raise();
        m_fulldiskWindow->activateWindow();
    }
}

void AppDelegate::CleanUpTimer_hander() {
    if (m_cleanUpHandler) m_cleanUpHandler();
}

void AppDelegate::BMakeModeTimer_hander() {
    m_appearanceTick->tick();
}

void AppDelegate::ShowAutoTrash() {
    m_autoClean->showLastClean();
    m_autoTrashWindow->toggle();
    if (m_autoTrashWindow->isVisible()) {
        m_autoTrashWindow->raise();
        m_autoTrashWindow->activateWindow();
    }
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

void AppDelegate::ClickTidyAction() {
    m_thePopViewController->viewDidLoad();
    // Without a store location the tidy asks for one first, as the store browser does.
    m_storeBrowser->ClickTidyNowAct();
    m_access->connectWindow()->hide();
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

void AppDelegate::ShowDeleteProtectWindow() {
    m_deleteProtectWindow->toggle();
    if (m_deleteProtectWindow->isVisible()) {
        m_deleteProtectWindow->raise();
        m_deleteProtectWindow->activateWindow();
    }
}

void AppDelegate::PRLeftTipButtonMouseDownHandle(QObject* button) {
    m_dispatcher.dispatch(button);
}

void AppDelegate::centerWindow(QWidget* w) const {
    WindowPlacement::centerOnScreen(w);
}

void AppDelegate::manageWindow(QWidget* w) {
    w->installEventFilter(this);
    m_fileDrop->watch(w);
    m_windows.append(w);
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event) {
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
