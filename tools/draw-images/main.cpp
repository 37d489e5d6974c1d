// Draws every image Corvane ships, so the artwork can be regenerated
// from source instead of being hand-edited binaries.
//
// Usage (from the repository root):
//   cmake -S tools/draw-images -B build-draw -G Ninja && cmake --build build-draw &&
//   QT_QPA_PLATFORM=offscreen build-draw/draw-images resources/images
// and the installed application icon's sizes (the scalable one is corvane.svg beside them):
//   QT_QPA_PLATFORM=offscreen build-draw/draw-images --app-icons resources/desktop/icons/hicolor

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include "draw.h"

namespace {
QString g_outDir;
bool g_failed = false;
}  // namespace

QImage blankImage(int w, int h, bool opaque) {
    QImage img(w, h, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    img.fill(opaque ? Qt::white : Qt::transparent);
    return img;
}

void beginPaint(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(int pixelSize, bool bold) {
    // Fall back to the platform default when DejaVu is not installed.
    QFont f = QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))
                  ? QFont(QStringLiteral("DejaVu Sans"))
                  : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void saveImage(const QImage& img, const QString& name) {
    const QString path = QDir(g_outDir).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Opaque images are stored without alpha to keep them small.
    const QImage out = img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32)
                                             : img.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        QTextStream(stderr) << "failed to write " << path << '\n';
        g_failed = true;
        return;
    }
    QTextStream(stdout) << path << ' ' << img.width() << 'x' << img.height() << '\n';
}

namespace {

void fillVertical(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void drawLeftPane() {
    const int w = 220, h = 720;
    QImage img = blankImage(w, h, true);
    QPainter p;
    beginPaint(p, img);
    fillVertical(p, img.rect(), pal::navyLight, pal::navyDeep);

    // Soft diagonal sheen across the upper part; kept faint so text stays calm.
    QLinearGradient sheen(QPointF(0, 40), QPointF(w, 300));
    sheen.setColorAt(0.00, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 10));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 10));
    sheen.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), sheen);
    p.end();

    // Fixed-seed grain: a faint texture that also hides gradient banding when scaled.
    QRandomGenerator rng(0x636f7276u);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int d = int(rng.bounded(5u)) - 2;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255),
                           qBound(0, qBlue(c) + d, 255));
        }
    }
    saveImage(img, QStringLiteral("leftimage.png"));
}

void drawStrip(const QString& name, int w, int h, const QColor& top, const QColor& bottom,
               const QColor& line) {
    QImage img = blankImage(w, h, true);
    QPainter p;
    beginPaint(p, img);
    fillVertical(p, QRect(0, 0, w, h - 1), top, bottom);
    p.fillRect(QRect(0, h - 1, w, 1), line);
    p.end();
    saveImage(img, name);
}

// The band along the foot of the update window: the left pane's navy under a teal rule.
void drawUpdateBand() {
    const int w = 800, h = 36;
    QImage img = blankImage(w, h, true);
    QPainter p;
    beginPaint(p, img);
    fillVertical(p, QRect(0, 0, w, h), pal::navyLight, pal::navyDeep);
    p.fillRect(QRect(0, 0, w, 3), pal::teal);
    p.end();
    saveImage(img, QStringLiteral("mainBottomImage.png"));
}

void drawBackgrounds() {
    drawLeftPane();
    drawStrip(QStringLiteral("bottomimage.png"), 800, 56, QColor(0xff, 0xff, 0xff), QColor(0xee, 0xf1, 0xf5),
              QColor(0xdd, 0xe2, 0xea));
    drawStrip(QStringLiteral("tablehead.png"), 800, 28, QColor(0xf4, 0xf6, 0xf9), QColor(0xe9, 0xed, 0xf2),
              pal::border);
    saveImage(blankImage(64, 64, true), QStringLiteral("whiteimage.png"));
    drawUpdateBand();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool appIcons = args.size() == 3 && args.at(1) == QLatin1String("--app-icons");
    if (args.size() != 2 && !appIcons) {
        QTextStream(stderr) << "usage: draw-images OUTDIR | draw-images --app-icons HICOLOR-DIR\n";
        return 2;
    }
    g_outDir = args.last();
    if (!QDir().mkpath(g_outDir)) {
        QTextStream(stderr) << "cannot create " << g_outDir << '\n';
        return 1;
    }

    if (appIcons) {
        drawAppIconSizes();
        return g_failed ? 1 : 0;
    }
    drawBackgrounds();
    drawMarks();
    drawSectionIcons();
    drawButtons();
    return g_failed ? 1 : 0;
}
