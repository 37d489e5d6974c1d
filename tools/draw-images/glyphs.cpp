// Line-style section icons and the pill buttons with their small glyphs.

#include <QFontMetrics>
#include <QPainterPath>
#include <QtMath>
#include <functional>

#include "draw.h"

namespace {

using Glyph = std::function<void(QPainter&)>;

// Arc around c, counter-clockwise from startDeg by spanDeg, with an arrowhead at its end.
void arrowArc(QPainter& p, QPointF c, qreal r, qreal startDeg, qreal spanDeg, qreal head) {
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    const qreal a = qDegreesToRadians(startDeg + spanDeg);
    const QPointF radial(qCos(a), -qSin(a));
    const QPointF forward = (spanDeg > 0 ? 1 : -1) * QPointF(-qSin(a), -qCos(a));
    const QPointF end = c + r * radial;
    const QPolygonF tri{end + head * forward, end + head * radial, end - head * radial};
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(QPen(p.pen().color(), p.pen().widthF() * 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(tri);
    p.restore();
}

// All section glyphs use a 48x48 grid and a 3-unit stroke.
void overviewIcon(QPainter& p) {
    const QRectF cells[] = {{8, 8, 14, 14}, {26, 8, 14, 14}, {8, 26, 14, 14}, {26, 26, 14, 14}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 0 ? QBrush(p.pen().color()) : QBrush(Qt::NoBrush));
        p.drawRoundedRect(cells[i], 3, 3);
    }
}

void trashIcon(QPainter& p) {
    p.drawLine(QPointF(8, 13), QPointF(40, 13));
    p.drawPolyline(QPolygonF{{19, 13}, {19, 8}, {29, 8}, {29, 13}});
    QPainterPath bin;
    bin.moveTo(12, 13);
    bin.lineTo(14, 38);
    bin.quadTo(14.5, 41, 17.5, 41);
    bin.lineTo(30.5, 41);
    bin.quadTo(33.5, 41, 34, 38);
    bin.lineTo(36, 13);
    p.drawPath(bin);
    for (const qreal x : {20.0, 28.0}) p.drawLine(QPointF(x, 20), QPointF(x, 34));
}

void autocleanIcon(QPainter& p) {
    // A history-style clock: the dial is an arrow going round.
    arrowArc(p, {24, 25}, 16, 70, 300, 4.5);
    p.drawPolyline(QPolygonF{{24, 16}, {24, 25}, {31, 29}});
}

void protectIcon(QPainter& p) {
    QPainterPath s;
    s.moveTo(24, 6);
    s.lineTo(39, 12);
    s.lineTo(39, 23);
    s.cubicTo(39, 32, 33, 38, 24, 42);
    s.cubicTo(15, 38, 9, 32, 9, 23);
    s.lineTo(9, 12);
    s.closeSubpath();
    p.drawPath(s);
    p.drawPolyline(QPolygonF{{17, 24}, {22, 29}, {31, 19}});
}

void eraseIcon(QPainter& p) {
    // Sheet going into a shredder, strips coming out below.
    p.drawPolyline(QPolygonF{{14, 21}, {14, 7}, {34, 7}, {34, 21}});
    p.drawLine(QPointF(19, 13), QPointF(29, 13));
    p.setBrush(p.pen().color());
    p.drawRoundedRect(QRectF(7, 21, 34, 8), 2.5, 2.5);
    const qreal xs[] = {13, 19, 25, 31, 36};
    const qreal ends[] = {40, 43, 38, 42, 39};
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(xs[i], 33), QPointF(xs[i], ends[i]));
}

void desktopIcon(QPainter& p) {
    p.drawRoundedRect(QRectF(6, 8, 36, 25), 3, 3);
    p.drawLine(QPointF(24, 33), QPointF(24, 39));
    p.drawLine(QPointF(16, 40), QPointF(32, 40));
    // Desktop items lined up neatly along the left edge.
    p.save();
    const QColor c = p.pen().color();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (const qreal y : {13.0, 22.0}) {
        p.drawRoundedRect(QRectF(11, y, 5, 5), 1, 1);
        p.drawRoundedRect(QRectF(19, y, 5, 5), 1, 1);
    }
    p.restore();
}

void cookiesIcon(QPainter& p) {
    QPainterPath round;
    round.addEllipse(QPointF(24, 25), 17, 17);
    QPainterPath bite;
    bite.addEllipse(QPointF(39, 11), 8, 8);
    p.drawPath(round.subtracted(bite));
    p.save();
    const QColor c = p.pen().color();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (const QPointF d :
         {QPointF(17, 19), QPointF(27, 23), QPointF(17, 31), QPointF(28, 33), QPointF(22, 26)})
        p.drawEllipse(d, 2.2, 2.2);
    p.restore();
}

void updateIcon(QPainter& p) {
    arrowArc(p, {24, 24}, 15, 20, 145, 4.5);
    arrowArc(p, {24, 24}, 15, 200, 145, 4.5);
}

void drawSectionIcon(const QString& name, const Glyph& glyph, int size, const QColor& color) {
    QImage img = blankImage(size, size);
    QPainter p;
    beginPaint(p, img);
    p.scale(size / 48.0, size / 48.0);
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.end();
    saveImage(img, name);
}

// Pill glyphs use a 16x16 grid.
void folderGlyph(QPainter& p) {
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
}

void sparkleGlyph(QPainter& p) {
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
}

void compassGlyph(QPainter& p) {
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.save();
    const QColor c = p.pen().color();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{{11.5, 4.5}, {9.2, 9.2}, {6.8, 6.8}});
    p.setBrush(QColor(c.red(), c.green(), c.blue(), 110));
    p.drawPolygon(QPolygonF{{4.5, 11.5}, {6.8, 6.8}, {9.2, 9.2}});
    p.restore();
}

