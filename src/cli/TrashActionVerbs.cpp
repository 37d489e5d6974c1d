// The command line's verbs that remove or move Trash items and erase files.
#include <QFile>

#include "CliContext.h"
#include "core/FileUtilities.h"
#include "empty/EmptyController.h"
#include "erase/OverwriteReach.h"
#include "erase/SecureEraser.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"
#include "trash/TrashStore.h"

namespace {

/// Once per run, on standard error: the erased files' old contents may have outlived the overwrite.
void warnIfOverwriteFellShort(const QStringList& erased, CliContext& ctx) {
    if (const auto warning = OverwriteReach::warningAfterErase(erased))
        *ctx.err << "corvane-cli: " << warning->message << ' ' << warning->informativeText << '\n';
}

/// The scanned items each argument names: a name as `trash list` shows it, or the item's path in
/// the Trash. A name that fits several items must be given as a path.
bool resolve(const QStringList& args, CliContext& ctx, QList<CVTrashFileNode::Ptr>& items) {
    auto origPaths = std::make_shared<TrashOrigPaths>();
    TrashScanner scanner(ctx.paths, ctx.files, origPaths, std::make_shared<Workspace>(ctx.paths));
    const TrashScanResult result = scanner.scan();
    bool ok = true;
    for (const QString& arg : args) {
        QList<CVTrashFileNode::Ptr> found;
        for (const auto& item : result.items)
            if (item->theTrashPath == arg) found = {item};
        if (found.isEmpty())
            for (const auto& item : result.items)
                if (item->theFileName == arg) found << item;
        if (found.size() == 1) {
            items << found.first();
        } else {
            *ctx.err << "corvane-cli: " << arg
                     << (found.isEmpty()
                             ? localized(": no such item in the Trash")
                             : localized(": several items have this name; give its path in the Trash"))
                     << '\n';
            ok = false;
        }
    }
    return ok;
}

int removeVerb(const QStringList& args, CliContext& ctx, bool securely) {
    if (args.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("name at least one item of the Trash") << '\n';
        return CliExit::Usage;
    }
    QList<CVTrashFileNode::Ptr> items;
    int status = resolve(args, ctx, items) ? CliExit::Ok : CliExit::Failed;
    auto commands = std::make_shared<SystemCommands>(ctx.tasks);
    const TrashItemActions actions(commands, TrashStore::forPaths(ctx.paths));
    for (const auto& item : items) {
        const FsTree::Report report =
            securely ? actions.secureDeleteItem(item->theTrashPath) : actions.deleteItem(item->theTrashPath);
        for (const QString& problem : report.problems)
            *ctx.err << "corvane-cli: " << escaped(problem) << '\n';
        if (!report.gone) {
            *ctx.err
                << "corvane-cli: "
                << localized("%1: could not be removed with your rights").arg(escaped(item->theTrashPath))
                << '\n';
            status = CliExit::Failed;
        } else if (securely && !report.problems.isEmpty()) {
            status = CliExit::Failed;  // removed, but not everything was overwritten
        }
    }
    if (securely) {
        QStringList erased;
        for (const auto& item : items) erased << item->theTrashPath;
        warnIfOverwriteFellShort(erased, ctx);
    }
    return status;
}

int putbackVerb(const QStringList& args, bool force, CliContext& ctx) {
    if (args.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("name at least one item of the Trash") << '\n';
        return CliExit::Usage;
    }
    QList<CVTrashFileNode::Ptr> items;
    int status = resolve(args, ctx, items) ? CliExit::Ok : CliExit::Failed;
    const TrashItemActions actions(std::make_shared<SystemCommands>(ctx.tasks),
                                   TrashStore::forPaths(ctx.paths));
    for (const auto& item : items) {
        // A volume's record may name any place; one outside the volume needs --force.
        const auto outcome =
            actions.putBack(item->theTrashPath, item->theOrignalpath, item->theVolume, force);
        if (outcome == TrashItemActions::PutBack::Moved) {
            *ctx.out << escaped(item->theOrignalpath) << '\n';
            continue;
        }
        if (outcome == TrashItemActions::PutBack::OutsideVolume) {
            *ctx.err << "corvane-cli: "
                     << localized(
                            "%1: its record names %2, outside the volume %3; it stays in the Trash "
                            "(--force puts it back there)")
                            .arg(escaped(item->theTrashPath),
                                 escaped(TrashItemActions::putBackDestination(item->theTrashPath,
                                                                              item->theOrignalpath)),
                                 escaped(item->theVolume))
                     << '\n';
            status = CliExit::Failed;
            continue;
        }
        *ctx.err << "corvane-cli: "
                 << TrashItemActions::notPutBackText({{item->theFileName, item->theOrignalpath, outcome}})
                 << '\n';
        status = CliExit::Failed;
    }
    return status;
}

}  // namespace

int trashActionVerb(const CliArguments& args, CliContext& ctx, bool* handled) {
    const QString& sub = args.sub;
    *handled = true;
    if (sub != QLatin1String("delete") && sub != QLatin1String("shred") && sub != QLatin1String("putback") &&
        sub != QLatin1String("empty")) {
        *handled = false;
        return CliExit::Usage;
    }
    const bool putback = sub == QLatin1String("putback");
    if (sub == QLatin1String("empty")) return emptyTrashVerb(args, ctx);
    const QStringList allowed = putback ? QStringList{QStringLiteral("--force")} : QStringList();
    if (!onlyOptions(args, allowed, QStringLiteral("trash ") + sub, ctx)) return CliExit::Usage;
    if (sub == QLatin1String("delete")) return removeVerb(args.operands, ctx, false);
    if (sub == QLatin1String("shred")) return removeVerb(args.operands, ctx, true);
    if (putback) return putbackVerb(args.operands, args.options.contains(QStringLiteral("--force")), ctx);
    if (sub == QLatin1String("empty")) {
        if (!args.operands.isEmpty()) {
            *ctx.err << "corvane-cli: " << localized("trash empty takes no arguments") << '\n';
            return CliExit::Usage;
        }
        return emptyTrash(ctx);
    }
    *handled = false;
    return CliExit::Usage;
}

int eraseVerb(const CliArguments& args, CliContext& ctx) {
    if (!onlyOptions(args, {}, QStringLiteral("erase"), ctx)) return CliExit::Usage;
    if (args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("erase needs at least one path") << '\n';
        return CliExit::Usage;
    }
    QStringList paths;
    for (const QString& a : args.operands)
        paths << (a.startsWith(QLatin1Char('/')) ? a : QDir::current().absoluteFilePath(a));
    const int answer =
        ctx.alerts->runModal({localized("Are you sure you want to permanently erase the selected items ?"),
                              localized(" Erase "), localized(" Cancel "), SecureEraser::listText(paths)});
    if (answer != Alerts::Default) {
        *ctx.err << "corvane-cli: " << localized("nothing erased") << '\n';
        return CliExit::Failed;
    }
    const FsTree::Report report = SecureEraser(ctx.paths->scopeLimits()).eraseItems(paths);
    int status = report.problems.isEmpty() ? CliExit::Ok : CliExit::Failed;
    for (const QString& problem : report.problems) *ctx.err << "corvane-cli: " << escaped(problem) << '\n';
    for (const QString& p : paths) {
        if (FileUtilities::somethingAt(p)) {
            *ctx.err << "corvane-cli: " << localized("%1: could not be erased").arg(escaped(p)) << '\n';
            status = CliExit::Failed;
        }
    }
    warnIfOverwriteFellShort(paths, ctx);
    return status;
}
