#pragma once

#include "OpenPanel.h"

/// The desktop's file dialog, window-modal over the parent (a sheet where the desktop has them).
class DialogOpenPanel : public OpenPanel {
  public:
    QString runModal(QWidget* parent, const OpenPanelRequest& request) override;
};
