#include "FsTree.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSet>
#include <cerrno>
#include <cstring>
#include <functional>
#include <vector>

#include "FsMount.h"
#include "FsScope.h"
#include "LockedFlags.h"
#include "core/Localized.h"
#include "core/SystemError.h"

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Folders deeper than this below the top are held by descriptor only while worked in; going back
// up re-opens ".." and checks it is the folder that was left.
constexpr size_t HeldDepth = 32;

QString line(const QString& path, const QString& what) {
    return FsName::displayText(path) + QStringLiteral(": ") + what;
}

QString mountedHereText() {
    return localized("another file system is mounted here; left alone");
}

/// What one kind of work does at each entry of the walk.
struct Visitor {
    /// Any entry below the start, before the rest of the visitor sees it; `depth` is 1 for an entry
    /// of the folder the walk starts in. A folder is entered only when it returns true.
    std::function<bool(int fd, const QByteArray& name, const struct stat& st, const QString& path, int depth)>
        sees;
    /// A non-folder entry of the open folder `fd`.
    std::function<void(int fd, const QByteArray& name, const struct stat& st, const QString& path)> leaf;
    /// A folder just opened (before its entries).
    std::function<void(int fd, const struct stat& st, const QString& path)> enter;
    /// A folder whose entries are done, given by its parent and name (it is closed by then).
    std::function<void(int parent, const QByteArray& name, const QString& path)> leave;
    /// A folder that could not be opened; returns whether to try again once.
    std::function<bool(int parent, const QByteArray& name, const struct stat& st, int error)> unopenable;
};

struct Frame {
    int fd = -1;
    dev_t dev = 0;
    ino_t ino = 0;
    QByteArray name;
    QString path;
    QList<QByteArray> names;
    qsizetype next = 0;
};

class Walk {
  public:
    /// The walk stays on `mount`: a folder with another file system mounted on it is left alone.
    Walk(const Visitor& visitor, const FsTree::Options& options, FsTree::Report& report,
         std::optional<FsMount> mount)
        : m_visitor(visitor), m_options(options), m_report(report), m_mount(mount) {}

    ~Walk() {
        for (Frame& f : m_stack)
            if (f.fd >= 0) ::close(f.fd);
    }

    /// Walks the entry `name` of `parent`. False when the walk had to stop (a folder moved away).
    bool run(const OpenFolder& parent, const QByteArray& name) {
        return run(parent.fd(), name, parent.pathOf(name));
    }

