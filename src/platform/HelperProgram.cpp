#include "HelperProgram.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/fs/FsName.h"

#ifndef CORVANE_TOLVIK_INSTALLED
#error "CORVANE_TOLVIK_INSTALLED is set by src/tolvik/CMakeLists.txt"
#endif

QString HelperProgram::installedTolvikPath() {
    return QStringLiteral(CORVANE_TOLVIK_INSTALLED);
}

QString HelperProgram::tolvikPath() {
    return tolvikPath(qEnvironmentVariable("CORVANE_TOLVIK"), QCoreApplication::applicationDirPath(),
                      installedTolvikPath());
}

QString HelperProgram::tolvikPath(const QString& override, const QString& programFolder,
                                  const QString& installed) {
    if (!override.isEmpty()) return override;
    if (!programFolder.isEmpty()) {
        const QString beside = programFolder + QStringLiteral("/Tolvik");
        const QFileInfo info(beside);
        if (info.isFile() && info.isExecutable()) return beside;
    }
    return installed;
}

namespace {

const QLatin1String RemoveOption("--remove");

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Strict: QByteArray::fromPercentEncoding would keep a broken escape as it is, and a path that
// means two things must not reach a removal.
std::optional<QByteArray> percentDecoded(const QString& argument) {
    // Only printable ASCII is ever written; anything else did not come from removalArguments().
    for (const QChar c : argument)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return std::nullopt;
    const QByteArray text = argument.toLatin1();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        const char byte = char(high * 16 + low);
        if (byte == 0) return std::nullopt;
        bytes += byte;
        i += 2;
    }
    return bytes;
}

}  // namespace

QStringList HelperProgram::removalArguments(const QStringList& paths) {
    if (paths.isEmpty()) return {};
    QStringList arguments{RemoveOption};
    for (const QString& path : paths)
        arguments << QString::fromLatin1(FsName::toBytes(path).toPercentEncoding(QByteArray("/")));
    return arguments;
}

std::optional<QStringList> HelperProgram::removalPaths(const QStringList& arguments) {
    if (arguments.isEmpty()) return QStringList();
    if (arguments.first() != RemoveOption || arguments.size() < 2) return std::nullopt;
    QStringList paths;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::optional<QByteArray> bytes = percentDecoded(arguments[i]);
        if (!bytes || !bytes->startsWith('/')) return std::nullopt;
        paths << FsName::fromBytes(*bytes);
    }
    return paths;
}
