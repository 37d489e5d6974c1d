// The application controller's part of the stored settings: the main window's and the preferences'
// check boxes and buttons, and the task bar mode.
#include <QCheckBox>

#include "AppDelegate.h"
#include "MainWindow.h"
#include "PreferencesWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "core/SettingsKeys.h"
#include "desktop/DesktopController.h"
#include "desktop/StoreBrowser.h"
#include "platform/Defaults.h"
#include "platform/LoginItems.h"

void AppDelegate::connectSettings() {
    connect(m_window, &MainWindow::autoLoginClicked, this, [this] { ClickPloverlyOnLogin(); });
    connect(m_window, &MainWindow::autoTidyClicked, this, [this] { ClickAutoTidyDesktop(); });
    connect(m_perfereceWindow, &PreferencesWindow::changeStorePathClicked, this,
            [this] { ChangeStorePathAction(); });
    connect(m_perfereceWindow, &PreferencesWindow::hideDockClicked, this,
            [this] { HideAppIConDockAction(); });
}

void AppDelegate::readConfigfileInfo() {
    Defaults& d = *m_services.defaults;
    // Open at login: on only for "YES".
    m_window->setAutoLogin(d.stringForKey(SettingsKeys::BAutoLogin) == SettingsKeys::YES);
    // Auto tidy: on when absent or "YES".
    const QVariant tidy = d.objectForKey(SettingsKeys::BAutoTidy);
    m_window->setAutoTidy(!tidy.isValid() || d.stringForKey(SettingsKeys::BAutoTidy) == SettingsKeys::YES);
    // Any stored value hides the task bar entry, unless started as an agent anyway.
    if (d.hasValue(SettingsKeys::BHideAppInDock) && !d.boolForKey(SettingsKeys::LaunchAsAgentApp))
        setAccessoryMode();
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
    const bool on = m_window->isAutoLoginOn();
    if (on) {
        addAppAsLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::YES);
    } else {
        deleteAppFromLoginItem();
        d.setString(SettingsKeys::BAutoLogin, SettingsKeys::NO);
    }
    d.synchronize();
    m_thePopViewController->setAutoLogin(on);
}

void AppDelegate::ClickAutoTidyDesktop() {
    Defaults& d = *m_services.defaults;
    d.setString(SettingsKeys::BAutoTidy, m_window->isAutoTidyOn() ? SettingsKeys::YES : SettingsKeys::NO);
    d.synchronize();
}

void AppDelegate::ChangeStorePathAction() {
    m_storeBrowser->ChangeStorePathAction();
    m_perfereceWindow->setStorePath(m_desktop->storeFolder());
}
