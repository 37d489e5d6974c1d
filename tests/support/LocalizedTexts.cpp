#include "LocalizedTexts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cctype>

namespace LocalizedTexts {
namespace {

bool isIdentChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

/// A cursor over one file that steps over comments and counts lines.
struct Cursor {
    const QByteArray& s;
    qsizetype i = 0;
    int line = 1;

    bool atEnd() const { return i >= s.size(); }
    char at(qsizetype k = 0) const { return i + k < s.size() ? s[i + k] : '\0'; }
    void step() {
        if (s[i] == '\n') ++line;
        ++i;
    }
    void skipSpaceAndComments() {
        while (!atEnd()) {
            if (at() == '/' && at(1) == '/') {
                while (!atEnd() && at() != '\n') step();
            } else if (at() == '/' && at(1) == '*') {
                i += 2;
                while (!atEnd() && !(at() == '*' && at(1) == '/')) step();
                i += 2;
            } else if (at() == ' ' || at() == '\t' || at() == '\n' || at() == '\r') {
                step();
            } else {
                return;
            }
        }
    }
    /// At a quote: the literal's bytes with escapes resolved; the cursor moves past it.
    QByteArray literal() {
        QByteArray out;
        step();  // the opening quote
        while (!atEnd() && at() != '"') {
            if (at() != '\\') {
                out += at();
                step();
                continue;
            }
            step();
            const char e = at();
            step();
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'a':
                    out += '\a';
                    break;
                case 'u':
                case 'U': {
                    // A universal character name: the code point, written as UTF-8.
                    const int digits = e == 'u' ? 4 : 8;
                    const QByteArray hex = s.mid(i, digits);
                    for (int n = 0; n < digits; ++n) step();
                    const char32_t code = hex.toUInt(nullptr, 16);
                    out += QString::fromUcs4(&code, 1).toUtf8();
                    break;
                }
                case 'x': {
                    int v = 0;
                    while (std::isxdigit(static_cast<unsigned char>(at()))) {
                        v = v * 16 + QByteArray(1, at()).toInt(nullptr, 16);
                        step();
                    }
                    out += char(v);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        int v = e - '0';
                        for (int n = 0; n < 2 && at() >= '0' && at() <= '7'; ++n, step())
                            v = v * 8 + (at() - '0');
                        out += char(v);
                    } else {
                        out += e;  // \" \\ \' \?
                    }
            }
        }
        if (!atEnd()) step();  // the closing quote
        return out;
    }
    /// Adjacent literals, as the compiler joins them. False when the next token is no literal.
    bool literals(QByteArray* out) {
        skipSpaceAndComments();
        if (at() == 'u' && at(1) == '8' && at(2) == '"') i += 2;
        if (at() != '"') return false;
        out->clear();
        while (at() == '"') {
            *out += literal();
            skipSpaceAndComments();
        }
        return true;
    }
};

}  // namespace

QList<SourceText> extract(const QByteArray& contents, const QString& file) {
    QList<SourceText> texts;
    Cursor c{contents};
    while (!c.atEnd()) {
        const char ch = c.at();
        if (ch == '/' && (c.at(1) == '/' || c.at(1) == '*')) {
            c.skipSpaceAndComments();
        } else if (ch == '"') {
            c.literal();
        } else if (ch == '\'') {
            c.step();
            while (!c.atEnd() && c.at() != '\'') {
                if (c.at() == '\\') c.step();
                c.step();
            }
            c.step();
        } else if (ch >= '0' && ch <= '9') {
            while (!c.atEnd() && (isIdentChar(c.at()) || c.at() == '\'' || c.at() == '.'))
                c.step();  // 400'000
        } else if (isIdentChar(ch)) {
            const bool member = c.i > 0 && (contents[c.i - 1] == '.' || contents[c.i - 1] == '>');
            const qsizetype start = c.i;
            while (!c.atEnd() && isIdentChar(c.at())) c.step();
            const QByteArray word = contents.mid(start, c.i - start);
            const bool call = word == "localized";
            const bool mark = word == "QT_TRANSLATE_NOOP";
            if (member || (!call && !mark)) continue;
            c.skipSpaceAndComments();
            if (c.at() != '(') continue;
            c.step();
            const int line = c.line;
            QByteArray text;
            if (mark) {
                if (!c.literals(&text) || text != "Corvane" || c.at() != ',') continue;
                c.step();
            }
            if (c.literals(&text) && c.at() == ')') texts.append({QString::fromUtf8(text), file, line});
        } else {
            c.step();
        }
    }
    return texts;
}

