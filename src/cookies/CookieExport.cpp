#include "CookieExport.h"

#include <QDir>
#include <QFileInfo>

#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"

namespace {
QString orNull(const QString& text) {
    return text.isNull() ? QStringLiteral("(null)") : text;
}
bool carriable(const QString& field) {
    return !field.contains(QLatin1Char('\t')) && !field.contains(QLatin1Char('\n')) &&
           !field.contains(QLatin1Char('\r'));
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

QByteArray netscapeText(const CookieList& cookies, int* leftOut) {
    QByteArray out("# Netscape HTTP Cookie File\n\n");
    int skipped = 0;
    for (const PRCookFileNode& c : cookies) {
        const QString host = c.fileHost;
        if (c.undecryptable || host.isEmpty() || !carriable(host) || !carriable(c.fileName) ||
            !carriable(c.filePath) || !carriable(c.fileValue)) {
            ++skipped;
            continue;
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
        line += c.fileValue.toUtf8();
        line += '\n';
        out += line;
    }
    if (leftOut) *leftOut = skipped;
    return out;
}

bool writePrivateFile(const QString& path, const QByteArray& data) {
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    return folder.isOpen() && folder.writeFileReplacing(FsName::toBytes(info.fileName()), data, 0600);
}

}  // namespace CookieExport
