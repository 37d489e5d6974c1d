#include "TrashPut.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <cerrno>
#include <cstring>

#include "DirectorySizes.h"
#include "TrashInfo.h"
#include "TrashStore.h"
#include "core/Localized.h"
#include "core/Path.h"
#include "core/SystemError.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"

namespace {

const QByteArray InfoSuffix(".trashinfo");
// Far more than any Trash holds of one name; a Trash that fills them all is refused rather than
// searched for ever.
constexpr int MaxNames = 100000;

bool holds(const QString& folder, const QString& path) {
    return folder == QLatin1String("/") ? path != folder : path.startsWith(folder + QLatin1Char('/'));
}

QString canonical(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(path) : real;
}

/// The top of the file system `folder` lies on: the highest folder above it on the same mount.
QString mountTopOf(const QString& folder, const FsMount& mount) {
    QString top = folder;
    while (top != QLatin1String("/")) {
        const QString up = Path(top).parent().text();
        const std::optional<FsMount> there = FsMount::ofPath(FsName::toBytes(up));
        if (!there || !(*there == mount)) break;
        top = up;
    }
    return top;
}

/// Opens `name` of `folder`, making it with `mode` when it is missing; never through a link.
OpenFolder openOrMake(const OpenFolder& folder, const QByteArray& name, mode_t mode, QString* why) {
    int error = 0;
    if (!folder.makeFolder(name, mode, &error) && error != EEXIST) {
        if (why) *why = folder.pathOf(name) + QStringLiteral(": ") + systemErrorText(error);
        return {};
    }
    return folder.child(name, why);
}

/// "$trash" with its "files" and "info" made where missing (0700), each a real folder.
bool makeTrash(const QString& trash, QString* why) {
    const QString parent = Path(trash).parent().text();
    OpenFolder above = OpenFolder::open(parent, {}, why);
    if (!above.isOpen()) return false;
    const OpenFolder folder = openOrMake(above, Path(trash).leafBytes(), 0700, why);
    return folder.isOpen() && openOrMake(folder, QByteArray("files"), 0700, why).isOpen() &&
           openOrMake(folder, QByteArray("info"), 0700, why).isOpen();
}

/// Makes the missing folders of `folder` below the home, one step at a time, never through a link.
bool makeUnderHome(const QString& home, const QString& folder, QString* why) {
    if (!holds(home, folder)) return false;
    OpenFolder at = OpenFolder::open(home, {}, why);
    for (const QStringView step : QStringView(folder).mid(home.size() + 1).split(QLatin1Char('/'))) {
        if (step.isEmpty() || !at.isOpen()) continue;
        at = openOrMake(at, FsName::toBytes(step), 0700, why);
    }
    return at.isOpen();
}

/// The next name to try in a Trash for an item called `leaf`: "leaf", "leaf.2", "leaf.3"...
QByteArray candidate(const QByteArray& leaf, int n) {
    return n == 1 ? leaf : leaf + '.' + QByteArray::number(n);
}

/// Where each candidate stands in one Trash: free when neither the item nor its record is there.
bool nameFree(const ScopedFolder& files, const ScopedFolder& info, const QByteArray& name) {
    return !files.has(name) && !info.has(name + InfoSuffix);
}

}  // namespace

TrashPut::TrashPut(std::shared_ptr<const Paths> paths, std::function<QDateTime()> now)
    : m_paths(std::move(paths)), m_now(std::move(now)), m_cache(std::make_unique<Cache>()) {}

TrashPut::~TrashPut() = default;

namespace {

struct Source {
    FsScope scope;
    QByteArray leaf;
    QString place;  ///< the item, its folder's links resolved
    FsMount mount;
};

struct Target {
    QString trash;
    QString top;  ///< a volume's top; empty for the home Trash
};

}  // namespace

/// A Trash folder opened for one run of puts: its scope and its two parts.
struct TrashPut::OpenTrash {
    QString trash;
    FsScope scope;
    ScopedFolder files;
    ScopedFolder info;
    QString why;  ///< why it is not open
};

/// What one TrashPut learns once and uses for every item: the account's limits, the home Trash's
/// mount, the Trash folders it opened and the top of each folder's disk.
struct TrashPut::Cache {
    std::optional<ScopeLimits> limits;
    bool homeChecked = false;
    std::optional<FsMount> homeMount;
    QHash<QString, std::shared_ptr<OpenTrash>> trashes;
    QHash<QString, QString> tops;
};

