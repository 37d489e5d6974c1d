// trash empty: the forced emptying from the command line.
#include "CliContext.h"
#include "empty/EmptyController.h"
#include "empty/ProtectionHooks.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"
#include "trash/PutBackReader.h"

int emptyTrash(CliContext& ctx) {
    auto workspace = std::make_shared<Workspace>(ctx.paths);
    auto origPathList = std::make_shared<TrashOrigPaths>();
    EmptyController empty(ctx.paths, std::make_shared<SystemCommands>(ctx.tasks), origPathList, workspace,
                          ctx.alerts);
    // The same rules as the windows: protected items stay, and are listed afterwards.
    auto rules = std::make_shared<ProtectionRules>(ctx.defaults);
    auto items = std::make_shared<ProtectedItems>(rules, origPathList);
    empty.setProtection(protectionHooks(rules, items, [&ctx](const QList<CVTrashFileNode::Ptr>& rows) {
        for (const auto& row : rows)
            *ctx.out << "protected\t" << escaped(row->theTrashPath) << '\t' << escaped(row->theOrignalpath)
                     << '\n';
    }));
    bool helperAsked = false;
    empty.setRunAdmin([&] { helperAsked = true; });
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
    erase.help = {{QStringLiteral("erase PATH..."),
                   QStringLiteral("overwrite and remove files and folders, asking first (--yes answers)")}};
    erase.run = eraseVerb;
    return {erase};
}
