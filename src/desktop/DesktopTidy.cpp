#include "DesktopTidy.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "DesktopCatalogue.h"
#include "core/Path.h"
#include "core/SystemError.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsName.h"
#include "platform/Localized.h"
#include "platform/WorkProgress.h"

namespace {

void say(QString* why, const QString& text) {
    if (why) *why = text;
}

// The item must be an entry of the store folder itself: nothing else is restored or deleted here.
bool inStore(const QString& storeFolder, const QString& itemPath, QString* why) {
    const QByteArray name = Path(itemPath).leafBytes();
    if (!storeFolder.isEmpty() && Path(itemPath).parent().text() == storeFolder && !name.isEmpty() &&
        name != "." && name != "..")
        return true;
    say(why, localized("\"%1\" is not an item of the store folder.").arg(FsName::displayText(itemPath)));
    return false;
}

}  // namespace

namespace DesktopTidy {

FsScope openStore(const QString& storeFolder, const ScopeLimits& limits, QString* why) {
    if (!storeFolder.startsWith(QLatin1Char('/'))) {
        say(why, localized("No store location is chosen yet."));
        return {};
    }
    FsScope store = FsScope::store(storeFolder, limits, why);
    if (!store.isValid()) return {};
    // The folder itself is written by its owner alone: a sticky bit does not keep others from
    // planting items in it.
    std::optional<struct stat> st = store.folder().folder().stat();
    if (st) st->st_mode &= ~mode_t(S_ISVTX);
    if (!st || !OwnerRule::ownedBy(limits.uid).allows(*st)) {
        say(why, localized("The store folder \"%1\" may be changed by other users.")
                     .arg(FsName::displayText(storeFolder)));
        return {};
    }
    return store;
}

FsScope makeStore(const QString& storeFolder, const ScopeLimits& limits, QString* why) {
    if (!storeFolder.startsWith(QLatin1Char('/'))) return openStore(storeFolder, limits, why);
    // The deepest folder already there is opened under the owner rule; the missing ones are made
    // below it by descriptor, one step at a time.
    QByteArray existing = FsName::toBytes(storeFolder);
    while (existing.size() > 1 && existing.endsWith('/')) existing.chop(1);
    QList<QByteArray> missing;
    while (existing.size() > 1 && FsLook::missing(FsName::fromBytes(existing))) {
        const qsizetype slash = existing.lastIndexOf('/');
        missing.prepend(existing.mid(slash + 1));
        existing = slash == 0 ? QByteArray("/") : existing.left(slash);
    }
    if (!missing.isEmpty()) {
        OpenFolder at = OpenFolder::open(FsName::fromBytes(existing), OwnerRule::ownedBy(limits.uid), why);
        for (const QByteArray& step : missing) {
            if (!at.isOpen()) return {};
            int error = 0;
            if (!at.makeFolder(step, 0755, &error) && error != EEXIST) {
                say(why, localized("\"%1\" can't be made: %2.")
                             .arg(FsName::displayText(at.pathOf(step)), systemErrorText(error)));
                return {};
            }
            at = at.child(step, why);
        }
    }
    return openStore(storeFolder, limits, why);
}

bool makeFolders(const QString& folder) {
    return OpenFolder::makeChosen(folder, 0755).isOpen();
}

TidyResult tidy(const QString& desktop, const QString& storeFolder, const ScopeLimits& limits,
                WorkProgress* progress) {
    TidyResult result;
    // A Desktop that is the home (or "/", or holds the home) is no Desktop: nothing is made or moved.
    if (desktop.isEmpty()) {
        result.refused = localized("There is no Desktop folder to tidy.");
        return result;
    }
    if (FsScope::touchesLimits(FsScope::Kind::Desktop, desktop, limits, &result.refused)) return result;
    // Both are opened once and worked on by descriptor, each within its own scope. A store on the
    // Desktop is one of the Desktop's items: it can't be moved into itself and stays where it is.
    ScopeLimits withStore = limits;
    withStore.held << storeFolder;
    const FsScope storeScope = makeStore(storeFolder, withStore, &result.refused);
    if (!storeScope.isValid()) return result;
    result.storeReady = true;
    QString why;
    const FsScope desktopScope = FsScope::desktop(desktop, limits, &why);
    const ScopedFolder& store = storeScope.folder();
    const ScopedFolder& from = desktopScope.folder();
    if (!from.isOpen()) {
        result.left << FsName::displayText(desktop) + QStringLiteral(": ") +
                           localized("the Desktop folder can't be opened") + QStringLiteral(" (") + why +
                           QStringLiteral(")");
        return result;
    }
    const QList<QByteArray> names = from.folder().names();
    if (progress) progress->total = int(names.size());
    for (const QByteArray& name : names) {
        if (progress && progress->cancel) break;
        if (progress) ++progress->done;
        if (name.startsWith('.')) continue;
        QString why;
        const FsMove::Outcome outcome = FsMove::move(from, name, store, name, &why);
        if (outcome != FsMove::Outcome::Moved) {
            if (outcome == FsMove::Outcome::Taken) why = localized("a stored item has that name");
            result.left << FsName::displayText(FsName::fromBytes(name)) + QStringLiteral(": ") + why;
            // A copy that arrived whole is in the store all the same, beside what stayed here.
            if (outcome != FsMove::Outcome::Copied) continue;
        }
        // Gone again since it arrived, it is catalogued all the same, from its name alone.
        const std::optional<struct stat> st = store.folder().entry(name);
        result.moved << (st ? DesktopCatalogue::makeNode(store.folder(), FsEntry{name, *st})
                            : DesktopCatalogue::nodeOfMissing(store.pathOf(name)));
    }
    return result;
}

FsMove::Outcome restore(const QString& storeFolder, const QString& itemPath, const QString& desktop,
                        const ScopeLimits& limits, QString* why) {
    if (!inStore(storeFolder, itemPath, why)) return FsMove::Outcome::Failed;
    if (desktop.isEmpty()) {
        say(why, localized("There is no Desktop folder to put it back on."));
        return FsMove::Outcome::Failed;
    }
    const FsScope from = openStore(storeFolder, limits, why);
    const FsScope to = from.isValid() ? FsScope::desktop(desktop, limits, why) : FsScope();
    if (!to.isValid()) return FsMove::Outcome::Failed;
    const QByteArray name = Path(itemPath).leafBytes();
    return FsMove::move(from.folder(), name, to.folder(), name, why);
}

FsTree::Report deleteItem(const QString& storeFolder, const QString& itemPath, const ScopeLimits& limits) {
    FsTree::Report report;
    QString why;
    const FsScope store =
        inStore(storeFolder, itemPath, &why) ? openStore(storeFolder, limits, &why) : FsScope();
    if (!store.isValid()) {
        report.problems << FsName::displayText(itemPath) + QStringLiteral(": ") + why;
        return report;
    }
    return FsTree::remove(store.folder(), Path(itemPath).leafBytes());
}

}  // namespace DesktopTidy
