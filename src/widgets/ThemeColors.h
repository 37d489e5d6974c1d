#pragma once

#include <QColor>

class QWidget;

/// The program's own text and background colours. On a light palette they are the house colours;
/// on a dark one they come from the palette, so nothing light-on-light or dark-on-dark appears.
/// Each takes the widget the colour is used in (its palette decides), or the application's.
namespace ThemeColors {

bool isDark(const QWidget* w = nullptr);
QColor pane(const QWidget* w = nullptr);        ///< window and page backgrounds
QColor card(const QWidget* w = nullptr);        ///< cards and boxes on a pane
QColor cardBorder(const QWidget* w = nullptr);  ///< their outline
QColor heading(const QWidget* w = nullptr);     ///< titles
QColor text(const QWidget* w = nullptr);        ///< secondary lines: counts, storage
QColor muted(const QWidget* w = nullptr);       ///< explanations, dates

/// "color: #rrggbb;" for a style sheet.
QString css(const QColor& color);

}  // namespace ThemeColors
