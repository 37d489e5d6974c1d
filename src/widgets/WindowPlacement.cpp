#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

void centerOnScreen(QWidget* window) {
    if (!window) return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) centerOver(window, screen->availableGeometry());
}

void centerOver(QWidget* window, const QRect& area) {
    if (window && area.isValid()) window->move(area.center() - window->rect().center());
}

}  // namespace WindowPlacement
