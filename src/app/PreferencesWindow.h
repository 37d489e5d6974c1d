#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// Preferences: the task bar mode and where the settings live.
class PreferencesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PreferencesWindow(const QString& settingsFile, QWidget* parent = nullptr);

    QPushButton* hideDockButton = nullptr;         ///< sends HideAppIConDockAction
    QLabel* StorePathlab = nullptr;                ///< the desktop tidy's store folder
    QPushButton* changeStorePathButton = nullptr;  ///< sends ChangeStorePathAction
    /// Shows the store folder, or that none is chosen yet.
    void setStorePath(const QString& storeFolder);
    /// Shows whether Corvane runs without a task bar entry.
    void setAgentMode(bool offTaskBar);

  private:
    QLabel* m_modeText = nullptr;
};
