// trash_bench [DIR]: times the trash scan against the du runs it must make, the put-back reader on a
// 10 MB records file, and the trash tree of about 20,000 entries without size measurement.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "BestOf.h"
#include "core/fs/FsTree.h"
#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/DSStoreWriter.h"
#include "support/SandboxBuilder.h"
#include "trash/CVTrashController.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashScanner.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString rootDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    SandboxBuilder sandbox(rootDir, QStringLiteral("me"));
    auto paths = std::make_shared<MacPaths>(sandbox.paths());
    const QString trash = paths->userTrash();

    std::printf("Building a Trash of 1,000 folders of 20 files and 1,000 files...\n");
    DSStoreWriter records;
    for (int i = 0; i < 1000; ++i) {
        const QString folder = QStringLiteral("Folder %1").arg(i, 4, 10, QLatin1Char('0'));
        for (int j = 0; j < 20; ++j)
            sandbox.writeSizedFile(trash + "/" + folder + QStringLiteral("/file-%1.txt").arg(j), 2000 + j);
        records.add(folder, QStringLiteral("Users/me/Projects/"));
        const QString file = QStringLiteral("Document %1.txt").arg(i, 4, 10, QLatin1Char('0'));
        sandbox.writeSizedFile(trash + "/" + file, 3000 + i);
        records.add(file, QStringLiteral("Users/me/Documents/"));
    }
    records.write(paths->trashRecordsFile());

    auto tasks = std::make_shared<Tasks>();
    auto files = std::make_shared<ItemSizes>(paths, tasks);
    const QStringList entries = TrashScanner::listFolder(trash);

    // The du runs alone: one per folder, one after another.
    const double duAlone = bestSeconds(3, [&] {
        for (const QString& name : entries)
            if (name.startsWith(QLatin1String("Folder")))
                tasks->run(QStringLiteral("/usr/bin/du"), {"-k", "-d", "0", "--", trash + "/" + name});
    });
    auto origPaths = std::make_shared<TrashOrigPaths>();
    TrashScanner scanner(paths, files, origPaths, std::make_shared<Workspace>(paths));
    int count = 0;
    const double scan = bestSeconds(3, [&] { count = scanner.scan().items.size(); });
    std::printf("scan: %d records in %.3f s; du alone %.3f s; added by Corvane %.3f s (%.1f %%)\n", count,
                scan, duAlone, scan - duAlone, 100.0 * (scan - duAlone) / duAlone);

    // The reader on a records file of about 10 MB.
    DSStoreWriter big;
    const QString longFolder = QStringLiteral("Users/me/Some/Deeply/Nested/Folder/Of/Projects/");
    int n = 0;
    while (big.bytes().size() < 10 * 1024 * 1024 && n < 200000) {
        for (int k = 0; k < 5000; ++k, ++n) big.add(QStringLiteral("item number %1.txt").arg(n), longFolder);
    }
    const QByteArray data = big.bytes();
    QStringList parsed;
    const double read = bestSeconds(5, [&] { parsed = PutBackReader::parseRecords(data); });
    std::printf("reader: %.1f MB, %d entries in %.1f ms\n", data.size() / 1048576.0,
                static_cast<int>(parsed.size()), read * 1000);

    // The tree without du.
    int nodes = 0;
    const double tree = bestSeconds(3, [&] {
        CVTrashController controller(
            paths, [](const FsTree::WalkEntry&) { return quint64(0); },
            [&](const QString& name) { return origPaths->getOrigFilePath(name); });
        controller.addTrashTreeList();
        nodes = controller.nodeCount();
    });
    std::printf("tree: %d nodes in %.3f s (no size measurement)\n", nodes, tree);
    return 0;
}
