// The application controller's tray side: the status item with its menu of commands, and the
// quick-view popover it opens.
#include "AppDelegate.h"
#include "AppearanceTick.h"
#include "FileDrop.h"
#include "PopoverWindow.h"
#include "StatusItem.h"
#include "autoclean/AutoTrashWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "desktop/DesktopController.h"
#include "desktop/PopoverDesktopList.h"

void AppDelegate::initStateBannerView() {
    if (m_statusItem) return;
    StatusItem::Commands commands;
    commands.quickView = [this] { ClickStateBanner(m_statusItem->geometry()); };
    commands.openMain = [this] { showMainWindow(); };
    commands.trashItems = [this] { ScanUserTrashFile(); };
    commands.emptyTrash = [this] { StrongEmptyTrash(); };
    commands.secureErase = [this] { StartSafeDeleteFileAction(); };
    commands.protectionRules = [this] { ShowDeleteProtectWindow(); };
    commands.autoClean = [this] { ShowAutoTrash(); };
    commands.preferences = [this] { ClickShowPereferenceWindow(); };
    commands.help = [this] { ClickHelp(); };
    if (m_services.updateController) commands.checkForUpdates = [this] { CheckforUpdateAction(); };
    commands.about = [this] { ActAboutAction(); };
    commands.quit = [this] { QuiteAppAction(); };
    m_statusItem = new StatusItem(commands, this);
    m_statusItem->setImage(m_appearanceTick->bannerImage());
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
        m_fileDrop->watch(m_thePopover);
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
