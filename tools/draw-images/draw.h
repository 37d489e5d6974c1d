// Shared palette and drawing helpers for the image tool.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

namespace pal {
inline const QColor navy{0x1f, 0x2a, 0x3c};
inline const QColor navyLight{0x27, 0x34, 0x4a};
inline const QColor navyDeep{0x1b, 0x24, 0x33};
inline const QColor teal{0x2f, 0xb5, 0xa5};
inline const QColor tealDark{0x25, 0x96, 0x89};
inline const QColor softWhite{0xf7, 0xf8, 0xfa};
inline const QColor nearWhite{0xf2, 0xf4, 0xf7};
inline const QColor glyphLight{0xe8, 0xec, 0xf2};
inline const QColor ink{0x2b, 0x35, 0x45};
inline const QColor border{0xd5, 0xdb, 0xe4};
}  // namespace pal

// A blank image; transparent unless opaque is asked for.
QImage blankImage(int w, int h, bool opaque = false);

// QPainter set up the same way everywhere (antialiasing on).
void beginPaint(QPainter& p, QImage& img);

QFont uiFont(int pixelSize, bool bold);

// Writes img as OUTDIR/name; records failures for the exit code.
void saveImage(const QImage& img, const QString& name);

// Corvid mark and the icons built from it.
void drawMarks();
// The application icon in the icon theme's sizes, as SIZExSIZE/apps/corvane.png.
void drawAppIconSizes();

// Section icons and pill buttons.
void drawSectionIcons();
void drawButtons();
