#pragma once

#include "Alerts.h"

/// Alerts as modal message boxes.
class WidgetAlerts : public Alerts {
public:
    int runModal(const AlertSpec& alert) override;
};