const ScopeLimits& TrashPut::limits() const {
    if (!m_cache->limits) m_cache->limits = m_paths->scopeLimits();
    return *m_cache->limits;
}

const TrashPut::OpenTrash& TrashPut::openTrash(const QString& trash, bool dryRun) const {
    std::shared_ptr<OpenTrash>& open = m_cache->trashes[trash];
    if (open && (open->info.isOpen() || dryRun)) return *open;
    open = std::make_shared<OpenTrash>();
    open->trash = trash;
    if (!dryRun && !makeTrash(trash, &open->why)) {
        open->why =
            localized("the Trash folder %1 can't be made (%2)").arg(FsName::displayText(trash), open->why);
        return *open;
    }
    open->scope = FsScope::trash(trash, limits(), &open->why);
    if (open->scope.isValid()) open->files = open->scope.folder().child(QByteArray("files"), &open->why);
    if (open->files.isOpen()) open->info = open->scope.folder().child(QByteArray("info"), &open->why);
    if (!open->info.isOpen() && !dryRun)
        open->why =
            localized("the Trash folder %1 can't be used (%2)").arg(FsName::displayText(trash), open->why);
    return *open;
}

// Moves `source` into `trash` under the first free name, reserving each name by creating its info
// file before the item is renamed in. `record` writes the record.
static TrashPut::Result moveIn(Source& source, const QByteArray& trashName, const QString& trash,
                               const ScopedFolder& files, const ScopedFolder& info,
                               const std::function<QByteArray()>& record, bool dryRun,
                               TrashPut::Result result) {
    using Outcome = TrashPut::Outcome;
    result.record = record();
    if (dryRun) {
        // What is not there yet would be made; the first free name is the one a real run takes.
        int n = 1;
        while (files.isOpen() && info.isOpen() && !nameFree(files, info, candidate(trashName, n)) &&
               n < MaxNames)
            ++n;
        result.trashPath = trash + QStringLiteral("/files/") + FsName::fromBytes(candidate(trashName, n));
        result.outcome = Outcome::Trashed;
        return result;
    }
    if (!info.isOpen()) {
        result.outcome = Outcome::Failed;
        return result;
    }
    for (int n = 1; n <= MaxNames; ++n) {
        const QByteArray name = candidate(trashName, n);
        if (files.has(name)) continue;
        int error = 0;
        // The record is reserved first: whoever trashes the same name at the same moment takes
        // the next one, and a reader never sees an item without its record.
        if (!info.folder().createFile(name + InfoSuffix, result.record, 0600, &error)) {
            if (error == EEXIST) continue;
            result.outcome = Outcome::Failed;
            result.why = localized("its record can't be written in %1 (%2)")
                             .arg(FsName::displayText(info.path()), systemErrorText(error));
            return result;
        }
        QString moveWhy;
        const FsMove::Outcome moved = FsMove::move(source.scope.folder(), source.leaf, files, name, &moveWhy);
        if (moved == FsMove::Outcome::Taken) {
            info.unlinkEntry(name + InfoSuffix);
            continue;
        }
        if (moved == FsMove::Outcome::Failed) {
            info.unlinkEntry(name + InfoSuffix);
            result.outcome = Outcome::Failed;
            result.why = moveWhy;
            return result;
        }
        result.trashPath = files.pathOf(name);
        result.outcome = moved == FsMove::Outcome::Moved ? Outcome::Trashed : Outcome::Copied;
        if (moved == FsMove::Outcome::Copied) result.why = moveWhy;
        const std::optional<struct stat> st = files.folder().entry(name);
        const std::optional<struct stat> infoSt = info.folder().entry(name + InfoSuffix);
        if (st && S_ISDIR(st->st_mode) && infoSt) {
            // Other programs read a folder's size from the cache instead of walking it.
            if (const std::optional<quint64> bytes = FsTree::allocatedBytes(files.folder(), name)) {
                DirectorySizes sizes(trash);
                sizes.load();
                sizes.store(FsName::fromBytes(name), *bytes, qint64(infoSt->st_mtime));
                sizes.save();  // only a cache: a failure costs the next reader a walk
            }
        }
        return result;
    }
    result.outcome = Outcome::Failed;
    result.why = localized("every name for it is taken in %1").arg(FsName::displayText(trash));
    return result;
}

