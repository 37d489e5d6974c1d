#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "AppServices.h"
#include "ButtonDispatcher.h"
#include "platform/SystemVersion.h"
#include "trash/CVTrashFileNode.h"
#include "widgets/ImageButtonGroup.h"

class AutoAgeing;
class AboutWindow;
class AccessGrants;
class AppearanceTick;
class FileDrop;
class CookieManager;
class CookiePane;
class DeleteProtectWindow;
class PPopoverWindowConterller;
class ProtectConfirmWindow;
class ProtectedItems;
class ProtectionRules;
class AutoCleanPolicy;
class AutoTrashWindow;
class ItemSizes;
class FullDiskWindow;
class GuideWindow;
class MainWindow;
class NotificationCenter;
class PPopoverviewConterller;
class PopoverWindow;
class PreferencesWindow;
class ProgressWindow;
class QMenu;
class QTimer;
class QWidget;
class StatusItem;
class EmptyController;
class DesktopController;
class StoreBrowser;
class PopoverDesktopList;
class EraseController;
class TrashBrowser;
class TrashOrigPaths;
class UpdateWindow;
struct WorkProgress;

/// The application controller: owns the windows, the lists of records, the timers and the status
/// item, runs start-up in its order, and is the place every other part reaches. Each capability's
/// logic lives in its own folder; the actions here forward to it. Main thread only.
class AppDelegate : public QObject {
    Q_OBJECT
  public:
    /// `init`: observers, the shared instance, the lists, the system version.
    explicit AppDelegate(AppServices services, QObject* parent = nullptr);
    ~AppDelegate() override;

    /// The one controller of the process; null before it is made and after it is gone.
    static AppDelegate* GetAppControllor();

    /// Builds the windows and applies the stored settings to them.
    void awakeFromNib();
    /// Applies stored settings to the main window's check boxes and the task bar mode.
    void readConfigfileInfo();
    /// Launch defaults, status item, first-launch guide, timers, update check, access probe.
    void applicationDidFinishLaunching();

    // Timers.
    void CleanUpTimer_hander();
    void BMakeModeTimer_hander();
    /// What the six-hourly tick runs (the auto-clean check).
    void setCleanUpHandler(std::function<void()> handler) { m_cleanUpHandler = std::move(handler); }

    /// Brings up the auto-clean window (or hides it) with the last clean shown.
    void ShowAutoTrash();
    AutoCleanPolicy* autoCleanPolicy() const { return m_autoClean.get(); }

    // Status item and popover.
    void initStateBannerView();
    /// Shows the popover next to `anchor` (the icon's place; empty when unknown).
    void ClickStateBanner(const QRect& anchor = QRect());
    void popoverDidClose();

    // Actions.
    void HideAppIConDockAction();
    void ClickPloverlyOnLogin();
    void addAppAsLoginItem();
    void deleteAppFromLoginItem();
    /// Always false: windows are hidden, never closed.
    bool windowShouldClose(QWidget* window);
    void ClickShowPereferenceWindow();
    /// Stores the auto-tidy check box as "BAutoTidy".
    void ClickAutoTidyDesktop();
    /// Asks for the desktop tidy's store location and shows it in the preferences.
    void ChangeStorePathAction();
    /// The first-run tidy of the connect window: the popover reset, a tidy, the window hidden.
    void ClickTidyAction();
    void ClickHelp();
    void ActAboutAction();
    void QuiteAppAction();
    void showMainWindow();
    // Trash browser.
    void CheckTrashSourceAction();
    void ScanUserTrashFile();
    void doubleclickAction();
    void OpenMenuAction();
    void clickBackViewAction();
    void ShowinFinderAction();
    void DeleteTrashItemAction();
    void SafeDeleteItemAction();
    void PutBackAction();
    // Emptying and erasing.
    void StrongEmptyTrash();
    /// The permission alert; its " OK " starts the helper for `resisted`.
    void ShowForceEmptyAlertToMainThread(const QStringList& resisted);
    /// Starts the helper with administrator rights to remove exactly `resisted` (Trash entries,
    /// lossless text), unless a blocking application runs; with nothing named it starts nothing.
    void RunAdmintoRemoveTrashFile(const QStringList& resisted);
    void StartSafeDeleteFileAction();
    /// Shows the protection rules window, or hides it when it shows.
    void ShowDeleteProtectWindow();
    /// Files given on the command line or dropped on a window: offered for secure erase.
    void application_openFiles(const QStringList& paths);
    /// The panel that chooses what to erase (tests replace it).
    void setErasePanel(std::function<QStringList(const QString& startFolder)> panel) {
        m_erasePanel = std::move(panel);
    }
    /// Replaces the helper start altogether (tests).
    void setRunAdmin(std::function<void(const QStringList& resisted)> runAdmin) {
        m_runAdmin = std::move(runAdmin);
    }
    /// The press handler of the image buttons.
    void PRLeftTipButtonMouseDownHandle(QObject* button);

