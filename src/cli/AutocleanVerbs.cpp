// autoclean status / check: the automatic emptying driven from a system timer instead of the tray.
#include <functional>
#include <optional>

#include "CliContext.h"
#include "autoclean/AgeingRules.h"
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/AutoCleanTimer.h"
#include "autoclean/LaunchDefaults.h"
#include "autoclean/StoredAutoCleanConditions.h"
#include "core/FileUtilities.h"
#include "core/SettingsKeys.h"
#include "empty/EmptyController.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"

namespace {

const char kTimeFormat[] = "yyyy-MM-dd HH:mm:ss 'UTC'";

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString bytesText(quint64 bytes) {
    return QStringLiteral("%1 (%2 bytes)").arg(FileUtilities::size_to_unit(bytes)).arg(bytes);
}

int status(CliContext& ctx) {
    Defaults& d = *ctx.defaults;
    QTextStream& out = *ctx.out;
    const StoredAutoCleanConditions conditions(ctx.defaults);
    auto clock = std::make_shared<Clock>();
    AutoCleanPolicy policy(ctx.defaults, nullptr, clock, nullptr);
    const quint64 trash = ctx.files->getTrashFileSize();
    bool thresholdStored = false;
    const quint64 threshold = d.unsignedForKey(SettingsKeys::TrashStorage, &thresholdStored);
    const QDateTime last = d.dateForKey(SettingsKeys::LastCleanDate);
    const QString period = conditions.getTimeFrequency();

    out << "time condition:   " << onOff(conditions.BCheckDate()) << ", every " << period << '\n';
    out << "size condition:   " << onOff(conditions.BCheckStorage()) << ", at "
        << (thresholdStored ? bytesText(threshold)
                            : QStringLiteral("0 bytes (not set; the first check stores %1)")
                                  .arg(SettingsKeys::DefaultTrashStorage))
        << '\n';
    // The panel shows the box on unless "NO"; the check asks only for an exact "YES".
    const QString warning = d.stringForKey(SettingsKeys::BShowWarning);
    out << "ask before:       ";
    if (warning.isNull())
        out << "yes (stored at the first check)\n";
    else if (warning == SettingsKeys::YES || warning == SettingsKeys::NO)
        out << (warning == SettingsKeys::YES ? "yes" : "no") << '\n';
    else
        out << "shown as on, but not asked (stored \"" << warning << "\")\n";
    const AgeingRules rules = conditions.ageingRules();
    auto rule = [](const AgeingRules::Rule& r, const QString& unit) {
        return r.on ? QStringLiteral("%1 %2").arg(r.value).arg(unit) : QStringLiteral("off");
    };
    out << "older than:       " << rule(rules.olderThanDays, QStringLiteral("days")) << '\n';
    out << "max share:        " << rule(rules.maxSharePercent, QStringLiteral("% of the disk")) << '\n';
    out << "keep free:        " << rule(rules.keepFreeGB, QStringLiteral("GB")) << '\n';
    out << "daily timer:      "
        << (AutoCleanTimer(AutoCleanTimer::unitFolderFor(*ctx.paths), nullptr).isInstalled()
                ? "installed"
                : "not installed")
        << '\n';
    out << "open at login:    "
        << (d.stringForKey(SettingsKeys::BAutoLogin) == SettingsKeys::YES ? "yes" : "no") << '\n';
    out << "trash:            " << bytesText(trash) << '\n';
    if (last.isValid()) {
        const QString size = d.stringForKey(SettingsKeys::LastsCleanTrashData);
        out << "last clean:       " << last.toUTC().toString(QLatin1String(kTimeFormat))
            << (size.isNull() ? QString() : QStringLiteral(", %1 before emptying").arg(size)) << '\n';
    } else {
        out << "last clean:       none recorded\n";
    }

    out << "next by size:     ";
    if (!conditions.BCheckStorage())
        out << "off\n";
    else if (trash >= threshold)
        out << "due now\n";
    else
        out << "when the Trash reaches " << bytesText(threshold) << '\n';

    out << "next by time:     ";
    const quint64 seconds = AutoCleanPolicy::periodFor(period);
    if (!conditions.BCheckDate()) {
        out << "off\n";
    } else if (!last.isValid()) {
        out << "one period after the first check\n";
    } else if (policy.elapsedSinceLastClean() >= seconds) {
        out << "due now\n";
    } else {
        out << last.toUTC().addSecs(static_cast<qint64>(seconds)).toString(QLatin1String(kTimeFormat))
            << '\n';
    }
    return CliExit::Ok;
}

const char* conditionText(bool on, bool due) {
    return !on ? "off" : due ? "due" : "not due";
}

/// What a check (or its dry run) did after looking at the conditions.
struct CheckDone {
    std::optional<QString> emptiedBefore;  ///< the Trash's size before an emptying, when one ran
    int agedOut = 0;                       ///< items the ageing rules removed
    bool declined = false;                 ///< the user said no to the emptying
    int status = CliExit::Ok;
};

/// The report the check and its dry run both print: the two condition lines, then whatever `work`
/// prints item by item, then one line of what was done. Returns the work's status.
int reportCheck(QTextStream& out, const StoredAutoCleanConditions& conditions, bool sizeDue, bool timeDue,
                const std::function<CheckDone()>& work) {
    out << "size condition: " << conditionText(conditions.BCheckStorage(), sizeDue) << '\n';
    out << "time condition: " << conditionText(conditions.BCheckDate(), timeDue) << '\n';
    const CheckDone done = work();
    if (done.emptiedBefore)
        out << "emptied the Trash (" << *done.emptiedBefore << " before emptying)\n";
    else if (done.agedOut > 0)
        out << "aged out " << done.agedOut << " items\n";
    else
        out << (done.declined ? "declined: nothing emptied\n" : "nothing to do\n");
    return done.status;
}

/// What the check would do, from the settings as they are, without writing anything: values the
/// real check stores first when absent are taken as it would store them.
int dryCheck(CliContext& ctx) {
    Defaults& d = *ctx.defaults;
    const StoredAutoCleanConditions conditions(ctx.defaults);
    auto clock = std::make_shared<Clock>();
    AutoCleanPolicy policy(ctx.defaults, nullptr, clock, nullptr);
    const quint64 size = ctx.files->getTrashFileSize();
    const quint64 threshold =
        d.hasValue(SettingsKeys::TrashStorage) ? policy.threshold() : SettingsKeys::DefaultTrashStorage;
    const bool sizeDue = conditions.BCheckStorage() && size >= threshold;
    // A clean started for the size resets the date before the time condition is looked at.
    const bool timeDue =
        !sizeDue && conditions.BCheckDate() && d.hasValue(SettingsKeys::LastCleanDate) &&
        policy.elapsedSinceLastClean() >= AutoCleanPolicy::periodFor(conditions.getTimeFrequency());
    reportCheck(*ctx.out, conditions, sizeDue, timeDue, [&] {
        CheckDone done;
        if (sizeDue || timeDue) {
            runForcedEmptying(ctx, {true, true}, false);
            done.emptiedBefore = FileUtilities::size_to_unit(size);
            return done;
        }
        const AgeingRules rules = conditions.ageingRules();
        if (rules.any()) ageTrash(ctx, rules, {true, false}, &done.agedOut);
        return done;
    });
    return CliExit::Ok;
}

int check(CliContext& ctx) {
    Defaults& d = *ctx.defaults;
    auto clock = std::make_shared<Clock>();
    // The values the program's start writes when absent, so a timer-only setup behaves the same.
    LaunchDefaults::write(d, clock->now());

    const StoredAutoCleanConditions conditions(ctx.defaults);
    AutoCleanPolicy policy(ctx.defaults, ctx.alerts, clock, std::make_shared<DBusDesktopNotifications>());
    policy.setConditions(&conditions);
    auto files = ctx.files;
    policy.setTrashSizeFunction([files] { return files->getTrashFileSize(); });
    // The pass runs after the check, as the program's worker would: one pass however many cleans.
    bool passRequested = false;
    policy.setStartEmptying([&] {
        if (passRequested) return false;
        passRequested = true;
        return true;
    });
    policy.setEmptyingRunning([&] { return passRequested; });
    // The ageing rules run after the check too; the policy asks for them only when no emptying
    // started.
    std::optional<AgeingRules> ageing;
    policy.setStartAgeing([&](const AgeingRules& rules) {
        ageing = rules;
        return true;
    });

    const AutoCleanPolicy::Outcome outcome = policy.CleanUpTimer_hander();
    return reportCheck(*ctx.out, conditions, outcome.sizeDue, outcome.timeDue, [&] {
        CheckDone done;
        if (!passRequested) {
            // The rules were set to run by the owner of the settings: no question, as with the timer.
            if (ageing) done.status = ageTrash(ctx, *ageing, {false, false}, &done.agedOut);
            done.declined = outcome.cancelled > 0;
            if (done.declined) done.status = CliExit::Failed;
            return done;
        }
        const int failures = runForcedEmptying(ctx, {false, true}, false);
        done.emptiedBefore = d.stringForKey(SettingsKeys::LastsCleanTrashData);
        done.status = failures == 0 ? CliExit::Ok : CliExit::Failed;
        return done;
    });
}

/// "autoclean set": each given rule switched on with its number, or off ("off" keeps the number).
int set(const CliArguments& args, CliContext& ctx) {
    CliOptionWords words;
    const QString older = QStringLiteral("--older-than"), share = QStringLiteral("--max-share"),
                  free = QStringLiteral("--keep-free");
    if (!optionWords(args, {}, {older, share, free}, QStringLiteral("autoclean set"), ctx, &words))
        return CliExit::Usage;
    if (words.values.isEmpty()) {
        *ctx.err << "corvane-cli: "
                 << localized("usage: %1")
                        .arg(QLatin1String("corvane-cli autoclean set [--older-than DAYS|off] "
                                           "[--max-share PERCENT|off] [--keep-free GB|off]"))
                 << '\n';
        return CliExit::Usage;
    }
    AgeingRules rules = AgeingRules::stored(*ctx.defaults);
    struct Option {
        const QString& name;
        AgeingRules::Rule* rule;
        int high;
        const char* what;
    };
    const Option options[] = {
        {older, &rules.olderThanDays, AgeingRules::MaxDays, QT_TRANSLATE_NOOP("Corvane", "a number of days")},
        {share, &rules.maxSharePercent, AgeingRules::MaxShare, QT_TRANSLATE_NOOP("Corvane", "a percentage")},
        {free, &rules.keepFreeGB, AgeingRules::MaxFreeGB, QT_TRANSLATE_NOOP("Corvane", "a number of GB")},
    };
    for (const Option& o : options) {
        if (!words.values.contains(o.name)) continue;
        if (!AgeingRules::parseSetting(words.values.value(o.name), 1, o.high, o.rule)) {
            *ctx.err
                << "corvane-cli: "
                << localized("%1 takes %2 from 1 to %3, or off").arg(o.name, localized(o.what)).arg(o.high)
                << '\n';
            return CliExit::Usage;
        }
    }
    rules.store(*ctx.defaults);
    if (!ctx.defaults->synchronize()) {
        *ctx.err << "corvane-cli: " << localized("the settings could not be written") << '\n';
        return CliExit::Failed;
    }
    return CliExit::Ok;
}

}  // namespace

