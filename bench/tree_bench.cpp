// tree_bench [DIR]: times the trash tree of 1,000 folders of 20 files and 1,000 files (22,000 nodes)
// without size measurement: the whole build from disk, and the placement of the same entries alone.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "BestOf.h"
#include "core/fs/FsTree.h"
#include "support/SandboxBuilder.h"
#include "trash/CVTrashController.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString rootDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    SandboxBuilder sandbox(rootDir, QStringLiteral("me"));
    auto paths = std::make_shared<MacPaths>(sandbox.paths());
    const QString trash = paths->userTrash();

    std::printf("Building a Trash of 1,000 folders of 20 files and 1,000 files...\n");
    QHash<QString, QString> origins;
    std::vector<std::pair<QString, bool>> entries;  // pre-order, for the placement-only run
    for (int i = 0; i < 1000; ++i) {
        const QString folder = QStringLiteral("Folder %1").arg(i, 4, 10, QLatin1Char('0'));
        entries.emplace_back(trash + "/" + folder, true);
        for (int j = 0; j < 20; ++j) {
            const QString file = trash + "/" + folder + QStringLiteral("/file-%1.txt").arg(j);
            sandbox.writeFile(file, QByteArray());
            entries.emplace_back(file, false);
        }
        const QString file = QStringLiteral("Document %1.txt").arg(i, 4, 10, QLatin1Char('0'));
        sandbox.writeFile(trash + "/" + file, QByteArray());
        entries.emplace_back(trash + "/" + file, false);
        origins.insert(folder, QStringLiteral("/Users/me/Projects/") + folder);
        origins.insert(file, QStringLiteral("/Users/me/Documents/") + file);
    }
    const auto noSize = [](const FsTree::WalkEntry&) { return quint64(0); };
    const auto origPath = [&origins](const QString& name) {
        return origins.value(name, QStringLiteral("--"));
    };

    int nodes = 0;
    const double build = bestSeconds(5, [&] {
        CVTrashController controller(paths, noSize, origPath);
        controller.addTrashTreeList();
        nodes = controller.nodeCount();
    });
    std::printf("tree from disk: %d nodes in %.3f s (best of 5, no size measurement)\n", nodes, build);

    const QVariantMap dict = TrashItemDict::make(QStringLiteral("x"), QStringLiteral("0.00bytes"), 0,
                                                 QStringLiteral("-rw-r--r--"), QStringLiteral("--"));
    const double place = bestSeconds(5, [&] {
        CVTrashController controller(paths, noSize, origPath);
        for (const auto& [path, isFolder] : entries) controller.addFolder(path, isFolder, dict);
        nodes = controller.nodeCount();
    });
    std::printf("placement alone: %d nodes in %.3f s (best of 5)\n", nodes, place);
    return 0;
}
