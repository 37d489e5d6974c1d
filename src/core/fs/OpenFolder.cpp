#include "OpenFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <QStringBuilder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "RegularFile.h"
#include "core/Localized.h"
#include "core/SystemError.h"

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr int MaxLinks = 40;

QByteArray& systemPart() {
    static QByteArray part;
    return part;
}

// Whether the folder reached by `where` plus `step` lies within the system's own part.
bool inSystemPart(const QList<QByteArray>& where, const QByteArray& step) {
    const QByteArray& part = systemPart();
    if (part.isEmpty()) return false;
    QByteArray path;
    for (const QByteArray& s : where) path += '/' + s;
    path += '/' + step;
    return part == path || part.startsWith(path + '/');
}

void say(QString* why, const QString& text) {
    if (why) *why = text;
}

QList<QByteArray> steps(const QByteArray& path) {
    QList<QByteArray> out;
    for (const QByteArray& step : path.split('/'))
        if (!step.isEmpty() && step != ".") out << step;
    return out;
}

QString joinedText(const QList<QByteArray>& where) {
    QByteArray path;
    for (const QByteArray& step : where) path += '/' + step;
    return FsName::fromBytes(path.isEmpty() ? QByteArray("/") : path);
}

bool ownedAsRuled(const struct stat& st, const OwnerRule& rule) {
    return rule.allows(st);
}

// The user's own group when it is private: named as the user and with no other member.
gid_t privateGroupOf(uid_t uid) {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray buffer(size > 0 ? size : 16384, Qt::Uninitialized);
    struct passwd pw;
    struct passwd* found = nullptr;
    if (::getpwuid_r(uid, &pw, buffer.data(), size_t(buffer.size()), &found) != 0 || !found) return gid_t(-1);
    const QByteArray login(pw.pw_name);
    const gid_t gid = pw.pw_gid;
    size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    QByteArray groupBuffer(size > 0 ? size : 16384, Qt::Uninitialized);
    struct group gr;
    struct group* group = nullptr;
    if (::getgrgid_r(gid, &gr, groupBuffer.data(), size_t(groupBuffer.size()), &group) != 0 || !group)
        return gid_t(-1);
    if (login != group->gr_name) return gid_t(-1);
    for (char** member = group->gr_mem; member && *member; ++member)
        if (login != *member) return gid_t(-1);
    return gid;
}

std::optional<QByteArray> linkTarget(int folder, const QByteArray& name) {
    QByteArray buffer(4096, Qt::Uninitialized);
    const ssize_t n = ::readlinkat(folder, name.constData(), buffer.data(), buffer.size());
    if (n <= 0 || n >= buffer.size()) return std::nullopt;
    buffer.truncate(n);
    return buffer;
}

}  // namespace

OwnerRule OwnerRule::ownedBy(uid_t uid) {
    OwnerRule rule;
    rule.check = true;
    rule.uid = uid;
    rule.privateGroup = privateGroupOf(uid);
    return rule;
}

bool OwnerRule::allows(const struct stat& st) const {
    if (!check) return true;
    if (st.st_uid != 0 && st.st_uid != uid) return false;
    if (st.st_mode & S_ISVTX) return true;
    if (st.st_mode & S_IWOTH) return false;
    return !(st.st_mode & S_IWGRP) || (privateGroup != gid_t(-1) && st.st_gid == privateGroup);
}

OpenFolder::~OpenFolder() {
    if (m_fd >= 0) ::close(m_fd);
}

OpenFolder::OpenFolder(OpenFolder&& other) noexcept : m_fd(other.m_fd), m_path(std::move(other.m_path)) {
    other.m_fd = -1;
}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = other.m_fd;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
    }
    return *this;
}

