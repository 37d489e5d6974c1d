#include "DesktopAppearance.h"

#include <QGuiApplication>
#include <QPalette>

QString DesktopAppearance::fallbackStyle() {
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? QStringLiteral("Dark") : QString(QLatin1String(""));
}
