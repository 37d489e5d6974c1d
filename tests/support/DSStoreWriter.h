#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// Builds a Trash records file (".DS_Store") byte by byte for tests and the demo: a 36-byte header
/// with the magic, then a "ptbL" and a "ptbN" record (type "ustr") per item. It holds only what the
/// put-back reader looks at, not the file's block tree.
class DSStoreWriter {
public:
    struct Record {
        QString name;
        QString folder;  ///< relative to the volume, ending in "/" ("Users/me/Desktop/")
    };

    static constexpr int HeaderSize = 36;

    /// Adds the two records of one item put in the Trash, in file order.
    void add(const QString& name, const QString& folder);
    QList<Record> records() const { return m_records; }

    /// The whole file.
    QByteArray bytes() const;
    /// Writes bytes() to `path`, making its parent folders; false when it can't be written.
    bool write(const QString& path) const;

    /// Bytes 4 to 7 (default "Bud1"); anything but four bytes is padded or cut to four.
    void setMagic(const QByteArray& fourBytes);
    /// Zero bytes after the header, so the records start at odd or unusual offsets.
    void setLeadingPadding(int bytes);
    /// Arbitrary bytes placed after the added records, in the order given.
    void addRawRecord(const QByteArray& bytes);
    /// Where the first record starts in bytes().
    int recordsOffset() const { return HeaderSize + m_padding; }

    /// One record: count and name, the 4-byte structure code, "ustr", count and text.
    static QByteArray ustrRecord(const QString& name, const QByteArray& structCode, const QString& text);
    /// The "ptbL" record followed by the "ptbN" record of one item.
    static QByteArray itemRecords(const QString& name, const QString& folder);
    static QByteArray utf16be(const QString& text);
    static QByteArray be32(quint32 value);

private:
    QByteArray m_magic = QByteArrayLiteral("Bud1");
    int m_padding = 0;
    QList<Record> m_records;
    QList<QByteArray> m_raw;
};