OpenFolder OpenFolder::open(const QString& path, OwnerRule owners, QString* why) {
    const QByteArray raw = FsName::toBytes(path);
    if (!raw.startsWith('/')) {
        say(why, localized("\"%1\" is not an absolute path.").arg(FsName::displayText(path)));
        return {};
    }
    QList<QByteArray> pending = steps(raw);
    QList<QByteArray> where;
    int fd = ::open("/", FolderFlags);
    int links = 0;
    auto fail = [&](const QString& text) {
        if (fd >= 0) ::close(fd);
        say(why, text);
        return OpenFolder();
    };
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) return fail(localized("\"/\" can't be opened."));
    if (!ownedAsRuled(st, owners)) return fail(localized("\"/\" may be changed by other users."));

    while (!pending.isEmpty()) {
        const QByteArray step = pending.takeFirst();
        if (step == "..") return fail(localized("\"%1\" has a \"..\" step.").arg(FsName::displayText(path)));
        const int next = ::openat(fd, step.constData(), FolderFlags | O_NOFOLLOW);
        if (next < 0) {
            const int error = errno;
            struct stat link;
            const QString here = FsName::displayText(joinedText(where + QList<QByteArray>{step}));
            if ((error == ELOOP || error == ENOTDIR) &&
                ::fstatat(fd, step.constData(), &link, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(link.st_mode)) {
                // Only a link the administrator made is taken (a system whose /home is a link);
                // anything else could have been planted to send the work elsewhere.
                struct stat holder;
                const bool adminLink = inSystemPart(where, step) && link.st_uid == 0 &&
                                       ::fstat(fd, &holder) == 0 && holder.st_uid == 0 &&
                                       !(holder.st_mode & (S_IWGRP | S_IWOTH));
                const std::optional<QByteArray> target = adminLink ? linkTarget(fd, step) : std::nullopt;
                if (!target || ++links > MaxLinks)
                    return fail(localized("\"%1\" is a link; Corvane does not follow it.").arg(here));
                // Resolve the link's text against where we are, then start again from "/".
                QList<QByteArray> resolved = target->startsWith('/') ? QList<QByteArray>() : where;
                for (const QByteArray& t : steps(*target)) {
                    if (t == "..") {
                        if (!resolved.isEmpty()) resolved.removeLast();
                    } else {
                        resolved << t;
                    }
                }
                pending = resolved + pending;
                where.clear();
                ::close(fd);
                fd = ::open("/", FolderFlags);
                if (fd < 0) return fail(localized("\"/\" can't be opened."));
                continue;
            }
            return fail(localized("\"%1\" can't be opened: %2.").arg(here, systemErrorText(error)));
        }
        ::close(fd);
        fd = next;
        where << step;
        if (owners.check && (::fstat(fd, &st) != 0 || !ownedAsRuled(st, owners)))
            return fail(localized("\"%1\" belongs to someone else or may be changed by other users.")
                            .arg(FsName::displayText(joinedText(where))));
    }
    return OpenFolder(fd, path.size() > 1 && path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path);
}

void OpenFolder::setSystemPart(const QString& path) {
    QByteArray raw = FsName::toBytes(path);
    while (raw.size() > 1 && raw.endsWith('/')) raw.chop(1);
    systemPart() = raw == "/" ? QByteArray() : raw;
}

OpenFolder OpenFolder::openChosen(const QString& path, QString* why) {
    // Never against the working folder: an empty or relative path is a setting that is missing,
    // not a choice of the folder Corvane happened to be started in.
    if (!path.startsWith(QLatin1Char('/'))) {
        say(why, path.isEmpty()
                     ? localized("No folder is set.")
                     : localized("\"%1\" is not an absolute path.").arg(FsName::displayText(path)));
        return {};
    }
    const QString& absolute = path;
    const int fd = ::open(FsName::toBytes(absolute).constData(), FolderFlags);
    if (fd < 0) {
        say(why, localized("\"%1\" can't be opened: %2.")
                     .arg(FsName::displayText(absolute), systemErrorText(errno)));
        return {};
    }
    return OpenFolder(fd, absolute);
}

OpenFolder OpenFolder::child(const QByteArray& name, QString* why) const {
    if (!isOpen() || name.isEmpty() || name.contains('/') || name == "." || name == "..") {
        say(why, localized("\"%1\" is not a name in a folder.").arg(FsName::fromBytes(name)));
        return {};
    }
    const int fd = ::openat(m_fd, name.constData(), FolderFlags | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        say(why, error == ELOOP ? localized("\"%1\" is a link; Corvane does not follow it.")
                                      .arg(FsName::displayText(pathOf(name)))
                                : localized("\"%1\" can't be opened: %2.")
                                      .arg(FsName::displayText(pathOf(name)), systemErrorText(error)));
        return {};
    }
    return OpenFolder(fd, pathOf(name));
}

