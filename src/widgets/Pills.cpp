#include "Pills.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>
#include <cmath>

namespace Pills {

namespace {

const QColor kTeal{0x2f, 0xb5, 0xa5};
const QColor kTealDark{0x25, 0x96, 0x89};
const QColor kInk{0x2b, 0x35, 0x45};
const QColor kBorder{0xd5, 0xdb, 0xe4};

QFont labelFont() {
    // The platform's own font where DejaVu is not installed.
    QFont font = QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))
                     ? QFont(QStringLiteral("DejaVu Sans"))
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Glyphs use a 16x16 grid and the pen's colour.
void drawGlyph(QPainter& p, Glyph glyph) {
    switch (glyph) {
        case Glyph::None:
            return;
        case Glyph::Folder: {
            QPainterPath f;
            f.moveTo(1.5, 13.5);
            f.lineTo(1.5, 3);
            f.lineTo(6, 3);
            f.lineTo(7.8, 5);
            f.lineTo(14.5, 5);
            f.lineTo(14.5, 13.5);
            f.closeSubpath();
            p.drawPath(f);
            p.drawLine(QPointF(1.5, 7.5), QPointF(14.5, 7.5));
            return;
        }
        case Glyph::Sparkle: {
            const auto star = [&p](QPointF c, qreal r) {
                QPainterPath s;
                s.moveTo(c.x(), c.y() - r);
                s.quadTo(c, QPointF(c.x() + r, c.y()));
                s.quadTo(c, QPointF(c.x(), c.y() + r));
                s.quadTo(c, QPointF(c.x() - r, c.y()));
                s.quadTo(c, QPointF(c.x(), c.y() - r));
                p.fillPath(s, p.pen().color());
            };
            star({7, 9}, 6.5);
            star({13, 3.5}, 3);
            return;
        }
        case Glyph::Compass: {
            p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
            p.save();
            const QColor c = p.pen().color();
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(QPolygonF{{11.5, 4.5}, {9.2, 9.2}, {6.8, 6.8}});
            p.setBrush(QColor(c.red(), c.green(), c.blue(), 110));
            p.drawPolygon(QPolygonF{{4.5, 11.5}, {6.8, 6.8}, {9.2, 9.2}});
            p.restore();
            return;
        }
        case Glyph::Ring:
            p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
            p.setBrush(p.pen().color());
            p.drawEllipse(QPointF(8, 8), 2.6, 2.6);
            return;
        case Glyph::Flame: {
            QPainterPath f;
            f.moveTo(8, 15.5);
            f.cubicTo(4.2, 15.5, 2.2, 13, 2.2, 10.2);
            f.cubicTo(2.2, 6.8, 5.2, 5.4, 6, 0.6);
            f.cubicTo(8.4, 2.6, 9.6, 4.8, 9.4, 7.2);
            f.cubicTo(10.4, 6.6, 11, 5.4, 11.2, 4.2);
            f.cubicTo(13, 6.2, 13.8, 8.4, 13.8, 10.2);
            f.cubicTo(13.8, 13, 11.6, 15.5, 8, 15.5);
            // The inner tongue cut out, so it reads as fire rather than a drop.
            QPainterPath inner;
            inner.moveTo(8, 14);
            inner.cubicTo(6.4, 14, 5.4, 12.8, 5.6, 11.4);
            inner.cubicTo(5.8, 10, 7.2, 9.4, 7.6, 7.8);
            inner.cubicTo(9.4, 9.2, 10.4, 10.6, 10.4, 11.6);
            inner.cubicTo(10.4, 13, 9.4, 14, 8, 14);
            p.fillPath(f.subtracted(inner), p.pen().color());
            return;
        }
    }
}

}  // namespace

