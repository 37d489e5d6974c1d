#include "AutoCleanPolicy.h"

#include <QLoggingCategory>
#include <QScopeGuard>

#include "AutoCleanConditions.h"
#include "core/FileUtilities.h"
#include "core/SettingsKeys.h"
#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/Localized.h"

namespace {
// Debug lines of the clean; off unless QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(lcAutoClean, "corvane.autoclean", QtInfoMsg)
}  // namespace

AutoCleanPolicy::AutoCleanPolicy(std::shared_ptr<Defaults> defaults, std::shared_ptr<Alerts> alerts,
                                 std::shared_ptr<const Clock> clock,
                                 std::shared_ptr<DesktopNotifications> notifications)
    : m_defaults(std::move(defaults)),
      m_alerts(std::move(alerts)),
      m_clock(std::move(clock)),
      m_notifications(std::move(notifications)) {}

const QStringList& AutoCleanPolicy::periodTitles() {
    static const QStringList titles{QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "Daily")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "3 Days")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "Every Week")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "Two Weeks")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "Monthly")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Corvane", "Two Months"))};
    return titles;
}

quint64 AutoCleanPolicy::periodFor(const QString& title) {
    static const quint64 seconds[] = {86400, 259200, 604800, 1209600, 2592000, 5184000};
    const qsizetype i = periodTitles().indexOf(title);
    return i < 0 ? 0 : seconds[i];
}

QString AutoCleanPolicy::dateText(const QDateTime& date) {
    return QStringLiteral("(%1)").arg(date.toUTC().toString(QStringLiteral("yyyy-MM-dd")));
}

quint64 AutoCleanPolicy::getTrashFileSize() const {
    return m_trashSize ? m_trashSize() : 0;
}

quint64 AutoCleanPolicy::threshold() const {
    return m_defaults->unsignedForKey(SettingsKeys::TrashStorage);
}

quint64 AutoCleanPolicy::elapsedSinceLastClean() const {
    const QDateTime last = m_defaults->dateForKey(SettingsKeys::LastCleanDate);
    if (!last.isValid()) return 0;
    const qint64 seconds = last.secsTo(m_clock->now());
    // A clock set back puts the last clean in the future: not due until the period passes anew.
    return seconds < 0 ? 0 : static_cast<quint64>(seconds);
}

void AutoCleanPolicy::recordSize() {
    m_defaults->setString(SettingsKeys::LastsCleanTrashData, FileUtilities::size_to_unit(getTrashFileSize()));
}

AutoCleanPolicy::Outcome AutoCleanPolicy::CleanUpTimer_hander() {
    Outcome outcome;
    // The question's modal loop delivers timer ticks too; one question at a time.
    if (m_checking) {
        qCInfo(lcAutoClean, "An auto-clean check is still waiting for an answer; this one is skipped.");
        outcome.skipped = true;
        return outcome;
    }
    m_checking = true;
    const auto done = qScopeGuard([this] { m_checking = false; });
    auto run = [&] {
        switch (clean()) {
            case Clean::Started:
                ++outcome.cleaned;
                break;
            case Clean::Declined:
                ++outcome.cancelled;
                break;
            case Clean::NotStarted:
                ++outcome.notStarted;
                break;
        }
    };
    // Size, measured now; the text is kept even if the user then declines.
    if (m_conditions && m_conditions->BCheckStorage()) {
        const quint64 size = getTrashFileSize();
        if (size >= threshold()) {
            outcome.sizeDue = true;
            if (emptyingRunning()) {
                ++outcome.notStarted;
            } else {
                m_defaults->setString(SettingsKeys::LastsCleanTrashData, FileUtilities::size_to_unit(size));
                run();
            }
        }
    }
    // Time since the last confirmed clean; a clean just started above resets it.
    if (m_conditions && m_conditions->BCheckDate()) {
        if (elapsedSinceLastClean() >= periodFor(m_conditions->getTimeFrequency())) {
            outcome.timeDue = true;
            if (emptyingRunning()) {
                ++outcome.notStarted;
            } else {
                recordSize();
                run();
            }
        }
    }
    // Item by item, after the whole-Trash conditions: an emptying started or under way leaves
    // nothing the rules could pick but protected items.
    if (m_conditions && outcome.cleaned == 0 && outcome.notStarted == 0 && m_startAgeing &&
        !emptyingRunning()) {
        const AgeingRules rules = m_conditions->ageingRules();
        if (rules.any()) outcome.ageingStarted = m_startAgeing(rules);
    }
    if (outcome.notStarted > 0)
        qCInfo(lcAutoClean, "Emptying the Trash is already under way; the automatic clean is not recorded.");
    // Display.
    showLastClean();
    return outcome;
}

bool AutoCleanPolicy::removeAllTrashFile() {
    return clean() == Clean::Started;
}

AutoCleanPolicy::Clean AutoCleanPolicy::clean() {
    // Nothing to ask about while the Trash is being emptied anyway.
    if (emptyingRunning()) return Clean::NotStarted;
    if (m_defaults->stringForKey(SettingsKeys::BShowWarning) == SettingsKeys::YES) {
        // No one to ask: never empty unasked.
        if (!m_alerts) return Clean::Declined;
        const int answer =
            m_alerts->runModal({localized("Are you sure you want to remove all items in the Trash ?"),
                                localized(" Empty Trash "), localized(" Cancel "), QString()});
        if (answer == Alerts::Alternate) {
            qCDebug(lcAutoClean, "Cancel");
            return Clean::Declined;
        }
        qCDebug(lcAutoClean, "Empty Trash");
    }
    // Measured before the pass can remove anything, recorded only once it has really started: a
    // pass already under way (begun while the question was open) is not this clean.
    const QDateTime now = m_clock->now();
    const QString size = FileUtilities::size_to_unit(getTrashFileSize());
    if (!m_startEmptying || !m_startEmptying()) return Clean::NotStarted;
    m_defaults->setDate(SettingsKeys::LastCleanDate, now);
    m_defaults->setString(SettingsKeys::LastsCleanTrashData, size);
    m_defaults->synchronize();
    StartShowNotify();
    return Clean::Started;
}

void AutoCleanPolicy::StartShowNotify() {
    if (!m_notifications) return;
    m_notifications->withdraw(QLatin1String(OldNotificationIdentifier));
    m_notifications->notify(localized("Start to empty Trash now"), QStringLiteral(" "),
                            {localized("OK"), localized("Later")}, QLatin1String(NotificationIdentifier));
}

void AutoCleanPolicy::showLastClean() {
    const QDateTime last = m_defaults->dateForKey(SettingsKeys::LastCleanDate);
    if (!last.isValid() || !m_showLastClean) return;
    m_showLastClean(m_defaults->stringForKey(SettingsKeys::LastsCleanTrashData), dateText(last));
}
