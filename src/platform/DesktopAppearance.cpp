#include "DesktopAppearance.h"

#include <QApplication>
#include <QPalette>

QString DesktopAppearance::fallbackStyle() {
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? QStringLiteral("Dark") : QString(QLatin1String(""));
}

bool DesktopAppearance::applyForcedDarkPalette() {
    if (qEnvironmentVariable("CORVANE_APPEARANCE").compare(QLatin1String("Dark"), Qt::CaseInsensitive) != 0)
        return false;
    if (QGuiApplication::palette().color(QPalette::Window).lightness() < 128) return false;  // dark already
    QPalette p;
    const QColor text(0xe6, 0xe9, 0xee);
    const QColor dimmed(0x7d, 0x84, 0x90);
    p.setColor(QPalette::Window, QColor(0x2b, 0x2f, 0x36));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x1f, 0x22, 0x28));
    p.setColor(QPalette::AlternateBase, QColor(0x27, 0x2b, 0x32));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x38, 0x3d, 0x46));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x4a, 0x50, 0x5a));
    p.setColor(QPalette::Midlight, QColor(0x40, 0x46, 0x4f));
    p.setColor(QPalette::Mid, QColor(0x30, 0x34, 0x3b));
    p.setColor(QPalette::Dark, QColor(0x1a, 0x1d, 0x22));
    p.setColor(QPalette::Shadow, QColor(0x10, 0x12, 0x15));
    p.setColor(QPalette::Highlight, QColor(0x2f, 0xb5, 0xa5));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x38, 0x3d, 0x46));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dimmed);
    p.setColor(QPalette::Link, QColor(0x5c, 0xc8, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    QApplication::setPalette(p);
    return true;
}
