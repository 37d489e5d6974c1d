#include "HostileSandbox.h"

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <cerrno>
#include <cstring>

#include "core/fs/FsName.h"
#include "platform/FreedesktopPaths.h"
#include "support/EventWait.h"
#include "trash/TrashInfo.h"

namespace {

QByteArray bytes(const QString& path) {
    return FsName::toBytes(path);
}

bool symlinkTo(const QString& target, const QString& at) {
    return ::symlink(bytes(target).constData(), bytes(at).constData()) == 0;
}

void unlockTree(const QString& path) {
    ::nftw(
        bytes(path).constData(),
        [](const char* p, const struct stat* st, int, FTW*) {
            if (S_ISREG(st->st_mode) || S_ISDIR(st->st_mode)) {
                const int fd = ::open(p, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
                int flags = 0;
                if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                    (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL))) {
                    flags &= ~(FS_IMMUTABLE_FL | FS_APPEND_FL);
                    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
                }
                if (fd >= 0) ::close(fd);
            }
            return 0;
        },
        16, FTW_PHYS);
}

void recordAt(int folder, const QByteArray& relative, const QList<QByteArray>& excluded, bool inodes,
              QMap<QByteArray, QByteArray>& out) {
    for (const QByteArray& name : HostileFs::rawNamesAt(folder)) {
        const QByteArray path = relative + '/' + name;
        if (excluded.contains(path)) continue;
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        QByteArray line = QByteArray::number(st.st_mode, 8);
        if (inodes && !S_ISDIR(st.st_mode)) line += " ino " + QByteArray::number(quint64(st.st_ino));
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlinkat(folder, name.constData(), target, sizeof target);
            line += " -> " + QByteArray(target, qMax<ssize_t>(n, 0));
        } else if (S_ISREG(st.st_mode)) {
            line += " size " + QByteArray::number(qint64(st.st_size));
            const int fd = ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
            if (fd >= 0) {
                int flags = 0;
                if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0)
                    line += " flags " + QByteArray::number(flags & (FS_IMMUTABLE_FL | FS_APPEND_FL));
                QCryptographicHash hash(QCryptographicHash::Sha256);
                char buffer[65536];
                ssize_t n;
                while ((n = ::read(fd, buffer, sizeof buffer)) > 0) hash.addData(QByteArrayView(buffer, n));
                line += ' ' + hash.result().toHex().left(16);
                ::close(fd);
            }
        } else if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (sub >= 0) {
                recordAt(sub, path, excluded, inodes, out);
                ::close(sub);
            }
        }
        out.insert(path, line);
    }
}

}  // namespace

QMap<QByteArray, QByteArray> entryRecords(const QString& path, const QStringList& excluded, bool inodes) {
    QMap<QByteArray, QByteArray> out;
    const QByteArray top = bytes(path);
    QList<QByteArray> relative;
    for (const QString& e : excluded)
        if (bytes(e).startsWith(top + '/')) relative << bytes(e).mid(top.size());
    const int fd = ::open(top.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        recordAt(fd, QByteArray(), relative, inodes, out);
        ::close(fd);
    }
    return out;
}

const QStringList& HostileSandbox::cases() {
    static const QStringList all = {
        "a link to an outside file",
        "a link to an outside folder",
        "a link to an outside FIFO",
        "links to outside files and folders two levels down",
        "a name with a line feed",
        "names with leading dashes (files and a folder)",
        "names that are not UTF-8 (a file and a folder)",
        "a name of 255 bytes",
        "a hard link to an outside file",
        "a FIFO",
        "a read-only folder",
        "an unreadable folder",
        "an immutable file",
        "a path longer than PATH_MAX",
        "a folder swapped for a link to an outside folder while the operation runs",
    };
    return all;
}

HostileSandbox::HostileSandbox(bool mac)
    : builder(root.path()),
      mac(mac),
      paths(mac ? std::shared_ptr<Paths>(std::make_shared<MacPaths>(builder.paths()))
                : std::shared_ptr<Paths>(builder.linuxPaths())) {
    home = paths->userHome();
    SandboxBuilder outside(away.path());
    outside.writeFile("secret.txt", "not yours");
    outside.writeFile("hard.txt", "hard-linked data");
    for (int i = 0; i < 10; ++i) outside.writeFile(QStringLiteral("precious/f%1.txt").arg(i), "precious");
    ::mkfifo(bytes(away.file("pipe")).constData(), 0644);
    outside.writeFile("locked.txt", "locked outside");
    if (HostileFs::setImmutable(away.file("locked.txt"), true)) locked << away.file("locked.txt");
    builder.makeFolder(paths->userTrash());
    if (!mac) builder.makeFolder(trashInfo());
}

HostileSandbox::~HostileSandbox() {
    stopSwapper();
    unlockTree(root.path());
    unlockTree(away.path());
}

QString HostileSandbox::trashInfo() const {
    return mac ? paths->userTrash() : TrashInfo::trashFolderOfFiles(paths->userTrash()) + "/info";
}

void HostileSandbox::plant(const QString& folder) {
    builder.makeFolder(folder);
    const QString f = folder + '/';
    symlinkTo(away.file("secret.txt"), f + "link-file");
    symlinkTo(away.file("precious"), f + "link-folder");
    symlinkTo(away.file("pipe"), f + "link-pipe");
    builder.writeFile(f + "Nested/sub/plain.txt", "plain");
    symlinkTo(away.file("secret.txt"), f + "Nested/sub/link-file");
    symlinkTo(away.file("precious"), f + "Nested/link-folder");
    builder.writeFile(f + "new\nline.txt", "line feed");
    builder.writeFile(f + "-rf", "dash");
    builder.writeFile(f + "--help", "dashes");
    builder.writeFile(f + "-folder/--inside", "dash inside");
    HostileFs::writeRaw(folder, "\xff\xfe not utf8.txt", "raw name");
    builder.makeFolder(f + FsName::fromBytes("d\xe9j\xe0"));
    HostileFs::writeRaw(f + FsName::fromBytes("d\xe9j\xe0"), "in\xff.txt", "raw inside");
    HostileFs::writeRaw(folder, QByteArray(251, 'n') + ".txt", "long name");
    if (::link(bytes(away.file("hard.txt")).constData(), bytes(f + "hard-link").constData()) != 0)
        skipped << "hard link: " + QString::fromLocal8Bit(std::strerror(errno));
    ::mkfifo(bytes(f + "pipe").constData(), 0644);
    builder.writeFile(f + "read-only/kept.txt", "read-only");
    ::chmod(bytes(f + "read-only").constData(), 0555);
    builder.writeFile(f + "unreadable/hidden.txt", "unreadable");
    ::chmod(bytes(f + "unreadable").constData(), 0);
    builder.writeFile(f + "locked.txt", "locked");
    if (HostileFs::setImmutable(f + "locked.txt", true))
        locked << f + "locked.txt";
    else
        skipped << "immutable file: this file system or these rights refuse the flag";
    HostileFs::makeDeepChain(f + "deep", QByteArray(50, 'd'), 90, "deep");
    for (int i = 0; i < 50; ++i) builder.writeFile(f + QStringLiteral("busy/f%1").arg(i), "busy");
}

void HostileSandbox::startSwapper(const QString& folder) {
    symlinkTo(away.file("precious"), folder + "/busy-link");
    swapper = std::make_unique<HostileFs::Swapper>(folder + "/busy", folder + "/busy-link");
    if (!waitUntil([&] { return swapper->swaps() >= 10; })) ADD_FAILURE() << "the swapper never swapped";
}

void HostileSandbox::stopSwapper() {
    swapper.reset();
}
