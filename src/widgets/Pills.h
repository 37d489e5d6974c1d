#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

/// The pill buttons: a rounded label, white or (pressed) teal, with an optional small glyph. The
/// images in the resources are drawn from this table in English; for another language the program
/// draws them again with the translated label (see Images::named).
namespace Pills {

enum class Glyph { None, Folder, Sparkle, Compass, Ring, Flame };

struct Pill {
    const char* normal;   ///< image file of the normal look
    const char* pressed;  ///< image file of the pressed look
    QSize size;           ///< the drawn size; a longer label widens it
    const char* text;     ///< the English label (marked for translation)
    Glyph glyph;
};

const QList<Pill>& all();
/// The pill drawn as `fileName`, and whether that file is its pressed look; null when none is.
const Pill* forFile(const QString& fileName, bool* pressed);
/// Draws `pill` with `label`, at `scale` device pixels per point.
QImage paint(const Pill& pill, const QString& label, bool pressed, qreal scale = 1.0);

}  // namespace Pills
