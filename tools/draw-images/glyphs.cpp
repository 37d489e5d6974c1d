// Line-style section icons, and the pill buttons drawn by the program's own painter.

#include <QFontMetrics>
#include <QPainterPath>
#include <QtMath>
#include <functional>

#include "draw.h"
#include "widgets/Pills.h"

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
    // The same painter the program uses for translated labels.
    for (const Pills::Pill& pill : Pills::all()) {
        const QString text = QString::fromUtf8(pill.text);
        saveImage(Pills::paint(pill, text, false), QString::fromLatin1(pill.normal));
        saveImage(Pills::paint(pill, text, true), QString::fromLatin1(pill.pressed));
    }
}
