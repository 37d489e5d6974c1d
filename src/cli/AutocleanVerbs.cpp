// autoclean status / check: the automatic emptying driven from a system timer instead of the tray.
#include "CliContext.h"
#include "autoclean/AutoCleanPolicy.h"
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

int check(CliContext& ctx) {
    Defaults& d = *ctx.defaults;
    auto clock = std::make_shared<Clock>();
    // The values the program's start writes when absent, so a timer-only setup behaves the same.
    if (!d.hasValue(SettingsKeys::LastCleanDate)) d.setDate(SettingsKeys::LastCleanDate, clock->now());
    if (!d.hasValue(SettingsKeys::TrashStorage))
        d.setUnsigned(SettingsKeys::TrashStorage, SettingsKeys::DefaultTrashStorage);
    if (!d.hasValue(SettingsKeys::BShowWarning)) d.setString(SettingsKeys::BShowWarning, SettingsKeys::YES);
    d.synchronize();

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

    const AutoCleanPolicy::Outcome outcome = policy.CleanUpTimer_hander();
    QTextStream& out = *ctx.out;
    out << "size condition: "
        << (!conditions.BCheckStorage() ? "off"
            : outcome.sizeDue           ? "due"
                                        : "not due")
        << '\n';
    out << "time condition: "
        << (!conditions.BCheckDate() ? "off"
            : outcome.timeDue        ? "due"
                                     : "not due")
        << '\n';
    if (!passRequested) {
        out << (outcome.cancelled > 0 ? "declined: nothing emptied\n" : "nothing to do\n");
        return outcome.cancelled > 0 ? CliExit::Failed : CliExit::Ok;
    }

    auto origPaths = std::make_shared<TrashOrigPaths>();
    EmptyController empty(ctx.paths, std::make_shared<SystemCommands>(ctx.tasks), origPaths,
                          std::make_shared<Workspace>(ctx.paths), ctx.alerts,
                          emptyingProtection(ctx, origPaths));
    bool helperAsked = false;
    empty.setRunAdmin([&](const QStringList&) { helperAsked = true; });
    const int failures = empty.runPassHere();
    out << "emptied the Trash (" << d.stringForKey(SettingsKeys::LastsCleanTrashData)
        << " before emptying)\n";
    if (failures == 0) return CliExit::Ok;
    *ctx.err << "corvane-cli: "
             << (helperAsked
                     ? localized("some items could not be removed with your rights")
                     : localized("some items could not be removed with your rights; run Corvane's helper to "
                                 "finish"))
             << '\n';
    return CliExit::Failed;
}

}  // namespace

QList<CliVerb> autocleanVerbs() {
    CliVerb autoclean;
    autoclean.name = QStringLiteral("autoclean");
    autoclean.needsSettings = true;
    autoclean.help = {
        {QStringLiteral("autoclean status"),
         QStringLiteral("the auto-clean settings, the Trash size and when each condition falls due")},
        {QStringLiteral("autoclean check"),
         QStringLiteral("one auto-clean check as the tray's timer runs it (--yes answers)")},
    };
    autoclean.hasSubVerbs = true;
    autoclean.run = [](const CliArguments& args, CliContext& ctx) {
        const QString& sub = args.sub;
        const bool bare = args.options.isEmpty() && args.operands.isEmpty();
        if (bare && sub == QLatin1String("status")) return status(ctx);
        if (bare && sub == QLatin1String("check")) return check(ctx);
        *ctx.err << "corvane-cli: "
                 << localized("usage: %1").arg(QLatin1String("corvane-cli [--yes] autoclean status|check"))
                 << '\n';
        return CliExit::Usage;
    };
    return {autoclean};
}
