#pragma once

#include "widgets/PRCustomeWindow.h"

class NotificationCenter;
class PRLeftTipButton;
class QPushButton;

/// The window that asks for folder access: the connect view (the Trash folder, shown) and the
/// start-tidy view (the desktop tidy's start location, hidden until that flow shows it). Widgets
/// only; AccessGrants does the work.
class ConnectWindow : public PRCustomeWindow {
    Q_OBJECT
  public:
    explicit ConnectWindow(NotificationCenter* nc, QWidget* parent = nullptr);

    /// Shows one of the two views.
    void showConnectView();
    void showStartTidyView();

    QWidget* connectView = nullptr;
    QWidget* startTidyView = nullptr;
    PRLeftTipButton* connectBtn = nullptr;  ///< chooses the Trash folder
    PRLeftTipButton* tidybutton = nullptr;  ///< chooses the start location
    QPushButton* tidyNowButton = nullptr;   ///< the first-run tidy (ClickTidyAction)
};
