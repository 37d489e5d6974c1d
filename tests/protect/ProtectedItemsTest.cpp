#include <gtest/gtest.h>

#include <QFile>
#include <thread>

#include "platform/Defaults.h"
#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"
#include "support/DSStoreWriter.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "trash/PutBackReader.h"

namespace {

/// A sandbox Trash with put-back records, a settings file and the two protection objects over them.
struct ProtectRig {
    TempRoot root;
    SandboxBuilder sandbox{root.path(), QStringLiteral("me")};
    MacPaths paths = sandbox.paths();
    QString trash = paths.userTrash();
    QString settings = root.file(QStringLiteral("config/Corvane/Corvane.conf"));
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(settings);
    std::shared_ptr<TrashOrigPaths> origPaths = std::make_shared<TrashOrigPaths>();

    /// Writes rules as a stored file would hold them, then makes the objects that read them.
    std::shared_ptr<ProtectionRules> rules(const QStringList& formats, const QStringList& locations) {
        defaults->setStringArray(QStringLiteral("FileFormatData"), formats);
        defaults->setStringArray(QStringLiteral("FileLocationData"), locations);
        defaults->synchronize();
        return std::make_shared<ProtectionRules>(defaults);
    }
    /// Trash entries and the folders (relative to the volume) they were deleted from.
    void trashItems(const QList<QPair<QString, QString>>& items) {
        DSStoreWriter w;
        for (const auto& [name, folder] : items) {
            sandbox.writeFile(trash + '/' + name, "content of " + name.toUtf8());
            if (!folder.isEmpty()) w.add(name, folder);
        }
        ASSERT_TRUE(w.write(paths.trashRecordsFile()));
        origPaths->rebuild(paths);
    }
    QString inTrash(const QString& name) const { return trash + '/' + name; }
    Defaults onDisk() const { return Defaults(settings); }
};

TEST(ProtectionRules, TypedFormatsAreTrimmedOfSpaceAndOneDotAndEmptyOnesAreRefused) {
    const QList<QPair<QString, QString>> cases = {
        {"psd", "psd"}, {" .PSD\t", "PSD"}, {"..jpg", ".jpg"}, {". key ", "key"}, {"tar.gz", "tar.gz"},
        {"", ""},       {"  ", ""},         {".", ""},         {" . ", ""},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(ProtectionRules::normalizedFormat(typed), stored) << typed.toStdString();

    ProtectRig r;
    ProtectionRules rules(r.defaults);
    EXPECT_FALSE(rules.hasRules());
    EXPECT_FALSE(rules.addFileFormat(" . "));
    EXPECT_FALSE(rules.addLocation(QString()));
    EXPECT_FALSE(r.onDisk().hasValue("FileFormatData"));  // a refused edit writes nothing
    EXPECT_FALSE(r.onDisk().hasValue("FileLocationData"));
}

TEST(ProtectionRules, EveryEditIsOnDiskAtOnceAndDuplicatesAreKept) {
    ProtectRig r;
    ProtectionRules rules(r.defaults);
    ASSERT_TRUE(rules.addFileFormat(".psd"));
    EXPECT_EQ(r.onDisk().stringArrayForKey("FileFormatData"), QStringList{"psd"});
    ASSERT_TRUE(rules.addFileFormat("psd"));
    ASSERT_TRUE(rules.addFileFormat("Key"));
    EXPECT_EQ(r.onDisk().stringArrayForKey("FileFormatData"), (QStringList{"psd", "psd", "Key"}));

    // Removing with no row or a stale one changes nothing but still writes the list.
    Defaults behind(r.settings);
    behind.setStringArray("FileFormatData", {"stale"});
    behind.synchronize();
    EXPECT_FALSE(rules.removeFileFormatAt(-1));
    EXPECT_EQ(r.onDisk().stringArrayForKey("FileFormatData"), (QStringList{"psd", "psd", "Key"}));
    EXPECT_FALSE(rules.removeFileFormatAt(3));
    EXPECT_TRUE(rules.removeFileFormatAt(0));
    EXPECT_EQ(r.onDisk().stringArrayForKey("FileFormatData"), (QStringList{"psd", "Key"}));
    // By name, as the command line removes: one entry per call, case and a leading dot aside.
    EXPECT_TRUE(rules.removeFileFormat(".KEY"));
    EXPECT_FALSE(rules.removeFileFormat("key"));
    EXPECT_EQ(rules.getFileFormatDataArray(), QStringList{"psd"});

    const QString folder = r.sandbox.makeFolder("Users/me/Projects");
    ASSERT_TRUE(rules.addLocation(folder + "/"));
    EXPECT_EQ(r.onDisk().stringArrayForKey("FileLocationData"), QStringList{folder});
    EXPECT_TRUE(rules.removeLocation(folder + "/./"));
    EXPECT_FALSE(rules.removeLocation(folder));
    EXPECT_TRUE(r.onDisk().stringArrayForKey("FileLocationData").isEmpty());
    EXPECT_TRUE(rules.hasRules());
    EXPECT_TRUE(rules.lastWriteSucceeded());
}

TEST(ProtectedItems, AFormatMatchesTheLastExtensionIgnoringOnlyAsciiCase) {
    ProtectRig r;
    // Stored as older versions kept them: a dot, spaces and an empty entry.
    auto rules = r.rules({"PSD", " .jpg", "", "ÉPS"}, {});
    r.trashItems({});
    ProtectedItems items(rules, r.origPaths);
    const QList<QPair<QString, bool>> cases = {
        {"Poster.psd", true},   {"poster.PsD", true},  {"Poster.psd.zip", false}, {"psd", false},
        {"Poster.", false},     {".psd", false},       {"photo.JPG", true},       {"README", false},
        {"drawing.éps", false}, {"drawing.ÉPS", true}, {"Folder.psd/", true},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(items.CheckFileBeProtectWithPath(r.inTrash(name)), expected) << name.toStdString();
    EXPECT_EQ(ProtectedItems::pathExtension("/t/archive.tar.gz"), "gz");
    EXPECT_EQ(ProtectedItems::pathExtension("/t.d/name"), "");
}

TEST(ProtectedItems, ALocationIsACaseInsensitivePieceOfTheOriginalPathAndAnUnknownOneMatchesNoLocation) {
    ProtectRig r;
    auto rules = r.rules({"psd"}, {"--", "/users/ME/projects"});
    r.trashItems({{"b.txt", "Users/me/Projects/a/"},
                  {"c.txt", "Volumes/Disk/Users/me/Projects-old/"},
                  {"d.txt", "Users/me/Other/"},
                  {"e.txt", ""},
                  {"f.psd", ""}});
    ProtectedItems items(rules, r.origPaths);
    EXPECT_TRUE(items.isProtected(r.inTrash("b.txt")));
    EXPECT_TRUE(items.isProtected(r.inTrash("c.txt")));
    EXPECT_FALSE(items.isProtected(r.inTrash("d.txt")));
    EXPECT_FALSE(items.isProtected(r.inTrash("e.txt")));  // "--" is no place, even for a "--" rule
    EXPECT_TRUE(items.isProtected(r.inTrash("f.psd")));

    auto none = r.rules({}, {});
    EXPECT_FALSE(ProtectedItems(none, r.origPaths).isProtected(r.inTrash("b.txt")));
}

TEST(ProtectedItems, EachPassListsItsEntriesOnceWithTheirPlacesAndDates) {
    ProtectRig r;
    auto rules = r.rules({"psd"}, {});
    r.trashItems({{"a.psd", "Users/me/Desktop/"}, {"b.psd", ""}, {"gone.psd", ""}, {"c.txt", ""}});
    ProtectedItems items(rules, r.origPaths);
    EXPECT_TRUE(items.CheckIfNeedDeleteConfirm().isEmpty());  // no pass, no list

    for (int pass = 0; pass < 2; ++pass) {
        r.sandbox.writeFile(r.inTrash("gone.psd"), "x");
        items.beginPass();
        for (const char* name : {"a.psd", "c.txt", "b.psd", "a.psd", "gone.psd"})
            items.CheckFileBeProtectWithPath(r.inTrash(name));
        EXPECT_EQ(items.protectItemArray(),
                  (QStringList{r.inTrash("a.psd"), r.inTrash("b.psd"), r.inTrash("gone.psd")}));
        ASSERT_TRUE(QFile::remove(r.inTrash("gone.psd")));

        const QList<CVTrashFileNode::Ptr> rows = items.CheckIfNeedDeleteConfirm();
        ASSERT_EQ(rows.size(), 3) << "pass " << pass;
        EXPECT_EQ(rows[0]->theFileName, "a.psd");
        EXPECT_EQ(rows[0]->theTrashPath, r.inTrash("a.psd"));
        EXPECT_EQ(rows[0]->theOrignalpath, r.root.path() + "/Users/me/Desktop/a.psd");
        EXPECT_TRUE(rows[0]->lastModifiedDate.isValid());
        EXPECT_FALSE(rows[0]->bSelected);
        EXPECT_EQ(rows[1]->theOrignalpath, "--");
        EXPECT_EQ(rows[2]->theFileName, "gone.psd");  // vanished: listed, without a date
        EXPECT_FALSE(rows[2]->lastModifiedDate.isValid());
        EXPECT_TRUE(items.protectItemArray().isEmpty());
        EXPECT_FALSE(items.passIsOpen());
        EXPECT_TRUE(items.CheckIfNeedDeleteConfirm().isEmpty());
    }
}

// A std::thread, so joining it orders its work before what follows for the thread sanitizer too.
void onThread(const std::function<void()>& work) {
    std::thread(work).join();
}

TEST(ProtectedItems, PassesOnOtherThreadsNeverMixTheirEntriesAndAnUnendedPassBlocksNothing) {
    ProtectRig r;
    auto rules = r.rules({"psd"}, {});
    r.trashItems({{"main.psd", ""}, {"worker.psd", ""}, {"late.psd", ""}, {"stray.psd", ""}});
    ProtectedItems items(rules, r.origPaths);

    items.beginPass();
    EXPECT_TRUE(items.CheckFileBeProtectWithPath(r.inTrash("main.psd")));
    // A second pass takes the record over and never ends.
    onThread([&] {
        items.beginPass();
        EXPECT_TRUE(items.CheckFileBeProtectWithPath(r.inTrash("worker.psd")));
    });
    // The first pass still keeps its entries in the Trash, but lists none of them.
    EXPECT_TRUE(items.CheckFileBeProtectWithPath(r.inTrash("late.psd")));
    EXPECT_EQ(items.protectItemArray(), QStringList{r.inTrash("worker.psd")});
    EXPECT_TRUE(items.CheckIfNeedDeleteConfirm().isEmpty());
    // A thread without a pass records nothing either.
    onThread([&] {
        EXPECT_TRUE(items.CheckFileBeProtectWithPath(r.inTrash("stray.psd")));
        EXPECT_TRUE(items.CheckIfNeedDeleteConfirm().isEmpty());
    });
    // The next pass starts although the one before never ended.
    QList<CVTrashFileNode::Ptr> rows;
    onThread([&] {
        items.beginPass();
        items.CheckFileBeProtectWithPath(r.inTrash("stray.psd"));
        rows = items.CheckIfNeedDeleteConfirm();
    });
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->theFileName, "stray.psd");

    // Two instances keep separate records on one thread.
    ProtectedItems other(rules, r.origPaths);
    items.beginPass();
    other.beginPass();
    items.CheckFileBeProtectWithPath(r.inTrash("main.psd"));
    EXPECT_EQ(items.CheckIfNeedDeleteConfirm().size(), 1);
    EXPECT_TRUE(other.CheckIfNeedDeleteConfirm().isEmpty());
}

}  // namespace
