// rules: the protection rules that a forced emptying honours, in the same store as the windows.
#include <QFileInfo>

#include "CliContext.h"
#include "platform/Localized.h"
#include "protect/ProtectionRules.h"

namespace {

int listRules(const QStringList& args, CliContext& ctx, const ProtectionRules& rules) {
    if (!args.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("rules list takes no arguments") << '\n';
        return CliExit::Usage;
    }
    for (const QString& format : rules.getFileFormatDataArray())
        *ctx.out << "format\t" << escaped(format) << '\n';
    for (const QString& location : rules.getLocationDataArray())
        *ctx.out << "location\t" << escaped(location) << '\n';
    return CliExit::Ok;
}

/// Applies `edit` to each argument; the reason for each one that fails goes to standard error.
int editRules(const QString& sub, const QStringList& args, CliContext& ctx, const ProtectionRules& rules,
              const std::function<QString(const QString&)>& edit) {
    if (args.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("rules %1 needs at least one argument").arg(sub) << '\n';
        return CliExit::Usage;
    }
    int status = CliExit::Ok;
    for (const QString& arg : args) {
        const QString problem = edit(arg);
        if (!problem.isEmpty()) {
            *ctx.err << "corvane-cli: rules " << sub << ": " << problem << '\n';
            status = CliExit::Failed;
        } else if (!rules.lastWriteSucceeded()) {
            *ctx.err << "corvane-cli: "
                     << localized("rules %1: the settings file could not be written").arg(sub) << '\n';
            return CliExit::Failed;
        }
    }
    return status;
}

int rulesVerb(const CliArguments& args, CliContext& ctx) {
    const QString& sub = args.sub;
    const QStringList& rest = args.operands;
    if (!onlyOptions(args, {}, QStringLiteral("rules ") + sub, ctx)) return CliExit::Usage;
    ProtectionRules rules(ctx.defaults);
    if (sub == QLatin1String("list")) return listRules(rest, ctx, rules);
    if (sub == QLatin1String("add-format"))
        return editRules(sub, rest, ctx, rules, [&](const QString& typed) {
            return rules.addFileFormat(typed)
                       ? QString()
                       : QStringLiteral("\"%1\" is not a file format (an extension such as psd)")
                             .arg(escaped(typed));
        });
    if (sub == QLatin1String("remove-format"))
        return editRules(sub, rest, ctx, rules, [&](const QString& format) {
            return rules.removeFileFormat(format)
                       ? QString()
                       : QStringLiteral("\"%1\" is not a protected format").arg(escaped(format));
        });
    if (sub == QLatin1String("add-location"))
        return editRules(sub, rest, ctx, rules, [&](const QString& folder) {
            const QFileInfo info(folder);
            if (folder.isEmpty() || !info.isDir())
                return QStringLiteral("\"%1\" is not an existing folder").arg(escaped(folder));
            rules.addLocation(info.absoluteFilePath());
            return QString();
        });
    if (sub == QLatin1String("remove-location"))
        return editRules(sub, rest, ctx, rules, [&](const QString& folder) {
            return rules.removeLocation(folder)
                       ? QString()
                       : QStringLiteral("\"%1\" is not a protected location").arg(escaped(folder));
        });
    *ctx.err << "corvane-cli: "
             << localized(
                    "rules needs one of: list, add-format, add-location, remove-format, remove-location")
             << '\n';
    return CliExit::Usage;
}

}  // namespace

QList<CliVerb> rulesVerbs() {
    CliVerb rules;
    rules.name = QStringLiteral("rules");
    rules.help = {
        {QStringLiteral("rules list"),
         QStringLiteral("the protection rules, one per line: format or location, a tab, the rule")},
        {QStringLiteral("rules add-format EXT..."),
         QStringLiteral("protect items with these extensions (\"psd\" or \".psd\")")},
        {QStringLiteral("rules add-location DIR..."),
         QStringLiteral("protect items deleted from these existing folders or below")},
        {QStringLiteral("rules remove-format EXT..."),
         QStringLiteral("remove one format rule per argument (case ignored)")},
        {QStringLiteral("rules remove-location DIR..."),
         QStringLiteral("remove one location rule per argument")},
    };
    rules.needsSettings = true;
    rules.hasSubVerbs = true;
    rules.run = rulesVerb;
    return {rules};
}
