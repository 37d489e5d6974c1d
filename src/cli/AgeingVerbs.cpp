// Ageing the Trash out from the command line: "trash empty --older-than", the dry runs' shared
// line output, and the daily system timer.
#include <QCoreApplication>

#include "CliContext.h"
#include "autoclean/AgeingRules.h"
#include "autoclean/AutoCleanTimer.h"
#include "autoclean/TrashAgeing.h"
#include "empty/ProtectionFactory.h"
#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"
#include "trash/TrashStore.h"

bool optionWords(const CliArguments& args, const QStringList& flags, const QStringList& valued,
                 const QString& verb, CliContext& ctx, CliOptionWords* words) {
    // The splitter stops at the first word that is no option, so a value given as its own word
    // (and whatever follows it) arrives among the operands; options always come first.
    const QStringList all = args.options + args.operands;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString& word = all[i];
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = equals > 0 ? word.left(equals) : word;
        if (flags.contains(word)) {
            words->flags << word;
        } else if (valued.contains(name)) {
            if (equals < 0 && i + 1 >= all.size()) {
                *ctx.err << "corvane-cli: " << localized("%1: %2 needs a value").arg(verb, name) << '\n';
                return false;
            }
            words->values.insert(name, equals > 0 ? word.mid(equals + 1) : all[++i]);
        } else {
            *ctx.err << "corvane-cli: "
                     << localized(
                            "%1 has no option \"%2\" (an argument that begins with \"-\" goes after \"--\")")
                            .arg(verb, escaped(word))
                     << '\n';
            return false;
        }
    }
    return true;
}

void printRemoved(CliContext& ctx, const QString& trashPath, const QString& original) {
    *ctx.out << "removed\t" << escaped(trashPath) << '\t'
             << escaped(original.isEmpty() ? QStringLiteral("--") : original) << '\n';
}

int ageTrash(CliContext& ctx, const AgeingRules& rules, const AgeingRun& how, int* removedCount) {
    auto origPaths = std::make_shared<TrashOrigPaths>();
    auto workspace = std::make_shared<Workspace>(ctx.paths);
    // The scan rebuilds the put-back list, which the location rules read.
    TrashScanner scanner(ctx.paths, ctx.files, origPaths, workspace);
    scanner.setReadOnly(how.dryRun);
    const QList<CVTrashFileNode::Ptr> items = TrashAgeing::itemsFor(rules, scanner);
    TrashAgeing ageing(emptyingProtection(ctx, origPaths), ctx.paths->userTrash());
    const TrashAgeing::Plan plan = ageing.plan(items, rules, Clock().now());
    for (const QString& note : plan.notes) *ctx.err << "corvane-cli: " << note << '\n';
    if (how.ask && !how.dryRun && !plan.picks.isEmpty()) {
        const int answer = ctx.alerts->runModal(
            {localized("Remove %1 items from the Trash for good?").arg(plan.picks.size()),
             localized(" Remove "), localized(" Cancel "),
             localized("They were deleted longer ago than the auto-clean rules keep items.")});
        if (answer != Alerts::Default) {
            *ctx.err << "corvane-cli: " << localized("nothing removed") << '\n';
            return CliExit::Failed;
        }
    }
    const TrashItemActions actions(std::make_shared<SystemCommands>(ctx.tasks),
                                   TrashStore::forPaths(ctx.paths));
    const TrashAgeing::Outcome outcome =
        ageing.run(plan, actions, how.dryRun, [&ctx](const TrashAgeing::Pick& pick, bool gone) {
            if (gone) printRemoved(ctx, pick.item->theTrashPath, pick.item->theOrignalpath);
        });
    if (removedCount) *removedCount = int(outcome.removed.size());
    for (const QString& problem : outcome.problems) *ctx.err << "corvane-cli: " << escaped(problem) << '\n';
    for (const TrashAgeing::Pick& pick : outcome.resisted)
        *ctx.err
            << "corvane-cli: "
            << localized("%1: could not be removed with your rights").arg(escaped(pick.item->theTrashPath))
            << '\n';
    return outcome.resisted.isEmpty() ? CliExit::Ok : CliExit::Failed;
}

int emptyTrashVerb(const CliArguments& args, CliContext& ctx) {
    CliOptionWords words;
    if (!optionWords(args, {QStringLiteral("--dry-run"), QStringLiteral("--list")},
                     {QStringLiteral("--older-than")}, QStringLiteral("trash empty"), ctx, &words))
        return CliExit::Usage;
    const bool dryRun = words.flags.contains(QStringLiteral("--dry-run"));
    if (!words.values.contains(QStringLiteral("--older-than")))
        return emptyTrash(ctx, {dryRun, words.flags.contains(QStringLiteral("--list"))});
    AgeingRules rules;
    if (!AgeingRules::parseSetting(words.values.value(QStringLiteral("--older-than")), 0,
                                   AgeingRules::MaxDays, &rules.olderThanDays) ||
        !rules.olderThanDays.on) {
        *ctx.err << "corvane-cli: "
                 << localized("--older-than takes a number of days from 0 to %1").arg(AgeingRules::MaxDays)
                 << '\n';
        return CliExit::Usage;
    }
    return ageTrash(ctx, rules, {dryRun, true}, nullptr);
}

QString timerUnitFolder(CliContext& ctx) {
    return AutoCleanTimer::unitFolderFor(*ctx.paths);
}

int installTimer(CliContext& ctx) {
    AutoCleanTimer timer(timerUnitFolder(ctx), ctx.tasks);
    const AutoCleanTimer::Result result = timer.install(QCoreApplication::applicationFilePath());
    (result.ok ? *ctx.out : *ctx.err) << (result.ok ? "" : "corvane-cli: ") << result.message << '\n';
    return result.ok ? CliExit::Ok : CliExit::Failed;
}

int removeTimer(CliContext& ctx) {
    AutoCleanTimer timer(timerUnitFolder(ctx), ctx.tasks);
    const AutoCleanTimer::Result result = timer.remove();
    (result.ok ? *ctx.out : *ctx.err) << (result.ok ? "" : "corvane-cli: ") << result.message << '\n';
    return result.ok ? CliExit::Ok : CliExit::Failed;
}
