#include "VersionDocument.h"

#include <QtEndian>

namespace {

QByteArray bigEndian(quint64 value, int width) {
    QByteArray out(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8) out[i] = static_cast<char>(value & 0xff);
    return out;
}

QByteArray countedMarker(int kind, qsizetype count) {
    if (count < 15) return QByteArray(1, static_cast<char>((kind << 4) | count));
    return QByteArray(1, static_cast<char>((kind << 4) | 0xF)) + QByteArray(1, '\x11') + bigEndian(count, 2);
}

QByteArray stringObject(const QString& s) {
    bool ascii = true;
    for (QChar c : s) ascii = ascii && c.unicode() < 0x80;
    if (ascii) return countedMarker(0x5, s.size()) + s.toLatin1();
    QByteArray out = countedMarker(0x6, s.size());
    for (QChar c : s) out += bigEndian(c.unicode(), 2);
    return out;
}

}  // namespace

QByteArray VersionDocument::xml(const QString& latest, const QString& whatsNew) {
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n<dict>\n";
    out += "\t<key>lastestVersion</key>\n\t<string>" + latest.toHtmlEscaped().toUtf8() + "</string>\n";
    if (!whatsNew.isNull())
        out += "\t<key>WhatsNew</key>\n\t<string>" + whatsNew.toHtmlEscaped().toUtf8() + "</string>\n";
    out += "</dict>\n</plist>\n";
    return out;
}

QByteArray VersionDocument::binary(const QList<QPair<QString, QString>>& entries, int offsetSize,
                                   int refSize) {
    // Object 0 is the dictionary, then the keys, then the values.
    const qsizetype n = entries.size();
    QList<QByteArray> objects;
    QByteArray dict = countedMarker(0xD, n);
    for (qsizetype i = 0; i < 2 * n; ++i) dict += bigEndian(static_cast<quint64>(1 + i), refSize);
    objects << dict;
    for (const auto& e : entries) objects << stringObject(e.first);
    for (const auto& e : entries) objects << stringObject(e.second);

    QByteArray out = "bplist00";
    QList<quint64> offsets;
    for (const QByteArray& o : objects) {
        offsets << static_cast<quint64>(out.size());
        out += o;
    }
    const quint64 table = static_cast<quint64>(out.size());
    for (quint64 off : offsets) out += bigEndian(off, offsetSize);
    out += QByteArray(6, '\0');
    out += static_cast<char>(offsetSize);
    out += static_cast<char>(refSize);
    out += bigEndian(static_cast<quint64>(objects.size()), 8);
    out += bigEndian(0, 8);
    out += bigEndian(table, 8);
    return out;
}

VersionDocument::BinaryLayout VersionDocument::binaryLayout(const QByteArray& list) {
    BinaryLayout layout;
    layout.trailer = list.size() - 32;
    layout.offsetTable = static_cast<qsizetype>(
        qFromBigEndian<quint64>(reinterpret_cast<const uchar*>(list.constData() + list.size() - 8)));
    return layout;
}
