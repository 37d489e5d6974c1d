// The Desktop part of both demo sandboxes: pictures of several formats, documents, an archive, a
// folder, a hidden file and a name that is already taken in the store.
#include <QDateTime>
#include <QtEndian>

#include "SandboxBuilder.h"
#include "platform/Paths.h"

namespace {

/// A 24-bit BMP of `w` by `h` with a diagonal gradient: a real picture any decoder reads.
QByteArray bmpImage(int w, int h, int hue) {
    const int rowBytes = (w * 3 + 3) & ~3;
    QByteArray data(54 + rowBytes * h, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, data.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, data.data() + at); };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, quint32(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(w));
    put32(22, quint32(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, quint32(rowBytes * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            char* px = data.data() + 54 + y * rowBytes + x * 3;
            px[0] = char((x * 255 / w + hue) & 0xff);
            px[1] = char((y * 255 / h) & 0xff);
            px[2] = char((hue * 3 + x + y) & 0xff);
        }
    return data;
}

/// A binary PPM (P6) of `w` by `h`.
QByteArray ppmImage(int w, int h, int hue) {
    QByteArray data = QStringLiteral("P6\n%1 %2\n255\n").arg(w).arg(h).toLatin1();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            data.append(char((x * 255 / w) & 0xff));
            data.append(char((hue + y * 255 / h) & 0xff));
            data.append(char(200));
        }
    return data;
}

}  // namespace

void SandboxBuilder::buildDesktopDemo(const QString& desktop, const QString& storeLocation) const {
    const QDateTime base(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);
    const struct {
        const char* name;
        QByteArray content;
    } files[] = {
        {"Sunset.bmp", bmpImage(320, 200, 20)},
        {"Portrait.bmp", bmpImage(120, 240, 140)},
        {"Sky.ppm", ppmImage(256, 160, 60)},
        {"Logo.svg",
         "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64'>"
         "<circle cx='32' cy='32' r='28' fill='#3b82f6'/></svg>\n"},
        {"Broken photo.jpg", "not really a picture"},
        {"Report.pdf", "%PDF-1.4\n% a stand-in\n"},
        {"Backup.zip", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')},
        {"song.mp3", "ID3"},
        {".hidden-settings", "kept on the Desktop\n"},
        {"Projects/plan.txt", "Project plan\n"},
        {"Projects/Mockups/screen.bmp", bmpImage(64, 48, 200)},
    };
    int i = 0;
    for (const auto& f : files) {
        const QString path = desktop + QLatin1Char('/') + QLatin1String(f.name);
        writeFile(path, f.content);
        touch(path, base.addSecs(-3600 * i++));
    }
    // One name the store already holds: that item stays on the Desktop when tidied.
    const QString store = Paths::desktopStoreFolder(storeLocation);
    writeFile(desktop + QStringLiteral("/Meeting notes.txt"),
              "Agenda\n- budget\n- holidays\n- the new printer\n");
    writeFile(store + QStringLiteral("/Meeting notes.txt"), "Last week's agenda\n");
    writeFile(store + QStringLiteral("/Old wallpaper.bmp"), bmpImage(200, 100, 90));
    touch(store + QStringLiteral("/Old wallpaper.bmp"), base.addDays(-30));
}