    /// The same for the entry `name` of the open folder `parent`, whose path is `path`.
    bool run(int parent, const QByteArray& name, const QString& path) {
        struct stat st;
        if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) return true;
        if (!S_ISDIR(st.st_mode)) {
            if (m_visitor.leaf) m_visitor.leaf(parent, name, st, path);
            return true;
        }
        if (!push(parent, name, st, path)) return true;
        return loop(parent);
    }

    /// Walks the entry `name` of `parent`, which the visitor sees first, at depth 1.
    void runEntry(const OpenFolder& parent, const QByteArray& name) {
        struct stat st;
        if (::fstatat(parent.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) return;
        const QString path = parent.pathOf(name);
        if (m_visitor.sees && !m_visitor.sees(parent.fd(), name, st, path, 1)) return;
        if (!S_ISDIR(st.st_mode)) {
            if (m_visitor.leaf) m_visitor.leaf(parent.fd(), name, st, path);
            return;
        }
        m_depthBase = 1;
        m_mount = FsMount::of(parent.fd());  // only a folder's walk needs it
        if (push(parent.fd(), name, st, path)) loop(parent.fd());
    }

    /// Walks everything below the opened `folder` (which is neither visited nor left).
    bool runInside(const OpenFolder& folder) {
        const std::optional<struct stat> st = folder.stat();
        if (!st || !push(folder.fd(), QByteArray("."), *st, folder.path())) return true;
        m_insideTop = true;
        return loop(folder.fd());
    }

  private:
    bool loop(int topParent) {
        while (!m_stack.empty()) {
            if (m_options.cancel && m_options.cancel->load()) {
                m_report.cancelled = true;
                return false;
            }
            Frame& f = m_stack.back();
            if (f.next < f.names.size()) {
                const QByteArray child = f.names[f.next++];
                struct stat cs;
                if (::fstatat(f.fd, child.constData(), &cs, AT_SYMLINK_NOFOLLOW) != 0) {
                    if (errno != ENOENT)
                        m_report.problems << line(f.path + QLatin1Char('/') + FsName::fromBytes(child),
                                                  systemErrorText(errno));
                    continue;
                }
                const QString childPath = f.path + QLatin1Char('/') + FsName::fromBytes(child);
                const int depth = int(m_stack.size()) + m_depthBase;
                if (m_visitor.sees && !m_visitor.sees(f.fd, child, cs, childPath, depth)) continue;
                if (S_ISDIR(cs.st_mode))
                    push(f.fd, child, cs, childPath);
                else if (m_visitor.leaf)
                    m_visitor.leaf(f.fd, child, cs, childPath);
                continue;
            }
            if (!pop(topParent)) return false;
        }
        return true;
    }

    bool push(int parentFd, const QByteArray& name, const struct stat& st, const QString& path) {
        int fd = ::openat(parentFd, name.constData(), FolderFlags);
        if (fd < 0 && m_visitor.unopenable && m_visitor.unopenable(parentFd, name, st, errno))
            fd = ::openat(parentFd, name.constData(), FolderFlags);
        if (fd < 0) {
            // A link swapped in (ELOOP, ENOTDIR) is not entered; the visitor's leave still gets a
            // chance to remove what is there now only if it is an empty folder.
            m_report.problems << line(path, systemErrorText(errno));
            return false;
        }
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || opened.st_dev != st.st_dev || opened.st_ino != st.st_ino) {
            ::close(fd);
            m_report.problems << line(path, localized("it changed while Corvane worked on it"));
            return false;
        }
        if (m_mount) {
            const std::optional<FsMount> here = FsMount::of(fd);
            if (!here || !(*here == *m_mount)) {
                ::close(fd);
                m_report.problems << line(path, mountedHereText());
                return false;
            }
        }
        bool ok = false;
        Frame frame;
        frame.fd = fd;
        frame.dev = opened.st_dev;
        frame.ino = opened.st_ino;
        frame.name = name;
        frame.path = path;
        if (m_visitor.enter) m_visitor.enter(fd, opened, path);
        frame.names = OpenFolder::namesAt(fd, &ok);
        if (!ok) m_report.problems << line(path, localized("its contents can't be read"));
        if (m_stack.size() >= HeldDepth) {
            Frame& released = m_stack[m_stack.size() - HeldDepth];
            if (released.fd >= 0) {
                ::close(released.fd);
                released.fd = -1;
            }
        }
        m_stack.push_back(std::move(frame));
        return true;
    }

    bool pop(int topParent) {
        Frame done = std::move(m_stack.back());
        m_stack.pop_back();
        int parentFd = topParent;
        if (!m_stack.empty()) {
            Frame& up = m_stack.back();
            if (up.fd < 0) {
                const int fd = ::openat(done.fd, "..", FolderFlags);
                struct stat st;
                if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_dev != up.dev || st.st_ino != up.ino) {
                    if (fd >= 0) ::close(fd);
                    ::close(done.fd);
                    m_report.problems << line(
                        done.path, localized("its folder was moved while Corvane worked in it; stopped"));
                    return false;
                }
                up.fd = fd;
            }
            parentFd = up.fd;
        }
        ::close(done.fd);
        const bool isStart = m_insideTop && m_stack.empty();
        if (m_visitor.leave && !isStart) m_visitor.leave(parentFd, done.name, done.path);
        return true;
    }

    const Visitor& m_visitor;
    const FsTree::Options& m_options;
    FsTree::Report& m_report;
    std::optional<FsMount> m_mount;
    std::vector<Frame> m_stack;
    bool m_insideTop = false;  ///< the first frame is the start folder itself, not an entry of it
    int m_depthBase = 0;       ///< depth of the first frame's own entry (runEntry: it was seen at 1)
};

void addTo(std::atomic<quint64>* counter, quint64 by) {
    if (counter && by > 0) counter->fetch_add(by, std::memory_order_relaxed);
}

// Counts one entry gone: a file, and what of its size the overwrite has not counted already.
void countGone(const struct stat& st, quint64 bytesCounted, const FsTree::Options& options) {
    addTo(options.files, 1);
    const quint64 size = S_ISREG(st.st_mode) && st.st_size > 0 ? quint64(st.st_size) : 0;
    if (size > bytesCounted) addTo(options.bytes, size - bytesCounted);
}

