#include "CookieExport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

#include "CookieSites.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"

namespace {
QString orNull(const QString& text) {
    return text.isNull() ? QStringLiteral("(null)") : text;
}
template <typename Text>
bool carriable(const Text& field) {
    return !field.contains('\t') && !field.contains('\n') && !field.contains('\r');
}
QJsonValue orNullJson(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}
}  // namespace

void PRRtfController::addRtfContent(const QString& line) {
    strRtfContent += line;
    strRtfContent += QLatin1String("\n\n");
}

QString PRRtfController::lineFor(const PRCookFileNode& c) {
    return QStringLiteral("Website:%1  Name:%2  Secure:%3  Path:%4  Value:%5  ")
        .arg(orNull(c.fileHost), orNull(c.fileName), orNull(c.secureValue), orNull(c.filePath),
             orNull(c.fileValue));
}

bool PRRtfController::writeRtfInPath(const QString& folder, const QString&) {
    setRtfEnder();
    return CookieExport::writePrivateFile(folder + QLatin1Char('/') + QLatin1String(CookieExport::FileName),
                                          strRtfContent.toUtf8());
}

namespace CookieExport {

QByteArray netscapeLine(const PRCookFileNode& c, int* leftOut, int* partitioned) {
    const QString& host = c.fileHost;
    if (c.isPartitioned()) {
        ++*partitioned;
        return QByteArray();
    }
    const QByteArray value = c.wireValue();
    if (c.undecryptable || host.isEmpty() || !carriable(host) || !carriable(c.fileName) ||
        !carriable(c.filePath) || !carriable(value)) {
        ++*leftOut;
        return QByteArray();
    }
    QByteArray line;
    if (c.httpOnly) line += "#HttpOnly_";
    line += host.toUtf8();
    line += host.startsWith(QLatin1Char('.')) ? "\tTRUE\t" : "\tFALSE\t";
    line += c.filePath.isEmpty() ? QByteArray("/") : c.filePath.toUtf8();
    line += c.isSecure() ? "\tTRUE\t" : "\tFALSE\t";
    line += QByteArray::number(c.expiryUnix.value_or(0));
    line += '\t';
    line += c.fileName.toUtf8();
    line += '\t';
    line += value;
    line += '\n';
    return line;
}

QByteArray netscapeText(const CookieList& cookies, int* leftOut, int* partitioned) {
    QByteArray out(NetscapeHeader);
    int skipped = 0;
    int inPartitions = 0;
    for (const PRCookFileNode& c : cookies) out += netscapeLine(c, &skipped, &inPartitions);
    if (leftOut) *leftOut = skipped;
    if (partitioned) *partitioned = inPartitions;
    return out;
}

QJsonObject jsonOf(const PRCookFileNode& c) {
    QJsonObject o{{"host", c.fileHost},
                  {"name", c.fileName},
                  {"path", c.filePath},
                  {"value", c.fileValue},
                  {"secure", c.isSecure()},
                  {"httpOnly", c.httpOnly},
                  {"encrypted", c.undecryptable},
                  {"sameSite", orNullJson(c.sameSite)},
                  {"partition", orNullJson(c.partition)}};
    o.insert(QStringLiteral("expires"), c.expiryUnix ? QJsonValue(double(*c.expiryUnix)) : QJsonValue());
    if (!c.valueBytes.isEmpty())
        o.insert(QStringLiteral("valueBytes"), QString::fromLatin1(c.valueBytes.toBase64()));
    return o;
}

QJsonObject jsonRow(const PRCookFileNode& c, const QStringList& keepList) {
    QJsonObject o = jsonOf(c);
    o.insert(QStringLiteral("site"), CookieSites::siteOf(c.fileHost));
    o.insert(QStringLiteral("kept"), CookieSites::isKept(c.fileHost, keepList));
    return o;
}

namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
void jsonString(QByteArray& out, const QString& text) {
    static const char digits[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += "\\u00";
            out += digits[u >> 4];
            out += digits[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void jsonField(QByteArray& out, const char* key, const QString& text, bool nullWhenEmpty = false) {
    out += out.size() > 1 ? ", \"" : "\"";
    out += key;
    out += "\": ";
    if (nullWhenEmpty && text.isEmpty())
        out += "null";
    else
        jsonString(out, text);
}

void jsonFlag(QByteArray& out, const char* key, bool value) {
    out += ", \"";
    out += key;
    out += value ? "\": true" : "\": false";
}

}  // namespace

QByteArray jsonLine(const PRCookFileNode& c, const QStringList& keepList) {
    QByteArray out("{");
    out.reserve(256);
    jsonField(out, "host", c.fileHost);
    jsonField(out, "name", c.fileName);
    jsonField(out, "path", c.filePath);
    jsonField(out, "value", c.fileValue);
    if (!c.valueBytes.isEmpty()) jsonField(out, "valueBytes", QString::fromLatin1(c.valueBytes.toBase64()));
    jsonFlag(out, "secure", c.isSecure());
    jsonFlag(out, "httpOnly", c.httpOnly);
    jsonFlag(out, "encrypted", c.undecryptable);
    out += c.expiryUnix ? ", \"expires\": " + QByteArray::number(*c.expiryUnix)
                        : QByteArray(", \"expires\": null");
    jsonField(out, "sameSite", c.sameSite, true);
    jsonField(out, "partition", c.partition, true);
    jsonField(out, "site", CookieSites::siteOf(c.fileHost));
    jsonFlag(out, "kept", CookieSites::isKept(c.fileHost, keepList));
    out += '}';
    return out;
}

QByteArray jsonText(const CookieList& cookies, const QStringList& keepList) {
    QJsonArray rows;
    for (const PRCookFileNode& c : cookies) rows.append(jsonRow(c, keepList));
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

QString nothingDecrypted(qint64 count) {
    return localized(
               "None of the %1 cookies could be decrypted (their key is not available); nothing was "
               "exported.")
        .arg(count);
}

QString nothingToExport(const CookieList& cookies) {
    const bool none =
        !cookies.isEmpty() && std::all_of(cookies.cbegin(), cookies.cend(),
                                          [](const PRCookFileNode& c) { return c.undecryptable; });
    return none ? nothingDecrypted(cookies.size()) : QString();
}

bool writePrivateFile(const QString& path, const QByteArray& data) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    return folder.isOpen() && folder.writeFileReplacing(FsName::toBytes(info.fileName()), data, 0600);
}

}  // namespace CookieExport
