#include "TidyPlaces.h"

#include <QFileInfo>
#include <QStringList>

#include "core/fs/FsName.h"
#include "platform/FreedesktopPaths.h"
#include "platform/Localized.h"
#include "platform/Paths.h"

namespace {

QString shown(const QString& path) {
    return FsName::displayText(path);
}

// The folder that holds the Trash's items and records.
QString trashFolder(const Paths& paths) {
    if (const auto* fd = dynamic_cast<const FreedesktopPaths*>(&paths)) return fd->userTrashFolder();
    return paths.userTrash();
}

bool hasParentStep(const QString& path) {
    return path.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

bool isTop(const Paths& paths, const QString& path) {
    return path == QLatin1String("/") || path == TidyPlaces::cleaned(paths.root());
}

}  // namespace

namespace TidyPlaces {

QString cleaned(const QString& path) {
    if (!path.startsWith(QLatin1Char('/'))) return path;
    QStringList kept;
    for (const QString& step : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        if (step != QLatin1String(".")) kept << step;
    return QLatin1Char('/') + kept.join(QLatin1Char('/'));
}

bool within(const QString& inner, const QString& outer) {
    if (inner == outer) return true;
    if (outer == QLatin1String("/")) return inner.startsWith(QLatin1Char('/'));
    return inner.startsWith(outer + QLatin1Char('/'));
}

QString chosenLocation(const QString& location) {
    const QString path = cleaned(location);
    if (!path.startsWith(QLatin1Char('/'))) return path;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString desktopProblem(const Paths& paths, const QString& desktop) {
    const QString d = cleaned(desktop);
    if (d.isEmpty()) return localized("There is no Desktop folder to tidy.");
    if (!d.startsWith(QLatin1Char('/')) || hasParentStep(d))
        return localized("The Desktop folder \"%1\" is not an absolute path.").arg(shown(desktop));
    const QString home = cleaned(paths.userHome());
    if (isTop(paths, d) || within(home, d))
        return localized(
                   "The Desktop folder is set to \"%1\", which holds your home folder; there is no "
                   "Desktop folder to tidy.")
            .arg(shown(d));
    if (within(cleaned(trashFolder(paths)), d))
        return localized("The Desktop folder \"%1\" holds the Trash; it is not tidied.").arg(shown(d));
    return {};
}

QString locationProblem(const Paths& paths, const QString& location) {
    const QString l = cleaned(location);
    if (l.isEmpty()) return localized("No store location is chosen yet.");
    if (!l.startsWith(QLatin1Char('/')) || hasParentStep(l))
        return localized("The store location \"%1\" is not an absolute path.").arg(shown(location));
    const QString home = cleaned(paths.userHome());
    const QString trash = cleaned(trashFolder(paths));
    const QString desk = cleaned(paths.userDesktop());
    const bool hasDesktop = desktopProblem(paths, desk).isEmpty();
    if (isTop(paths, l) || l == home || within(home, l))
        return localized(
                   "The store location can't be \"%1\": choose a folder inside your home folder or "
                   "on another disk.")
            .arg(shown(l));
    if (hasDesktop && within(l, desk))
        return localized("The store location \"%1\" is inside the Desktop, which a tidy empties.")
            .arg(shown(l));
    if (within(l, trash)) return localized("The store location \"%1\" is inside the Trash.").arg(shown(l));
    if (within(trash, l)) return localized("The store location \"%1\" holds the Trash.").arg(shown(l));
    if (hasDesktop && within(desk, l))
        return localized("The store location \"%1\" holds the Desktop.").arg(shown(l));
    return {};
}

QString desktop(const Paths& paths, QString* why) {
    const QString d = paths.userDesktop();
    const QString problem = desktopProblem(paths, d);
    if (why) *why = problem;
    return problem.isEmpty() ? cleaned(d) : QString();
}

QString storeFolder(const Paths& paths, const QString& location, QString* why) {
    const QString problem = locationProblem(paths, location);
    if (why) *why = problem;
    return problem.isEmpty() ? Paths::desktopStoreFolder(cleaned(location)) : QString();
}

}  // namespace TidyPlaces
