// Putting items into the Trash, putting them back on the user's terms, and taking either back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/fs/OpenFolder.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "support/ImmutableFile.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestMount.h"
#include "trash/TrashInfo.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashJournal.h"
#include "trash/TrashPut.h"
#include "trash/TrashStore.h"

namespace {

const QDateTime Noon(QDate(2026, 12, 1), QTime(12, 0, 5));

struct PutFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), "me"};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    QString home = paths->userHome();
    QString trash = paths->userTrashFolder();
    TrashPut put{paths, [] { return Noon; }};

    QString file(const QString& relative, const QByteArray& content = "x") const {
        return sandbox.writeFile(home + "/" + relative, content);
    }
    QByteArray record(const QString& name) const {
        return OpenFolder::open(trash + "/info")
            .readFile(FsName::toBytes(name) + ".trashinfo", 4096)
            .value_or("");
    }
    TrashItemActions actions() const {
        return TrashItemActions(std::make_shared<SystemCommands>(std::make_shared<Tasks>()),
                                TrashStore::forPaths(paths));
    }
    static bool exists(const QString& path) {
        struct stat st;
        return ::lstat(FsName::toBytes(path).constData(), &st) == 0;
    }
};

TEST(TrashPut, TakesItemsAsOtherDesktopProgramsDoAndRefusesWhatNoTrashMayTake) {
    PutFixture f;
    f.file("docs/a.txt");
    f.file("other/a.txt");
    f.file("docs/dir/inside.txt", QByteArray(5000, 'x'));
    f.file("docs/target.txt", "target");
    ASSERT_EQ(::symlink("target.txt", QFile::encodeName(f.home + "/docs/link").constData()), 0);
    const QByteArray cafeBytes = QFile::encodeName(f.home) + "/docs/caf\xe9";
    ::close(::open(cafeBytes.constData(), O_CREAT | O_WRONLY, 0644));
    f.sandbox.trashItem(f.trash, "old.txt", "/home/me/old.txt");
    f.sandbox.makeFolder(f.home + "/.local/share/other");

    struct Case {
        QString path;
        TrashPut::Outcome outcome;
        QString inTrash;  ///< its name in the Trash when trashed
        QByteArray pathLine;
    };
    const QString cafe = FsName::fromBytes(cafeBytes);
    const QList<Case> cases{
        {f.home + "/docs/a.txt", TrashPut::Outcome::Trashed, "a.txt", "Path=/home/me/docs/a.txt"},
        {f.home + "/other/a.txt", TrashPut::Outcome::Trashed, "a.txt.2", "Path=/home/me/other/a.txt"},
        {f.home + "/docs/dir", TrashPut::Outcome::Trashed, "dir", "Path=/home/me/docs/dir"},
        {f.home + "/docs/link", TrashPut::Outcome::Trashed, "link", "Path=/home/me/docs/link"},
        {cafe, TrashPut::Outcome::Trashed, FsName::fromBytes("caf\xe9"), "Path=/home/me/docs/caf%E9"},
        {f.home + "/docs/../docs/gone.txt", TrashPut::Outcome::Failed, {}, {}},
        {f.home, TrashPut::Outcome::Refused, {}, {}},
        {"/", TrashPut::Outcome::Refused, {}, {}},
        {"relative/a.txt", TrashPut::Outcome::Refused, {}, {}},
        {f.trash, TrashPut::Outcome::Refused, {}, {}},
        {f.trash + "/files/old.txt", TrashPut::Outcome::Refused, {}, {}},
        {f.home + "/.local", TrashPut::Outcome::Refused, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const TrashPut::Result r = f.put.put(c.path);
        EXPECT_EQ(r.outcome, c.outcome) << r.why.toStdString();
        if (c.outcome != TrashPut::Outcome::Trashed) {
            EXPECT_FALSE(r.why.isEmpty());
            continue;
        }
        EXPECT_EQ(r.trashPath, f.trash + "/files/" + c.inTrash);
        EXPECT_FALSE(PutFixture::exists(c.path));
        EXPECT_TRUE(PutFixture::exists(r.trashPath));
        EXPECT_EQ(r.place, QDir::cleanPath(c.path));
        const QByteArray record = f.record(c.inTrash);
        EXPECT_EQ(record, "[Trash Info]\n" + c.pathLine + "\nDeletionDate=2026-12-01T12:00:05\n")
            << record.toStdString();
        EXPECT_EQ(r.record, record);
        EXPECT_EQ(QFileInfo(f.trash + "/info/" + c.inTrash + ".trashinfo").permissions() & 0x0077, 0);
    }
    // A link goes as a link; what it points to stays.
    EXPECT_TRUE(QFileInfo(f.trash + "/files/link").isSymLink());
    EXPECT_TRUE(PutFixture::exists(f.home + "/docs/target.txt"));
    // Other programs take a folder's size from the cache.
    QFile sizes(f.trash + "/directorysizes");
    ASSERT_TRUE(sizes.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sizes.readAll().contains(" dir\n"));
    // The refused ones are where they were.
    EXPECT_TRUE(PutFixture::exists(f.trash + "/files/old.txt"));
    EXPECT_TRUE(PutFixture::exists(f.home + "/.local/share/other"));
}

TEST(TrashPut, ARenameThatFailsTakesItsReservationBackAndADryRunChangesNothing) {
    PutFixture f;
    const QString item = f.file("locked/a.txt");
    f.file("free/b.txt");
    const auto before = sortedEntries(f.trash + "/info");
    {
        ImmutableWhileAlive locked(f.home + "/locked");
        if (!locked.isSet()) GTEST_SKIP() << "the immutable flag can't be set here";
        const TrashPut::Result r = f.put.put(item);
        EXPECT_EQ(r.outcome, TrashPut::Outcome::Failed);
        EXPECT_TRUE(PutFixture::exists(item));
        EXPECT_EQ(sortedEntries(f.trash + "/info"), before);
    }
    const TrashPut::Result dry = f.put.put(f.home + "/free/b.txt", {false, true});
    EXPECT_EQ(dry.outcome, TrashPut::Outcome::Trashed);
    EXPECT_TRUE(PutFixture::exists(f.home + "/free/b.txt"));
    EXPECT_EQ(sortedEntries(f.trash + "/info"), before);
    EXPECT_EQ(f.put.put(f.home + "/free/b.txt").trashPath, dry.trashPath);
}

TEST(TrashPut, AnItemOnAnotherDiskGoesToThatDisksTrashOrHomeOnlyWhenAsked) {
    PutFixture f;
    f.file("docs/keep-home.txt");
    const QString usb = f.sandbox.makeFolder(f.root.path() + "/media/me/USB");
    const QString ro = f.sandbox.makeFolder(f.root.path() + "/media/me/RO");
    const auto mounted = TestMount::tmpfs(usb);
    if (!mounted->isMounted()) GTEST_SKIP() << mounted->why().toStdString();
    f.sandbox.writeMountTable({"/media/me/USB", "/media/me/RO"});
    const QString id = QString::number(::getuid());

    // No shared Trash: "$topdir/.Trash-$uid", made 0700, the record relative to the top.
    f.sandbox.writeFile(usb + "/talks/slides.pdf", "x");
    TrashPut::Result r = f.put.put(usb + "/talks/slides.pdf");
    ASSERT_EQ(r.outcome, TrashPut::Outcome::Trashed) << r.why.toStdString();
    EXPECT_EQ(r.trashPath, usb + "/.Trash-" + id + "/files/slides.pdf");
    EXPECT_EQ(QFileInfo(usb + "/.Trash-" + id).permissions() & 0x0077, 0);
    QFile info(usb + "/.Trash-" + id + "/info/slides.pdf.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    EXPECT_TRUE(info.readAll().contains("\nPath=talks/slides.pdf\n"));

    // A shared ".Trash" that is a link is not used; a real one with the sticky bit is.
    f.sandbox.writeFile(usb + "/b.txt", "x");
    f.sandbox.makeFolder(usb + "/elsewhere");
    ASSERT_EQ(::symlink("elsewhere", QFile::encodeName(usb + "/.Trash").constData()), 0);
    EXPECT_EQ(f.put.put(usb + "/b.txt").trashPath, usb + "/.Trash-" + id + "/files/b.txt");
    EXPECT_TRUE(sortedEntries(usb + "/elsewhere").isEmpty());
    QFile::remove(usb + "/.Trash");
    f.sandbox.makeFolder(usb + "/.Trash");
    ::chmod(QFile::encodeName(usb + "/.Trash").constData(), 01777);
    f.sandbox.writeFile(usb + "/c.txt", "x");
    EXPECT_EQ(f.put.put(usb + "/c.txt").trashPath, usb + "/.Trash/" + id + "/files/c.txt");

    // A read-only disk has no Trash: refused, unless copying home is asked for.
    f.sandbox.writeFile(ro + "/keep.txt", "keep");
    const auto readOnly = TestMount::tmpfs(ro);
    ASSERT_TRUE(readOnly->isMounted());
    f.sandbox.writeFile(ro + "/keep.txt", "keep");
    ::mount(nullptr, QFile::encodeName(ro).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    r = f.put.put(ro + "/keep.txt");
    EXPECT_EQ(r.outcome, TrashPut::Outcome::NoTrash);
    EXPECT_TRUE(PutFixture::exists(ro + "/keep.txt"));
    ::mount(nullptr, QFile::encodeName(ro).constData(), nullptr, MS_REMOUNT, nullptr);
    ASSERT_TRUE(::chmod(QFile::encodeName(ro).constData(), 0555) == 0);
    ::mount(nullptr, QFile::encodeName(ro).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    r = f.put.put(ro + "/keep.txt", {true, false});
    // The copy is whole in the home Trash; a read-only source can't go, and that is said.
    EXPECT_EQ(r.outcome, TrashPut::Outcome::Copied) << r.why.toStdString();
    EXPECT_EQ(r.trashPath, f.trash + "/files/keep.txt");
    QFile copy(r.trashPath);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "keep");
}

TEST(TrashPutBack, ATakenPlaceIsKeptBothReplacedOrSkippedAndEveryChoiceCanBeUndone) {
    struct Case {
        TrashItemActions::WhenTaken choice;
        TrashItemActions::PutBack outcome;
        QStringList docsAfter;
        QByteArray atPlace;  ///< what "a.txt" holds afterwards
    };
    using W = TrashItemActions::WhenTaken;
    using P = TrashItemActions::PutBack;
    const QList<Case> cases{
        {W::Refuse, P::Taken, {"a.txt"}, "new"},
        {W::Skip, P::Skipped, {"a.txt"}, "new"},
        {W::KeepBoth, P::Moved, {"a 2.txt", "a.txt"}, "new"},
        {W::Replace, P::Moved, {"a.txt"}, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.choice));
        PutFixture f;
        const QString place = f.file("docs/a.txt", "old");
        const TrashPut::Result trashed = f.put.put(place);
        ASSERT_EQ(trashed.outcome, TrashPut::Outcome::Trashed);
        f.file("docs/a.txt", "new");
        TrashJournal journal(f.paths);
        journal.begin("putback");
        const auto done = f.actions().putBackMove({trashed.trashPath, place, {}, false, c.choice}, &journal);
        ASSERT_TRUE(journal.commit());
        EXPECT_EQ(done.outcome, c.outcome);
        EXPECT_EQ(sortedEntries(f.home + "/docs"), c.docsAfter);
        QFile at(place);
        ASSERT_TRUE(at.open(QIODevice::ReadOnly));
        EXPECT_EQ(at.readAll(), c.atPlace);
        // Replace kept what was there: it is in the Trash now.
        EXPECT_EQ(
            PutFixture::exists(f.trash + "/files/a.txt") || PutFixture::exists(f.trash + "/files/a.txt.2"),
            c.outcome != P::Moved || c.choice == W::Replace);
        if (c.outcome != P::Moved) continue;
        // Undo (from a journal read afresh, as the next run would) brings back the state before.
        TrashJournal again(f.paths);
        EXPECT_EQ(again.lastAction(), "putback");
        for (const auto& step : again.undo()) EXPECT_TRUE(step.done) << step.why.toStdString();
        EXPECT_EQ(sortedEntries(f.home + "/docs"), QStringList{"a.txt"});
        QFile back(place);
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        EXPECT_EQ(back.readAll(), "new");
        EXPECT_EQ(sortedEntries(f.trash + "/files"), QStringList{"a.txt"});
        EXPECT_EQ(f.record("a.txt"), trashed.record);
        EXPECT_TRUE(TrashJournal(f.paths).lastAction().isEmpty());
    }
}

TEST(TrashJournal, UndoOfAPutNeverOverwritesAndKeepsWhatItCouldNotUndo) {
    PutFixture f;
    TrashJournal journal(f.paths);
    journal.begin("put");
    for (const QString name : {"one.txt", "two.txt"}) {
        const TrashPut::Result r = f.put.put(f.file("docs/" + name, "trashed"));
        journal.add({TrashJournal::Move::Way::IntoTrash, r.place, r.trashPath, r.record});
    }
    ASSERT_TRUE(journal.commit());
    f.file("docs/two.txt", "written since");

    TrashJournal undo(f.paths);
    const QList<TrashJournal::Undone> steps = undo.undo();
    ASSERT_EQ(steps.size(), 2);
    EXPECT_FALSE(steps[0].done);  // newest first: two.txt's place is taken
    EXPECT_TRUE(steps[1].done);
    QFile two(f.home + "/docs/two.txt");
    ASSERT_TRUE(two.open(QIODevice::ReadOnly));
    EXPECT_EQ(two.readAll(), "written since");
    EXPECT_EQ(sortedEntries(f.trash + "/files"), QStringList{"two.txt"});
    EXPECT_EQ(sortedEntries(f.trash + "/info"), QStringList{"two.txt.trashinfo"});
    EXPECT_EQ(TrashJournal(f.paths).lastMoves().size(), 1);
}

}  // namespace