namespace {

/// The item at `path` as something that may go to a Trash, or why not.
std::optional<Source> sourceOf(const QString& path, const ScopeLimits& limits, QString* why,
                               bool* missing = nullptr) {
    Source source;
    source.scope = FsScope::chosenItem(path, limits, why);
    if (!source.scope.isValid()) return std::nullopt;
    const ScopedFolder& folder = source.scope.folder();
    source.leaf = Path(QDir::cleanPath(path)).leafBytes();
    const std::optional<struct stat> st = folder.folder().entry(source.leaf);
    if (!st) {
        if (missing) *missing = true;
        *why = localized("\"%1\" is not there").arg(FsName::displayText(path));
        return std::nullopt;
    }
    const std::optional<FsMount> mount = FsMount::at(folder.folder().fd(), source.leaf);
    if (!mount || !(*mount == folder.mount())) {
        *why = localized("\"%1\" is another file system mounted here; Corvane leaves it alone.")
                   .arg(FsName::displayText(path));
        return std::nullopt;
    }
    source.mount = *mount;
    const QString real = folder.folder().realPath();
    const QString base = real.isEmpty() ? Path(QDir::cleanPath(path)).parent().text() : real;
    source.place =
        (base == QLatin1String("/") ? QString() : base) + QLatin1Char('/') + FsName::fromBytes(source.leaf);
    return source;
}

/// Whether `place` is a Trash folder or lies in one: this account's, or any "$topdir/.Trash",
/// "$topdir/.Trash-N" of the volume it is on.
bool inAnyTrash(const QString& place, const QString& top, const ScopeLimits& limits) {
    for (const QString& trash : limits.trashes) {
        const QString t = canonical(trash);
        if (t == place || holds(t, place)) return true;
    }
    const QString first =
        place.mid(top == QLatin1String("/") ? 1 : top.size() + 1).section(QLatin1Char('/'), 0, 0);
    return first == QLatin1String(".Trash") || first.startsWith(QLatin1String(".Trash-"));
}

}  // namespace

TrashPut::Result TrashPut::put(const QString& path, const Options& options) const {
    Result result;
    result.source = path;
    if (!TrashStore::forPaths(m_paths)->takesItems()) {
        result.outcome = Outcome::Refused;
        result.why = localized("moving into the Trash needs the freedesktop layout");
        return result;
    }
    const ScopeLimits& limits = this->limits();
    QString why;
    bool missing = false;
    std::optional<Source> source = sourceOf(path, limits, &why, &missing);
    if (!source) {
        result.outcome = missing ? Outcome::Failed : Outcome::Refused;
        result.why = why;
        return result;
    }
    result.place = source->place;
    const QString homeTrash = TrashInfo::trashFolderOfFiles(m_paths->userTrash());
    const QString folder = Path(source->place).parent().text();
    auto knownTop = m_cache->tops.constFind(folder);
    if (knownTop == m_cache->tops.constEnd())
        knownTop = m_cache->tops.insert(folder, mountTopOf(folder, source->mount));
    const QString top = *knownTop;
    if (source->place == top || inAnyTrash(source->place, top, limits) ||
        holds(source->place, canonical(homeTrash))) {
        result.outcome = Outcome::Refused;
        result.why =
            localized("\"%1\" is a Trash folder, lies in one or holds one; Corvane does not trash it")
                .arg(FsName::displayText(path));
        return result;
    }

    // The home Trash takes what lies on the same mount as the folder that holds it.
    if (!m_cache->homeChecked) {
        if (!options.dryRun) makeUnderHome(m_paths->userHome(), Path(homeTrash).parent().text(), &why);
        QString homeMountAt = homeTrash;
        while (!homeMountAt.isEmpty() && homeMountAt != QLatin1String("/") &&
               !FsMount::ofPath(FsName::toBytes(homeMountAt)))
            homeMountAt = Path(homeMountAt).parent().text();
        m_cache->homeMount = FsMount::ofPath(FsName::toBytes(homeMountAt));
        m_cache->homeChecked = !options.dryRun;
    }
    const std::optional<FsMount> homeMount = m_cache->homeMount;
    Target target;
    if (homeMount && *homeMount == source->mount) {
        target.trash = homeTrash;
    } else {
        target.top = top;
        target.trash = volumeTrashFor(top, options.dryRun, &why);
        if (target.trash.isEmpty()) {
            if (!options.copyToHome) {
                result.outcome = Outcome::NoTrash;
                result.why = localized(
                                 "no Trash can be used on the disk that holds it (%1); it can be copied "
                                 "to the home Trash instead")
                                 .arg(why);
                return result;
            }
            target = {homeTrash, QString()};
            result.crossedFileSystems = true;
        }
    }
    const QString place = source->place;
    const QString recordPath = target.top.isEmpty()
                                   ? m_paths->outOfRoot(place)
                                   : place.mid(target.top == QLatin1String("/") ? 1 : target.top.size() + 1);
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTime();
    const OpenTrash& open = openTrash(target.trash, options.dryRun);
    if (!open.info.isOpen() && !options.dryRun) {
        result.outcome = Outcome::Failed;
        result.why = open.why;
        return result;
    }
    return moveIn(
        *source, source->leaf, target.trash, open.files, open.info,
        [&] { return TrashInfo::format(recordPath, now); }, options.dryRun, result);
}

