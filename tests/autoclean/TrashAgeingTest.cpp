// Which Trash items the ageing rules pick, and what removing them does on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QSet>

#include "autoclean/AgeingRules.h"
#include "autoclean/AutoCleanTimer.h"
#include "autoclean/TrashAgeing.h"
#include "platform/Defaults.h"
#include "platform/FreedesktopPaths.h"
#include "platform/Tasks.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashStore.h"

namespace {

const QDateTime kNow(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
const QString kHome = QStringLiteral("/home/me/.local/share/Trash/files");
const QString kUsb = QStringLiteral("/media/me/USB");
const QString kSameDisk = QStringLiteral("/srv/bind");

struct Item {
    const char* name;
    double daysAgo;  ///< negative: no date recorded
    quint64 bytes;
    QString volume = QString();
};

QList<CVTrashFileNode::Ptr> makeItems(const QList<Item>& items) {
    QList<CVTrashFileNode::Ptr> nodes;
    for (const Item& i : items) {
        auto node = CVTrashFileNode::create();
        node->theFileName = QString::fromUtf8(i.name);
        node->theVolume = i.volume;
        node->theTrashPath =
            (i.volume.isEmpty() ? kHome : i.volume + "/.Trash-1000/files") + '/' + node->theFileName;
        node->filesize = i.bytes;
        if (i.daysAgo >= 0) node->deletionDate = kNow.addSecs(-qint64(i.daysAgo * 86400));
        nodes << node;
    }
    return nodes;
}

/// An ageing with a disk of `size` bytes, `free` of them free; the home Trash and kSameDisk on one
/// device, kUsb on another; items whose name starts with "keep" protected.
struct Ageing {
    QStringList protectedAsked;
    int passesBegun = 0;
    int passesEnded = 0;
    TrashAgeing ageing;
    explicit Ageing(quint64 size = 1000, quint64 free = 500, bool diskKnown = true)
        : ageing(EmptyProtection([] { return true; },
                                 [this](const QString& path) {
                                     protectedAsked << path;
                                     return path.section('/', -1).startsWith("keep");
                                 },
                                 [this] { ++passesBegun; }, [this] { ++passesEnded; }),
                 kHome) {
        ageing.setDiskFunction([=](const QString& folder) -> std::optional<TrashAgeing::Disk> {
            EXPECT_EQ(folder, kHome);
            if (!diskKnown) return std::nullopt;
            return TrashAgeing::Disk{size, free};
        });
        ageing.setDeviceFunction([](const QString& path) -> std::optional<quint64> {
            if (path == kUsb) return 2;
            if (path == kHome || path == kSameDisk) return 1;
            return std::nullopt;
        });
    }
    QStringList picked(const QList<CVTrashFileNode::Ptr>& items, const AgeingRules& rules) {
        QStringList names;
        for (const auto& pick : ageing.plan(items, rules, kNow).picks)
            names << pick.item->theFileName + ':' + TrashAgeing::reasonWord(pick.reason);
        return names;
    }
};

AgeingRules olderThan(int days) {
    AgeingRules r;
    r.olderThanDays = {true, days};
    return r;
}
AgeingRules share(int percent) {
    AgeingRules r;
    r.maxSharePercent = {true, percent};
    return r;
}
AgeingRules keepFree(int gb) {
    AgeingRules r;
    r.keepFreeGB = {true, gb};
    return r;
}

TEST(TrashAgeing, TheAgeRulePicksOnlyDatedUnprotectedItemsOlderThanTheLimitInEveryTrash) {
    const QList<Item> items = {
        {"fresh", 29.9, 1},       {"just-over", 30.01, 1}, {"exactly", 30, 1},
        {"old", 400, 1},          {"undated", -1, 1},      {"keep-old", 90, 1},
        {"usb-old", 45, 1, kUsb}, {"usb-new", 3, 1, kUsb}, {"now", 0, 1},
    };
    struct Case {
        int days;
        QStringList expected;  // oldest first
    };
    const Case cases[] = {
        {30, {"old:age", "usb-old:age", "just-over:age"}},  // 30 days exactly is not "more than"
        {1, {"old:age", "usb-old:age", "just-over:age", "exactly:age", "fresh:age", "usb-new:age"}},
        {365, {"old:age"}},
        {500, {}},
    };
    for (const Case& c : cases) {
        Ageing a;
        EXPECT_EQ(a.picked(makeItems(items), olderThan(c.days)), c.expected) << c.days;
        // The protection is asked about what a rule reaches, and only once per item.
        EXPECT_EQ(a.protectedAsked.count(kHome + "/old"), c.days <= 400 ? 1 : 0);
        EXPECT_FALSE(a.protectedAsked.contains(kHome + "/undated"));
        EXPECT_EQ(a.passesBegun, 1);
    }
}

TEST(TrashAgeing, ShareAndFloorRemoveTheOldestDeletionsOnTheHomeDiskUntilTheyHold) {
    // Disk of 1000 bytes with 500 free; the Trash holds 400 bytes on that disk.
    const QList<Item> items = {
        {"d", 1, 100}, {"a", 40, 50},          {"keep-b", 30, 100},         {"c", 20, 100},
        {"e", -1, 50}, {"usb", 50, 900, kUsb}, {"bound", 35, 0, kSameDisk},
    };
    struct Case {
        const char* what;
        AgeingRules rules;
        QStringList expected;
    };
    AgeingRules both = share(20);  // limit 200: down from 400
    both.keepFreeGB = {true, 1};   // 1 GB never reached: everything it may take
    AgeingRules ageThenShare = olderThan(25);
    ageThenShare.maxSharePercent = {true, 25};  // 250: age frees "a" (50), share goes on to "c"
    const Case cases[] = {
        {"under the limit already", share(40), {}},
        {"exactly at the limit", share(35), {"a:share"}},  // 400-50=350 <= 350
        {"share of 20%", share(20), {"a:share", "bound:share", "c:share", "d:share"}},
        {"share of 1%: protected, undated and other-disk items stay",
         share(1),
         {"a:share", "bound:share", "c:share", "d:share"}},
        {"age first, share after", ageThenShare, {"usb:age", "a:age", "bound:age", "keep-b", "c:share"}},
        {"both", both, {"a:share", "bound:share", "c:share", "d:share"}},
    };
    for (const Case& c : cases) {
        Ageing a;
        QStringList expected = c.expected;
        expected.removeAll("keep-b");
        EXPECT_EQ(a.picked(makeItems(items), c.rules), expected) << c.what;
        // Another disk's items free nothing here: only the age rule reaches them.
        EXPECT_EQ(a.protectedAsked.contains(kUsb + "/.Trash-1000/files/usb"), c.rules.olderThanDays.on)
            << c.what;
    }
    // The floor counts what the removals free: 500 free, floor 600 wants 100 more.
    struct Floor {
        quint64 free;
        QStringList expected;
    };
    const Floor floors[] = {
        {AgeingRules::BytesPerGB, {}},
        {AgeingRules::BytesPerGB - 50, {"a:free space"}},
        {AgeingRules::BytesPerGB - 51, {"a:free space", "bound:free space", "c:free space"}},
    };
    for (const Floor& f : floors) {
        Ageing a(2 * AgeingRules::BytesPerGB, f.free);
        EXPECT_EQ(a.picked(makeItems(items), keepFree(1)), f.expected) << f.free;
    }
}

TEST(TrashAgeing, ADiskThatCannotBeMeasuredAppliesOnlyTheAgeRuleAndSaysSo) {
    Ageing a(1000, 0, false);
    AgeingRules rules = olderThan(10);
    rules.keepFreeGB = {true, 5};
    const auto plan = a.ageing.plan(makeItems({{"old", 20, 10}, {"new", 2, 10}}), rules, kNow);
    ASSERT_EQ(plan.picks.size(), 1);
    EXPECT_EQ(plan.picks[0].item->theFileName, "old");
    EXPECT_EQ(plan.notes.size(), 1);
    // A floor no removal can reach takes what it may and says so.
    Ageing full(1000, 0);
    const auto short_ = full.ageing.plan(makeItems({{"a", 20, 10}}), keepFree(1), kNow);
    EXPECT_EQ(short_.picks.size(), 1);
    EXPECT_EQ(short_.notes.size(), 1);
}

TEST(TrashAgeing, RunRemovesPicksWithTheirRecordsReportsWhatResistedAndADryRunTouchesNothing) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    const auto paths = sandbox.linuxPaths();
    const QString trash = paths->userTrashFolder();
    const QString home = paths->userHome();
    const QString old = sandbox.trashItem(trash, "old.txt", home + "/old.txt", "x", false, kNow.addDays(-40));
    const QString oldFolder =
        sandbox.trashItem(trash, "Old folder", home + "/Old folder", "x", true, kNow.addDays(-50));
    const QString young =
        sandbox.trashItem(trash, "young.txt", home + "/young.txt", "x", false, kNow.addDays(-2));

    auto nodeFor = [&](const QString& path, int daysAgo) {
        auto node = CVTrashFileNode::create();
        node->theTrashPath = path;
        node->theFileName = path.section('/', -1);
        node->deletionDate = kNow.addDays(-daysAgo);
        return node;
    };
    // One pick outside every Trash: it resists (nothing is reported removed unchecked).
    const QList<CVTrashFileNode::Ptr> items = {nodeFor(old, 40), nodeFor(oldFolder, 50), nodeFor(young, 2),
                                               nodeFor(root.file("elsewhere/outside"), 60)};
    const TrashItemActions actions(nullptr, TrashStore::forPaths(paths));
    int ended = 0;
    TrashAgeing ageing(EmptyProtection([] { return false; }, {}, {}, [&] { ++ended; }), paths->userTrash());

    const auto plan = ageing.plan(items, olderThan(30), kNow);
    ASSERT_EQ(plan.picks.size(), 3);
    const QStringList before = sortedEntries(trash + "/files") + sortedEntries(trash + "/info");
    QStringList dryLines;
    const auto dry = ageing.run(plan, actions, true, [&](const TrashAgeing::Pick& p, bool gone) {
        dryLines << p.item->theFileName + (gone ? " gone" : " kept");
    });
    EXPECT_EQ(dry.removed.size(), 3);
    EXPECT_EQ(sortedEntries(trash + "/files") + sortedEntries(trash + "/info"), before);
    EXPECT_EQ(ended, 1);

    QStringList lines;
    const auto outcome = ageing.run(plan, actions, false, [&](const TrashAgeing::Pick& p, bool gone) {
        lines << p.item->theFileName + (gone ? " gone" : " kept");
    });
    EXPECT_EQ(lines, (QStringList{"outside kept", "Old folder gone", "old.txt gone"}));
    EXPECT_EQ(dryLines, (QStringList{"outside gone", "Old folder gone", "old.txt gone"}));
    EXPECT_EQ(outcome.removed.size(), 2);
    ASSERT_EQ(outcome.resisted.size(), 1);
    EXPECT_EQ(sortedEntries(trash + "/files"), QStringList{"young.txt"});
    EXPECT_EQ(sortedEntries(trash + "/info"), QStringList{"young.txt.trashinfo"});
    EXPECT_EQ(ended, 2);
}

TEST(TrashAgeing, TheRealDiskAndDeviceAreReadFromTheOpenedFolder) {
    TempRoot root;
    const auto disk = TrashAgeing::diskOf(root.path());
    ASSERT_TRUE(disk.has_value());
    EXPECT_GT(disk->size, 0u);
    EXPECT_LE(disk->free, disk->size);
    EXPECT_EQ(TrashAgeing::deviceOf(root.path()), TrashAgeing::deviceOf(root.path()));
    EXPECT_FALSE(TrashAgeing::diskOf(root.file("missing")).has_value());
    QFile::link(root.path(), root.file("link"));
    EXPECT_FALSE(TrashAgeing::deviceOf(root.file("link")).has_value());  // never through a link
}

TEST(AgeingRules, SettingsParseStoreAndReadBackWithBadValuesReadingAsDefaults) {
    struct Parse {
        const char* text;
        bool accepted;
        AgeingRules::Rule after;
    };
    const Parse parses[] = {
        {"off", true, {false, 7}}, {"30", true, {true, 30}},  {"1", true, {true, 1}},
        {"0", false, {true, 7}},   {"101", false, {true, 7}}, {"-5", false, {true, 7}},
        {"+5", false, {true, 7}},  {" 5", false, {true, 7}},  {"5d", false, {true, 7}},
        {"", false, {true, 7}},    {"OFF", false, {true, 7}}, {"99999999999", false, {true, 7}},
    };
    for (const Parse& p : parses) {
        AgeingRules::Rule rule{true, 7};
        EXPECT_EQ(AgeingRules::parseSetting(p.text, 1, 100, &rule), p.accepted) << p.text;
        EXPECT_EQ(rule, p.after) << p.text;
    }

    TempRoot root;
    Defaults d(root.file("c.conf"));
    EXPECT_EQ(AgeingRules::stored(d), AgeingRules());  // nothing stored: all off, defaults
    AgeingRules rules;
    rules.olderThanDays = {true, 14};
    rules.maxSharePercent = {false, 25};
    rules.keepFreeGB = {true, 20};
    rules.store(d);
    ASSERT_TRUE(d.synchronize());
    EXPECT_EQ(AgeingRules::stored(Defaults(root.file("c.conf"))), rules);
    EXPECT_TRUE(rules.any());

    // Hand-edited: a lower-case yes is off; numbers out of range read as the defaults.
    d.setString("BAutoTrashAge", "yes");
    d.setString("AutoTrashAgeDays", "-3");
    d.setString("BAutoTrashShare", "YES");
    d.setString("AutoTrashSharePercent", "250");
    d.setString("AutoTrashKeepFreeGB", "many");
    const AgeingRules edited = AgeingRules::stored(d);
    EXPECT_EQ(edited.olderThanDays, (AgeingRules::Rule{false, AgeingRules::DefaultDays}));
    EXPECT_EQ(edited.maxSharePercent, (AgeingRules::Rule{true, AgeingRules::DefaultShare}));
    EXPECT_EQ(edited.keepFreeGB, (AgeingRules::Rule{true, AgeingRules::DefaultFreeGB}));
}

/// systemctl as a script would answer it: each call recorded, the answer chosen per verb.
class FakeSystemctl : public Tasks {
  public:
    QStringList failing;  ///< verbs that fail ("enable", "daemon-reload")
    bool missing = false;
    QList<QStringList> calls;
    using Tasks::run;
    TaskResult run(const QString& program, const QStringList& arguments, std::chrono::milliseconds) override {
        calls << (QStringList{program} + arguments);
        TaskResult r;
        if (missing) return r;
        r.started = true;
        r.exitCode = failing.contains(arguments.value(1)) ? 1 : 0;
        return r;
    }
};

TEST(AutoCleanTimer, InstallWritesBothUnitsEnablesThemAndRemoveUndoesIt) {
    struct Case {
        const char* what;
        bool missing;
        QStringList failing;
        bool ok;
        bool removeOk;
    };
    const Case cases[] = {
        {"systemctl agrees", false, {}, true, true},
        {"no systemctl", true, {}, false, false},
        {"enable fails", false, {"enable"}, false, true},
        {"disable fails", false, {"disable"}, true, false},
    };
    for (const Case& c : cases) {
        TempRoot root;
        auto tasks = std::make_shared<FakeSystemctl>();
        tasks->missing = c.missing;
        tasks->failing = c.failing;
        AutoCleanTimer timer(root.file("config/systemd/user"), tasks);
        EXPECT_FALSE(timer.isInstalled());
        const QString program = root.file("bin/corvane cli$%\"x");
        const auto installed = timer.install(program);
        EXPECT_EQ(installed.ok, c.ok) << c.what;
        EXPECT_TRUE(installed.files) << c.what;
        EXPECT_TRUE(timer.isInstalled()) << c.what;
        EXPECT_EQ(installed.message.contains("systemctl --user enable --now corvane-autoclean.timer"), !c.ok)
            << c.what;
        for (const QString& unit : {timer.servicePath(), timer.timerPath()}) {
            struct stat st;
            ASSERT_EQ(::stat(QFile::encodeName(unit).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0644u) << qPrintable(unit);
        }
        QFile service(timer.servicePath());
        ASSERT_TRUE(service.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(service.readAll())
                        .contains("\nExecStart=\"" + root.file("bin/corvane cli$$%%\\\"x") +
                                  "\" --yes autoclean check\n"));
        QFile timerFile(timer.timerPath());
        ASSERT_TRUE(timerFile.open(QIODevice::ReadOnly));
        const QByteArray timerText = timerFile.readAll();
        EXPECT_TRUE(timerText.contains("\nOnCalendar=daily\n") && timerText.contains("\nPersistent=true\n"));
        if (!c.missing) {
            EXPECT_EQ(tasks->calls.first(), (QStringList{"systemctl", "--user", "daemon-reload"}));
            EXPECT_EQ(tasks->calls.value(1),
                      (QStringList{"systemctl", "--user", "enable", "--now", "corvane-autoclean.timer"}));
        }

        tasks->calls.clear();
        const auto removed = timer.remove();
        EXPECT_TRUE(removed.files);
        EXPECT_EQ(removed.ok, c.removeOk) << c.what;
        EXPECT_FALSE(timer.isInstalled());
        EXPECT_FALSE(QFile::exists(timer.servicePath()));
        EXPECT_EQ(tasks->calls.first(),
                  (QStringList{"systemctl", "--user", "disable", "--now", "corvane-autoclean.timer"}));
        EXPECT_TRUE(timer.remove().ok);  // nothing left to remove is no failure
    }
    // A path that would end the ExecStart line is refused, nothing written.
    TempRoot root;
    AutoCleanTimer timer(root.file("units"), std::make_shared<FakeSystemctl>());
    EXPECT_FALSE(timer.install(root.file("a\nExecStartPre=/bin/evil")).files);
    EXPECT_FALSE(timer.install("relative/corvane-cli").files);
    EXPECT_FALSE(QFile::exists(timer.servicePath()));
}

}  // namespace