// Unlinks a non-folder entry; `bytesCounted` is what an overwrite of it already counted.
void unlinkLeaf(int fd, const QByteArray& name, const struct stat& st, const QString& path,
                const FsTree::Options& options, FsTree::Report& report, quint64 bytesCounted = 0) {
    if (::unlinkat(fd, name.constData(), 0) == 0) {
        ++report.removed;
        countGone(st, bytesCounted, options);
        return;
    }
    int error = errno;
    if (error == ENOENT) return;
    if (error == EPERM && options.clearLockedFlags && LockedFlags::clearAt(fd, name)) {
        if (::unlinkat(fd, name.constData(), 0) == 0) {
            ++report.removed;
            countGone(st, bytesCounted, options);
            return;
        }
        error = errno;
    }
    report.problems << line(path, systemErrorText(error));
}

Visitor removalVisitor(const FsTree::Options& options, FsTree::Report& report) {
    Visitor v;
    v.leaf = [&](int fd, const QByteArray& name, const struct stat& st, const QString& path) {
        unlinkLeaf(fd, name, st, path, options, report);
    };
    // Like rm -rf, a folder's permissions are taken as they are; only the locked flags are cleared.
    v.enter = [&](int fd, const struct stat&, const QString&) {
        if (options.clearLockedFlags) LockedFlags::clear(fd);
    };
    v.leave = [&](int parent, const QByteArray& name, const QString& path) {
        if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0) {
            ++report.removed;
            return;
        }
        // Not empty: what stayed inside is already reported.
        if (errno != ENOTEMPTY && errno != EEXIST && errno != ENOENT)
            report.problems << line(path, systemErrorText(errno));
    };
    return v;
}

// Overwrites one opened regular file; the problems it had go to `report`. Returns the bytes
// written, each counted in `options` as it goes.
quint64 overwriteOpened(int fd, const struct stat& st, const QString& path, const FsTree::Options& options,
                        FsTree::Report& report) {
    static const std::vector<char> pattern = [] {
        std::vector<char> block(1 << 16);
        for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 131 + 17) & 0xff);
        return block;
    }();
    off_t written = 0;
    while (written < st.st_size) {
        const size_t chunk = size_t(std::min<off_t>(off_t(pattern.size()), st.st_size - written));
        const ssize_t n = ::pwrite(fd, pattern.data(), chunk, written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            report.problems << line(
                path,
                localized("removed, not overwritten whole: %1").arg(systemErrorText(n < 0 ? errno : ENOSPC)));
            return quint64(written);
        }
        written += n;
        addTo(options.bytes, quint64(n));
    }
    if (::fsync(fd) != 0) {
        report.problems << line(path, localized("removed, the overwrite may not have reached the disk: %1")
                                          .arg(systemErrorText(errno)));
        return quint64(written);
    }
    struct stat after;
    if (::fstat(fd, &after) == 0 && after.st_size > st.st_size) {
        report.problems << line(path, localized("removed, but data was added while it was overwritten"));
        return quint64(written);
    }
    ++report.overwritten;
    return quint64(written);
}

void eraseLeaf(int folder, const QByteArray& name, const struct stat& st, const QString& path,
               const std::optional<FsMount>& mount, const FsTree::Options& options, FsTree::Report& report) {
    // A file can be mounted over another file: what is there belongs to the other file system.
    if (mount) {
        const std::optional<FsMount> here = FsMount::at(folder, name);
        if (here && !(*here == *mount)) {
            report.problems << line(path, mountedHereText());
            return;
        }
    }
    quint64 counted = 0;
    if (S_ISREG(st.st_mode)) {
        constexpr int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        int fd = ::openat(folder, name.constData(), flags);
        if (fd < 0 && errno == EACCES && st.st_uid == ::geteuid() &&
            ::fchmodat(folder, name.constData(), (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW) == 0)
            fd = ::openat(folder, name.constData(), flags);
        if (fd < 0) {
            report.problems << line(path,
                                    localized("removed, not overwritten: %1").arg(systemErrorText(errno)));
        } else {
            struct stat opened;
            if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
                report.problems << line(path,
                                        localized("removed, not overwritten: it is not a regular file"));
            else if (opened.st_nlink > 1)
                report.problems << line(path, FsTree::otherNamesText());
            else
                counted = overwriteOpened(fd, opened, path, options, report);
            ::close(fd);
        }
    }
    // Links, FIFOs, sockets and devices are only unlinked; nothing behind them is touched.
    unlinkLeaf(folder, name, st, path, options, report, counted);
}

}  // namespace

