#include "AccessGrants.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ConnectWindow.h"
#include "core/SettingsKeys.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/OpenPanel.h"
#include "platform/Paths.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/WindowPlacement.h"

AccessGrants::AccessGrants(std::shared_ptr<Defaults> defaults, std::shared_ptr<Paths> paths,
                           std::shared_ptr<OpenPanel> panel, NotificationCenter* nc, QObject* parent)
    : QObject(parent),
      m_defaults(std::move(defaults)),
      m_paths(std::move(paths)),
      m_panel(std::move(panel)),
      m_window(new ConnectWindow(nc)) {}

AccessGrants::~AccessGrants() {
    delete m_window.data();  // unless its owner's window list took it first
}

bool AccessGrants::storeGrant(const QString& folder) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (absolute.isEmpty()) return false;
    // The same durable form under both keys: the cookie sources' gate reads "ZelmarkData".
    m_defaults->setString(SettingsKeys::AutoTrashData, absolute);
    m_defaults->setString(SettingsKeys::ZelmarkData, absolute);
    return m_defaults->synchronize();
}

void AccessGrants::clickConnectHomeAction() {
    m_openHomePanel = m_paths->userTrash();
    const QString chosen =
        m_panel ? m_panel->runModal(m_window, {m_openHomePanel, true, QString()}) : QString();
    openPanelDidEnd(chosen.isEmpty() ? 0 : 1, chosen);
}

void AccessGrants::openPanelDidEnd(int returnCode, const QString& folder) {
    if (returnCode != 1) return;
    storeGrant(folder);
    m_window->hide();
    if (m_statusItemSetup) m_statusItemSetup();
}

void AccessGrants::clickStartLocation() {
    m_window->setStartLocationPressed(true);
    m_openHomePanel = m_paths->userDesktop();
    const QString chosen =
        m_panel ? m_panel->runModal(m_window, {m_openHomePanel, true, QString()}) : QString();
    openPanelDidEnd3(chosen.isEmpty() ? 0 : 1, chosen);
}

void AccessGrants::openPanelDidEnd3(int returnCode, const QString& folder) {
    if (returnCode != 1) return;
    qDebug().noquote() << QStringLiteral("path====%1").arg(folder);
    const QString refused = m_takeStartLocation ? m_takeStartLocation(folder) : QString();
    m_window->setStartTidyStatus(refused);
    if (!refused.isEmpty()) return;
    m_storelocationPath = folder;  // not written to "PloverlyPath": it lasts for this run
    storeGrant(folder);
    m_window->setStartLocationPressed(false);
    m_window->setTidyNowEnabled(true);
    Q_EMIT startLocationChosen(folder);
}

std::optional<QString> AccessGrants::grantedFolder() const {
    const QString stored = m_defaults->stringForKey(SettingsKeys::ZelmarkData);
    if (stored.isEmpty() || !QDir::isAbsolutePath(stored) || !QFileInfo(stored).isDir()) return std::nullopt;
    return stored;
}

void AccessGrants::showStartTidyView() {
    m_window->setStartTidyStatus(QString());
    m_window->setTidyNowEnabled(!m_storelocationPath.isEmpty());
    showConnectWindow();
    m_window->showStartTidyView();
}

void AccessGrants::showConnectWindow() {
    m_window->showConnectView();
    // Over the main window where it shows, as a sheet would be.
    if (m_mainWindow && m_mainWindow->isVisible())
        m_window->move(m_mainWindow->geometry().center() - m_window->rect().center());
    else
        WindowPlacement::centerOnScreen(m_window);
    m_window->show();
    m_window->raise();
}
