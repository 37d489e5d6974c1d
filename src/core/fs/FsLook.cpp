#include "FsLook.h"

#include <sys/vfs.h>

#include <cerrno>

#include "FsTree.h"

namespace FsLook {

std::optional<struct stat> at(const QString& path) {
    struct stat st;
    if (path.isEmpty() || ::lstat(FsName::toBytes(path).constData(), &st) != 0) return std::nullopt;
    return st;
}

std::optional<struct stat> through(const QString& path) {
    struct stat st;
    if (path.isEmpty() || ::stat(FsName::toBytes(path).constData(), &st) != 0) return std::nullopt;
    return st;
}

bool missing(const QString& path) {
    struct stat st;
    return ::lstat(FsName::toBytes(path).constData(), &st) != 0 && errno == ENOENT;
}

quint32 fileSystemType(const QString& path) {
    struct statfs st;
    if (::statfs(FsName::toBytes(path).constData(), &st) != 0) return 0;
    return static_cast<quint32>(st.f_type);  // the magic numbers are 32 bits; f_type is signed on some ABIs
}

std::optional<quint64> allocatedBytes(const QString& path) {
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

}  // namespace FsLook
