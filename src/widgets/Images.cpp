#include "Images.h"

#include <QGuiApplication>
#include <QPixmapCache>

#include "Pills.h"
#include "platform/Localized.h"

QPixmap Images::named(const QString& fileName) {
    bool pressed = false;
    const Pills::Pill* pill = Pills::forFile(fileName, &pressed);
    const QString label = pill ? localized(pill->text) : QString();
    QPixmap pixmap;
    const QString key = QStringLiteral("corvane:") + fileName + QLatin1Char('|') + label;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    if (pill && label != QLatin1String(pill->text)) {
        // A pill's image carries its English label: draw it again with the translation.
        const qreal scale = qApp ? qApp->devicePixelRatio() : 1.0;
        pixmap = QPixmap::fromImage(Pills::paint(*pill, label, pressed, qMax<qreal>(scale, 1.0)));
    } else {
        pixmap.load(QStringLiteral(":/images/") + fileName);
    }
    if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
    return pixmap;
}