    // Cookie manager and folder access.
    /// The three browser sources pass the access gate first; without a grant the connect window shows.
    void ActClickSafariAction();
    void ActClickChromeAction();
    void ActClickFireFoxAction();
    /// The open panel for a cookie file; a chosen file is scanned and joins the opened-files list.
    void ActClickOpenCookiesAction();
    CookieManager* cookieManager() const { return m_cookies; }
    AccessGrants* accessGrants() const { return m_access; }
    CookiePane* cookiePane() const { return m_cookiePane; }

    /// The system version as the four selectors give it (10.0.0 when unknown).
    VersionTriple getSystemVersion() const;

    // Shared state.
    NotificationCenter* nc() const { return m_nc.get(); }
    const AppServices& services() const { return m_services; }
    std::shared_ptr<ItemSizes> fileUtilities() const { return m_fileUtilities; }
    TrashBrowser* trashBrowser() const { return m_trashBrowser; }
    EmptyController* emptyController() const { return m_empty; }
    EraseController* eraseController() const { return m_erase; }
    ButtonDispatcher& dispatcher() { return m_dispatcher; }

    /// Shows `progress` of an emptying pass in its window.
    void followEmptyingPass(std::shared_ptr<WorkProgress> progress);

    // Windows and parts, built by awakeFromNib.
    MainWindow* window() const { return m_window; }
    GuideWindow* guideWindow() const { return m_guideWindow; }
    FullDiskWindow* fulldiskWindow() const { return m_fulldiskWindow; }
    PreferencesWindow* perfereceWindow() const { return m_perfereceWindow; }
    AboutWindow* aboutWindow() const { return m_aboutWindow; }
    PPopoverviewConterller* thePopViewController() const { return m_thePopViewController; }
    AutoTrashWindow* autoTrashWindow() const { return m_autoTrashWindow; }
    DeleteProtectWindow* deleteProtectWindow() const { return m_deleteProtectWindow; }
    ProtectConfirmWindow* theConfirmWindow() const { return m_theConfirmWindow; }
    ProgressWindow* emptyProgressWindow() const { return m_emptyProgressWindow; }
    ProgressWindow* eraseProgressWindow() const { return m_eraseProgressWindow; }
    /// The popover while it shows; null otherwise.
    QPointer<PopoverWindow> thePopover() const;
    StatusItem* statusItem() const { return m_statusItem; }
    QTimer* autoTrashTimer() const { return m_autoTrashTimer; }
    /// The appearance tick's timer, made at launch.
    QTimer* autoTidyTimer() const;
    /// The protected entries the last forced pass found.
    std::shared_ptr<ProtectedItems> protectedItems() const { return m_protectedItems; }
    bool isDarkMode() const;
    /// The minor system version read at start-up.
    int macOsVer() const { return m_macOsVer; }
    /// The desktop tidy's store location (from the settings until the user picks another).
    QString StorelocationPath() const;
    DesktopController* desktopController() const { return m_desktop; }
    StoreBrowser* storeBrowser() const { return m_storeBrowser; }
    PopoverDesktopList* desktopList() const { return m_desktopList; }