void ringGlyph(QPainter& p) {
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setBrush(p.pen().color());
    p.drawEllipse(QPointF(8, 8), 2.6, 2.6);
}

void flameGlyph(QPainter& p) {
    QPainterPath f;
    f.moveTo(8, 15.5);
    f.cubicTo(4.2, 15.5, 2.2, 13, 2.2, 10.2);
    f.cubicTo(2.2, 6.8, 5.2, 5.4, 6, 0.6);
    f.cubicTo(8.4, 2.6, 9.6, 4.8, 9.4, 7.2);
    f.cubicTo(10.4, 6.6, 11, 5.4, 11.2, 4.2);
    f.cubicTo(13, 6.2, 13.8, 8.4, 13.8, 10.2);
    f.cubicTo(13.8, 13, 11.6, 15.5, 8, 15.5);
    // Inner tongue cut out so it reads as fire rather than a drop.
    QPainterPath inner;
    inner.moveTo(8, 14);
    inner.cubicTo(6.4, 14, 5.4, 12.8, 5.6, 11.4);
    inner.cubicTo(5.8, 10, 7.2, 9.4, 7.6, 7.8);
    inner.cubicTo(9.4, 9.2, 10.4, 10.6, 10.4, 11.6);
    inner.cubicTo(10.4, 13, 9.4, 14, 8, 14);
    p.fillPath(f.subtracted(inner), p.pen().color());
}

