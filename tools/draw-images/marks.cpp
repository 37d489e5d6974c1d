// The corvid mark: a crow head for the tray, a crow perched on a bin for the app icon.

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>

#include "draw.h"

namespace {

QPainterPath circle(qreal cx, qreal cy, qreal r) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

// Crow head in profile facing right, in a 100x100 box; the eye is a hole so
// the panel shows through and the glyph stays a single colour.
QPainterPath crowHead() {
    QPainterPath head = circle(38, 40, 25);
    // Long, heavy beak: the feature that tells a crow from other birds.
    QPainterPath beak;
    beak.moveTo(50, 16);
    beak.quadTo(80, 22, 99, 50);
    beak.lineTo(57, 60);
    beak.closeSubpath();
    // Concave nape, and a breast with one ruffled throat feather.
    QPainterPath neck;
    neck.moveTo(16, 52);
    neck.quadTo(20, 78, 6, 99);
    neck.lineTo(68, 99);
    neck.quadTo(54, 88, 52, 76);
    neck.lineTo(47, 70);
    neck.lineTo(53, 68);
    neck.quadTo(54, 62, 58, 58);
    neck.closeSubpath();
    QPainterPath shape = head.united(beak).united(neck);
    shape = shape.subtracted(circle(45, 34, 6.5));
    return shape.simplified();
}

// Tray glyph with a thin contrasting halo so it survives either panel colour.
void drawTrayIcon(const QString& name, const QColor& glyph, const QColor& halo) {
    QImage img = blankImage(44, 44);
    QPainter p;
    beginPaint(p, img);
    // 100-unit art into the 40px box inside a 2px margin left for the halo.
    const QPainterPath shape = QTransform::fromTranslate(2, 2).scale(0.40, 0.40).map(crowHead());
    p.setPen(QPen(halo, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(glyph);
    p.drawPath(shape);
    p.end();
    saveImage(img, name);
}

// Perched crow, drawn in a 256x256 box.
QPainterPath crowBody() {
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 38, 24);
    body = QTransform().translate(120, 116).rotate(-22).map(body);

    QPainterPath beak;
    beak.moveTo(162, 67);
    beak.quadTo(188, 70, 204, 92);
    beak.lineTo(166, 100);
    beak.closeSubpath();

    const QPainterPath neck = polygon({{138, 88}, {172, 88}, {162, 114}, {136, 116}});
    const QPainterPath tail = polygon({{100, 118}, {60, 146}, {70, 156}, {114, 134}});
    QPainterPath shape = body.united(circle(156, 84, 20)).united(beak).united(neck).united(tail);
    return shape.simplified();
}

void drawAppIcon(const QString& name, int size) {
    QImage img = blankImage(size, size);
    QPainter p;
    beginPaint(p, img);
    p.scale(size / 256.0, size / 256.0);

    // Rounded navy tile with a faint top edge light.
    const QRectF tile(10, 10, 236, 236);
    QLinearGradient bg(tile.topLeft(), tile.bottomLeft());
    bg.setColorAt(0, QColor(0x31, 0x41, 0x5b));
    bg.setColorAt(1, pal::navy);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(tile, 52, 52);
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 51, 51);

    // Lift the mark so it sits optically centred in the tile.
    p.translate(0, -12);

    // Bin: lid and tapered body in teal, slits cut back to navy.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::teal);
    p.drawRoundedRect(QRectF(74, 156, 108, 14), 6, 6);
    QPainterPath bin;
    bin.moveTo(84, 176);
    bin.lineTo(172, 176);
    bin.lineTo(164, 222);
    bin.quadTo(163, 228, 156, 228);
    bin.lineTo(100, 228);
    bin.quadTo(93, 228, 92, 222);
    bin.closeSubpath();
    p.drawPath(bin);
    p.setPen(QPen(QColor(0x1f, 0x6f, 0x6a), 7, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {108.0, 128.0, 148.0}) p.drawLine(QPointF(x, 188), QPointF(x, 214));

    // Crow perched on the lid.
    p.setPen(QPen(pal::softWhite, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(116, 134), QPointF(114, 156));
    p.drawLine(QPointF(132, 132), QPointF(134, 156));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::softWhite);
    p.drawPath(crowBody());
    // Folded wing, a shade darker so the body reads as two shapes.
    QPainterPath wing;
    wing.moveTo(98, 114);
    wing.quadTo(128, 92, 158, 104);
    wing.quadTo(140, 132, 96, 130);
    wing.closeSubpath();
    p.setBrush(QColor(0xd6, 0xdd, 0xe7));
    p.drawPath(wing);
    p.setBrush(pal::navy);
    p.drawEllipse(QPointF(162, 79), 4.5, 4.5);
    p.end();
    saveImage(img, name);
}

}  // namespace

void drawMarks() {
    drawTrayIcon(QStringLiteral("bannerIcon.png"), pal::navy, QColor(255, 255, 255, 210));
    drawTrayIcon(QStringLiteral("darkbannerIcon.png"), pal::nearWhite, QColor(0x14, 0x1b, 0x27, 210));
    drawAppIcon(QStringLiteral("corvane.png"), 256);
    drawAppIcon(QStringLiteral("corvane-64.png"), 64);
}

void drawAppIconSizes() {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        drawAppIcon(QStringLiteral("%1x%1/apps/corvane.png").arg(size), size);
}
