#pragma once

#include "Alerts.h"

/// Alerts as modal message boxes.
class QMessageBox;
class QPushButton;

class WidgetAlerts : public Alerts {
  public:
    int runModal(const AlertRequest& alert) override;
    /// The message box an alert shows (for pictures of it); the caller owns it.
    static QMessageBox* buildBox(const AlertRequest& alert, QPushButton** defaultButton = nullptr);
};
