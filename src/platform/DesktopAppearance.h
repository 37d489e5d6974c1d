#pragma once

#include "Appearance.h"

/// The desktop's appearance, falling back to the lightness of the application palette.
class DesktopAppearance : public Appearance {
    Q_OBJECT
public:
    using Appearance::Appearance;

protected:
    QString fallbackStyle() override;
};
