#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "platform/Paths.h"
#include "support/DSStoreWriter.h"
#include "support/TempRoot.h"
#include "trash/PutBackReader.h"

namespace {

const QString kDesktop = QStringLiteral("Users/me/Desktop/");
const QString kDocuments = QStringLiteral("Users/me/Documents/");
const QByteArray kMarker = QByteArrayLiteral("ptbNustr");

std::string show(const QStringList& list) {
    return list.join(QStringLiteral(" | ")).toStdString();
}

quint32 readBe32(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData()) + at;
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

/// The reading rules applied the slow, direct way (search backwards from every marker); the reader
/// must give exactly the same entries on any bytes.
QStringList directReading(const QByteArray& d) {
    if (d.size() < 8 || d.mid(4, 4) != "Bud1") return {};
    const auto text = [&](qsizetype at, qsizetype units, QString* out) {
        QList<char16_t> u;
        for (qsizetype x = 0; x < units; ++x)
            u << char16_t((uchar(d[at + 2 * x]) << 8) | uchar(d[at + 2 * x + 1]));
        *out = QString::fromUtf16(u.constData(), u.size());
        return out->isValidUtf16() && !out->contains(QChar(0));
    };
    QStringList entries;
    for (qsizetype i = d.indexOf(kMarker); i >= 0; i = d.indexOf(kMarker, i + 1)) {
        qsizetype k = 1;
        while (k <= 1024 && i - 2 * k - 4 >= 0 && readBe32(d, i - 2 * k - 4) != quint32(k)) ++k;
        if (k > 1024 || i - 2 * k - 4 < 0) continue;
        const qsizetype j = i - 2 * k - 4;
        qsizetype m = 0;
        while (m <= 4096 && j - 2 * m - 8 >= 0 &&
               !(readBe32(d, j - 2 * m - 4) == quint32(m) && d.mid(j - 2 * m - 8, 4) == "ustr"))
            ++m;
        if (m > 4096 || j - 2 * m - 8 < 0) continue;
        QString name, folder;
        if (!text(j + 4, k, &name) || !text(j - 2 * m, m, &folder) || name.isEmpty()) continue;
        if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
        const QString entry = folder + name;
        entries << (entry.startsWith('/') ? entry : '/' + entry);
    }
    return entries;
}

/// parseRecords() on a copy in a heap block of exactly the data's size: a QByteArray keeps a NUL
/// after its bytes, which would hide a one-byte overread from the address sanitizer.
QStringList parseExact(const QByteArray& bytes) {
    const auto block = std::make_unique<char[]>(size_t(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), block.get());
    return PutBackReader::parseRecords(QByteArray::fromRawData(block.get(), bytes.size()));
}

/// readRecordsFile() of the bytes written to a file and read `chunk` bytes at a time.
QStringList streamed(const QByteArray& bytes, qsizetype chunk) {
    TempRoot root;
    QFile file(root.file("records"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {QStringLiteral("unwritten")};
    file.close();
    return PutBackReader::readRecordsFile(file.fileName(), chunk);
}

std::unique_ptr<TrashOrigPaths> listOf(const QStringList& entries) {
    auto list = std::make_unique<TrashOrigPaths>();
    list->append(entries);
    return list;
}

TEST(PutBackReader, MissingEmptyAndForeignFilesGiveNothing) {
    TempRoot root;
    EXPECT_TRUE(PutBackReader::readRecordsFile(root.file("absent/.DS_Store")).isEmpty());
    QFile(root.file("empty")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(PutBackReader::readRecordsFile(root.file("empty")).isEmpty());
    EXPECT_TRUE(PutBackReader::readRecordsFile(root.path()).isEmpty());  // a folder, not a file

    DSStoreWriter w;
    w.add("a.txt", kDesktop);
    ASSERT_EQ(PutBackReader::parseRecords(w.bytes()).size(), 1);
    for (const QByteArray& magic : {QByteArray("Bud2"), QByteArray("bud1"), QByteArray("1duB")}) {
        w.setMagic(magic);
        EXPECT_TRUE(PutBackReader::parseRecords(w.bytes()).isEmpty()) << magic.constData();
    }
    // The magic must stand at bytes 4 to 7, and bytes 0 to 3 are not examined.
    EXPECT_TRUE(PutBackReader::parseRecords("Bud1").isEmpty());
    EXPECT_TRUE(PutBackReader::parseRecords("\0\0\0\1Bud").isEmpty());
    w.setMagic("Bud1");
    QByteArray odd = w.bytes();
    odd.replace(0, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(PutBackReader::parseRecords(odd).size(), 1);

    // A scan that finds nothing leaves what the list already held.
    const MacPaths paths(root.path(), QStringLiteral("me"));
    const auto list = listOf({"/kept/x.txt"});
    list->ScanUserTrashDSStoreFilePath(paths);
    DSStoreWriter foreign;
    foreign.add("a.txt", kDesktop);
    foreign.setMagic("XXXX");
    ASSERT_TRUE(foreign.write(paths.trashRecordsFile()));
    list->ScanUserTrashDSStoreFilePath(paths);
    EXPECT_EQ(list->entries(), QStringList{"/kept/x.txt"});
}

TEST(PutBackReader, ReadsEntriesInFileOrderAndLooksThemUp) {
    DSStoreWriter w;
    w.add("a.txt", kDesktop);
    w.add("b.txt", kDocuments);
    const QStringList entries = PutBackReader::parseRecords(w.bytes());
    ASSERT_EQ(entries, (QStringList{"/Users/me/Desktop/a.txt", "/Users/me/Documents/b.txt"}))
        << show(entries);

    const auto list = listOf(entries);
    EXPECT_EQ(list->getOrigFilePath("a.txt"), "/Users/me/Desktop/a.txt");
    EXPECT_EQ(list->getOrigFilePath("b.txt"), "/Users/me/Documents/b.txt");
    EXPECT_EQ(list->getOrigFilePath("c.txt"), "--");
    EXPECT_EQ(list->getOrigFilePath(""), "--");
    EXPECT_EQ(list->getOrigFilePath("A.txt"), "--");  // case matters
    EXPECT_EQ(list->getOrigFilePath("a.tx"), "--");   // whole names only

    // Folders without the trailing "/" or empty still make one path each.
    DSStoreWriter loose;
    loose.add("x", "Users/me");
    loose.add("y", "");
    loose.add("z", "/Volumes/USB/");
    EXPECT_EQ(PutBackReader::parseRecords(loose.bytes()),
              (QStringList{"/Users/me/x", "/y", "/Volumes/USB/z"}));
}

TEST(PutBackReader, EveryNameKeepsItsOwnFolderAndText) {
    const QString longFolder = QString(3000, 'f') + '/';
    const QString emoji = QStringLiteral("party \U0001F389.txt");
    ASSERT_EQ(emoji.size(), 12);  // the emoji is a surrogate pair
    DSStoreWriter w;
    w.add("notes.txt", kDesktop);
    w.add("notes.txx", kDocuments);
    w.add("q", "Users/me/Music/");
    w.add(QStringLiteral("Ünïcode.txt"), QStringLiteral("Users/me/Bücher/"));
    w.add(QStringLiteral("報告.txt"), QStringLiteral("Users/me/文書/"));
    w.add(emoji, kDesktop);
    w.add("deep.txt", longFolder);
    const QStringList entries = PutBackReader::parseRecords(w.bytes());
    ASSERT_EQ(entries.size(), 7) << show(entries);

    const auto list = listOf(entries);
    EXPECT_EQ(list->getOrigFilePath("notes.txt"), "/Users/me/Desktop/notes.txt");
    EXPECT_EQ(list->getOrigFilePath("notes.txx"), "/Users/me/Documents/notes.txx");
    EXPECT_EQ(list->getOrigFilePath("q"), "/Users/me/Music/q");
    EXPECT_EQ(list->getOrigFilePath(QStringLiteral("Ünïcode.txt")),
              QStringLiteral("/Users/me/Bücher/Ünïcode.txt"));
    EXPECT_EQ(list->getOrigFilePath(QStringLiteral("報告.txt")), QStringLiteral("/Users/me/文書/報告.txt"));
    EXPECT_EQ(list->getOrigFilePath(emoji), "/Users/me/Desktop/" + emoji);
    EXPECT_EQ(entries[6], '/' + longFolder + "deep.txt");  // 3009 units, far past 507

    // The longest name and folder the reader accepts, and one unit more.
    DSStoreWriter edge;
    edge.add(QString(1024, 'n'), QString(4095, 'g') + '/');
    edge.add(QString(1025, 'n'), kDesktop);
    edge.add("after", QString(4096, 'g') + '/');
    edge.add("last", kDesktop);
    const QStringList edgeEntries = PutBackReader::parseRecords(edge.bytes());
    ASSERT_EQ(edgeEntries.size(), 2);
    EXPECT_EQ(edgeEntries[0], '/' + QString(4095, 'g') + '/' + QString(1024, 'n'));
    EXPECT_EQ(edgeEntries[1], "/Users/me/Desktop/last");
}

TEST(PutBackReader, DuplicatesBadRecordsAndOddOffsets) {
    DSStoreWriter dup;
    dup.add("a.txt", kDesktop);
    dup.add("a.txt", kDocuments);
    const QStringList both = PutBackReader::parseRecords(dup.bytes());
    ASSERT_EQ(both, (QStringList{"/Users/me/Desktop/a.txt", "/Users/me/Documents/a.txt"}));
    EXPECT_EQ(listOf(both)->getOrigFilePath("a.txt"), "/Users/me/Desktop/a.txt");

    // A ptbN record whose name count is wrong is skipped; the next good one is still read.
    QByteArray broken = DSStoreWriter::itemRecords("bad.txt", kDesktop);
    const qsizetype ptbN = DSStoreWriter::ustrRecord("bad.txt", "ptbL", kDesktop).size();
    broken.replace(ptbN, 4, DSStoreWriter::be32(6));
    DSStoreWriter w;
    w.addRawRecord(broken);
    w.addRawRecord(DSStoreWriter::itemRecords("good.txt", kDocuments));
    EXPECT_EQ(PutBackReader::parseRecords(w.bytes()), QStringList{"/Users/me/Documents/good.txt"});

    // A folder record without "ustr" in front of its count, then texts that do not decode.
    QByteArray noType = DSStoreWriter::itemRecords("n.txt", kDesktop);
    noType.replace(4 + 2 * 5 + 4, 4, "utxt");
    const QString unpairedHigh = QStringLiteral("x") + QChar(0xD83D) + "y";
    const QString loneLow = QString(QChar(0xDE00)) + "z";
    const QString endsHigh = QStringLiteral("w") + QChar(0xD83D);
    DSStoreWriter odd;
    odd.addRawRecord(noType);
    odd.addRawRecord(DSStoreWriter::itemRecords(unpairedHigh, kDesktop));
    odd.addRawRecord(DSStoreWriter::itemRecords(loneLow, kDesktop));
    odd.addRawRecord(DSStoreWriter::itemRecords("h.txt", "Users/" + endsHigh));
    odd.addRawRecord(DSStoreWriter::itemRecords(QStringLiteral("n") + QChar(0) + "ul", kDesktop));
    odd.addRawRecord(DSStoreWriter::itemRecords("folder-nul.txt", QStringLiteral("Users/\0x/")));
    odd.addRawRecord(DSStoreWriter::itemRecords("", kDesktop));
    odd.addRawRecord(DSStoreWriter::itemRecords("ok.txt", kDesktop));
    EXPECT_EQ(PutBackReader::parseRecords(odd.bytes()), QStringList{"/Users/me/Desktop/ok.txt"});

    // Markers at every alignment.
    for (int padding = 0; padding < 8; ++padding) {
        DSStoreWriter shifted;
        shifted.setLeadingPadding(padding);
        shifted.add("a.txt", kDesktop);
        shifted.addRawRecord(QByteArray(1 + padding % 3, '\x07'));
        shifted.addRawRecord(DSStoreWriter::itemRecords(QStringLiteral("報告.txt"), kDocuments));
        EXPECT_EQ(PutBackReader::parseRecords(shifted.bytes()),
                  (QStringList{"/Users/me/Desktop/a.txt", QStringLiteral("/Users/me/Documents/報告.txt")}))
            << "padding " << padding;
    }
}

TEST(PutBackOrigPaths, PathComponentRules) {
    const struct {
        const char* path;
        const char* last;
        const char* folder;
    } cases[] = {{"/a/b/", "b", "/a"}, {"/a/b", "b", "/a"}, {"/x", "x", "/"},
                 {"a", "a", ""},       {"/", "/", "/"},     {"", "", ""},
                 {"//", "/", "/"},     {"/x//", "x", "/"},  {"a/b", "b", "a"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TrashOrigPaths::lastPathComponent(c.path), c.last) << c.path;
        EXPECT_EQ(TrashOrigPaths::deletingLastPathComponent(c.path), c.folder) << c.path;
    }

    const auto list = listOf({"/x", "loose", "/Users/me/folder/", "/Users/me/dup", "/Other/dup"});
    EXPECT_EQ(list->getOrigFilePath("x"), "/x");  // not "//x"
    EXPECT_EQ(list->getOrigFilePath("loose"), "--");
    EXPECT_EQ(list->getOrigFilePath("folder"), "/Users/me/folder");
    EXPECT_EQ(list->getOrigFilePath("dup"), "/Users/me/dup");
    // The first match decides even when it has no folder.
    list->clear();
    EXPECT_TRUE(list->isEmpty());
    list->append({"dup", "/Users/me/dup"});
    EXPECT_EQ(list->getOrigFilePath("dup"), "--");
}

TEST(PutBackOrigPaths, ScanResolvesEntriesUnderTheSandboxRoot) {
    TempRoot root;
    const MacPaths paths(root.path(), QStringLiteral("me"));
    DSStoreWriter w;
    w.add("a.txt", kDesktop);
    w.add(QStringLiteral("報告.txt"), kDocuments);
    ASSERT_TRUE(w.write(paths.trashRecordsFile()));

    const auto list = listOf({"/earlier"});
    list->ScanUserTrashDSStoreFilePath(paths);
    const QString r = paths.root();
    EXPECT_EQ(list->entries(), (QStringList{"/earlier", r + "/Users/me/Desktop/a.txt",
                                            r + QStringLiteral("/Users/me/Documents/報告.txt")}));
    EXPECT_EQ(list->getOrigFilePath("a.txt"), r + "/Users/me/Desktop/a.txt");
    list->ScanUserTrashDSStoreFilePath(paths);  // appends again
    EXPECT_EQ(list->entries().size(), 5);
}

TEST(PutBackReaderRobustness, TruncationsAndMutationsStayInBoundsAndAgreeWithDirectReading) {
    DSStoreWriter w;
    w.setLeadingPadding(3);
    w.add("a.txt", kDesktop);
    w.add(QStringLiteral("報告 \U0001F389.txt"), kDocuments);
    const QByteArray full = w.bytes();
    const QStringList all = PutBackReader::parseRecords(full);
    ASSERT_EQ(all.size(), 2);
    for (qsizetype n = 0; n <= full.size(); ++n) {
        const QByteArray cut = full.left(n);
        const QStringList got = parseExact(cut);
        ASSERT_EQ(got, all.mid(0, got.size())) << "length " << n;
        ASSERT_EQ(got, directReading(cut)) << "length " << n;
    }

    // The offsets of every count field, to aim mutations at them.
    QList<qsizetype> counts;
    for (qsizetype at = w.recordsOffset(), r = 0; r < 4; ++r) {
        counts << at;
        const qsizetype value = at + 4 + 2 * readBe32(full, at) + 8;
        counts << value;
        at = value + 4 + 2 * readBe32(full, value);
    }

    std::mt19937 rng(20240611);
    const auto pick = [&](qsizetype n) { return qsizetype(rng() % quint32(n)); };
    for (int round = 0; round < 4000; ++round) {
        QByteArray d = full;
        for (int ops = 1 + pick(3); ops > 0; --ops) {
            switch (pick(6)) {
                case 0: {
                    const qsizetype at = pick(d.size());
                    d[at] = char(d[at] ^ char(1 + pick(255)));
                    break;
                }
                case 1:
                    d.replace(counts[pick(counts.size())], 4, DSStoreWriter::be32(0xFFFFFFFF));
                    break;
                case 2: {
                    const qsizetype at = counts[pick(counts.size())];
                    d.replace(at, 4, DSStoreWriter::be32(quint32((d.size() - at) / 2 + pick(8))));
                    break;
                }
                case 3:
                    d.insert(pick(13), kMarker);
                    break;
                case 4:
                    d.append(kMarker);
                    break;
                default:
                    d.replace(pick(d.size() - 4), 4, DSStoreWriter::be32(quint32(pick(40))));
                    break;
            }
        }
        const QStringList got = parseExact(d);
        ASSERT_LE(got.size(), d.count(kMarker)) << "round " << round;
        ASSERT_EQ(got, directReading(d)) << "round " << round << ": " << show(got);
        // The file read through a small window finds the same, whatever falls on a window's edge.
        if (round % 50 == 0) {
            ASSERT_EQ(streamed(d, 1 + round % 97), got) << "round " << round;
        }
    }
}

TEST(PutBackReaderRobustness, LargeAndDenseFilesFinish) {
    // 100 MB of zeros with a few records; the scan only decodes around markers.
    QByteArray big(100 * 1024 * 1024, '\0');
    const QByteArray header = DSStoreWriter().bytes();
    big.replace(0, header.size(), header);
    const QList<qsizetype> at{1001, 50 * 1024 * 1024 + 3, big.size() - 500};
    for (qsizetype offset : at) {
        const QByteArray rec = DSStoreWriter::itemRecords(QString("f%1").arg(offset), kDesktop);
        big.replace(offset, rec.size(), rec);
    }
    const QStringList entries = PutBackReader::parseRecords(big);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[2], QString("/Users/me/Desktop/f%1").arg(at[2]));

    // About 10 MB packed with records: each marker is decoded in constant time, not by probing
    // thousands of offsets behind it.
    DSStoreWriter dense;
    QByteArray block;
    for (int i = 0; i < 100; ++i) block += DSStoreWriter::itemRecords("a.txt", kDesktop);
    for (int i = 0; i < 1000; ++i) dense.addRawRecord(block);
    EXPECT_EQ(PutBackReader::parseRecords(dense.bytes()).size(), 100000);
    EXPECT_EQ(streamed(dense.bytes(), 1 << 16).size(), 100000);  // records across every window's edge
    // Nothing but markers: no name count fits anywhere.
    EXPECT_TRUE(PutBackReader::parseRecords(header + kMarker.repeated(1 << 20)).isEmpty());
}

TEST(PutBackOrigPaths, LookupsWhileAnotherThreadRescans) {
    TempRoot root;
    const MacPaths paths(root.path(), QStringLiteral("me"));
    DSStoreWriter w;
    for (int i = 0; i < 50; ++i) w.add(QString("file%1.txt").arg(i), kDesktop);
    ASSERT_TRUE(w.write(paths.trashRecordsFile()));
    const QString expected = paths.root() + "/Users/me/Desktop/file49.txt";

    TrashOrigPaths list;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 300; ++i) {
            list.clear();
            list.ScanUserTrashDSStoreFilePath(paths);
        }
        done = true;
    });
    // Failures are noted, not asserted, so the worker is always joined.
    QStringList wrong;
    while (!done) {
        const QString answer = list.getOrigFilePath("file49.txt");
        if (answer != "--" && answer != expected) wrong << answer;
        const qsizetype size = list.entries().size();
        if (size % 50 != 0) wrong << QString("size %1").arg(size);  // a scan's entries arrive together
    }
    worker.join();
    EXPECT_TRUE(wrong.isEmpty()) << show(wrong);
    EXPECT_EQ(list.getOrigFilePath("file49.txt"), expected);
}

}  // namespace
