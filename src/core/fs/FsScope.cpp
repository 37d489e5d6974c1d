#include "FsScope.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>

#include "core/Localized.h"

struct ScopedFolder::Bounds {
    FsMount mount;
    OwnerRule owners;
    QSet<QByteArray>
        names;  ///< at the scope's own folder, the only names that may be touched (all when empty)
};

namespace {

void say(QString* why, const QString& text) {
    if (why) *why = text;
}

QString clean(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

bool holds(const QString& folder, const QString& path) {
    return folder == QLatin1String("/") ? path != folder : path.startsWith(folder + QLatin1Char('/'));
}

bool sameFile(const struct stat& a, const QString& path) {
    struct stat b;
    return !path.isEmpty() && ::stat(FsName::toBytes(path).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool isPlainName(const QByteArray& name) {
    return !name.isEmpty() && !name.contains('/') && name != "." && name != "..";
}

}  // namespace

// The owner rule holds for the scope's folder and the folders directly in it (a Trash's "files"
// and "info"); deeper folders are the items' own, reached by descriptor without following links.
ScopedFolder ScopedFolder::child(const QByteArray& name, QString* why) const {
    if (!allows(name, why)) return {};
    OpenFolder opened = m_folder.child(name, why);
    if (!opened.isOpen()) return {};
    const std::optional<FsMount> mount = FsMount::of(opened.fd());
    if (!mount || !(*mount == m_bounds->mount)) {
        say(why, localized("\"%1\" is another file system mounted here; Corvane leaves it alone.")
                     .arg(FsName::displayText(opened.path())));
        return {};
    }
    const std::optional<struct stat> st = opened.stat();
    if (!st || (m_top && !m_bounds->owners.allows(*st))) {
        say(why, localized("\"%1\" belongs to someone else or may be changed by other users.")
                     .arg(FsName::displayText(opened.path())));
        return {};
    }
    return ScopedFolder(std::move(opened), m_bounds, false);
}

bool ScopedFolder::allows(const QByteArray& name, QString* why) const {
    if (!isOpen() || !m_bounds || !isPlainName(name)) {
        say(why, localized("\"%1\" is not a name in a folder.").arg(FsName::fromBytes(name)));
        return false;
    }
    if (m_top && !m_bounds->names.isEmpty() && !m_bounds->names.contains(name)) {
        say(why, localized("\"%1\" is not among the items chosen; Corvane leaves it alone.")
                     .arg(FsName::displayText(pathOf(name))));
        return false;
    }
    return true;
}

FsMount ScopedFolder::mount() const {
    return m_bounds ? m_bounds->mount : FsMount();
}

bool FsScope::touchesLimits(Kind kind, const QString& path, const ScopeLimits& limits, QString* why) {
    const QString p = clean(path);
    const QString shown = FsName::displayText(p);
    for (const QString& top : limits.tops) {
        if (clean(top) == p) {
            say(why, localized("\"%1\" is the top of a disk or of the system; Corvane does not act on it.")
                         .arg(shown));
            return true;
        }
    }
    const QString home = clean(limits.home);
    if (!home.isEmpty() && (home == p || holds(p, home))) {
        say(why, localized("\"%1\" is or holds the home folder; Corvane does not act on it.").arg(shown));
        return true;
    }
    const bool chosen = kind == Kind::Chosen;
    QStringList kept = limits.held;
    if (kind != Kind::Trash) kept += limits.trashes;
    for (const QString& folder : kept) {
        const QString k = clean(folder);
        if (k.isEmpty()) continue;
        if (holds(p, k) || (chosen && k == p)) {
            say(why, localized("\"%1\" holds \"%2\", which Corvane keeps; Corvane does not act on it.")
                         .arg(shown, FsName::displayText(k)));
            return true;
        }
    }
    return false;
}

FsScope FsScope::make(Kind kind, const QString& folder, const ScopeLimits& limits, QSet<QByteArray> names,
                      QString* why) {
    if (folder.isEmpty()) {
        say(why, localized("No folder is set."));
        return {};
    }
    if (!folder.startsWith(QLatin1Char('/'))) {
        say(why, localized("\"%1\" is not an absolute path.").arg(FsName::displayText(folder)));
        return {};
    }
    const QString path = clean(folder);
    const bool chosen = kind == Kind::Chosen;
    if (!chosen && touchesLimits(kind, path, limits, why)) return {};
    for (const QByteArray& name : names) {
        if (!isPlainName(name)) {
            say(why, localized("\"%1\" is not a name in a folder.").arg(FsName::fromBytes(name)));
            return {};
        }
        if (touchesLimits(kind, path + QLatin1Char('/') + FsName::fromBytes(name), limits, why)) return {};
    }
    const OwnerRule owners = chosen ? OwnerRule::none() : OwnerRule::ownedBy(limits.uid);
    OpenFolder opened = chosen ? OpenFolder::openChosen(path, why) : OpenFolder::open(path, owners, why);
    if (!opened.isOpen()) return {};
    // The same checks by identity, for a folder reached under another name.
    const std::optional<struct stat> st = opened.stat();
    const std::optional<FsMount> mount = FsMount::of(opened.fd());
    if (!st || !mount) {
        say(why, localized("\"%1\" can't be opened.").arg(FsName::displayText(path)));
        return {};
    }
    QStringList forbidden = limits.tops;
    forbidden << limits.home;
    for (const QString& other : forbidden) {
        bool same = !chosen && sameFile(*st, other);
        for (const QByteArray& name : names) {
            struct stat item;
            same = same || (::fstatat(opened.fd(), name.constData(), &item, AT_SYMLINK_NOFOLLOW) == 0 &&
                            sameFile(item, other));
        }
        if (same) {
            say(why, localized("\"%1\" is the home folder or the top of a disk; Corvane does not act on it.")
                         .arg(FsName::displayText(path)));
            return {};
        }
    }
    auto bounds = std::make_shared<ScopedFolder::Bounds>();
    bounds->mount = *mount;
    bounds->owners = owners;
    bounds->names = std::move(names);
    FsScope scope;
    scope.m_kind = kind;
    scope.m_folder = ScopedFolder(std::move(opened), std::move(bounds), true);
    return scope;
}

FsScope FsScope::trash(const QString& folder, const ScopeLimits& limits, QString* why) {
    return make(Kind::Trash, folder, limits, {}, why);
}

FsScope FsScope::store(const QString& folder, const ScopeLimits& limits, QString* why) {
    return make(Kind::Store, folder, limits, {}, why);
}

FsScope FsScope::desktop(const QString& folder, const ScopeLimits& limits, QString* why) {
    return make(Kind::Desktop, folder, limits, {}, why);
}

FsScope FsScope::chosen(const QString& folder, const QList<QByteArray>& names, const ScopeLimits& limits,
                        QString* why) {
    if (names.isEmpty()) {
        say(why, localized("No item is chosen."));
        return {};
    }
    return make(Kind::Chosen, folder, limits, QSet<QByteArray>(names.begin(), names.end()), why);
}

FsScope FsScope::chosenItem(const QString& item, const ScopeLimits& limits, QString* why) {
    const QString path = clean(item);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (path.isEmpty() || slash < 0 || slash == path.size() - 1) {
        QString text = path.isEmpty()
                           ? localized("No item is chosen.")
                           : localized("\"%1\" is not an absolute path.").arg(FsName::displayText(item));
        if (path == QLatin1String("/"))
            text = localized("\"%1\" is the top of a disk or of the system; Corvane does not act on it.")
                       .arg(path);
        say(why, text);
        return {};
    }
    const QString folder = slash == 0 ? QStringLiteral("/") : path.left(slash);
    return chosen(folder, {FsName::toBytes(path.mid(slash + 1))}, limits, why);
}
