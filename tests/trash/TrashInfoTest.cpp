#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/fs/FsName.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/DirectorySizes.h"
#include "trash/TrashInfo.h"

namespace {

TEST(TrashInfo, ParsesPathAndBothDateForms) {
    auto r = TrashInfo::parse(
        "[Trash Info]\nPath=/home/me/My%20Docs/r%C3%A9sum%C3%A9.txt\nDeletionDate=2004-08-31T22:32:08\n");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->path, QString::fromUtf8("/home/me/My Docs/résumé.txt"));
    EXPECT_EQ(r->deletionDate, QDateTime(QDate(2004, 8, 31), QTime(22, 32, 8)));

    r = TrashInfo::parse("[Trash Info]\r\nDeletionDate=20040831T223208\r\nPath=photos/a.jpg\r\n");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->path, "photos/a.jpg");
    EXPECT_EQ(r->deletionDate, QDateTime(QDate(2004, 8, 31), QTime(22, 32, 8)));

    // First key wins, unknown lines and other groups are ignored, a bad date is only a missing date.
    r = TrashInfo::parse(
        "# note\n[Other]\nPath=/wrong\n[Trash Info]\nColour=red\nPath=/first\nPath=/second\n"
        "DeletionDate=yesterday\n");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->path, "/first");
    EXPECT_FALSE(r->deletionDate.isValid());
}

TEST(TrashInfo, DatesOfEitherFormReadAsWrittenAndImpossibleOnesAsMissing) {
    const QDateTime leap(QDate(2024, 2, 29), QTime(23, 59, 59));
    const struct {
        const char* text;
        QDateTime expected;  // invalid: no date
    } cases[] = {
        {"2024-02-29T23:59:59", leap},    {"20240229T235959", leap},
        {"  2024-02-29T23:59:59 ", leap}, {"0001-01-01T00:00:00", QDateTime(QDate(1, 1, 1), QTime(0, 0))},
        {"2023-02-29T12:00:00", {}},  // no such day: never rolled over into March
        {"2024-13-01T12:00:00", {}},      {"2024-02-29T24:00:00", {}},
        {"2024-02-29T23:60:00", {}},      {"2024-02-29 23:59:59", {}},
        {"2024-02-29T23:59:5x", {}},      {"2024/02/29T23:59:59", {}},
        {"20240229T2359599", {}},         {"", {}},
    };
    for (const auto& c : cases) {
        const auto r = TrashInfo::parse(QByteArray("[Trash Info]\nPath=/a\nDeletionDate=") + c.text + "\n");
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r->deletionDate.isValid(), c.expected.isValid()) << c.text;
        if (c.expected.isValid()) {
            EXPECT_EQ(r->deletionDate, c.expected) << c.text;
        }
    }
}

TEST(TrashInfo, RecordsThatCannotBeTrustedAreRejected) {
    EXPECT_FALSE(TrashInfo::parse("Path=/no/group\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nDeletionDate=2004-08-31T22:32:08\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=/bad%zzescape\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=/cut%4\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=/nul%00byte\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=/home/me/../../etc/passwd\n"));
    EXPECT_FALSE(TrashInfo::parse("[Trash Info]\nPath=..%2F..%2Fetc\n"));
    EXPECT_FALSE(TrashInfo::parse(QByteArray("\xff\xfe\x00[", 4)));
    EXPECT_TRUE(
        TrashInfo::parse("[Trash Info]\nPath=/home/me/..hidden/a..b\n"));  // dots inside names are fine
    // A name that is not UTF-8 is a name all the same: kept byte for byte.
    const auto latin1 = TrashInfo::parse("[Trash Info]\nPath=/latin1-%E9t%E9\n");
    ASSERT_TRUE(latin1);
    EXPECT_EQ(FsName::toBytes(latin1->path), QByteArray("/latin1-\xe9t\xe9"));
    EXPECT_EQ(TrashInfo::parse(TrashInfo::format(latin1->path, {}))->path, latin1->path);
}

TEST(TrashInfo, FormatRoundTripsOddNames) {
    const QString odd = QString::fromUtf8("/home/me/50% off & more #1/naïve\tname?.txt");
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
    const QByteArray text = TrashInfo::format(odd, when);
    EXPECT_TRUE(text.startsWith("[Trash Info]\nPath=/home/me/50%25%20off"));
    const auto r = TrashInfo::parse(text);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->path, odd);
    EXPECT_EQ(r->deletionDate, when);
}

