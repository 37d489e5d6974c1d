// cookies remove and cookies keep: aimed removal from the command line, and the keep-list.
#include "CookieCli.h"
#include "cookies/CookieSites.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Workspace.h"

namespace CookieCli {
namespace {

bool browserRunning(CookieRemoval::Store store, CliContext& ctx) {
    const QStringList running = Workspace(ctx.paths).launchedApplications();
    const QStringList names = CookieRemoval::processNames(store);
    return std::any_of(names.cbegin(), names.cend(), [&](const QString& n) { return running.contains(n); });
}

// "removed", the file and how many cookies went ("?" when they could not be read); "kept" and how
// many the keep-list spared.
QString lines(const Source& source, bool counted, const CookieSites::Plan& plan) {
    QString out = QStringLiteral("removed\t") + escaped(source.path) + QLatin1Char('\t') +
                  (counted ? QString::number(plan.remove.size()) : QStringLiteral("?")) + QLatin1Char('\n');
    if (plan.kept > 0)
        out += QStringLiteral("kept\t") + escaped(source.path) + QLatin1Char('\t') +
               QString::number(plan.kept) + QLatin1Char('\n');
    return out;
}

}  // namespace

int remove(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies remove"),
               {"--source", "--dry-run", "--site", "--name", "--keep-list", "--force"}, r, ctx))
        return CliExit::Usage;
    const Source source = resolve(r.source, ctx);
    if (source.path.isEmpty() || !source.found) {
        *ctx.err << "corvane-cli: "
                 << localized("no cookies to remove at \"%1\"")
                        .arg(escaped(source.path.isEmpty() ? r.source : source.path))
                 << '\n';
        return CliExit::Failed;
    }
    const QStringList keepList = ctx.defaults ? CookieSites::keepList(*ctx.defaults) : QStringList();
    if (r.keepList && keepList.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("the keep-list is empty: nothing would be spared") << '\n';
        return CliExit::Failed;
    }
    // What goes, read before anything changes: the lines say how many went.
    Source read_;
    CookieList cookies;
    const bool counted = read(r, ctx, read_, cookies);
    const bool aimed = !r.sites.isEmpty() || !r.name.isEmpty();
    const CookieSites::Plan plan = CookieSites::plan(CookieSites::pick(cookies, r.sites, r.name), keepList);
    // Without the cookies read, only "everything" can be removed: no row is known to aim at or spare.
    if (!counted && (aimed || !keepList.isEmpty())) return CliExit::Failed;
    if (browserRunning(source.store, ctx) && !r.force) {
        *ctx.err << "corvane-cli: " << CookieRemoval::runningBrowserText(source.store) << ' '
                 << localized("(--force removes them anyway)") << '\n';
        return CliExit::Failed;
    }
    if (r.dryRun) {
        *ctx.out << lines(source, counted, plan);
        return CliExit::Ok;
    }
    if (ctx.alerts->runModal({CookieSites::question(plan), localized(" Remove "), localized(" Cancel "),
                              CookieSites::keptText(plan)}) != Alerts::Default)
        return CliExit::Failed;
    const bool everything = !aimed && plan.kept == 0;
    const auto result = CookieRemoval::remove(source.store, source.path, plan.remove, everything);
    if (result.outcome != CookieRemoval::Outcome::Removed) {
        *ctx.err << "corvane-cli: "
                 << (result.problem.isEmpty() ? localized("nothing was removed") : result.problem) << '\n';
        return CliExit::Failed;
    }
    *ctx.out << lines(source, counted, plan);
    return CliExit::Ok;
}

int keep(const CliArguments& args, CliContext& ctx) {
    const QStringList words = args.options + args.operands;
    const QString action = words.value(0);
    const bool list = action == QLatin1String("list") && words.size() == 1;
    if (!list &&
        !((action == QLatin1String("add") || action == QLatin1String("remove")) && words.size() == 2)) {
        *ctx.err << "corvane-cli: " << localized("cookies keep needs add HOST, remove HOST or list") << '\n';
        return CliExit::Usage;
    }
    Defaults& defaults = *ctx.defaults;
    if (list) {
        for (const QString& site : CookieSites::keepList(defaults)) *ctx.out << escaped(site) << '\n';
        return CliExit::Ok;
    }
    const QString host = words[1];
    if (CookieSites::normalized(host).isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("\"%1\" is not a host name").arg(escaped(host)) << '\n';
        return CliExit::Usage;
    }
    const bool changed = action == QLatin1String("add") ? CookieSites::keep(defaults, host)
                                                        : CookieSites::unkeep(defaults, host);
    if (changed && !defaults.synchronize()) {
        *ctx.err << "corvane-cli: " << localized("the settings could not be written") << '\n';
        return CliExit::Failed;
    }
    // The site the entry stands for: what was added or is gone (already so is no failure).
    *ctx.out << escaped(CookieSites::siteOf(host)) << '\n';
    return CliExit::Ok;
}

}  // namespace CookieCli
