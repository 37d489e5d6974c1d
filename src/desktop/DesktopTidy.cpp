#include "DesktopTidy.h"

#include <sys/stat.h>

#include <QFileInfo>
#include <cerrno>

#include "DesktopCatalogue.h"
#include "core/fs/FsName.h"
#include "platform/Localized.h"
#include "platform/WorkProgress.h"

namespace {

QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QByteArray leafOf(const QString& path) {
    return FsName::toBytes(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

}  // namespace

namespace DesktopTidy {

bool makeFolders(const QString& folder) {
    const QByteArray raw = FsName::toBytes(folder);
    for (qsizetype i = 1; i <= raw.size(); ++i) {
        if (i < raw.size() && raw[i] != '/') continue;
        if (::mkdir(raw.left(i).constData(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return ::stat(raw.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

TidyResult tidy(const QString& desktop, const QString& storeFolder, const ScopeLimits& limits,
                WorkProgress* progress) {
    TidyResult result;
    // A Desktop that is the home (or "/", or holds the home) is no Desktop: nothing is made or moved.
    if (FsScope::touchesLimits(FsScope::Kind::Desktop, desktop, limits, &result.refused)) return result;
    if (storeFolder.isEmpty() || !makeFolders(storeFolder)) return result;
    // Both are opened once and worked on by descriptor, each within its own scope. A store on the
    // Desktop is one of the Desktop's items: it can't be moved into itself and stays where it is.
    ScopeLimits withStore = limits;
    withStore.held << storeFolder;
    QString why;
    const FsScope storeScope = FsScope::store(storeFolder, withStore, &why);
    const FsScope desktopScope = storeScope.isValid() ? FsScope::desktop(desktop, limits, &why) : FsScope();
    const ScopedFolder& store = storeScope.folder();
    const ScopedFolder& from = desktopScope.folder();
    if (!store.isOpen()) {
        // There, but no store a tidy may use (another account's, or open to others' writes).
        if (FsName::toBytes(storeFolder).startsWith('/') && QFileInfo::exists(storeFolder))
            result.refused = why;
        return result;
    }
    result.storeReady = true;
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
        const std::optional<struct stat> st = store.folder().entry(name);
        if (st) result.moved << DesktopCatalogue::makeNode(store.folder(), FsEntry{name, *st});
    }
    return result;
}

FsMove::Outcome restore(const QString& itemPath, const QString& desktop, const ScopeLimits& limits,
                        QString* why) {
    const QByteArray name = leafOf(itemPath);
    const FsScope from = FsScope::chosen(parentOf(itemPath), {name}, limits, why);
    const FsScope to = from.isValid() ? FsScope::desktop(desktop, limits, why) : FsScope();
    if (!to.isValid()) return FsMove::Outcome::Failed;
    return FsMove::move(from.folder(), name, to.folder(), name, why);
}

FsTree::Report deleteItem(const QString& itemPath, const ScopeLimits& limits) {
    QString why;
    const FsScope scope = FsScope::chosenItem(itemPath, limits, &why);
    if (!scope.isValid()) {
        FsTree::Report report;
        report.problems << FsName::displayText(itemPath) + QStringLiteral(": ") + why;
        return report;
    }
    return FsTree::remove(scope.folder(), leafOf(itemPath));
}

}  // namespace DesktopTidy
