#include "FsMove.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "FsMount.h"
#include "FsScope.h"
#include "FsTree.h"
#include "core/Localized.h"

namespace {

// Deep enough for any real Desktop; deeper trees fail cleanly instead of exhausting descriptors.
constexpr int MaxDepth = 200;

// `made` is set once the copy's own entry exists at the destination: only that one may be removed
// again when the copy fails, never a name someone else took in the meantime.
bool copyEntry(int fromDir, const QByteArray& name, int toDir, const QByteArray& toName, int depth,
               const FsMount& mount, const FsMove::Progress& progress, QString& why, bool& made);

void addTo(std::atomic<quint64>* counter, quint64 by) {
    if (counter && by > 0) counter->fetch_add(by, std::memory_order_relaxed);
}

bool copyFile(int fromDir, const QByteArray& name, const struct stat& st, int toDir, const QByteArray& toName,
              const FsMove::Progress& progress, QString& why, bool& made) {
    const int in = ::openat(fromDir, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat opened;
    if (::fstat(in, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != st.st_ino) {
        ::close(in);
        why = QStringLiteral("it changed while it was copied");
        return false;
    }
    const int out = ::openat(toDir, toName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                             st.st_mode & 07777);
    if (out < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(in);
        return false;
    }
    made = true;
    qint64 copied = 0;
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                ok = false;
                break;
            }
            done += w;
            addTo(progress.bytes, quint64(w));
        }
        if (!ok) break;
        copied += n;
    }
    if (!ok) why = QString::fromLocal8Bit(std::strerror(errno));
    // The copy must hold every byte before the source may go.
    if (ok && ::fsync(out) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        ok = false;
    }
    if (ok && copied != opened.st_size) {
        why = QStringLiteral("its size changed while it was copied");
        ok = false;
    }
    if (ok) {
        const struct timespec times[2] = {opened.st_atim, opened.st_mtim};
        ::futimens(out, times);
        addTo(progress.files, 1);
    }
    ::close(out);
    ::close(in);
    return ok;
}

bool copyFolder(int fromDir, const QByteArray& name, const struct stat& st, int toDir,
                const QByteArray& toName, int depth, const FsMount& mount, const FsMove::Progress& progress,
                QString& why, bool& made) {
    if (depth > MaxDepth) {
        why = QStringLiteral("it is nested too deeply");
        return false;
    }
    const int in = ::openat(fromDir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // What another file system mounted inside holds is not the item's to carry away.
    const std::optional<FsMount> here = FsMount::of(in);
    if (!here || !(*here == mount)) {
        why = localized("another file system is mounted inside it");
        ::close(in);
        return false;
    }
    if (::mkdirat(toDir, toName.constData(), 0700) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(in);
        return false;
    }
    made = true;
    const int out = ::openat(toDir, toName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    bool ok = out >= 0;
    if (!ok) why = QString::fromLocal8Bit(std::strerror(errno));
    bool listed = false;
    const QList<QByteArray> names = ok ? OpenFolder::namesAt(in, &listed) : QList<QByteArray>();
    if (ok && !listed) {
        why = QStringLiteral("its contents can't be read");
        ok = false;
    }
    for (const QByteArray& child : names) {
        if (!ok) break;
        bool childMade = false;
        ok = copyEntry(in, child, out, child, depth + 1, mount, progress, why, childMade);
    }
    if (ok) {
        ok = ::fsync(out) == 0;
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
        ::fchmod(out, st.st_mode & 07777);
    }
    if (out >= 0) ::close(out);
    ::close(in);
    return ok;
}

bool copyEntry(int fromDir, const QByteArray& name, int toDir, const QByteArray& toName, int depth,
               const FsMount& mount, const FsMove::Progress& progress, QString& why, bool& made) {
    struct stat st;
    if (::fstatat(fromDir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (S_ISREG(st.st_mode)) {
        const std::optional<FsMount> here = FsMount::at(fromDir, name);
        if (!here || !(*here == mount)) {
            why = localized("another file system is mounted inside it");
            return false;
        }
        return copyFile(fromDir, name, st, toDir, toName, progress, why, made);
    }
    if (S_ISDIR(st.st_mode))
        return copyFolder(fromDir, name, st, toDir, toName, depth, mount, progress, why, made);
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(qMax<qsizetype>(st.st_size, 0) + 1, '\0');
        const ssize_t n = ::readlinkat(fromDir, name.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size()) {
            why = QStringLiteral("its link changed while it was copied");
            return false;
        }
        target.truncate(n);
        if (::symlinkat(target.constData(), toDir, toName.constData()) != 0) {
            why = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        made = true;
        addTo(progress.files, 1);
        return true;
    }
    // A FIFO, socket or device has no content to carry over; it stays where it is.
    why = QStringLiteral("it is not a file, folder or link");
    return false;
}

}  // namespace

namespace FsMove {

Outcome move(const ScopedFolder& fromScoped, const QByteArray& name, const ScopedFolder& toScoped,
             const QByteArray& toName, QString* why, const Progress& progress) {
    QString reason;
    auto fail = [&](Outcome outcome) {
        if (why) *why = reason;
        return outcome;
    };
    if (!fromScoped.isOpen() || !toScoped.isOpen()) {
        reason = QStringLiteral("its folder can't be opened");
        return fail(Outcome::Failed);
    }
    if (!fromScoped.allows(name, &reason) || !toScoped.allows(toName, &reason)) return fail(Outcome::Failed);
    const OpenFolder& from = fromScoped.folder();
    const OpenFolder& to = toScoped.folder();
    // An entry with another file system mounted on it stays where it is.
    const std::optional<FsMount> itemMount = FsMount::at(from.fd(), name);
    if (itemMount && !(*itemMount == fromScoped.mount())) {
        reason = localized("another file system is mounted on it");
        return fail(Outcome::Failed);
    }
    if (to.has(toName)) {
        reason = QStringLiteral("the name is taken");
        return fail(Outcome::Taken);
    }
    if (::renameat2(from.fd(), name.constData(), to.fd(), toName.constData(), RENAME_NOREPLACE) == 0)
        return Outcome::Moved;
    const int error = errno;
    if (error == EEXIST) {
        reason = QStringLiteral("the name is taken");
        return fail(Outcome::Taken);
    }
    if (error != EXDEV) {
        reason = QString::fromLocal8Bit(std::strerror(error));
        return fail(Outcome::Failed);
    }
    // Another file system: copy, check, and only then remove the source.
    bool made = false;
    if (!copyEntry(from.fd(), name, to.fd(), toName, 0, fromScoped.mount(), progress, reason, made)) {
        if (made) {
            FsTree::remove(toScoped, toName);
        } else if (to.has(toName)) {
            // Taken between the check above and the copy: what took it is someone else's.
            reason = QStringLiteral("the name is taken");
            return fail(Outcome::Taken);
        }
        return fail(Outcome::Failed);
    }
    const FsTree::Report removed = FsTree::remove(fromScoped, name);
    if (!removed.gone) {
        // Two copies are better than a half-removed source: keep the whole copy, report the rest.
        reason = localized("it was copied whole, but part of it could not be removed from where it was: %1")
                     .arg(removed.problems.join(QLatin1Char('\n')));
        return fail(Outcome::Copied);
    }
    return Outcome::Moved;
}

}  // namespace FsMove
