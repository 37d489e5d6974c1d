#include "DesktopTidy.h"

#include <sys/stat.h>

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

TidyResult tidy(const QString& desktop, const QString& storeFolder, WorkProgress* progress) {
    TidyResult result;
    if (storeFolder.isEmpty() || !makeFolders(storeFolder)) return result;
    // Both are the user's own choice: resolved once, then worked on by descriptor.
    const OpenFolder store = OpenFolder::openChosen(storeFolder);
    const OpenFolder from = OpenFolder::openChosen(desktop);
    result.storeReady = store.isOpen();
    if (!store.isOpen()) return result;
    if (!from.isOpen()) {
        result.left << FsName::displayText(desktop) + QStringLiteral(": ") +
                           localized("the Desktop folder can't be opened");
        return result;
    }
    const QList<QByteArray> names = from.names();
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
        const std::optional<struct stat> st = store.entry(name);
        if (st) result.moved << DesktopCatalogue::makeNode(store, FsEntry{name, *st});
    }
    return result;
}

FsMove::Outcome restore(const QString& itemPath, const QString& desktop, QString* why) {
    const OpenFolder from = OpenFolder::openChosen(parentOf(itemPath));
    const OpenFolder to = OpenFolder::openChosen(desktop);
    const QByteArray name = leafOf(itemPath);
    return FsMove::move(from, name, to, name, why);
}

FsTree::Report deleteItem(const QString& itemPath) {
    const OpenFolder folder = OpenFolder::openChosen(parentOf(itemPath));
    return FsTree::remove(folder, leafOf(itemPath));
}

}  // namespace DesktopTidy