    /// Whether the main window is kept off the task bar (the mode without a Dock icon).
    bool isAccessoryMode() const { return m_accessoryMode; }
    /// Whether Corvane runs as a window program because the desktop shows no tray: the main window
    /// keeps a task-bar entry and carries the tray menu's commands.
    bool isWindowed() const { return m_windowed; }
    /// Asks the desktop again whether it shows a tray and switches between the tray icon and the
    /// window program (also run on a timer while Corvane runs).
    void followTrayAvailability();
    /// A request a later launch handed over: "show", "quick-view", "empty-trash", "erase" (files).
    void handleLaunchRequest(const QString& command, const QStringList& arguments);
    // The update check; none of it exists without an update controller (builds without the check).
    /// The menus' check: from now on a check that finds nothing newer says so.
    void CheckforUpdateAction();
    UpdateWindow* updateWindow() const { return m_updateWindow; }

    /// The top-level windows by name, for the snapshot mode.
    QList<QPair<QString, QWidget*>> topLevelWindows() const;

  protected:
    /// Closing a managed window hides it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildWindows();
    void buildAutoClean();
    void buildProtection();
    void buildTrashBrowser();
    void connectSettings();
    void buildAccessGrants();
    void setAccessoryMode();
    void setWindowed(bool windowed);
    void postStillRunning();
    void centerWindow(QWidget* w) const;
    void manageWindow(QWidget* w);
    void buildDispatchRows();
    void buildProgressWindows();
    void buildUpdateCheck();
    void buildCookieSection();
    bool passAccessGate();

    AppServices m_services;
    std::unique_ptr<NotificationCenter> m_nc;
    std::shared_ptr<ItemSizes> m_fileUtilities;
    TrashBrowser* m_trashBrowser = nullptr;
    EmptyController* m_empty = nullptr;
    AutoAgeing* m_ageing = nullptr;  ///< the ageing rules' passes
    EraseController* m_erase = nullptr;
    std::function<QStringList(const QString&)> m_erasePanel;
    std::function<void(const QStringList& resisted)> m_runAdmin;
    std::unique_ptr<AutoCleanPolicy> m_autoClean;
    ButtonDispatcher m_dispatcher;
    StatusItem* m_statusItem = nullptr;
    std::function<void()> m_cleanUpHandler;
    QList<QPointer<QWidget>> m_windows;
    bool m_accessoryMode = false;
    bool m_windowed = false;
    QTimer* m_trayWatch = nullptr;
    QMenu* m_windowedMenu = nullptr;  ///< the tray menu's commands in the main window's menu bar

    /// The put-back places read from the Trash's records (the trash items and their history live
    /// in the trash browser's navigation).
    std::shared_ptr<TrashOrigPaths> m_origPaths;
    /// The protection rules, and the protected entries a pass finds (their rows live in the
    /// confirm window).
    std::shared_ptr<ProtectionRules> m_protectionRules;
    std::shared_ptr<ProtectedItems> m_protectedItems;
    AppearanceTick* m_appearanceTick = nullptr;
    FileDrop* m_fileDrop = nullptr;  ///< files dropped on any managed window go to secure erase
    int m_macOsVer = 10;
    DesktopController* m_desktop = nullptr;
    StoreBrowser* m_storeBrowser = nullptr;
    PopoverDesktopList* m_desktopList = nullptr;  ///< borrowed by the popover while it shows
    UpdateWindow* m_updateWindow = nullptr;

    MainWindow* m_window = nullptr;
    GuideWindow* m_guideWindow = nullptr;
    FullDiskWindow* m_fulldiskWindow = nullptr;
    PreferencesWindow* m_perfereceWindow = nullptr;
    AboutWindow* m_aboutWindow = nullptr;
    PPopoverviewConterller* m_thePopViewController = nullptr;
    AutoTrashWindow* m_autoTrashWindow = nullptr;
    PPopoverWindowConterller* m_protectViewController = nullptr;
    DeleteProtectWindow* m_deleteProtectWindow = nullptr;
    ProtectConfirmWindow* m_theConfirmWindow = nullptr;
    ProgressWindow* m_emptyProgressWindow = nullptr;
    ProgressWindow* m_eraseProgressWindow = nullptr;
    QPointer<PopoverWindow> m_thePopover;
    QTimer* m_autoTrashTimer = nullptr;
    // Cookie manager and folder access.
    CookieManager* m_cookies = nullptr;
    AccessGrants* m_access = nullptr;
    CookiePane* m_cookiePane = nullptr;
    ImageButtonGroup m_cookieSources;  ///< the cookie pane's source buttons, one shown pressed
};
