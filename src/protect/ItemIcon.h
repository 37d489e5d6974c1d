#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

/// Icons of Trash items at a chosen box size, drawn the way the trash table draws its own.
namespace ItemIcon {

/// The size that fits `size` into a `box` x `box` square keeping its proportions: a wide picture
/// becomes (box, h x box / w), a tall or square one (w x box / h, box).
QSize scaledIntoBox(const QSize& size, int box);

/// The item's own picture when it is an image file, else its file type's icon, scaled into the
/// box (drawn at twice the size, for high-density screens).
QPixmap iconFor(const QString& path, int box);

}  // namespace ItemIcon
