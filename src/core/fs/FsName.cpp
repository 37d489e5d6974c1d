#include "FsName.h"

#include <algorithm>

namespace {

constexpr char16_t StrayBase = 0xDC00;  // a stray byte b is held as U+DC00 + b (b >= 0x80)

bool isStray(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

// Length of the valid UTF-8 sequence at `p`, or 0 when the byte there starts none.
int validSequence(const uchar* p, qsizetype left, char32_t* out) {
    const uchar c = p[0];
    if (c < 0x80) {
        *out = c;
        return 1;
    }
    int need;
    char32_t cp;
    char32_t min;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (left <= need) return 0;
    for (int i = 1; i <= need; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    *out = cp;
    return need + 1;
}

}  // namespace

QString FsName::fromBytes(QByteArrayView raw) {
    if (std::all_of(raw.cbegin(), raw.cend(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(raw);  // the usual name: ASCII is the same in every reading
    QString text;
    text.reserve(raw.size());
    const uchar* p = reinterpret_cast<const uchar*>(raw.data());
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = validSequence(p + i, n - i, &cp);
        if (len == 0) {
            text.append(QChar(char16_t(StrayBase + p[i])));
            ++i;
            continue;
        }
        if (cp < 0x10000) {
            text.append(QChar(char16_t(cp)));
        } else {
            text.append(QChar(QChar::highSurrogate(cp)));
            text.append(QChar(QChar::lowSurrogate(cp)));
        }
        i += len;
    }
    return text;
}

QByteArray FsName::toBytes(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text[i].unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(char16_t(cp), text[i + 1].unicode());
            ++i;
        } else if (isStray(char16_t(cp))) {
            out.append(char(cp - StrayBase));
            continue;
        } else if (QChar::isSurrogate(cp)) {
            cp = 0xFFFD;  // an unpaired surrogate that no file name produced
        }
        if (cp < 0x80) {
            out.append(char(cp));
        } else if (cp < 0x800) {
            out.append(char(0xC0 | (cp >> 6)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.append(char(0xE0 | (cp >> 12)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else {
            out.append(char(0xF0 | (cp >> 18)));
            out.append(char(0x80 | ((cp >> 12) & 0x3F)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

QString FsName::displayText(QStringView text) {
    if (isPlain(text)) return text.toString();
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (isStray(c.unicode()))
            out += QStringLiteral("\\x") + QString::number(int(c.unicode() - StrayBase), 16).toUpper();
        else
            out += c;
    }
    return out;
}

bool FsName::isPlain(QStringView text) {
    for (const QChar c : text)
        if (isStray(c.unicode())) return false;
    return true;
}