OpenFolder OpenFolder::makeChosen(const QString& path, mode_t mode) {
    QString existing = path;
    QStringList missing;
    OpenFolder at = openChosen(existing);
    while (!at.isOpen() && existing.startsWith(QLatin1Char('/')) && existing != QLatin1String("/")) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        missing.prepend(existing.mid(slash + 1));
        existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
        at = openChosen(existing);
    }
    for (const QString& step : std::as_const(missing)) {
        if (!at.isOpen()) return {};
        if (step.isEmpty()) continue;
        at.makeFolder(FsName::toBytes(step), mode);  // made here or by someone else meanwhile
        at = at.child(step);
    }
    return at;
}

OpenFolder OpenFolder::parent(const QString& path) const {
    if (!isOpen()) return {};
    const int fd = ::openat(m_fd, "..", FolderFlags);
    return fd < 0 ? OpenFolder() : OpenFolder(fd, path);
}

QString OpenFolder::pathOf(const QByteArray& name) const {
    // Built at its exact length: a listing keeps one of these per entry, and a path grown by
    // appending carries up to as much again in spare room.
    const QString leaf = FsName::fromBytes(name);
    if (m_path.endsWith(QLatin1Char('/'))) return QString(m_path % leaf);
    return QString(m_path % QLatin1Char('/') % leaf);
}

std::optional<struct statvfs> OpenFolder::fileSystem() const {
    struct statvfs st;
    if (!isOpen() || ::fstatvfs(m_fd, &st) != 0) return std::nullopt;
    return st;
}

std::optional<struct statx> OpenFolder::times(const QByteArray& name) const {
    struct statx sx;
    if (!isOpen() ||
        ::statx(m_fd, name.constData(), AT_SYMLINK_NOFOLLOW, STATX_BTIME | STATX_MTIME, &sx) != 0)
        return std::nullopt;
    return sx;
}

std::optional<struct stat> OpenFolder::stat() const {
    struct stat st;
    if (!isOpen() || ::fstat(m_fd, &st) != 0) return std::nullopt;
    return st;
}

QList<QByteArray> OpenFolder::namesAt(int folder, bool* ok) {
    QList<QByteArray> out;
    const bool complete = namesAtInSlices(folder, std::numeric_limits<qsizetype>::max(),
                                          [&out](QList<QByteArray>&& slice) { out = std::move(slice); });
    if (ok) *ok = complete;
    return out;
}

bool OpenFolder::namesAtInSlices(int folder, qsizetype sliceSize,
                                 const std::function<void(QList<QByteArray>&&)>& each) {
    return kindsAtInSlices(
        folder, sliceSize,
        [&each](QList<QByteArray>&& names, std::vector<unsigned char>&&) { each(std::move(names)); });
}

