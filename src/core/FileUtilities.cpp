#include "FileUtilities.h"

#include <sys/stat.h>

#include <QFile>
#include <cstdio>

#include "core/fs/FsTree.h"
#include "platform/Paths.h"
#include "platform/Tasks.h"

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

bool lstatPath(const QString& path, struct stat* st) {
    if (path.isEmpty()) return false;
    return ::lstat(FsName::toBytes(path).constData(), st) == 0;
}

}  // namespace

FileUtilities::FileUtilities(std::shared_ptr<const Paths> paths, std::shared_ptr<Tasks> tasks)
    : m_paths(std::move(paths)), m_tasks(std::move(tasks)) {}

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
    struct stat st;
    if (!lstatPath(path, &st)) return QString();
    return longPermissionText(st.st_mode);
}

QString FileUtilities::getShortFilePermissionwithPath(const QString& path) {
    struct stat st;
    if (!lstatPath(path, &st)) return QString();
    return shortPermissionText(st.st_mode);
}

bool FileUtilities::somethingAt(const QString& path) {
    struct stat st;
    return lstatPath(path, &st);
}

bool FileUtilities::isRealFolder(const QString& path) {
    struct stat st;
    return lstatPath(path, &st) && S_ISDIR(st.st_mode);
}

QDateTime FileUtilities::modificationDate(const QString& path) {
    struct stat st;
    if (!lstatPath(path, &st)) return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(
        static_cast<qint64>(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000, Qt::UTC);
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

std::optional<quint64> FileUtilities::sizeAtFilePath(const QString& path) const {
    if (path.isEmpty()) return std::nullopt;
    struct stat st;
    const QByteArray native = FsName::toBytes(path);
    const bool isDirectory = ::stat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode);
    if (!isDirectory) {
        struct stat lst;
        if (::lstat(native.constData(), &lst) != 0) return std::nullopt;
        return static_cast<quint64>(lst.st_size);
    }
    // The freedesktop layout, and any name du could not be given, are measured in-process.
    const bool inProcess = (m_paths && m_paths->measuresFoldersInProcess()) || !FsName::isPlain(path);
    if (inProcess) {
        QString clean = path;
        while (clean.size() > 1 && clean.endsWith(QLatin1Char('/'))) clean.chop(1);
        const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0    ? QStringLiteral(".")
                               : slash == 0 ? QStringLiteral("/")
                                            : clean.left(slash);
        const QString name = slash < 0 ? clean : clean.mid(slash + 1);
        // The path is the caller's choice and is resolved once; nothing below it is followed.
        const OpenFolder parent = OpenFolder::openChosen(folder);
        const OpenFolder self = name.isEmpty() ? OpenFolder::openChosen(clean) : OpenFolder();
        if (self.isOpen()) return FsTree::allocatedBytes(self, QByteArray("."));
        return FsTree::allocatedBytes(parent, FsName::toBytes(name));
    }
    const TaskResult result = m_tasks->run(
        QStringLiteral("/usr/bin/du"),
        {QStringLiteral("-k"), QStringLiteral("-d"), QStringLiteral("0"), QStringLiteral("--"), path});
    if (!result.finished()) return std::nullopt;
    return parseDuOutput(result.standardOutput);
}

quint64 FileUtilities::getTrashFileSize() const {
    return fastFolderSizeAtFilePath(m_paths->userTrash());
}
