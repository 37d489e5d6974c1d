// trash empty: the forced emptying from the command line.
#include "CliContext.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionFactory.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"
#include "trash/TrashScanner.h"

EmptyProtection emptyingProtection(CliContext& ctx, std::shared_ptr<const TrashOrigPaths> origPaths) {
    // The same rules as the windows: protected items stay, and are listed afterwards.
    QTextStream* out = ctx.out;
    return ProtectionFactory::forEmptying(ProtectionFactory::fromSettings(ctx.defaults, std::move(origPaths)),
                                          [out](const QList<CVTrashFileNode::Ptr>& rows) {
                                              for (const auto& row : rows)
                                                  *out << "protected\t" << escaped(row->theTrashPath) << '\t'
                                                       << escaped(row->theOrignalpath) << '\n';
                                          });
}

int runForcedEmptying(CliContext& ctx, const ForcedEmptying& how, bool ask) {
    auto workspace = std::make_shared<Workspace>(ctx.paths);
    auto origPathList = std::make_shared<TrashOrigPaths>();
    EmptyController empty(ctx.paths, std::make_shared<SystemCommands>(ctx.tasks), origPathList, workspace,
                          ctx.alerts, emptyingProtection(ctx, origPathList));
    if (ask && !how.dryRun && !empty.askToEmpty()) return -1;
    // Each line names the item's original place: one scan before the pass finds them all, in
    // every Trash.
    QHash<QString, QString> originals;
    if (how.list || how.dryRun) {
        TrashScanner scanner(ctx.paths, ctx.files, origPathList, workspace);
        scanner.setReadOnly(how.dryRun);
        for (const auto& item : scanner.scan().items)
            originals.insert(item->theTrashPath, item->theOrignalpath);
        empty.setEachRemoved([&](const QString& path) { printRemoved(ctx, path, originals.value(path)); });
    }
    bool helperAsked = false;
    empty.setRunAdmin([&](const QStringList&) { helperAsked = true; });
    empty.setDryRun(how.dryRun);
    const int failures = empty.runPassHere();
    if (failures == 0 || how.dryRun) return failures;
    *ctx.err << "corvane-cli: "
             << (helperAsked
                     ? localized("some items could not be removed with your rights")
                     : localized("some items could not be removed with your rights; run Corvane's helper to "
                                 "finish"))
             << '\n';
    return failures;
}

int emptyTrash(CliContext& ctx, const ForcedEmptying& how) {
    const int failures = runForcedEmptying(ctx, how, true);
    if (failures < 0) {
        *ctx.err << "corvane-cli: " << localized("nothing emptied") << '\n';
        return CliExit::Failed;
    }
    return failures == 0 ? CliExit::Ok : CliExit::Failed;
}

QList<CliVerb> eraseVerbs() {
    CliVerb erase;
    erase.name = QStringLiteral("erase");
    erase.help = {{QStringLiteral("erase [--dry-run] PATH..."),
                   QStringLiteral("overwrite and remove files and folders, asking first (--yes answers); "
                                  "one \"erased\" line each")}};
    erase.run = eraseVerb;
    return {erase};
}
