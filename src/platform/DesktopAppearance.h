#pragma once

#include "Appearance.h"

/// The desktop's appearance, falling back to the lightness of the application palette.
class DesktopAppearance : public Appearance {
    Q_OBJECT
  public:
    using Appearance::Appearance;

    /// CORVANE_APPEARANCE=Dark darkens the windows too where the platform's palette is light, so
    /// the dark look can be had (and pictured) on any desktop. True when it changed the palette.
    static bool applyForcedDarkPalette();

  protected:
    QString fallbackStyle() override;
};
