// trash put and trash undo: moving items into the Trash, and taking the last move back.
#include "CliContext.h"
#include "core/Localized.h"
#include "platform/Paths.h"
#include "trash/TrashJournal.h"
#include "trash/TrashPut.h"

namespace {

int putVerb(const CliArguments& args, CliContext& ctx) {
    if (!onlyOptions(args, {QStringLiteral("--copy-to-home"), QStringLiteral("--dry-run")},
                     QStringLiteral("trash put"), ctx))
        return CliExit::Usage;
    if (args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("trash put needs at least one path") << '\n';
        return CliExit::Usage;
    }
    TrashPutOptions options;
    options.copyToHome = args.options.contains(QStringLiteral("--copy-to-home"));
    options.dryRun = args.options.contains(QStringLiteral("--dry-run"));
    const TrashPut put(ctx.paths);
    TrashJournal journal(ctx.paths);
    journal.begin(QStringLiteral("put"));
    int status = CliExit::Ok;
    for (const QString& operand : args.operands) {
        // Made absolute here, at the edge: nothing below resolves against the working folder.
        const QString path =
            operand.startsWith(QLatin1Char('/')) ? operand : QDir::current().absoluteFilePath(operand);
        const TrashPut::Result result = put.put(path, options);
        if (result.outcome == TrashPut::Outcome::Trashed || result.outcome == TrashPut::Outcome::Copied) {
            *ctx.out << "trashed\t" << escaped(result.source) << '\t' << escaped(result.trashPath) << '\n';
            if (!options.dryRun)
                journal.add(
                    {TrashJournal::Move::Way::IntoTrash, result.place, result.trashPath, result.record});
        }
        if (result.outcome != TrashPut::Outcome::Trashed) {
            *ctx.err << "corvane-cli: " << escaped(TrashPut::notTrashedText(result));
            if (result.outcome == TrashPut::Outcome::NoTrash) *ctx.err << " (--copy-to-home)";
            *ctx.err << '\n';
            status = CliExit::Failed;
        }
    }
    if (!options.dryRun && !journal.lastMoves().isEmpty() && !journal.commit())
        *ctx.err << "corvane-cli: " << localized("what was trashed can't be recorded for an undo") << '\n';
    return status;
}

int undoVerb(const CliArguments& args, CliContext& ctx) {
    if (!onlyOptions(args, {QStringLiteral("--dry-run")}, QStringLiteral("trash undo"), ctx))
        return CliExit::Usage;
    if (!args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("trash undo takes no arguments") << '\n';
        return CliExit::Usage;
    }
    TrashJournal journal(ctx.paths);
    if (journal.lastAction().isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("there is nothing to undo") << '\n';
        return CliExit::Failed;
    }
    int status = CliExit::Ok;
    for (const TrashJournal::Undone& step :
         journal.undo(args.options.contains(QStringLiteral("--dry-run")))) {
        const bool intoTrash = step.move.way == TrashJournal::Move::Way::OutOfTrash;
        const QString from = intoTrash ? step.move.place : step.move.trashPath;
        if (step.done) {
            *ctx.out << (intoTrash ? "trashed\t" : "restored\t") << escaped(from) << '\t'
                     << escaped(step.nowAt) << '\n';
            continue;
        }
        *ctx.err << "corvane-cli: " << escaped(from) << ": " << localized("not undone") << " (" << step.why
                 << ")\n";
        status = CliExit::Failed;
    }
    return status;
}

}  // namespace

int trashMoveVerb(const CliArguments& args, CliContext& ctx, bool* handled) {
    *handled = true;
    if (args.sub == QLatin1String("put")) return putVerb(args, ctx);
    if (args.sub == QLatin1String("undo")) return undoVerb(args, ctx);
    *handled = false;
    return CliExit::Usage;
}
