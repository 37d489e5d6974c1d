#include <gtest/gtest.h>

#include <QTimeZone>
#include <utility>

#include "autoclean/AutoCleanConditions.h"
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/StoredAutoCleanConditions.h"
#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "support/FixedClock.h"
#include "support/RecordingNotifications.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"

namespace {

struct FakeConditions : AutoCleanConditions {
    bool date = false;
    bool storage = false;
    QString period = QStringLiteral("Monthly");
    bool BCheckDate() const override { return date; }
    bool BCheckStorage() const override { return storage; }
    QString getTimeFrequency() const override { return period; }
};

const QDateTime kNow(QDate(2026, 12, 6), QTime(23, 30, 0), Qt::UTC);

/// A policy over a settings file, a clock, scripted answers and a Trash whose size the test sets.
struct PolicyRig {
    TempRoot root;
    QString file = root.file(QStringLiteral("Corvane.conf"));
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(file);
    std::shared_ptr<ScriptedAlerts> alerts = std::make_shared<ScriptedAlerts>();
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>(kNow);
    std::shared_ptr<RecordingNotifications> notes = std::make_shared<RecordingNotifications>();
    FakeConditions conditions;
    AutoCleanPolicy policy{defaults, alerts, clock, notes};
    QList<quint64> sizes{12345678};  // successive measurements; the last one repeats
    int measured = 0;
    int started = 0;
    bool startSucceeds = true;
    QList<QPair<QString, QString>> shown;

