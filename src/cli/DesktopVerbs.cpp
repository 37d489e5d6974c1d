// desktop tidy / list / restore / delete / store-location: the Desktop tidy without the windows.
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>

#include "CliContext.h"
#include "core/SettingsKeys.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "desktop/DesktopCatalogue.h"
#include "desktop/DesktopTidy.h"
#include "desktop/FileKinds.h"
#include "desktop/TidyPlaces.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"

namespace {

void complain(CliContext& ctx, const QString& text) {
    *ctx.err << "corvane-cli: " << text << '\n';
}

/// The store folder, or an empty text (and a message) when no location is chosen or the one chosen
/// can't hold it.
QString storeFolder(CliContext& ctx) {
    const QString location = ctx.defaults->stringForKey(SettingsKeys::PloverlyPath);
    if (location.isEmpty()) {
        complain(ctx, localized("no store location is chosen yet (corvane-cli desktop store-location DIR)"));
        return {};
    }
    QString why;
    const QString store = TidyPlaces::storeFolder(*ctx.paths, location, &why);
    if (store.isEmpty()) complain(ctx, escaped(why));
    return store;
}

/// The Desktop, or an empty text (and a message) when there is none to tidy.
QString desktopFolder(CliContext& ctx) {
    QString why;
    const QString desktop = TidyPlaces::desktop(*ctx.paths, &why);
    if (desktop.isEmpty()) complain(ctx, escaped(why));
    return desktop;
}

/// The store folder as the scope its work is bound to, or an invalid one (and a message). A store that is not
/// there yet is no fault when `missingIsEmpty`: it holds nothing.
FsScope openStore(CliContext& ctx, const QString& store, bool missingIsEmpty, bool* missing) {
    QString why;
    FsScope opened = DesktopTidy::openStore(store, ctx.paths->scopeLimits(), &why);
    *missing = !opened.isValid() && FsLook::missing(store);
    if (!opened.isValid() && !(missingIsEmpty && *missing)) complain(ctx, escaped(why));
    return opened;
}

int storeLocation(const CliArguments& args, CliContext& ctx) {
    if (args.operands.size() > 1) {
        *ctx.err << "corvane-cli: " << localized("desktop store-location takes one folder at most") << '\n';
        return CliExit::Usage;
    }
    Defaults& d = *ctx.defaults;
    if (args.operands.isEmpty()) {
        const QString location = d.stringForKey(SettingsKeys::PloverlyPath);
        if (location.isEmpty()) {
            *ctx.err << "corvane-cli: " << localized("no store location is chosen yet") << '\n';
            return CliExit::Failed;
        }
        *ctx.out << escaped(Paths::desktopStoreFolder(location)) << '\n';
        return CliExit::Ok;
    }
    const QString given = QDir::current().absoluteFilePath(args.operands.first());
    if (!QFileInfo(given).isDir()) {
        *ctx.err << "corvane-cli: " << localized("%1: not a folder").arg(escaped(given)) << '\n';
        return CliExit::Failed;
    }
    const QString location = TidyPlaces::chosenLocation(given);
    const QString problem = TidyPlaces::locationProblem(*ctx.paths, location);
    if (!problem.isEmpty()) {
        complain(ctx, escaped(problem));
        return CliExit::Failed;
    }
    d.setString(SettingsKeys::PloverlyPath, location);
    if (!d.synchronize()) {
        *ctx.err << "corvane-cli: " << localized("the settings could not be written") << '\n';
        return CliExit::Failed;
    }
    *ctx.out << escaped(Paths::desktopStoreFolder(location)) << '\n';
    return CliExit::Ok;
}

/// "moved", then where from and where to: one line per item a tidy or restore moved, or would move.
void movedLine(CliContext& ctx, const QString& from, const QString& to) {
    *ctx.out << "moved\t" << escaped(from) << '\t' << escaped(to) << '\n';
}

/// What a tidy would do, changing nothing: the same refusals, and the names the store already has
/// stay on the Desktop. A store that is not there yet would be made, and holds nothing.
int tidyDryRun(CliContext& ctx, const QString& desktop, const QString& store) {
    const ScopeLimits limits = ctx.paths->scopeLimits();
    QString refused;
    ScopeLimits withStore = limits;
    withStore.held << store;
    bool missing = false;
    FsScope storeScope;
    if (!FsScope::touchesLimits(FsScope::Kind::Desktop, desktop, limits, &refused)) {
        storeScope = DesktopTidy::openStore(store, withStore, &refused);
        missing = !storeScope.isValid() && FsLook::missing(store);
        if (missing) refused.clear();
    }
    if (!refused.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("nothing tidied: %1").arg(escaped(refused)) << '\n';
        return CliExit::Failed;
    }
    QString why;
    const FsScope desktopScope = FsScope::desktop(desktop, limits, &why);
    if (!desktopScope.isValid()) {
        complain(ctx, localized("left on the Desktop: %1")
                          .arg(escaped(FsName::displayText(desktop) + QStringLiteral(": ") +
                                       localized("the Desktop folder can't be opened") +
                                       QStringLiteral(" (") + why + QStringLiteral(")"))));
        return CliExit::Failed;
    }
    QStringList left;
    for (const QByteArray& name : desktopScope.folder().folder().names()) {
        if (name.startsWith('.')) continue;
        const QString text = FsName::fromBytes(name);
        if (!missing && storeScope.folder().folder().has(name)) {
            left << FsName::displayText(text) + QStringLiteral(": ") +
                        localized("a stored item has that name");
            continue;
        }
        movedLine(ctx, desktop + QLatin1Char('/') + text, store + QLatin1Char('/') + text);
    }
    for (const QString& line : left) complain(ctx, localized("left on the Desktop: %1").arg(escaped(line)));
    return left.isEmpty() ? CliExit::Ok : CliExit::Failed;
}

int tidy(CliContext& ctx, bool dryRun) {
    const QString desktop = desktopFolder(ctx);
    if (desktop.isEmpty()) return CliExit::Failed;
    const QString store = storeFolder(ctx);
    if (store.isEmpty()) return CliExit::Failed;
    if (dryRun) return tidyDryRun(ctx, desktop, store);
    const DesktopTidy::TidyResult result = DesktopTidy::tidy(desktop, store, ctx.paths->scopeLimits());
    if (!result.refused.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("nothing tidied: %1").arg(escaped(result.refused)) << '\n';
        return CliExit::Failed;
    }
    if (!result.storeReady) {
        complain(ctx, localized("%1: the store folder can't be made").arg(escaped(store)));
        return CliExit::Failed;
    }
    for (const NQFileNode::Ptr& node : result.moved)
        movedLine(ctx, desktop + QLatin1Char('/') + node->fileName,
                  store + QLatin1Char('/') + node->fileName);
    for (const QString& line : result.left)
        *ctx.err << "corvane-cli: " << localized("left on the Desktop: %1").arg(escaped(line)) << '\n';
    return result.left.isEmpty() ? CliExit::Ok : CliExit::Failed;
}

int list(const CliArguments& args, CliContext& ctx) {
    QString kind;
    bool json = false;
    for (const QString& option : args.options) {
        if (option == QLatin1String("--kind")) continue;
        if (option == QLatin1String("--json")) {
            json = true;
        } else if (option.startsWith(QLatin1String("--kind="))) {
            kind = option.mid(7);
        } else {
            *ctx.err << "corvane-cli: " << localized("desktop list: unknown option %1").arg(escaped(option))
                     << '\n';
            return CliExit::Usage;
        }
    }
    // "--kind folder" arrives as an option and an operand.
    QStringList operands = args.operands;
    if (args.options.contains(QLatin1String("--kind")) && !operands.isEmpty()) {
        kind = operands.takeFirst();
        // Options after the kind's value arrive as operands too.
        json = operands.removeAll(QStringLiteral("--json")) > 0 || json;
    }
    const QHash<QString, QString> kinds{{QStringLiteral("folder"), QLatin1String(FileKinds::Folder)},
                                        {QStringLiteral("pictures"), QLatin1String(FileKinds::Pictures)},
                                        {QStringLiteral("documents"), QLatin1String(FileKinds::Documents)},
                                        {QStringLiteral("archives"), QLatin1String(FileKinds::Archives)},
                                        {QStringLiteral("other"), QLatin1String(FileKinds::Other)}};
    if (!kind.isEmpty() && !kinds.contains(kind)) {
        *ctx.err << "corvane-cli: "
                 << localized("desktop list: --kind is one of folder, pictures, documents, archives, other")
                 << '\n';
        return CliExit::Usage;
    }
    if (!operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("desktop list takes no names") << '\n';
        return CliExit::Usage;
    }
    const QString store = storeFolder(ctx);
    if (store.isEmpty()) return CliExit::Failed;
    bool missing = false;
    const FsScope opened = openStore(ctx, store, true, &missing);
    if (!opened.isValid() && !missing) return CliExit::Failed;
    DesktopCatalogue catalogue;
    catalogue.freshCurrentDeskTop(opened.folder().folder());
    QJsonArray rows;
    for (const NQFileNode::Ptr& node : std::as_const(catalogue.getDesktopAllArray())) {
        if (!kind.isEmpty() && node->fileKindType != kinds.value(kind)) continue;
        if (json) {
            rows.append(QJsonObject{{QStringLiteral("name"), FsName::displayText(node->fileName)},
                                    {QStringLiteral("kind"), node->fileKindType},
                                    {QStringLiteral("bytes"), double(node->filesizenumber)},
                                    {QStringLiteral("modified"), node->fileModifyDate},
                                    {QStringLiteral("path"), FsName::displayText(node->fullFilePath)}});
        } else {
            *ctx.out << node->fileKindType << '\t' << node->fileSize << '\t' << node->fileModifyDate << '\t'
                     << escaped(node->fileName) << '\n';
        }
    }
    if (json) *ctx.out << QJsonDocument(rows).toJson(QJsonDocument::Indented);
    return CliExit::Ok;
}

int restoreOrDelete(const CliArguments& args, CliContext& ctx, bool restore) {
    const QString verb = restore ? QStringLiteral("restore") : QStringLiteral("delete");
    const QString dryRunOption = QStringLiteral("--dry-run");
    if (!onlyOptions(args, {dryRunOption}, QStringLiteral("desktop ") + verb, ctx)) return CliExit::Usage;
    const bool dryRun = args.options.contains(dryRunOption);
    if (args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("desktop %1 needs the name of a stored item").arg(verb)
                 << '\n';
        return CliExit::Usage;
    }
    const QString store = storeFolder(ctx);
    if (store.isEmpty()) return CliExit::Failed;
    const QString desktop = restore ? desktopFolder(ctx) : QString();
    if (restore && desktop.isEmpty()) return CliExit::Failed;
    bool missing = false;
    const FsScope opened = openStore(ctx, store, false, &missing);
    if (!opened.isValid()) return CliExit::Failed;
    const ScopeLimits limits = ctx.paths->scopeLimits();
    int status = CliExit::Ok;
    for (const QString& name : args.operands) {
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") ||
            name == QLatin1String("..")) {
            *ctx.err << "corvane-cli: " << localized("%1: not a name in the store").arg(escaped(name))
                     << '\n';
            status = CliExit::Failed;
            continue;
        }
        const QString path = store + QLatin1Char('/') + name;
        if (!opened.folder().has(FsName::toBytes(name))) {
            *ctx.err << "corvane-cli: " << localized("%1: not in the store").arg(escaped(name)) << '\n';
            status = CliExit::Failed;
            continue;
        }
        if (restore) {
            const QString to = desktop + QLatin1Char('/') + name;
            QString why;
            FsMove::Outcome outcome = FsMove::Outcome::Moved;
            if (dryRun) {
                // Only a Desktop that can't be opened, or a name it has, is known to stop the move.
                const FsScope onDesktop = FsScope::desktop(desktop, limits, &why);
                if (!onDesktop.isValid())
                    outcome = FsMove::Outcome::Failed;
                else if (onDesktop.folder().has(FsName::toBytes(name)))
                    outcome = FsMove::Outcome::Taken;
            } else {
                outcome = DesktopTidy::restore(store, path, desktop, limits, &why);
            }
            if (outcome == FsMove::Outcome::Moved) {
                movedLine(ctx, path, to);
                continue;
            }
            *ctx.err << "corvane-cli: " << escaped(name) << ": "
                     << (outcome == FsMove::Outcome::Taken ? localized("the Desktop already has that name")
                                                           : why)
                     << '\n';
            status = CliExit::Failed;
            continue;
        }
        if (dryRun) {
            *ctx.out << "removed\t" << escaped(path) << '\n';
            continue;
        }
        const int answer =
            ctx.alerts->runModal({localized("Delete \"%1\" for good?").arg(name), localized(" Delete "),
                                  localized(" Cancel "), localized("It does not go to the Trash.")});
        if (answer != Alerts::Default) {
            *ctx.err << "corvane-cli: " << localized("%1: kept").arg(escaped(name)) << '\n';
            status = CliExit::Failed;
            continue;
        }
        const FsTree::Report report = DesktopTidy::deleteItem(store, path, limits);
        for (const QString& problem : report.problems)
            *ctx.err << "corvane-cli: " << escaped(problem) << '\n';
        if (report.gone)
            *ctx.out << "removed\t" << escaped(path) << '\n';
        else
            status = CliExit::Failed;
    }
    return status;
}

}  // namespace

