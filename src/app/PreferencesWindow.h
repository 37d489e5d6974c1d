#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// Preferences: the task bar mode and where the settings live.
class PreferencesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PreferencesWindow(const QString& settingsFile, QWidget* parent = nullptr);

    /// Shows the store folder, or that none is chosen yet.
    void setStorePath(const QString& storeFolder);
    /// Shows whether Corvane runs without a task bar entry.
    void setAgentMode(bool offTaskBar);
    /// Whether "keep off the task bar" can be pressed (not while it is in force or without a tray).
    void setHideDockEnabled(bool enabled);

  Q_SIGNALS:
    /// HideAppIConDockAction and ChangeStorePathAction.
    void hideDockClicked();
    void changeStorePathClicked();

  private:
    QLabel* m_modeText = nullptr;
    QPushButton* m_hideDockButton = nullptr;
    QLabel* m_storePathlab = nullptr;  ///< the desktop tidy's store folder
    QPushButton* m_changeStorePathButton = nullptr;
};
