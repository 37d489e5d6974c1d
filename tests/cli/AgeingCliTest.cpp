// corvane-cli ageing the Trash out: the --older-than emptying, the dry runs, the rules' settings and
// the daily timer, on a freedesktop sandbox with a home Trash and a USB volume's Trash.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include "platform/Defaults.h"
#include "platform/FreedesktopPaths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

struct Cli {
    int status;
    QString out;
    QString err;
};

struct AgeingSandbox {
    TempRoot root;
    SandboxBuilder sandbox{root.path()};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    QString home = paths->userHome();
    QString trash = paths->userTrashFolder();
    QString usbTrash;
    QString settings = root.file("config/Corvane/Corvane.conf");
    QString unitFolder = home + "/.config/systemd/user";

    AgeingSandbox() {
        const QDateTime now = QDateTime::currentDateTime();
        // Records name places as the layout has them, without the sandbox's root.
        auto item = [&](const QString& t, const QString& name, int daysAgo, const QString& place) {
            sandbox.trashItem(t, name, unrooted(place), "content", false, now.addDays(-daysAgo));
        };
        item(trash, "ancient.txt", 400, home + "/ancient.txt");
        item(trash, "month.txt", 40, home + "/Documents/month.txt");
        item(trash, "week.txt", 7, home + "/week.txt");
        item(trash, "keep.psd", 100, home + "/keep.psd");
        sandbox.trashItem(trash, "Old folder", unrooted(home + "/Old folder"), "inside", true,
                          now.addDays(-90));
        sandbox.writeFile(trash + "/files/no record.txt", "no date");  // never aged out
        const QString usb = "/media/" + paths->loginName() + "/USB";
        sandbox.writeMountTable({usb});
        usbTrash = root.path() + usb + "/.Trash-" + QString::number(paths->uid());
        item(usbTrash, "usb-old.txt", 60, "talks/usb-old.txt");
        item(usbTrash, "usb-new.txt", 1, "talks/usb-new.txt");
        Defaults d(settings);
        d.setStringArray("FileFormatData", {"psd"});
        d.synchronize();
    }

    QString unrooted(const QString& path) const {
        return path.startsWith(root.path() + "/") ? path.mid(root.path().size()) : path;
    }

    void store(const QList<QPair<QString, QVariant>>& values) const {
        Defaults d(settings);
        for (const auto& [key, value] : values) d.setObject(key, value);
        d.synchronize();
    }

    Cli run(const QStringList& args, const QString& path = QString(), const QByteArray& input = {}) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("CORVANE_LAYOUT");
        env.insert("CORVANE_ROOT", root.path());
        env.insert("XDG_CONFIG_HOME", root.file("config"));
        env.insert("HOME", home);
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root.file("no-bus"));
        env.insert("FAKE_LOG", root.file("systemctl.log"));
        if (!path.isNull()) env.insert("PATH", path);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVANE_CLI_PATH), args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    /// Every file and folder under the root with its size and modification time: what a dry run
    /// must leave exactly as it was.
    QStringList tree() const {
        QStringList entries;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            entries << QStringLiteral("%1 %2 %3")
                           .arg(info.filePath())
                           .arg(info.isDir() ? 0 : info.size())
                           .arg(info.lastModified().toMSecsSinceEpoch());
        }
        entries.sort();
        return entries;
    }

    /// The items and records of both Trash folders.
    QStringList items() const {
        QStringList all;
        for (const QString& t : {trash, usbTrash})
            for (const char* part : {"/files", "/info"})
                for (const QString& name : sortedEntries(t + part)) all << t + part + '/' + name;
        return all;
    }

    QString removedLine(const QString& trashFolder, const QString& name, const QString& place) const {
        return "removed\t" + trashFolder + "/files/" + name + "\t" + place;
    }
};

/// Lists compared as text, so a failure shows them readably.
std::string text(const QStringList& list) {
    return list.join('\n').toStdString();
}

QStringList lines(const QString& out) {
    return out.split('\n', Qt::SkipEmptyParts);
}