const QList<Pill>& all() {
    const QSize small(120, 36), wide(160, 40), chip(48, 26);
    // File names are what the program loads; some keep their historic spelling.
    static const QList<Pill> pills{
        {"opencookienom.png", "opencooikedown.png", small, QT_TRANSLATE_NOOP("Corvane", "Open File"),
         Glyph::Folder},
        {"newcookienom.png", "newcookiedown.png", small, QT_TRANSLATE_NOOP("Corvane", "New"), Glyph::Sparkle},
        {"Safaricookienom.png", "safaricookiedown.png", small, QT_TRANSLATE_NOOP("Corvane", "System"),
         Glyph::Compass},
        {"chromecookienom.png", "chromecookiedown.png", small, QT_TRANSLATE_NOOP("Corvane", "Web"),
         Glyph::Ring},
        {"firefoxcookienom.png", "firefoxcookiedown.png", small, QT_TRANSLATE_NOOP("Corvane", "Other"),
         Glyph::Flame},
        {"connectnombtn.png", "connectdownbtn.png", wide, QT_TRANSLATE_NOOP("Corvane", "Allow Access"),
         Glyph::None},
        {"startlocationnombtn.png", "startlocationdownbtn.png", wide,
         QT_TRANSLATE_NOOP("Corvane", "Choose Folder"), Glyph::Folder},
        // The store browser's category buttons.
        {"currentBigDesktopnom.png", "currentBigDesktopdown.png", small, QT_TRANSLATE_NOOP("Corvane", "All"),
         Glyph::None},
        {"picbignom.png", "picbigDown.png", small, QT_TRANSLATE_NOOP("Corvane", "Pictures"), Glyph::None},
        {"docbignom.png", "docbigdown.png", small, QT_TRANSLATE_NOOP("Corvane", "Documents"), Glyph::None},
        {"archbignom.png", "archbigdown.png", small, QT_TRANSLATE_NOOP("Corvane", "Archives"), Glyph::None},
        {"folderbignom.png", "folderbigdown.png", small, QT_TRANSLATE_NOOP("Corvane", "Folders"),
         Glyph::Folder},
        {"otherbignom.png", "othebigdown.png", small, QT_TRANSLATE_NOOP("Corvane", "Other"), Glyph::None},
        // The popover list's category buttons and its tidy button.
        {"allnombbtn.png", "alldownbbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "All"), Glyph::None},
        {"imagenombtn.png", "imagedownbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "Pics"), Glyph::None},
        {"docnombtn.png", "docdownbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "Docs"), Glyph::None},
        {"zipnombtn.png", "zipdownbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "Zips"), Glyph::None},
        {"foldernombtn.png", "folderdownbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "Dirs"), Glyph::None},
        {"othernombbtn.png", "otherdownbbtn.png", chip, QT_TRANSLATE_NOOP("Corvane", "Misc"), Glyph::None},
        {"tidynombtn.png", "tidydownbtn.png", small, QT_TRANSLATE_NOOP("Corvane", "Tidy Now"), Glyph::None},
    };
    return pills;
}

const Pill* forFile(const QString& fileName, bool* pressed) {
    for (const Pill& pill : all()) {
        if (fileName == QLatin1String(pill.normal) || fileName == QLatin1String(pill.pressed)) {
            if (pressed) *pressed = fileName == QLatin1String(pill.pressed);
            return &pill;
        }
    }
    return nullptr;
}

QImage paint(const Pill& pill, const QString& label, bool pressed, qreal scale) {
    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    const qreal glyphWidth = pill.glyph == Glyph::None ? 0 : 16;
    const qreal gap = pill.glyph == Glyph::None ? 0 : 6;
    const qreal textWidth = metrics.horizontalAdvance(label);
    // The English label keeps the drawn size; a longer translation widens the pill, never cut.
    const int padding = pill.size.height() / 3;
    const int needed = int(std::ceil(glyphWidth + gap + textWidth)) + 2 * padding;
    const QSize size(label == QLatin1String(pill.text) ? pill.size.width() : qMax(pill.size.width(), needed),
                     pill.size.height());

    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = r.height() / 2;
    p.setPen(QPen(pressed ? kTealDark : kBorder, 1));
    p.setBrush(pressed ? kTeal : QColor(Qt::white));
    p.drawRoundedRect(r, radius, radius);

    qreal x = qRound((size.width() - glyphWidth - gap - textWidth) / 2);
    if (pill.glyph != Glyph::None) {
        p.save();
        p.translate(x, qRound((size.height() - 16) / 2.0));
        p.setPen(QPen(pressed ? QColor(Qt::white) : kTeal, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        drawGlyph(p, pill.glyph);
        p.restore();
        x += glyphWidth + gap;
    }
    p.setFont(font);
    p.setPen(pressed ? QColor(Qt::white) : kInk);
    p.drawText(QPointF(x, qRound((size.height() + metrics.ascent() - metrics.descent()) / 2)), label);
    return image;
}

}  // namespace Pills
