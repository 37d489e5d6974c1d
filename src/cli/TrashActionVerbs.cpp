// The command line's verbs that remove or move Trash items and erase files.
#include <QFile>
#include <QRegularExpression>

#include "CliContext.h"
#include "core/FileUtilities.h"
#include "core/fs/FsName.h"
#include "core/fs/FsScope.h"
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
#include "trash/TrashJournal.h"
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
/// With `patterns`, each argument is a shell wildcard matched against every item's name and
/// original place, and may take any number of items.
bool resolve(const QStringList& args, CliContext& ctx, QList<CVTrashFileNode::Ptr>& items,
             bool patterns = false) {
    auto origPaths = std::make_shared<TrashOrigPaths>();
    TrashScanner scanner(ctx.paths, ctx.files, origPaths, std::make_shared<Workspace>(ctx.paths));
    const TrashScanResult result = scanner.scan();
    bool ok = true;
    for (const QString& arg : args) {
        QList<CVTrashFileNode::Ptr> found;
        if (patterns) {
            const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(
                arg, QRegularExpression::UnanchoredWildcardConversion));
            const QRegularExpression anchored(QRegularExpression::anchoredPattern(wildcard.pattern()));
            for (const auto& item : result.items)
                if (anchored.match(item->theFileName).hasMatch() ||
                    anchored.match(item->theOrignalpath).hasMatch())
                    if (!items.contains(item)) items << item;
            continue;
        }
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

/// One line a script can read for each thing a verb did, or with --dry-run would do: "removed",
/// "erased" or "moved", then the paths, tab-separated.
void doneLine(CliContext& ctx, const char* what, const QString& path) {
    *ctx.out << what << '\t' << escaped(path) << '\n';
}

int removeVerb(const QStringList& args, CliContext& ctx, bool securely, bool dryRun, bool patterns) {
    if (args.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("name at least one item of the Trash") << '\n';
        return CliExit::Usage;
    }
    QList<CVTrashFileNode::Ptr> items;
    int status = resolve(args, ctx, items, patterns) ? CliExit::Ok : CliExit::Failed;
    const char* verb = securely ? "erased" : "removed";
    if (dryRun) {
        // What resists removal is only known by trying: every item found would be attempted.
        for (const auto& item : items) doneLine(ctx, verb, item->theTrashPath);
        return status;
    }
    auto commands = std::make_shared<SystemCommands>(ctx.tasks);
    const TrashItemActions actions(commands, TrashStore::forPaths(ctx.paths));
    for (const auto& item : items) {
        const FsTree::Report report =
            securely ? actions.secureDeleteItem(item->theTrashPath) : actions.deleteItem(item->theTrashPath);
        for (const QString& problem : report.problems)
            *ctx.err << "corvane-cli: " << escaped(problem) << '\n';
        if (report.gone) doneLine(ctx, verb, item->theTrashPath);
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

/// The choice a put back makes when the place is taken, from its options.
TrashItemActions::WhenTaken whenTakenOf(const QStringList& options) {
    if (options.contains(QStringLiteral("--keep-both"))) return TrashItemActions::WhenTaken::KeepBoth;
    if (options.contains(QStringLiteral("--replace"))) return TrashItemActions::WhenTaken::Replace;
    if (options.contains(QStringLiteral("--skip"))) return TrashItemActions::WhenTaken::Skip;
    return TrashItemActions::WhenTaken::Refuse;
}

int putbackVerb(const CliArguments& args, CliContext& ctx) {
    if (args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("name at least one item of the Trash") << '\n';
        return CliExit::Usage;
    }
    const QStringList& options = args.options;
    const bool force = options.contains(QStringLiteral("--force"));
    const bool dryRun = options.contains(QStringLiteral("--dry-run"));
    if (int(options.contains(QStringLiteral("--keep-both"))) +
            int(options.contains(QStringLiteral("--replace"))) +
            int(options.contains(QStringLiteral("--skip"))) >
        1) {
        *ctx.err << "corvane-cli: " << localized("choose one of --keep-both, --replace and --skip") << '\n';
        return CliExit::Usage;
    }
    QList<CVTrashFileNode::Ptr> items;
    int status = resolve(args.operands, ctx, items) ? CliExit::Ok : CliExit::Failed;
    const TrashItemActions actions(std::make_shared<SystemCommands>(ctx.tasks),
                                   TrashStore::forPaths(ctx.paths));
    TrashJournal journal(ctx.paths);
    journal.begin(QStringLiteral("putback"));
    for (const auto& item : items) {
        // A volume's record may name any place; one outside the volume needs --force.
        const TrashItemActions::PutBackDone done = actions.putBackMove(
            {item->theTrashPath, item->theOrignalpath, item->theVolume, force, whenTakenOf(options)},
            dryRun ? nullptr : &journal, dryRun);
        if (done.outcome == TrashItemActions::PutBack::Moved) {
            if (!done.replacedTo.isEmpty())
                *ctx.out << "trashed\t" << escaped(done.destination) << '\t' << escaped(done.replacedTo)
                         << '\n';
            *ctx.out << escaped(done.destination) << '\n';
            continue;
        }
        if (done.outcome == TrashItemActions::PutBack::Skipped) {
            *ctx.out << "skipped\t" << escaped(done.destination) << '\n';
            continue;
        }
        if (done.outcome == TrashItemActions::PutBack::OutsideVolume) {
            *ctx.err << "corvane-cli: "
                     << localized(
                            "%1: its record names %2, outside the volume %3; it stays in the Trash "
                            "(--force puts it back there)")
                            .arg(escaped(item->theTrashPath), escaped(done.destination),
                                 escaped(item->theVolume))
                     << '\n';
            status = CliExit::Failed;
            continue;
        }
        *ctx.err << "corvane-cli: "
                 << TrashItemActions::notPutBackText({{item->theFileName, done.destination, done.outcome}});
        if (done.outcome == TrashItemActions::PutBack::Taken)
            *ctx.err << ' ' << localized("(--keep-both, --replace or --skip choose what happens)");
        *ctx.err << '\n';
        status = CliExit::Failed;
    }
    if (!dryRun && !journal.lastMoves().isEmpty() && !journal.commit())
        *ctx.err << "corvane-cli: " << localized("what was put back can't be recorded for an undo") << '\n';
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
    const bool removing = sub == QLatin1String("delete") || sub == QLatin1String("shred");
    const QString dryRunOption = QStringLiteral("--dry-run");
    const QStringList allowed =
        putback    ? QStringList{QStringLiteral("--force"), QStringLiteral("--keep-both"),
                              QStringLiteral("--replace"), QStringLiteral("--skip"), dryRunOption}
        : removing ? QStringList{dryRunOption, QStringLiteral("--match")}
                   : QStringList();
    if (!onlyOptions(args, allowed, QStringLiteral("trash ") + sub, ctx)) return CliExit::Usage;
    const bool dryRun = args.options.contains(dryRunOption);
    const bool patterns = args.options.contains(QStringLiteral("--match"));
    if (sub == QLatin1String("delete")) return removeVerb(args.operands, ctx, false, dryRun, patterns);
    if (sub == QLatin1String("shred")) return removeVerb(args.operands, ctx, true, dryRun, patterns);
    if (putback) return putbackVerb(args, ctx);
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
    const QString dryRunOption = QStringLiteral("--dry-run");
    if (!onlyOptions(args, {dryRunOption}, QStringLiteral("erase"), ctx)) return CliExit::Usage;
    if (args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("erase needs at least one path") << '\n';
        return CliExit::Usage;
    }
    QStringList paths;
    for (const QString& a : args.operands)
        paths << (a.startsWith(QLatin1Char('/')) ? a : QDir::current().absoluteFilePath(a));
    // What is not there is passed over, as the erase itself does.
    QStringList present;
    for (const QString& p : paths)
        if (FileUtilities::somethingAt(p)) present << p;
    if (args.options.contains(dryRunOption)) {
        // The places an erase may never touch are known beforehand; what resists is not.
        int status = CliExit::Ok;
        for (const QString& p : present) {
            QString item = p;
            while (item.size() > 1 && item.endsWith(QLatin1Char('/'))) item.chop(1);
            QString why;
            if (FsScope::chosenItem(item, ctx.paths->scopeLimits(), &why).isValid()) {
                doneLine(ctx, "erased", p);
                continue;
            }
            *ctx.err << "corvane-cli: " << escaped(FsName::displayText(item) + QStringLiteral(": ") + why)
                     << '\n';
            *ctx.err << "corvane-cli: " << localized("%1: could not be erased").arg(escaped(p)) << '\n';
            status = CliExit::Failed;
        }
        return status;
    }
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
    for (const QString& p : present) {
        if (!FileUtilities::somethingAt(p)) doneLine(ctx, "erased", p);
    }
    for (const QString& p : paths) {
        if (FileUtilities::somethingAt(p)) {
            *ctx.err << "corvane-cli: " << localized("%1: could not be erased").arg(escaped(p)) << '\n';
            status = CliExit::Failed;
        }
    }
    warnIfOverwriteFellShort(paths, ctx);
    return status;
}
