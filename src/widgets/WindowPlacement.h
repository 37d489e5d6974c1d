#pragma once

#include <QRect>

class QWidget;

/// Where Corvane's windows appear: centred, on the screen or over another window.
namespace WindowPlacement {

/// Centres `window` on its screen's available area (the primary screen's when it has none yet).
void centerOnScreen(QWidget* window);
/// Centres `window` over `area` (another window's frame, say); nothing for an invalid area.
void centerOver(QWidget* window, const QRect& area);

}  // namespace WindowPlacement
