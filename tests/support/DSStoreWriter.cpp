#include "DSStoreWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DSStoreWriter::add(const QString& name, const QString& folder) {
    m_records.append({name, folder});
}

void DSStoreWriter::setMagic(const QByteArray& fourBytes) {
    m_magic = fourBytes.left(4);
    while (m_magic.size() < 4) m_magic.append('\0');
}

void DSStoreWriter::setLeadingPadding(int bytes) {
    m_padding = qMax(0, bytes);
}

void DSStoreWriter::addRawRecord(const QByteArray& bytes) {
    m_raw.append(bytes);
}

QByteArray DSStoreWriter::be32(quint32 value) {
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = char((value >> (24 - 8 * i)) & 0xFF);
    return out;
}

QByteArray DSStoreWriter::utf16be(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (const QChar c : text) {
        out.append(char(c.unicode() >> 8));
        out.append(char(c.unicode() & 0xFF));
    }
    return out;
}

QByteArray DSStoreWriter::ustrRecord(const QString& name, const QByteArray& structCode, const QString& text) {
    QByteArray out = be32(quint32(name.size())) + utf16be(name);
    out += structCode.left(4).leftJustified(4, '\0');
    out += QByteArrayLiteral("ustr");
    out += be32(quint32(text.size())) + utf16be(text);
    return out;
}

QByteArray DSStoreWriter::itemRecords(const QString& name, const QString& folder) {
    return ustrRecord(name, QByteArrayLiteral("ptbL"), folder) +
           ustrRecord(name, QByteArrayLiteral("ptbN"), name);
}

QByteArray DSStoreWriter::bytes() const {
    // Header: alignment word, magic, then a root-block offset, its size and the offset again, and
    // 16 bytes that the reader never looks at.
    QByteArray out = be32(1) + m_magic + be32(0x800) + be32(0x800) + be32(0x800) + QByteArray(16, '\0');
    out += QByteArray(m_padding, '\0');
    for (const Record& r : m_records) out += itemRecords(r.name, r.folder);
    for (const QByteArray& raw : m_raw) out += raw;
    out += QByteArray(8, '\0');
    return out;
}

bool DSStoreWriter::write(const QString& path) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray data = bytes();
    return file.write(data) == data.size();
}