QList<CliVerb> autocleanVerbs() {
    CliVerb autoclean;
    autoclean.name = QStringLiteral("autoclean");
    autoclean.needsSettings = true;
    autoclean.help = {
        {QStringLiteral("autoclean status"),
         QStringLiteral("the auto-clean settings, the Trash size and when each condition falls due")},
        {QStringLiteral("autoclean check [--dry-run]"),
         QStringLiteral("one auto-clean check as the tray's timer runs it (--yes answers); the ageing rules "
                        "after the size and time conditions")},
        {QStringLiteral("autoclean set OPTION VALUE..."),
         QStringLiteral("--older-than DAYS|off, --max-share PERCENT|off, --keep-free GB|off: the rules that "
                        "remove the oldest deletions first")},
        {QStringLiteral("autoclean install-timer"),
         QStringLiteral("a daily systemd user timer that runs \"autoclean check\" without the tray")},
        {QStringLiteral("autoclean remove-timer"), QStringLiteral("disable and delete that timer")},
    };
    autoclean.hasSubVerbs = true;
    autoclean.run = [](const CliArguments& args, CliContext& ctx) {
        const QString& sub = args.sub;
        const bool bare = args.options.isEmpty() && args.operands.isEmpty();
        if (bare && sub == QLatin1String("status")) return status(ctx);
        if (bare && sub == QLatin1String("check")) return check(ctx);
        if (sub == QLatin1String("check") && args.options == QStringList{QStringLiteral("--dry-run")} &&
            args.operands.isEmpty())
            return dryCheck(ctx);
        if (sub == QLatin1String("set")) return set(args, ctx);
        if (bare && sub == QLatin1String("install-timer")) return installTimer(ctx);
        if (bare && sub == QLatin1String("remove-timer")) return removeTimer(ctx);
        *ctx.err << "corvane-cli: "
                 << localized("usage: %1")
                        .arg(QLatin1String("corvane-cli [--yes] autoclean status|check "
                                           "[--dry-run]|set|install-timer|remove-timer"))
                 << '\n';
        return CliExit::Usage;
    };
    return {autoclean};
}
