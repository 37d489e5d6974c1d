// trash empty: the forced emptying from the command line.
#include "CliContext.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionFactory.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"

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

int emptyTrash(CliContext& ctx) {
    auto workspace = std::make_shared<Workspace>(ctx.paths);
    auto origPathList = std::make_shared<TrashOrigPaths>();
    EmptyController empty(ctx.paths, std::make_shared<SystemCommands>(ctx.tasks), origPathList, workspace,
                          ctx.alerts, emptyingProtection(ctx, origPathList));
    bool helperAsked = false;
    empty.setRunAdmin([&](const QStringList&) { helperAsked = true; });
    if (!empty.askToEmpty()) {
        *ctx.err << "corvane-cli: " << localized("nothing emptied") << '\n';
        return CliExit::Failed;
    }
    const int failures = empty.runPassHere();
    if (failures == 0) return CliExit::Ok;
    *ctx.err << "corvane-cli: "
             << (helperAsked
                     ? localized("some items could not be removed with your rights")
                     : localized("some items could not be removed with your rights; run Corvane's helper to "
                                 "finish"))
             << '\n';
    return CliExit::Failed;
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