    PolicyRig() {
        policy.setConditions(&conditions);
        policy.setTrashSizeFunction([this] {
            ++measured;
            return sizes.size() > 1 ? sizes.takeFirst() : sizes.first();
        });
        policy.setStartEmptying([this] {
            ++started;
            return startSucceeds;
        });
        policy.setShowLastClean([this](const QString& s, const QString& d) { shown.append({s, d}); });
        defaults->setUnsigned("TrashStorage", 500000000);
        defaults->setDate("LastCleanDate", kNow);
        defaults->setString("BShowWarning", "NO");
    }
};

TEST(AutoCleanPeriods, SixTitlesMapExactlyAndEverythingElseIsZero) {
    const QList<QPair<QString, quint64>> table{{"Daily", 86400},       {"3 Days", 259200},
                                               {"Every Week", 604800}, {"Two Weeks", 1209600},
                                               {"Monthly", 2592000},   {"Two Months", 5184000}};
    QStringList order;
    for (const auto& [title, seconds] : table) {
        EXPECT_EQ(AutoCleanPolicy::periodFor(title), seconds) << qPrintable(title);
        order << title;
    }
    EXPECT_EQ(AutoCleanPolicy::periodTitles(), order);
    for (const char* other : {"daily", "Weekly", " Monthly", "", "3 days"})
        EXPECT_EQ(AutoCleanPolicy::periodFor(QString::fromLatin1(other)), 0u) << other;
    EXPECT_EQ(AutoCleanPolicy::periodFor(QString()), 0u);
}

TEST(AutoCleanSize, EqualOrAboveTheThresholdIsDueBelowIsNot) {
    struct Case {
        quint64 size;
        bool due;
    };
    for (const Case c : {Case{999, false}, Case{1000, true}, Case{1001, true}, Case{0, false}}) {
        PolicyRig r;
        r.conditions.storage = true;
        r.defaults->setUnsigned("TrashStorage", 1000);
        r.sizes = {c.size};
        const auto outcome = r.policy.CleanUpTimer_hander();
        EXPECT_EQ(outcome.sizeDue, c.due) << c.size;
        EXPECT_EQ(r.started, c.due ? 1 : 0) << c.size;
        EXPECT_EQ(r.defaults->hasValue("LastsCleanTrashData"), c.due) << c.size;
    }
    // A threshold above 32 bits still compares as a whole number.
    PolicyRig big;
    big.conditions.storage = true;
    big.defaults->setUnsigned("TrashStorage", 5000000001ULL);
    big.sizes = {5000000000ULL};
    EXPECT_FALSE(big.policy.CleanUpTimer_hander().sizeDue);
}

TEST(AutoCleanSize, AnAbsentThresholdReadsAsZeroAndIsDueEvenForAnEmptyTrash) {
    PolicyRig r;
    r.conditions.storage = true;
    r.defaults->setObject("TrashStorage", QVariant());
    r.sizes = {0};
    EXPECT_TRUE(r.policy.CleanUpTimer_hander().sizeDue);
    EXPECT_EQ(r.started, 1);
    EXPECT_EQ(r.defaults->stringForKey("LastsCleanTrashData"), QStringLiteral("0.00bytes"));
}

TEST(AutoCleanTime, ElapsedEqualToThePeriodIsDueAndAClockSetBackIsNot) {
    struct Case {
        const char* period;
        qint64 lastCleanAgo;  // seconds before now; negative: in the future
        bool due;
    };
    const Case cases[] = {
        {"Daily", 86400, true},
        {"Daily", 86399, false},
        {"Two Months", 5184000, true},
        {"Two Months", 5183999, false},
        {"Daily", -3600, false},         // the clock was set back: counts as 0 seconds
        {"Weekly", 0, true},             // unknown title: 0 seconds, due at every tick
        {"Weekly", -86400 * 400, true},  // … even with a date in the future
    };
    for (const Case& c : cases) {
        PolicyRig r;
        r.conditions.date = true;
        r.conditions.period = QString::fromLatin1(c.period);
        r.defaults->setDate("LastCleanDate", kNow.addSecs(-c.lastCleanAgo));
        const auto outcome = r.policy.CleanUpTimer_hander();
        EXPECT_EQ(outcome.timeDue, c.due) << c.period << ' ' << c.lastCleanAgo;
        EXPECT_EQ(r.started, c.due ? 1 : 0) << c.period << ' ' << c.lastCleanAgo;
        if (c.due) {
            EXPECT_EQ(r.defaults->dateForKey("LastCleanDate"), kNow);
        }
    }
    // An unknown title empties again at the very next tick.
    PolicyRig r;
    r.conditions.date = true;
    r.conditions.period = QStringLiteral("Fortnightly");
    r.policy.CleanUpTimer_hander();
    r.policy.CleanUpTimer_hander();
    EXPECT_EQ(r.started, 2);
}

TEST(AutoCleanTime, ConditionsSwitchedOffNeverMeasureOrClean) {
    PolicyRig r;
    r.defaults->setUnsigned("TrashStorage", 0);
    r.defaults->setDate("LastCleanDate", kNow.addYears(-1));
    const auto outcome = r.policy.CleanUpTimer_hander();
    EXPECT_FALSE(outcome.sizeDue);
    EXPECT_FALSE(outcome.timeDue);
    EXPECT_EQ(r.measured, 0);
    EXPECT_EQ(r.started, 0);
}

TEST(AutoCleanTick, BothDueWithWarningsAsksOnceWhenConfirmedTwiceWhenCancelled) {
    {
        PolicyRig r;
        r.conditions.date = r.conditions.storage = true;
        r.conditions.period = QStringLiteral("Daily");
        r.defaults->setString("BShowWarning", "YES");
        r.defaults->setDate("LastCleanDate", kNow.addDays(-2));
        r.defaults->setUnsigned("TrashStorage", 1000);
        r.sizes = {5000, 4000};
        r.alerts->setNextAnswers({Alerts::Default});
        const auto outcome = r.policy.CleanUpTimer_hander();
        EXPECT_EQ(r.alerts->asked().size(), 1);
        EXPECT_TRUE(outcome.sizeDue);
        EXPECT_FALSE(outcome.timeDue);  // the confirmed clean has just reset the date
        EXPECT_EQ(outcome.cleaned, 1);
        EXPECT_EQ(r.started, 1);
        EXPECT_EQ(r.measured, 2);  // the condition, then the record of the clean
        EXPECT_EQ(r.defaults->dateForKey("LastCleanDate"), kNow);
        EXPECT_EQ(r.defaults->stringForKey("LastsCleanTrashData"), QStringLiteral("4.00KB"));
    }
    {
        PolicyRig r;
        r.conditions.date = r.conditions.storage = true;
        r.conditions.period = QStringLiteral("Daily");
        r.defaults->setString("BShowWarning", "YES");
        const QDateTime last = kNow.addDays(-2);
        r.defaults->setDate("LastCleanDate", last);
        r.defaults->setUnsigned("TrashStorage", 1000);
        r.sizes = {5000, 7000};
        r.alerts->setNextAnswers({Alerts::Alternate, Alerts::Alternate});
        const auto outcome = r.policy.CleanUpTimer_hander();
        EXPECT_EQ(r.alerts->asked().size(), 2);
        EXPECT_TRUE(outcome.sizeDue);
        EXPECT_TRUE(outcome.timeDue);
        EXPECT_EQ(outcome.cancelled, 2);
        EXPECT_EQ(r.started, 0);
        EXPECT_TRUE(r.notes->posted().isEmpty());
        EXPECT_EQ(r.defaults->dateForKey("LastCleanDate"), last);
        // Stored before each question, from a fresh measurement each time.
        EXPECT_EQ(r.measured, 2);
        EXPECT_EQ(r.defaults->stringForKey("LastsCleanTrashData"), QStringLiteral("7.00KB"));
    }
}

TEST(AutoCleanClean, OnlyAnExactYesAsksAndTheQuestionIsTheOneUsersKnow) {
    for (const QVariant& warning : {QVariant(), QVariant("NO"), QVariant("yes"), QVariant("YES")}) {
        PolicyRig r;
        r.defaults->setObject("BShowWarning", warning);
        EXPECT_TRUE(r.policy.removeAllTrashFile());
        const bool asks = warning == QVariant("YES");
        ASSERT_EQ(r.alerts->asked().size(), asks ? 1 : 0) << qPrintable(warning.toString());
        if (asks) {
            const AlertRequest& a = r.alerts->asked().first();
            EXPECT_EQ(a.message, QStringLiteral("Are you sure you want to remove all items in the Trash ?"));
            EXPECT_EQ(a.defaultButton, QStringLiteral(" Empty Trash "));
            EXPECT_EQ(a.alternateButton, QStringLiteral(" Cancel "));
            EXPECT_TRUE(a.informativeText.isEmpty());
        }
        EXPECT_EQ(r.started, 1);
    }
}

TEST(AutoCleanClean, RecordsHoldTheSizeBeforeEmptyingAndAreOnDiskOnceItStartedAndAreShown) {
    PolicyRig r;
    r.conditions.storage = true;
    r.defaults->setDate("LastCleanDate", kNow.addDays(-40));
    r.policy.setStartEmptying([&] {
        r.sizes = {0};  // emptied
        return true;
    });
    r.defaults->setUnsigned("TrashStorage", 1000);
    r.policy.CleanUpTimer_hander();
    const Defaults fresh(r.file);  // what another process would read now
    EXPECT_EQ(fresh.dateForKey("LastCleanDate"), kNow);
    EXPECT_EQ(fresh.stringForKey("LastsCleanTrashData"), QStringLiteral("12.35MB"));
    // The display: the size before emptying and the UTC calendar date of the clean.
    ASSERT_EQ(r.shown.size(), 1);
    EXPECT_EQ(r.shown.first().first, QStringLiteral("12.35MB"));
    EXPECT_EQ(r.shown.first().second, QStringLiteral("(2026-12-06)"));

    // A clock in another zone still gives the UTC date.
    EXPECT_EQ(AutoCleanPolicy::dateText(QDateTime(QDate(2026, 12, 7), QTime(1, 0), QTimeZone(3600 * 5))),
              QStringLiteral("(2026-12-06)"));
    // No stored date: nothing is shown.
    PolicyRig none;
    none.defaults->setObject("LastCleanDate", QVariant());
    none.policy.CleanUpTimer_hander();
    EXPECT_TRUE(none.shown.isEmpty());
}

TEST(AutoCleanNotification, AnnouncedOnlyWhenAnEmptyingReallyStarts) {
    PolicyRig r;
    EXPECT_TRUE(r.policy.removeAllTrashFile());
    ASSERT_EQ(r.notes->posted().size(), 1);
    const auto& n = r.notes->posted().first();
    EXPECT_EQ(n.title, QStringLiteral("Start to empty Trash now"));
    EXPECT_EQ(n.actions, QStringList({"OK", "Later"}));
    EXPECT_EQ(n.identifier, QStringLiteral("EmptyTrashNow3"));
    EXPECT_EQ(r.notes->withdrawn(), QStringList{"EmptyTrashNow"});

    // One already running: nothing new starts, so nothing is announced.
    r.startSucceeds = false;
    EXPECT_FALSE(r.policy.removeAllTrashFile());
    EXPECT_EQ(r.notes->posted().size(), 1);
    EXPECT_EQ(DBusDesktopNotifications::actionPairs({"OK", "Later"}),
              QStringList({"ok", "OK", "later", "Later"}));
}

TEST(AutoCleanClean, NothingIsRecordedWhenNoEmptyingStarts) {
    // The user's own "Empty Trash" may be running when the check comes, or start while its question
    // waits; either way this clean starts nothing and is not one.
    struct StartingAlerts : ScriptedAlerts {
        bool* running = nullptr;
        int runModal(const AlertRequest& alert) override {
            *running = true;
            return ScriptedAlerts::runModal(alert);
        }
    };
    struct Case {
        const char* what;
        bool runningAtTheTick;
        int asked, startsTried;
    };
    for (const Case& c :
         {Case{"a pass under way", true, 0, 0}, Case{"a pass begun during the question", false, 1, 1}}) {
        PolicyRig r;
        r.conditions.date = r.conditions.storage = true;
        r.conditions.period = QStringLiteral("Daily");
        r.defaults->setString("BShowWarning", "YES");
        const QDateTime last = kNow.addDays(-3);
        r.defaults->setDate("LastCleanDate", last);
        r.defaults->setUnsigned("TrashStorage", 1000);
        ASSERT_TRUE(r.defaults->synchronize());
        bool running = c.runningAtTheTick;
        auto alerts = std::make_shared<StartingAlerts>();
        alerts->running = &running;
        AutoCleanPolicy policy(r.defaults, alerts, r.clock, r.notes);
        policy.setConditions(&r.conditions);
        policy.setTrashSizeFunction([] { return quint64(5000); });
        policy.setEmptyingRunning([&] { return running; });
        policy.setStartEmptying([&] {
            ++r.started;
            return !running;
        });

        const auto outcome = policy.CleanUpTimer_hander();
        EXPECT_EQ(alerts->asked().size(), c.asked) << c.what;
        EXPECT_EQ(r.started, c.startsTried) << c.what;
        EXPECT_EQ(outcome.cleaned, 0) << c.what;
        EXPECT_EQ(outcome.notStarted, 2) << c.what;  // both conditions stay due
        EXPECT_TRUE(r.notes->posted().isEmpty()) << c.what;
        EXPECT_EQ(r.defaults->dateForKey("LastCleanDate"), last) << c.what;
        EXPECT_EQ(Defaults(r.file).dateForKey("LastCleanDate"), last) << c.what;
        if (c.runningAtTheTick) {
            EXPECT_FALSE(r.defaults->hasValue("LastsCleanTrashData")) << c.what;  // not even before asking
        }
    }
}

TEST(AutoCleanTick, ATickWhileTheQuestionIsOpenAsksNothingMore) {
    PolicyRig r;
    r.conditions.date = true;
    r.conditions.period = QStringLiteral("Daily");
    r.defaults->setString("BShowWarning", "YES");
    r.defaults->setDate("LastCleanDate", kNow.addDays(-2));
    // The question's modal loop delivers the next timer tick before the user answers.
    struct TickingAlerts : ScriptedAlerts {
        std::function<void()> tick;
        int runModal(const AlertRequest& alert) override {
            if (auto t = std::exchange(tick, nullptr)) t();
            return ScriptedAlerts::runModal(alert);
        }
    };
    auto alerts = std::make_shared<TickingAlerts>();
    AutoCleanPolicy policy(r.defaults, alerts, r.clock, r.notes);
    policy.setConditions(&r.conditions);
    policy.setTrashSizeFunction([] { return quint64(5000); });
    policy.setStartEmptying([&] {
        ++r.started;
        return true;
    });
    AutoCleanPolicy::Outcome nested;
    alerts->tick = [&] { nested = policy.CleanUpTimer_hander(); };
    const auto outcome = policy.CleanUpTimer_hander();
    EXPECT_EQ(alerts->asked().size(), 1);
    EXPECT_TRUE(nested.skipped);
    EXPECT_FALSE(nested.timeDue);
    EXPECT_EQ(outcome.cleaned, 1);
    EXPECT_EQ(r.started, 1);
    // The next tick after the answer checks as usual.
    EXPECT_FALSE(policy.CleanUpTimer_hander().skipped);
}

TEST(StoredAutoCleanConditions, ReadTheKeysAsThePanelShowsThemAfterLoading) {
    struct Case {
        QVariant time, storage, period;
        bool dateOn, storageOn;
        const char* frequency;
    };
    const Case cases[] = {
        {{}, {}, {}, true, false, "Monthly"},
        {"NO", "YES", "Two Weeks", false, true, "Two Weeks"},
        {"no", "yes", "Weekly", true, false, "Monthly"},  // only the exact texts count
        {"YES", "NO", "3 Days", true, false, "3 Days"},
    };
    for (const Case& c : cases) {
        TempRoot root;
        auto d = std::make_shared<Defaults>(root.file("Corvane.conf"));
        if (c.time.isValid()) d->setObject("AutoTrashTime", c.time);
        if (c.storage.isValid()) d->setObject("BAutoTrashStorage", c.storage);
        if (c.period.isValid()) d->setObject("CleanTimeF", c.period);
        const StoredAutoCleanConditions s(d);
        EXPECT_EQ(s.BCheckDate(), c.dateOn);
        EXPECT_EQ(s.BCheckStorage(), c.storageOn);
        EXPECT_EQ(s.getTimeFrequency(), QString::fromLatin1(c.frequency));
    }
}

}  // namespace
