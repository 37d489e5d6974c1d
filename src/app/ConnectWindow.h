#pragma once

#include "widgets/PRCustomeWindow.h"

class NotificationCenter;
class PRLeftTipButton;
class QLabel;
class QPushButton;

/// The window that asks for folder access: the connect view (the Trash folder, shown) and the
/// start-tidy view (where the Desktop's items go, shown when a tidy is asked for before a store
/// location is known). Widgets only; AccessGrants does the work.
class ConnectWindow : public PRCustomeWindow {
    Q_OBJECT
  public:
    explicit ConnectWindow(NotificationCenter* nc, QWidget* parent = nullptr);

    /// Shows one of the two views.
    void showConnectView();
    void showStartTidyView();

    /// The image buttons whose presses the owner dispatches: the Trash folder and the start location.
    PRLeftTipButton* connectButton() const { return m_connectBtn; }
    PRLeftTipButton* startLocationButton() const { return m_tidybutton; }
    /// Shows the start-location button pressed while its panel is up.
    void setStartLocationPressed(bool pressed);
    /// Why a chosen location was not taken (empty: nothing to say).
    void setStartTidyStatus(const QString& text);
    /// "Tidy Now" can be pressed once a start location is known.
    void setTidyNowEnabled(bool enabled);

  Q_SIGNALS:
    /// The first-run tidy (ClickTidyAction).
    void tidyNowClicked();

  private:
    QWidget* m_connectView = nullptr;
    QWidget* m_startTidyView = nullptr;
    PRLeftTipButton* m_connectBtn = nullptr;
    PRLeftTipButton* m_tidybutton = nullptr;
    QPushButton* m_tidyNowButton = nullptr;
    QLabel* m_startTidyStatus = nullptr;
};
