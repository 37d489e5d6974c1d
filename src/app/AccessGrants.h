#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "ConnectWindow.h"

class ConnectWindow;
class Defaults;
class NotificationCenter;
class OpenPanel;
class Paths;
class QWidget;

/// The folder access grants: the connect window, its two open panels and what they store. On
/// Linux a folder needs no lasting permission, so the grant stored under "AutoTrashData" and
/// "ZelmarkData" is the chosen folder's absolute path; the cookie sources' gate reads it back.
class AccessGrants : public QObject {
    Q_OBJECT
  public:
    AccessGrants(std::shared_ptr<Defaults> defaults, std::shared_ptr<Paths> paths,
                 std::shared_ptr<OpenPanel> panel, NotificationCenter* nc, QObject* parent = nullptr);
    ~AccessGrants() override;

    ConnectWindow* connectWindow() const { return m_window; }
    /// The window the connect window shows over (as a sheet, window-modal).
    void setMainWindow(QWidget* window) { m_mainWindow = window; }
    /// What a Trash folder grant sets up again (the status item).
    void setStatusItemSetup(std::function<void()> setup) { m_statusItemSetup = std::move(setup); }
    /// Takes a chosen start location, or says why it can't hold the store folder (nothing is then
    /// stored).
    void setStartLocationTaker(std::function<QString(const QString&)> take) {
        m_takeStartLocation = std::move(take);
    }

    /// `clickConnectHomeAction:`: the Trash folder panel.
    void clickConnectHomeAction();
    /// The start location panel (the `tidybutton` press).
    void clickStartLocation();
    /// `openPanelDidEnd:returnCode:contextInfo:` and `openPanelDidEnd3:returnCode3:contextInfo3:`:
    /// return code 1 with the chosen folder, anything else changes nothing.
    void openPanelDidEnd(int returnCode, const QString& folder);
    void openPanelDidEnd3(int returnCode, const QString& folder);

    /// The gate of the cookie sources: the granted folder when "ZelmarkData" names one that exists.
    std::optional<QString> grantedFolder() const;
    /// Shows the connect window over the main window.
    void showConnectWindow();
    /// Shows the connect window's start-tidy view: where the tidied items go, then "Tidy Now".
    void showStartTidyView();

  Q_SIGNALS:
    void startLocationChosen(const QString& folder);

  private:
    bool storeGrant(const QString& folder);

    std::shared_ptr<Defaults> m_defaults;
    std::shared_ptr<Paths> m_paths;
    std::shared_ptr<OpenPanel> m_panel;
    QPointer<ConnectWindow> m_window;
    QWidget* m_mainWindow = nullptr;
    std::function<void()> m_statusItemSetup;
    std::function<QString(const QString&)> m_takeStartLocation;
    QString m_openHomePanel;      ///< the request of the panel shown last
    QString m_storelocationPath;  ///< the desktop tidy's start location, for this run only
};
