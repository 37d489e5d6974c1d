#include "FileUtilities.h"

#include <sys/stat.h>

#include <QFile>
#include <cstdio>

#include "core/fs/FsLook.h"

namespace {

QString formatSize(quint64 n, const char* const formats[5]) {
    // Single precision throughout, as the texts other parts compare were made that way.
    const float f = static_cast<float>(n);
    float value;
    const char* format;
    if (n <= 999) {
        value = f;
        format = formats[0];
    } else if (n <= 999999) {
        value = f / 1000.0f;
        format = formats[1];
    } else if (n <= 999999999) {
        value = (f / 1000.0f) / 1000.0f;
        format = formats[2];
    } else {
        const float v = ((f / 1000.0f) / 1000.0f) / 1000.0f;
        if ((n >> 12) > 244140624ULL) {
            value = v / 1000.0f;
            format = formats[4];
        } else {
            value = v;
            format = formats[3];
        }
    }
    char buffer[100] = {0};
    std::snprintf(buffer, sizeof buffer, format, static_cast<double>(value));
    return QString::fromLatin1(buffer);
}

const char* const kCompact[8] = {"-", "x", "w", "wx", "r", "rx", "rw", "rwx"};
const char* const kLong[8] = {"---", "--x", "-w-", "-wx", "r--", "r-x", "rw-", "rwx"};

}  // namespace

QString FileUtilities::size_to_unit(quint64 bytes) {
    static const char* const formats[5] = {"%.2fbytes", "%.2fKB", "%.2fMB", "%.2fGB", "%.2fTB"};
    return formatSize(bytes, formats);
}

QString FileUtilities::size_to_unit_1(quint64 bytes) {
    static const char* const formats[5] = {"%.1fbytes", "%.1fKB", "%.1fMB", "%.1fGB", "%.1fTB"};
    return formatSize(bytes, formats);
}

QString FileUtilities::longPermissionText(uint mode) {
    const uint p = mode & 07777;
    QString text = S_ISDIR(mode) ? QStringLiteral("d") : QString(QLatin1String(""));
    text += QLatin1String(kCompact[(p >> 6) & 7]);
    text += QLatin1String(kCompact[(p >> 3) & 7]);
    text += QLatin1String(kCompact[p & 7]);
    return QStringLiteral("%1(%2)").arg(static_cast<int>(p)).arg(text);
}

QString FileUtilities::shortPermissionText(uint mode) {
    const uint p = mode & 07777;
    QString text = S_ISDIR(mode) ? QStringLiteral("d") : QStringLiteral("-");
    text += QLatin1String(kLong[(p >> 6) & 7]);
    text += QLatin1String(kLong[(p >> 3) & 7]);
    text += QLatin1String(kLong[p & 7]);
    return text;
}

QString FileUtilities::getFilePermissionwithPath(const QString& path) {
    const std::optional<struct stat> st = FsLook::at(path);
    return st ? longPermissionText(st->st_mode) : QString();
}

QString FileUtilities::getShortFilePermissionwithPath(const QString& path) {
    const std::optional<struct stat> st = FsLook::at(path);
    return st ? shortPermissionText(st->st_mode) : QString();
}

bool FileUtilities::somethingAt(const QString& path) {
    return FsLook::exists(path);
}

QDateTime FileUtilities::modificationDate(const QString& path) {
    const std::optional<struct stat> st = FsLook::at(path);
    if (!st) return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(
        static_cast<qint64>(st->st_mtim.tv_sec) * 1000 + st->st_mtim.tv_nsec / 1000000, Qt::UTC);
}

quint64 FileUtilities::parseDuOutput(const QByteArray& output) {
    const int space = output.indexOf(' ');
    const QByteArray piece = space < 0 ? output : output.left(space);
    // A leading-number parse: white space, an optional sign, digits; stop at anything else.
    int i = 0;
    while (i < piece.size() && (piece[i] == ' ' || piece[i] == '\t' || piece[i] == '\n' || piece[i] == '\r' ||
                                piece[i] == '\v' || piece[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '+' || piece[i] == '-')) negative = piece[i++] == '-';
    quint64 kilobytes = 0;
    while (i < piece.size() && piece[i] >= '0' && piece[i] <= '9') {
        const quint64 digit = static_cast<quint64>(piece[i] - '0');
        if (kilobytes > (UINT64_MAX / 1024 - digit) / 10) return 0;  // no byte count this large exists
        kilobytes = kilobytes * 10 + digit;
        ++i;
    }
    if (negative) return 0;
    return kilobytes * 1024;
}