// A pill button in its normal ("nom") or pressed ("down") look.
void drawPill(const QString& name, QSize size, const QString& text, const Glyph& glyph, bool down) {
    QImage img = blankImage(size.width(), size.height());
    QPainter p;
    beginPaint(p, img);
    const QRectF r = QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = r.height() / 2;
    p.setPen(QPen(down ? pal::tealDark : pal::border, 1));
    p.setBrush(down ? pal::teal : QColor(Qt::white));
    p.drawRoundedRect(r, radius, radius);

    const QColor textColor = down ? QColor(Qt::white) : pal::ink;
    const QColor glyphColor = down ? QColor(Qt::white) : pal::teal;
    const QFont font = uiFont(13, true);
    const QFontMetricsF fm(font);
    const qreal glyphW = glyph ? 16 : 0;
    const qreal gap = glyph ? 6 : 0;
    const qreal textW = fm.horizontalAdvance(text);
    qreal x = qRound((size.width() - glyphW - gap - textW) / 2);

    if (glyph) {
        p.save();
        p.translate(x, qRound((size.height() - 16) / 2.0));
        p.setPen(QPen(glyphColor, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        glyph(p);
        p.restore();
        x += glyphW + gap;
    }
    p.setFont(font);
    p.setPen(textColor);
    const qreal baseline = qRound((size.height() + fm.ascent() - fm.descent()) / 2);
    p.drawText(QPointF(x, baseline), text);
    p.end();
    saveImage(img, name);
}

}  // namespace

void drawSectionIcons() {
    const struct {
        const char* name;
        Glyph glyph;
    } icons[] = {
        {"overview", overviewIcon}, {"trash", trashIcon},   {"autoclean", autocleanIcon},
        {"protect", protectIcon},   {"erase", eraseIcon},   {"desktop", desktopIcon},
        {"cookies", cookiesIcon},   {"update", updateIcon},
    };
    for (const auto& icon : icons) {
        const QString base = QStringLiteral("section-") + QLatin1String(icon.name);
        drawSectionIcon(base + QStringLiteral(".png"), icon.glyph, 48, pal::glyphLight);
        drawSectionIcon(base + QStringLiteral("-dark.png"), icon.glyph, 32, pal::ink);
    }
}

void drawButtons() {
    const QSize small(120, 36), wide(160, 40), chip(48, 26);
    // File names are what the program loads; some keep their historic spelling.
    const struct {
        const char* normal;
        const char* pressed;
        QSize size;
        const char* text;
        Glyph glyph;
    } pills[] = {
        {"opencookienom.png", "opencooikedown.png", small, "Open File", folderGlyph},
        {"newcookienom.png", "newcookiedown.png", small, "New", sparkleGlyph},
        {"Safaricookienom.png", "safaricookiedown.png", small, "System", compassGlyph},
        {"chromecookienom.png", "chromecookiedown.png", small, "Web", ringGlyph},
        {"firefoxcookienom.png", "firefoxcookiedown.png", small, "Other", flameGlyph},
        {"connectnombtn.png", "connectdownbtn.png", wide, "Allow Access", nullptr},
        {"startlocationnombtn.png", "startlocationdownbtn.png", wide, "Choose Folder", folderGlyph},
        // The store browser's category buttons.
        {"currentBigDesktopnom.png", "currentBigDesktopdown.png", small, "All", nullptr},
        {"picbignom.png", "picbigDown.png", small, "Pictures", nullptr},
        {"docbignom.png", "docbigdown.png", small, "Documents", nullptr},
        {"archbignom.png", "archbigdown.png", small, "Archives", nullptr},
        {"folderbignom.png", "folderbigdown.png", small, "Folders", folderGlyph},
        {"otherbignom.png", "othebigdown.png", small, "Other", nullptr},
        // The popover list's category buttons and its tidy button.
        {"allnombbtn.png", "alldownbbtn.png", chip, "All", nullptr},
        {"imagenombtn.png", "imagedownbtn.png", chip, "Pics", nullptr},
        {"docnombtn.png", "docdownbtn.png", chip, "Docs", nullptr},
        {"zipnombtn.png", "zipdownbtn.png", chip, "Zips", nullptr},
        {"foldernombtn.png", "folderdownbtn.png", chip, "Dirs", nullptr},
        {"othernombbtn.png", "otherdownbbtn.png", chip, "Misc", nullptr},
        {"tidynombtn.png", "tidydownbtn.png", small, "Tidy Now", nullptr},
    };
    for (const auto& pill : pills) {
        const QString text = QString::fromUtf8(pill.text);
        drawPill(QString::fromLatin1(pill.normal), pill.size, text, pill.glyph, false);
        drawPill(QString::fromLatin1(pill.pressed), pill.size, text, pill.glyph, true);
    }
}