QString TrashPut::volumeTrashFor(const QString& top, bool dryRun, QString* why) const {
    const QByteArray id = QByteArray::number(m_paths->uid());
    const OpenFolder topFolder = OpenFolder::open(top, {}, why);
    if (!topFolder.isOpen()) return {};
    // "$topdir/.Trash" is shared by every user: only a real folder with the sticky bit keeps the
    // others out of each one's own folder in it.
    const std::optional<struct stat> shared = topFolder.entry(QByteArray(".Trash"));
    if (shared && S_ISDIR(shared->st_mode) && (shared->st_mode & S_ISVTX)) {
        const OpenFolder common = topFolder.child(QByteArray(".Trash"));
        const QString mine = common.pathOf(id);
        if (dryRun && !common.has(id)) return mine;
        const OpenFolder own = openOrMake(common, id, 0700, why);
        const std::optional<struct stat> st = own.isOpen() ? own.stat() : std::nullopt;
        if (st && st->st_uid == m_paths->uid() && !(st->st_mode & 022)) return mine;
    }
    const QByteArray ownName = ".Trash-" + id;
    if (dryRun && !topFolder.has(ownName)) return topFolder.pathOf(ownName);
    const OpenFolder own = openOrMake(topFolder, ownName, 0700, why);
    const std::optional<struct stat> st = own.isOpen() ? own.stat() : std::nullopt;
    if (st && st->st_uid == m_paths->uid() && !(st->st_mode & 022)) return topFolder.pathOf(ownName);
    if (own.isOpen() && why)
        *why = localized("%1 belongs to someone else").arg(FsName::displayText(own.path()));
    return {};
}

TrashPut::Result TrashPut::putWithRecord(const QString& path, const QString& trashPath,
                                         const QByteArray& record) const {
    Result result;
    result.source = path;
    QString why;
    std::optional<Source> source = sourceOf(path, limits(), &why);
    if (!source) {
        result.outcome = Outcome::Failed;
        result.why = why;
        return result;
    }
    result.place = source->place;
    const QString trash = TrashInfo::trashFolderOf(trashPath);
    if (trash.isEmpty()) {
        result.outcome = Outcome::Failed;
        result.why = localized("%1 is not in a Trash").arg(FsName::displayText(trashPath));
        return result;
    }
    const OpenTrash& open = openTrash(trash, false);
    if (!open.info.isOpen()) {
        result.outcome = Outcome::Failed;
        result.why = open.why;
        return result;
    }
    return moveIn(
        *source, Path(trashPath).leafBytes(), trash, open.files, open.info, [&] { return record; }, false,
        result);
}

QString TrashPut::notTrashedText(const Result& result) {
    const QString item = FsName::displayText(result.source);
    switch (result.outcome) {
        case Outcome::Trashed:
            return {};
        case Outcome::Copied:
            return localized("%1: copied to the Trash, but part of it could not be removed (%2)")
                .arg(item, result.why);
        case Outcome::Refused:
        case Outcome::NoTrash:
        case Outcome::Failed:
            break;
    }
    return localized("%1: not moved to the Trash (%2)").arg(item, result.why);
}