namespace FsTree {

QString otherNamesText() {
    return localized("removed, not overwritten: it has other names");
}

Report remove(const ScopedFolder& scoped, const QByteArray& name, const Options& options) {
    Report report;
    QString why;
    if (!scoped.allows(name, &why)) {
        report.problems << why;
        return report;
    }
    const OpenFolder& parent = scoped.folder();
    // Counting needs the size before the entry goes; without counters no lstat is spent on it.
    struct stat st {};
    const bool counting = options.files || options.bytes;
    if (counting && ::fstatat(parent.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) st = {};
    // Most entries are files: one unlinkat does it; a folder (EISDIR) or a locked file takes the walk.
    if (::unlinkat(parent.fd(), name.constData(), 0) == 0) {
        report.removed = 1;
        report.gone = true;
        if (counting) countGone(st, 0, options);
        return report;
    }
    if (errno == ENOENT) {
        report.gone = true;
        return report;
    }
    const Visitor visitor = removalVisitor(options, report);
    Walk(visitor, options, report, scoped.mount()).run(parent, name);
    report.gone = !parent.has(name);
    return report;
}

Report erase(const ScopedFolder& scoped, const QByteArray& name, const Options& options) {
    Report report;
    QString why;
    if (!scoped.allows(name, &why)) {
        report.problems << why;
        return report;
    }
    const OpenFolder& parent = scoped.folder();
    const std::optional<FsMount> mount = scoped.mount();
    Visitor visitor = removalVisitor(options, report);
    visitor.leaf = [&](int fd, const QByteArray& leaf, const struct stat& st, const QString& path) {
        eraseLeaf(fd, leaf, st, path, mount, options, report);
    };
    Walk(visitor, options, report, mount).run(parent, name);
    report.gone = !parent.has(name);
    return report;
}

namespace {

/// allocatedBytes() of the entry `name` of the open folder `parent`.
quint64 allocatedBytesAt(int parent, const QByteArray& name, const QString& path) {
    quint64 blocks = 0;
    QSet<QPair<quint64, quint64>> linked;
    auto count = [&](const struct stat& st) {
        if (!S_ISDIR(st.st_mode) && st.st_nlink > 1) {
            const QPair<quint64, quint64> key(st.st_dev, st.st_ino);
            if (linked.contains(key)) return;
            linked.insert(key);
        }
        blocks += quint64(st.st_blocks);
    };
    FsTree::Report report;
    FsTree::Options options;
    Visitor v;
    v.leaf = [&](int, const QByteArray&, const struct stat& st, const QString&) { count(st); };
    v.enter = [&](int, const struct stat& st, const QString&) { count(st); };
    // What another file system mounted below holds is not this entry's to count.
    Walk(v, options, report, FsMount::of(parent)).run(parent, name, path);
    // du rounds the total up to whole kilobytes.
    return (blocks + 1) / 2 * 1024;
}

}  // namespace

std::optional<struct stat> WalkEntry::target() const {
    struct stat st;
    if (::fstatat(m_folder, m_name.constData(), &st, 0) != 0) return std::nullopt;
    return st;
}

std::optional<struct stat> WalkEntry::lookAgain() const {
    struct stat st;
    if (::fstatat(m_folder, m_name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
    return st;
}

std::optional<quint64> WalkEntry::allocatedBytes() const {
    if (!lookAgain()) return std::nullopt;
    return allocatedBytesAt(m_folder, m_name, m_path);
}

Report walk(const OpenFolder& folder, const std::function<bool(const WalkEntry&)>& visit,
            const Options& options) {
    Report report;
    if (!folder.isOpen()) return report;
    Visitor v;
    v.sees = [&](int fd, const QByteArray& name, const struct stat& st, const QString& path, int depth) {
        return visit(WalkEntry(fd, name, st, path, depth));
    };
    Walk(v, options, report, FsMount::of(folder.fd())).runInside(folder);
    return report;
}

Report walkEntry(const OpenFolder& parent, const QByteArray& name,
                 const std::function<bool(const WalkEntry&)>& visit, const Options& options) {
    Report report;
    if (!parent.isOpen()) return report;
    Visitor v;
    v.sees = [&](int fd, const QByteArray& entry, const struct stat& st, const QString& path, int depth) {
        return visit(WalkEntry(fd, entry, st, path, depth));
    };
    Walk(v, options, report, std::nullopt).runEntry(parent, name);
    return report;
}

std::optional<quint64> allocatedBytes(const OpenFolder& parent, const QByteArray& name) {
    if (!parent.isOpen() || !parent.has(name)) return std::nullopt;
    return allocatedBytesAt(parent.fd(), name, parent.pathOf(name));
}

}  // namespace FsTree
