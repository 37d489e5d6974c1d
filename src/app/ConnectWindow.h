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

    QWidget* connectView = nullptr;
    QWidget* startTidyView = nullptr;
    PRLeftTipButton* connectBtn = nullptr;  ///< chooses the Trash folder
    PRLeftTipButton* tidybutton = nullptr;  ///< chooses the start location
    QPushButton* tidyNowButton = nullptr;   ///< the first-run tidy (ClickTidyAction)
    QLabel* startTidyStatus = nullptr;      ///< why a chosen location was not taken
};