bool OpenFolder::kindsAtInSlices(
    int folder, qsizetype sliceSize,
    const std::function<void(QList<QByteArray>&&, std::vector<unsigned char>&&)>& each) {
    // A descriptor of its own, so reading never moves the held one.
    const int fd = ::openat(folder, ".", FolderFlags);
    if (fd < 0) return false;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    QList<QByteArray> slice;
    std::vector<unsigned char> kinds;
    errno = 0;
    while (const dirent* e = ::readdir(dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        slice << QByteArray(n);
        kinds.push_back(e->d_type);
        if (slice.size() < sliceSize) continue;
        const int error = errno;  // the caller's work must not pass for a failed read
        each(std::exchange(slice, {}), std::exchange(kinds, {}));
        errno = error;
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    each(std::move(slice), std::move(kinds));
    return complete;
}

bool OpenFolder::namesInSlices(qsizetype sliceSize,
                               const std::function<void(QList<QByteArray>&&)>& each) const {
    return isOpen() && namesAtInSlices(m_fd, sliceSize, each);
}

bool OpenFolder::kindsInSlices(
    qsizetype sliceSize,
    const std::function<void(QList<QByteArray>&&, std::vector<unsigned char>&&)>& each) const {
    return isOpen() && kindsAtInSlices(m_fd, sliceSize, each);
}

QList<QByteArray> OpenFolder::namesByInode(bool* ok) const {
    if (ok) *ok = false;
    if (!isOpen()) return {};
    const int fd = ::openat(m_fd, ".", FolderFlags);
    if (fd < 0) return {};
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return {};
    }
    std::vector<std::pair<ino_t, QByteArray>> found;
    errno = 0;
    while (const dirent* e = ::readdir(dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        found.emplace_back(e->d_ino, QByteArray(n));
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QByteArray> out;
    out.reserve(qsizetype(found.size()));
    for (auto& [inode, name] : found) out << std::move(name);
    if (ok) *ok = complete;
    return out;
}

QList<QByteArray> OpenFolder::names(bool* ok) const {
    if (!isOpen()) {
        if (ok) *ok = false;
        return {};
    }
    return namesAt(m_fd, ok);
}

QList<FsEntry> OpenFolder::entries(bool* ok) const {
    QList<FsEntry> out;
    const QList<QByteArray> all = names(ok);
    out.reserve(all.size());
    for (const QByteArray& name : all) {
        FsEntry entry;
        entry.name = name;
        if (::fstatat(m_fd, name.constData(), &entry.st, AT_SYMLINK_NOFOLLOW) == 0) out << entry;
    }
    return out;
}

std::optional<struct stat> OpenFolder::entry(const QByteArray& name) const {
    struct stat st;
    if (!isOpen() || name.isEmpty() || ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return st;
}

std::optional<struct stat> OpenFolder::target(const QByteArray& name) const {
    struct stat st;
    if (!isOpen() || name.isEmpty() || ::fstatat(m_fd, name.constData(), &st, 0) != 0) return std::nullopt;
    return st;
}

bool OpenFolder::makeFolder(const QByteArray& name, mode_t mode, int* error) const {
    const bool made = isOpen() && ::mkdirat(m_fd, name.constData(), mode) == 0;
    if (error) *error = made ? 0 : (isOpen() ? errno : EBADF);
    return made;
}

std::optional<QByteArray> OpenFolder::readFile(const QByteArray& name, qint64 cap) const {
    if (!isOpen()) return std::nullopt;
    return RegularFile::readAt(m_fd, name, true, cap);
}

bool OpenFolder::readFileInChunks(const QByteArray& name, qint64 cap, qint64 chunk,
                                  const std::function<bool(QByteArrayView)>& each) const {
    return isOpen() && RegularFile::readChunksAt(m_fd, name, cap, chunk, each);
}

bool OpenFolder::writeFileReplacing(const QByteArray& name, const QByteArray& data, mode_t mode) const {
    if (!isOpen() || name.isEmpty() || name.contains('/')) return false;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
        temp = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(m_fd, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    qint64 done = 0;
    bool ok = true;
    while (ok && done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += n;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // The rename replaces whatever is at `name`, a link included, instead of writing through it.
    ok = ok && ::renameat(m_fd, temp.constData(), m_fd, name.constData()) == 0;
    if (!ok) ::unlinkat(m_fd, temp.constData(), 0);
    return ok;
}

QString OpenFolder::realPath() const {
    if (!isOpen()) return {};
    char buffer[PATH_MAX + 1];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(m_fd);
    const ssize_t n = ::readlink(link.constData(), buffer, PATH_MAX);
    if (n <= 0 || buffer[0] != '/') return {};
    return FsName::fromBytes(QByteArray(buffer, n));
}

bool OpenFolder::createFile(const QByteArray& name, const QByteArray& data, mode_t mode, int* error) const {
    if (!isOpen() || name.isEmpty() || name.contains('/')) {
        if (error) *error = EINVAL;
        return false;
    }
    const int fd =
        ::openat(m_fd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        if (error) *error = errno;
        return false;
    }
    qint64 done = 0;
    int failure = 0;
    while (!failure && done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failure = n < 0 ? errno : ENOSPC;
        else
            done += n;
    }
    if (::close(fd) != 0 && !failure) failure = errno;
    if (failure) ::unlinkat(m_fd, name.constData(), 0);
    if (error) *error = failure;
    return !failure;
}

bool OpenFolder::unlinkEntry(const QByteArray& name) const {
    if (!isOpen() || name.isEmpty()) return false;
    // Removed, or already gone (someone else removed it first): either way it is not there.
    return ::unlinkat(m_fd, name.constData(), 0) == 0 || !has(name);
}
