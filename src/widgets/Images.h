#pragma once

#include <QPixmap>
#include <QString>

/// Images from the program's resources by file name ("bannerIcon.png"); a null pixmap when absent.
namespace Images {
QPixmap named(const QString& fileName);
}