TEST(TrashInfo, ItemPathsMapToTheirInfoFiles) {
    EXPECT_EQ(TrashInfo::infoFileOf("/h/.local/share/Trash/files/a b.txt"),
              "/h/.local/share/Trash/info/a b.txt.trashinfo");
    EXPECT_EQ(TrashInfo::trashFolderOf("/v/.Trash-1000/files/x"), "/v/.Trash-1000");
    EXPECT_EQ(TrashInfo::infoFileOf("/Users/me/.Trash/x"), QString());
    EXPECT_EQ(TrashInfo::infoFileOf("/v/.Trash-1000/files/"), QString());
}

struct InfoFixture {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), "me"};
    std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    QString trash = paths->userTrashFolder();
};

TEST(TrashInfo, ReadFolderResolvesAbsoluteUnderTheRootAndRelativeAgainstTheTop) {
    InfoFixture f;
    f.sandbox.trashItem(f.trash, "a.txt", "/home/me/Documents/a.txt");
    f.sandbox.trashItem(f.trash, "a.2.txt", "/home/me/Desktop/a.txt");
    f.sandbox.trashItem(f.trash, "rel.txt", "notes/rel.txt");
    f.sandbox.writeFile(f.trash + "/files/no-info.txt", "x");
    f.sandbox.writeFile(f.trash + "/info/broken.txt.trashinfo", "[Trash Info]\nPath=/x/../y\n");
    f.sandbox.writeFile(f.trash + "/info/not-an-info-file", "[Trash Info]\nPath=/z\n");
    f.sandbox.writeFile(f.trash + "/info/untidy.txt.trashinfo",
                        "[Trash Info]\nPath=/home/me//Docs/./u.txt/\n");
    f.sandbox.writeFile(f.trash + "/info/dots.txt.trashinfo", "[Trash Info]\nPath=./notes/.hidden\n");
    // Enough records that they are read on several threads: the result is the same.
    for (int i = 0; i < 300; ++i)
        f.sandbox.trashItem(f.trash, QString("n%1").arg(i), QString("/n/%1").arg(i));
    const auto found = TrashInfo::readFolder(f.trash, "/top", *f.paths);
    EXPECT_EQ(found.value("a.txt"), f.sandbox.root() + "/home/me/Documents/a.txt");
    EXPECT_EQ(found.value("a.2.txt"), f.sandbox.root() + "/home/me/Desktop/a.txt");
    EXPECT_EQ(found.value("rel.txt"), "/top/notes/rel.txt");
    EXPECT_EQ(found.value("untidy.txt"), f.sandbox.root() + "/home/me/Docs/u.txt");
    EXPECT_EQ(found.value("dots.txt"), "/top/notes/.hidden");
    EXPECT_EQ(found.value("n299"), f.sandbox.root() + "/n/299");
    EXPECT_EQ(found.size(), 305);
}

TEST(TrashInfo, ForgettingAndOrphansTouchOnlyInfoFilesWhoseItemIsGone) {
    InfoFixture f;
    const QString kept = f.sandbox.trashItem(f.trash, "kept.txt", "/home/me/kept.txt");
    const QString gone = f.sandbox.trashItem(f.trash, "gone.txt", "/home/me/gone.txt");
    f.sandbox.touch(
        f.sandbox.writeFile(f.trash + "/info/orphan.trashinfo", "[Trash Info]\nPath=/home/me/orphan\n"),
        QDateTime::currentDateTime().addSecs(-61));
    // Written just now: another program's item is on its way in, and the name is reserved.
    f.sandbox.writeFile(f.trash + "/info/coming.trashinfo", "[Trash Info]\nPath=/home/me/coming\n");
    // Written just now too, but its item is one the caller has just removed.
    f.sandbox.writeFile(f.trash + "/info/removed.trashinfo", "[Trash Info]\nPath=/home/me/removed\n");
    f.sandbox.writeFile(f.trash + "/info/README", "not an info file");

    TrashInfo::forgetItem(kept);  // still there: its record stays
    EXPECT_TRUE(QFile::exists(TrashInfo::infoFileOf(kept)));
    QFile::remove(gone);
    TrashInfo::forgetItem(gone);
    EXPECT_FALSE(QFile::exists(TrashInfo::infoFileOf(gone)));

    EXPECT_EQ(TrashInfo::removeOrphans(f.trash, {"removed"}), 2);
    EXPECT_EQ(QDir(f.trash + "/info").entryList(QDir::Files, QDir::Name),
              (QStringList{"README", "coming.trashinfo", "kept.txt.trashinfo"}));

    // An "info" that is a link leads elsewhere: nothing there is removed.
    TempRoot elsewhere;
    SandboxBuilder other(elsewhere.path(), "me");
    other.writeFile("/outside.trashinfo", "[Trash Info]\nPath=/o\n");
    QDir(f.trash + "/info").removeRecursively();
    QFile::link(elsewhere.path(), f.trash + "/info");
    EXPECT_EQ(TrashInfo::removeOrphans(f.trash), 0);
    EXPECT_TRUE(QFile::exists(elsewhere.path() + "/outside.trashinfo"));
}

