#pragma once

#include "widgets/PRCustomeWindow.h"

class NotificationCenter;
class PRLeftTipButton;

/// The first-launch guide: what Corvane does and where to find it.
class GuideWindow : public PRCustomeWindow {
    Q_OBJECT
  public:
    explicit GuideWindow(NotificationCenter* nc, QWidget* parent = nullptr);
    /// "Got it": its press is posted; the owner hides the window.
    PRLeftTipButton* gotItButton() const { return m_gotitbutton; }

  private:
    PRLeftTipButton* m_gotitbutton = nullptr;
};