QList<SourceText> scanFolder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    std::sort(files.begin(), files.end());
    QList<SourceText> all;
    QSet<QString> seen;
    const QDir base(folder);
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const SourceText& t : extract(f.readAll(), base.relativeFilePath(path))) {
            if (seen.contains(t.text)) continue;
            seen.insert(t.text);
            all.append(t);
        }
    }
    return all;
}

QHash<QString, Translation> readTs(const QString& path, QString* error, QString* language) {
    QHash<QString, Translation> entries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return entries;
    }
    QXmlStreamReader xml(&f);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS") && language) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation") && context == QLatin1String("Corvane")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            Translation t;
            t.text = xml.readElementText();
            t.finished = type.isEmpty() && !t.text.isEmpty();
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                entries.insert(source, t);
        }
    }
    if (xml.hasError()) {
        if (error) *error = xml.errorString();
        entries.clear();
    }
    return entries;
}

int updateTs(const QString& path, const QList<SourceText>& texts, const QString& language) {
    // Everything the file held before, vanished ones too, so no translation is ever lost.
    QList<QPair<QString, QString>> old;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            QXmlStreamReader xml(&f);
            QString source;
            while (!xml.atEnd()) {
                if (!xml.readNext() || !xml.isStartElement()) continue;
                if (xml.name() == QLatin1String("source")) source = xml.readElementText();
                if (xml.name() == QLatin1String("translation")) old.append({source, xml.readElementText()});
            }
        }
    }
    const QHash<QString, Translation> current = readTs(path);
    QSet<QString> inSources;
    int added = 0;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return -1;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), language);
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), QStringLiteral("Corvane"));
    auto message = [&xml](const QString& source, const QString& translation, const QString& type) {
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeTextElement(QStringLiteral("source"), source);
        xml.writeStartElement(QStringLiteral("translation"));
        if (!type.isEmpty()) xml.writeAttribute(QStringLiteral("type"), type);
        xml.writeCharacters(translation);
        xml.writeEndElement();
        xml.writeEndElement();
    };
    for (const SourceText& t : texts) {
        inSources.insert(t.text);
        QString kept;
        for (const auto& [source, translation] : old)
            if (source == t.text) kept = translation;
        const bool finished = current.value(t.text).finished;
        if (!current.contains(t.text)) ++added;
        message(t.text, kept, finished ? QString() : QStringLiteral("unfinished"));
    }
    for (const auto& [source, translation] : old)
        if (!inSources.contains(source) && !translation.isEmpty())
            message(source, translation, QStringLiteral("vanished"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out.commit() ? added : -1;
}

QString mismatch(const QString& source, const QString& translation) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    auto placeholders = [](const QString& s) {
        QStringList found;
        for (auto it = placeholder.globalMatch(s); it.hasNext();) found << it.next().captured();
        std::sort(found.begin(), found.end());
        return found;
    };
    if (placeholders(source) != placeholders(translation)) return QStringLiteral("placeholders differ");
    auto ends = [](const QString& s) {
        qsizetype head = 0;
        while (head < s.size() && s[head].isSpace()) ++head;
        qsizetype tail = s.size();
        while (tail > head && s[tail - 1].isSpace()) --tail;
        return s.left(head) + QLatin1Char('|') + s.mid(tail);
    };
    if (ends(source) != ends(translation)) return QStringLiteral("spaces at the ends differ");
    static const QRegularExpression accelerator(QStringLiteral("&[^&\\s]"));
    if (source.contains(accelerator) != translation.contains(accelerator))
        return QStringLiteral("accelerator lost or added");
    for (const QString& ellipsis : {QStringLiteral("…"), QStringLiteral("...")})
        if (source.trimmed().endsWith(ellipsis) != translation.trimmed().endsWith(ellipsis))
            return QStringLiteral("closing ellipsis differs");
    return QString();
}

}  // namespace LocalizedTexts
