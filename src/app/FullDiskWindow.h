#pragma once

#include "widgets/PRCustomeWindow.h"

class NotificationCenter;
class PRLeftTipButton;

/// Shown when the Trash's records can't be read: how to give Corvane access to the Trash.
class FullDiskWindow : public PRCustomeWindow {
    Q_OBJECT
  public:
    explicit FullDiskWindow(NotificationCenter* nc, QWidget* parent = nullptr);
    /// "OK": its press is posted; the owner hides the window.
    PRLeftTipButton* okButton() const { return m_diskOkbutton; }

  private:
    PRLeftTipButton* m_diskOkbutton = nullptr;
};