QList<CliVerb> desktopVerbs() {
    CliVerb desktop;
    desktop.name = QStringLiteral("desktop");
    desktop.needsSettings = true;
    desktop.hasSubVerbs = true;
    desktop.help = {
        {QStringLiteral("desktop tidy [--dry-run]"),
         QStringLiteral("move the Desktop's visible items into the store folder; one \"moved\" line each")},
        {QStringLiteral("desktop list [--kind KIND] [--json]"),
         QStringLiteral("the stored items (KIND: folder, pictures, documents, archives, other)")},
        {QStringLiteral("desktop restore [--dry-run] NAME..."),
         QStringLiteral("move stored items back to the Desktop; one \"moved\" line each")},
        {QStringLiteral("desktop delete [--dry-run] NAME..."),
         QStringLiteral("remove stored items for good (--yes answers); one \"removed\" line each")},
        {QStringLiteral("desktop store-location [DIR]"),
         QStringLiteral("show the store folder, or choose the folder that holds it")},
    };
    desktop.run = [](const CliArguments& args, CliContext& ctx) {
        const QString& sub = args.sub;
        if (sub == QLatin1String("tidy") && args.operands.isEmpty() &&
            (args.options.isEmpty() || args.options == QStringList{QStringLiteral("--dry-run")}))
            return tidy(ctx, !args.options.isEmpty());
        if (sub == QLatin1String("list")) return list(args, ctx);
        if (sub == QLatin1String("restore")) return restoreOrDelete(args, ctx, true);
        if (sub == QLatin1String("delete")) return restoreOrDelete(args, ctx, false);
        if (sub == QLatin1String("store-location") && args.options.isEmpty()) return storeLocation(args, ctx);
        *ctx.err << "corvane-cli: "
                 << localized("desktop needs tidy, list, restore, delete or store-location (see --help)")
                 << '\n';
        return CliExit::Usage;
    };
    return {desktop};
}
