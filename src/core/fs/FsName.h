#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

/// File names are bytes; the rest of the program works with QString. A name that is not valid
/// UTF-8 is carried losslessly: each byte that is not part of a valid sequence becomes one lone
/// low surrogate (U+DC80..U+DCFF), which valid UTF-8 can never produce, so the text maps back to
/// exactly the same bytes. Every file operation turns such a text back into bytes here, never with
/// QFile::encodeName (which would replace the stray bytes).
class FsName {
  public:
    FsName() = default;
    explicit FsName(QByteArray raw) : m_raw(std::move(raw)) {}

    const QByteArray& bytes() const { return m_raw; }
    /// The lossless text form, for paths held as QString.
    QString text() const { return fromBytes(m_raw); }
    /// For people: the stray bytes written as "\xNN".
    QString display() const { return displayText(text()); }
    bool isEmpty() const { return m_raw.isEmpty(); }
    bool operator==(const FsName& other) const { return m_raw == other.m_raw; }

    /// Raw bytes to the lossless text.
    static QString fromBytes(QByteArrayView raw);
    /// The lossless text back to its bytes.
    static QByteArray toBytes(QStringView text);
    /// The lossless text with every stray byte as "\xNN".
    static QString displayText(QStringView text);
    /// Whether the text carries no stray byte (it is what QFile::encodeName would give).
    static bool isPlain(QStringView text);

  private:
    QByteArray m_raw;
};