TEST(DirectorySizes, CachedByInfoMtimeRewrittenWholeAndDroppedWhenEmpty) {
    InfoFixture f;
    f.sandbox.makeFolder(f.trash);
    f.sandbox.writeFile(
        f.trash + "/directorysizes",
        "4096 1700000000 Camera%20roll\nnot a line\n12 x bad\n99 5 a%2Fslash\n8192 1700000001 Old\n");
    DirectorySizes sizes(f.trash);
    sizes.load();
    EXPECT_EQ(sizes.size(), 2);
    EXPECT_EQ(sizes.cached("Camera roll", 1700000000), 4096u);
    EXPECT_FALSE(sizes.cached("Camera roll", 1700000005));  // info file changed since
    EXPECT_FALSE(sizes.cached("a/slash", 5));

    sizes.store("New & odd", 10, 7);
    sizes.keepOnly({"Camera roll", "New & odd"});
    ASSERT_TRUE(sizes.save());
    QFile file(f.trash + "/directorysizes");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (QList<QByteArray>{"10 7 New%20%26%20odd", "4096 1700000000 Camera%20roll"}));
    EXPECT_TRUE(
        QDir(f.trash).entryList({"*.tmp*", "directorysizes.*"}, QDir::Files | QDir::Hidden).isEmpty());

    // A cache that is a link is replaced, not written through.
    TempRoot elsewhere;
    const QString target = elsewhere.file("target");
    QFile::remove(f.trash + "/directorysizes");
    {
        QFile t(target);
        ASSERT_TRUE(t.open(QIODevice::WriteOnly));
        t.write("precious");
    }
    QFile::link(target, f.trash + "/directorysizes");
    DirectorySizes linked(f.trash);
    linked.store("x", 1, 1);
    ASSERT_TRUE(linked.save());
    EXPECT_FALSE(QFileInfo(f.trash + "/directorysizes").isSymLink());
    QFile t(target);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), "precious");

    linked.keepOnly({});
    ASSERT_TRUE(linked.save());
    EXPECT_FALSE(QFile::exists(f.trash + "/directorysizes"));
}

TEST(DirectorySizes, EveryNameSurvivesItsTextAndBack) {
    // Names a file system allows: spaces, escapes, line breaks, bytes that are not UTF-8.
    const QStringList names{"a b",
                            "100%",
                            "%41",
                            "line\nbreak",
                            "tab\there",
                            FsName::fromBytes("caf\xe9\xff"),
                            QString::fromUtf8("日本 😀")};
    DirectorySizes sizes("/nonexistent");
    for (qsizetype i = 0; i < names.size(); ++i) sizes.store(names[i], 4096 * quint64(i), 1700000000 + i);
    DirectorySizes reread("/nonexistent");
    reread.loadText(sizes.text());
    ASSERT_EQ(reread.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(reread.cached(names[i], 1700000000 + i), 4096 * quint64(i))
            << qPrintable(FsName::displayText(names[i]));
    // Lines ending in CR LF read the same.
    reread.loadText(sizes.text().replace("\n", "\r\n"));
    EXPECT_EQ(reread.size(), names.size());
}

}  // namespace
