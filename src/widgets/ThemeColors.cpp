#include "ThemeColors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ThemeColors {
namespace {

QPalette paletteOf(const QWidget* w) {
    return w ? w->palette() : QApplication::palette();
}

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

}  // namespace

bool isDark(const QWidget* w) {
    return paletteOf(w).color(QPalette::Window).lightness() < 128;
}

QColor pane(const QWidget* w) {
    return isDark(w) ? paletteOf(w).color(QPalette::Window) : QColor(0xf4, 0xf6, 0xf9);
}

QColor card(const QWidget* w) {
    return isDark(w) ? paletteOf(w).color(QPalette::Window).lighter(125) : QColor(Qt::white);
}

QColor cardBorder(const QWidget* w) {
    return isDark(w) ? paletteOf(w).color(QPalette::Window).lighter(165) : QColor(0xdd, 0xe2, 0xea);
}

QColor heading(const QWidget* w) {
    return isDark(w) ? paletteOf(w).color(QPalette::WindowText) : QColor(0x1f, 0x2a, 0x3c);
}

QColor text(const QWidget* w) {
    const QPalette p = paletteOf(w);
    return isDark(w) ? mix(p.color(QPalette::WindowText), p.color(QPalette::Window), 0.18)
                     : QColor(0x4b, 0x56, 0x68);
}

QColor muted(const QWidget* w) {
    const QPalette p = paletteOf(w);
    return isDark(w) ? mix(p.color(QPalette::WindowText), p.color(QPalette::Window), 0.32)
                     : QColor(0x6b, 0x77, 0x8a);
}

QString css(const QColor& color) {
    return QStringLiteral("color: %1;").arg(color.name());
}

}  // namespace ThemeColors