TEST(AgeingCli, OlderThanRemovesAgedItemsOfEveryTrashWithTheirRecordsAndKeepsProtectedAndUndatedOnes) {
    AgeingSandbox s;
    const QStringList before = s.tree();
    const Cli dry = s.run({"trash", "empty", "--older-than", "30", "--dry-run"});
    ASSERT_EQ(dry.status, 0) << qPrintable(dry.err);
    EXPECT_EQ(text(s.tree()), text(before));

    const Cli real = s.run({"--yes", "trash", "empty", "--older-than=30"});
    ASSERT_EQ(real.status, 0) << qPrintable(real.err);
    EXPECT_EQ(real.out, dry.out);
    const QString usbPlace = s.root.path() + "/media/" + s.paths->loginName() + "/USB/talks/usb-old.txt";
    EXPECT_EQ(text(lines(real.out)),
              text(QStringList{s.removedLine(s.trash, "ancient.txt", s.home + "/ancient.txt"),
                               s.removedLine(s.trash, "Old folder", s.home + "/Old folder"),
                               s.removedLine(s.usbTrash, "usb-old.txt", usbPlace),
                               s.removedLine(s.trash, "month.txt", s.home + "/Documents/month.txt"),
                               "protected\t" + s.trash + "/files/keep.psd\t" + s.home + "/keep.psd"}));
    EXPECT_EQ(sortedEntries(s.trash + "/files"), (QStringList{"keep.psd", "no record.txt", "week.txt"}));
    EXPECT_EQ(sortedEntries(s.trash + "/info"), (QStringList{"keep.psd.trashinfo", "week.txt.trashinfo"}));
    EXPECT_EQ(sortedEntries(s.usbTrash + "/files"), QStringList{"usb-new.txt"});
    EXPECT_EQ(sortedEntries(s.usbTrash + "/info"), QStringList{"usb-new.txt.trashinfo"});

    // Nothing old enough is left: no lines but the protected one, success.
    const Cli again = s.run({"--yes", "trash", "empty", "--older-than", "30"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(lines(again.out).size(), 1) << qPrintable(again.out);
}

TEST(AgeingCli, OlderThanAsksFirstAndRefusesBadArgumentsWithoutTouchingTheTrash) {
    AgeingSandbox s;
    // The question comes after a real listing, which may refresh the folder-size cache.
    const QStringList before = s.items();
    const Cli declined = s.run({"trash", "empty", "--older-than", "30"}, QString(), "no\n");
    EXPECT_EQ(declined.status, 1);
    EXPECT_TRUE(declined.err.contains("Remove 4 items from the Trash for good?")) << qPrintable(declined.err);
    EXPECT_FALSE(declined.out.contains("removed\t"));
    struct Case {
        QStringList args;
        const char* said;
    };
    const Case cases[] = {
        {{"trash", "empty", "--older-than"}, "needs a value"},
        {{"trash", "empty", "--older-than", "thirty"}, "number of days"},
        {{"trash", "empty", "--older-than=-3"}, "number of days"},
        {{"trash", "empty", "--older-than", "30days"}, "number of days"},
        {{"trash", "empty", "--older-than", "off"}, "number of days"},
        {{"trash", "empty", "--older-than", "30", "extra"}, "no option \"extra\""},
        {{"trash", "empty", "--soon"}, "no option \"--soon\""},
        {{"trash", "empty", "stray"}, "no option \"stray\""},
    };
    for (const Case& c : cases) {
        const Cli r = s.run(QStringList{"--yes"} + c.args);
        EXPECT_EQ(r.status, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(r.err.contains(c.said)) << qPrintable(r.err);
    }
    EXPECT_EQ(text(s.items()), text(before));
}

TEST(AgeingCli, TheForcedEmptyingsDryRunPrintsTheLinesOfTheListedRunAndChangesNothing) {
    AgeingSandbox s;
    const QStringList before = s.tree();
    const Cli dry = s.run({"trash", "empty", "--dry-run"});
    ASSERT_EQ(dry.status, 0) << qPrintable(dry.err);
    EXPECT_EQ(text(s.tree()), text(before));
    const Cli real = s.run({"--yes", "trash", "empty", "--list"});
    ASSERT_EQ(real.status, 0) << qPrintable(real.err);
    EXPECT_EQ(real.out, dry.out);
    const QStringList out = lines(real.out);
    EXPECT_EQ(out.size(), 8) << qPrintable(real.out);
    EXPECT_EQ(real.out.toStdString(), dry.out.toStdString());  // 7 removed, 1 protected
    EXPECT_TRUE(out.contains(s.removedLine(s.trash, "no record.txt", "--")));
    EXPECT_TRUE(out.contains(s.removedLine(s.trash, "week.txt", s.home + "/week.txt")));
    EXPECT_EQ(out.last(), "protected\t" + s.trash + "/files/keep.psd\t" + s.home + "/keep.psd");
    EXPECT_EQ(sortedEntries(s.trash + "/files"), QStringList{"keep.psd"});
    EXPECT_TRUE(sortedEntries(s.usbTrash + "/files").isEmpty());
}

TEST(AgeingCli, AutocleanStoresTheRulesShowsThemAndItsCheckAppliesThemAfterTheOtherConditions) {
    AgeingSandbox s;
    s.store({{"AutoTrashTime", "NO"}, {"BAutoTrashStorage", "NO"}, {"BShowWarning", "YES"}});
    EXPECT_EQ(s.run({"autoclean", "set", "--older-than", "30", "--keep-free=20"}).status, 0);
    EXPECT_EQ(s.run({"autoclean", "set", "--keep-free", "off"}).status, 0);  // off keeps the number
    const Cli status = s.run({"autoclean", "status"});
    EXPECT_TRUE(status.out.contains("older than:       30 days\n")) << qPrintable(status.out);
    EXPECT_TRUE(status.out.contains("max share:        off\n"));
    EXPECT_TRUE(status.out.contains("keep free:        off\n"));
    EXPECT_TRUE(status.out.contains("daily timer:      not installed\n"));
    EXPECT_EQ(Defaults(s.settings).stringForKey("AutoTrashKeepFreeGB"), "20");

    struct Bad {
        QStringList args;
        const char* said;
    };
    const Bad bad[] = {
        {{"autoclean", "set"}, "usage"},
        {{"autoclean", "set", "--max-share", "0"}, "a percentage from 1 to 100"},
        {{"autoclean", "set", "--max-share", "101"}, "a percentage from 1 to 100"},
        {{"autoclean", "set", "--older-than", "-1"}, "a number of days from 1 to 36500"},
        {{"autoclean", "set", "--keep-free", "1.5"}, "a number of GB"},
        {{"autoclean", "set", "--older", "3"}, "no option"},
        {{"autoclean", "check", "--dry"}, "usage"},
    };
    for (const Bad& b : bad) {
        const Cli r = s.run(b.args);
        EXPECT_EQ(r.status, 2) << qPrintable(b.args.join(' '));
        EXPECT_TRUE(r.err.contains(b.said)) << qPrintable(r.err);
    }
    EXPECT_EQ(s.run({"autoclean", "status"}).out, status.out);  // nothing stored by a refusal

    // The dry check prints what the check does and writes nothing, settings included; the check
    // removes without asking: the rules were set by the owner of the settings.
    const QStringList before = s.tree();
    const Cli dry = s.run({"autoclean", "check", "--dry-run"});
    ASSERT_EQ(dry.status, 0) << qPrintable(dry.err);
    EXPECT_EQ(text(s.tree()), text(before));
    const Cli real = s.run({"autoclean", "check"});
    ASSERT_EQ(real.status, 0) << qPrintable(real.err);
    EXPECT_EQ(real.out, dry.out);
    EXPECT_TRUE(real.out.startsWith("size condition: off\ntime condition: off\n")) << qPrintable(real.out);
    EXPECT_TRUE(real.out.contains(s.removedLine(s.trash, "month.txt", s.home + "/Documents/month.txt")))
        << qPrintable(real.out);
    EXPECT_TRUE(real.out.endsWith("aged out 4 items\n"));
    EXPECT_EQ(sortedEntries(s.trash + "/files"), (QStringList{"keep.psd", "no record.txt", "week.txt"}));
    EXPECT_TRUE(s.run({"autoclean", "check"}).out.endsWith("nothing to do\n"));
}

TEST(AgeingCli, AutocleanCheckDryRunMatchesAWholeEmptyingWhenTheSizeIsDue) {
    AgeingSandbox s;
    s.store({{"AutoTrashTime", "NO"},
             {"BAutoTrashStorage", "YES"},
             {"TrashStorage", QVariant::fromValue<quint64>(1)},
             {"BShowWarning", "NO"},
             {"BAutoTrashAge", "YES"},
             {"LastCleanDate", QDateTime::currentDateTimeUtc()}});
    const QStringList before = s.tree();
    const Cli dry = s.run({"autoclean", "check", "--dry-run"});
    EXPECT_EQ(text(s.tree()), text(before));
    const Cli real = s.run({"autoclean", "check"});
    ASSERT_EQ(real.status, 0) << qPrintable(real.err);
    EXPECT_EQ(real.out, dry.out);
    EXPECT_TRUE(real.out.contains(s.removedLine(s.trash, "week.txt", s.home + "/week.txt")));
    EXPECT_TRUE(real.out.contains("\nemptied the Trash (")) << qPrintable(real.out);
    EXPECT_EQ(sortedEntries(s.trash + "/files"), QStringList{"keep.psd"});
}

TEST(AgeingCli, TimerIsWrittenEnabledAndRemovedThroughTheSystemctlOnThePath) {
    struct Case {
        const char* what;
        int exitCode;  ///< of the fake systemctl; -1: none on the path
        int status;
    };
    const Case cases[] = {{"systemctl agrees", 0, 0}, {"systemctl fails", 1, 1}, {"no systemctl", -1, 1}};
    for (const Case& c : cases) {
        AgeingSandbox s;
        const QString bin = s.root.file("bin");
        QDir().mkpath(bin);
        if (c.exitCode >= 0) {
            s.sandbox.writeFile(bin + "/systemctl",
                                QStringLiteral("#!/bin/sh\necho \"$*\" >> \"$FAKE_LOG\"\nexit %1\n")
                                    .arg(c.exitCode)
                                    .toUtf8());
            QFile::setPermissions(bin + "/systemctl", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const Cli installed = s.run({"autoclean", "install-timer"}, bin);
        EXPECT_EQ(installed.status, c.status) << c.what << qPrintable(installed.err);
        EXPECT_EQ(installed.err.contains("systemctl --user enable --now corvane-autoclean.timer"),
                  c.status != 0)
            << c.what;
        QFile service(s.unitFolder + "/corvane-autoclean.service");
        ASSERT_TRUE(service.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_TRUE(
            service.readAll().contains("\nExecStart=\"" CORVANE_CLI_PATH "\" --yes autoclean check\n"));
        EXPECT_TRUE(QFile::exists(s.unitFolder + "/corvane-autoclean.timer"));
        EXPECT_TRUE(s.run({"autoclean", "status"}, bin).out.contains("daily timer:      installed\n"));

        const Cli removed = s.run({"autoclean", "remove-timer"}, bin);
        EXPECT_EQ(removed.status, c.status) << c.what;
        EXPECT_FALSE(QFile::exists(s.unitFolder + "/corvane-autoclean.service"));
        EXPECT_FALSE(QFile::exists(s.unitFolder + "/corvane-autoclean.timer"));
        QFile log(s.root.file("systemctl.log"));
        if (c.exitCode < 0) {
            EXPECT_FALSE(log.exists());
            continue;
        }
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QByteArray calls = log.readAll();
        EXPECT_EQ(calls,
                  c.exitCode == 0
                      ? QByteArray("--user daemon-reload\n--user enable --now corvane-autoclean.timer\n"
                                   "--user disable --now corvane-autoclean.timer\n--user daemon-reload\n")
                      : QByteArray("--user daemon-reload\n--user disable --now corvane-autoclean.timer\n"
                                   "--user daemon-reload\n"))
            << c.what;
    }
}

}  // namespace
