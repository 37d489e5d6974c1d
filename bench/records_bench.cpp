// records_bench [MB]: the put-back reader on a Trash records file (".DS_Store") of 64 MB (or MB):
// `corvane-cli trash putback-paths` on a mac-layout sandbox holding it, its time and peak memory
// against the targets (1 s, 100 MB), and the same run on an empty records file for what the program
// needs before any record.
#include <pwd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "ChildRun.h"
#include "support/DSStoreWriter.h"

namespace {

// The records of `megabytes` of items put in the Trash from one deep folder.
qsizetype writeRecords(const QString& path, int megabytes) {
    DSStoreWriter writer;
    const QString folder = QStringLiteral("Users/me/Some/Deeply/Nested/Folder/Of/Projects/");
    const qsizetype perItem =
        DSStoreWriter::itemRecords(QStringLiteral("item number 000000.txt"), folder).size();
    const qsizetype items = qsizetype(megabytes) * 1024 * 1024 / perItem;
    for (qsizetype n = 0; n < items; ++n)
        writer.add(QStringLiteral("item number %1.txt").arg(n, 6, 10, QLatin1Char('0')), folder);
    return writer.write(path) ? items : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 64;
    QTemporaryDir dir;
    const QString login = QString::fromLocal8Bit(getpwuid(getuid())->pw_name);
    const QString full = dir.filePath(QStringLiteral("full"));
    const QString empty = dir.filePath(QStringLiteral("empty"));
    const qsizetype items = writeRecords(full + "/Users/" + login + "/.Trash/.DS_Store", megabytes);
    if (items < 0 || writeRecords(empty + "/Users/" + login + "/.Trash/.DS_Store", 0) < 0) {
        std::fprintf(stderr, "records_bench: the records file could not be written\n");
        return 1;
    }
    std::printf("records file of %d MB, %lld items\n", megabytes, static_cast<long long>(items));
    setenv("CORVANE_LAYOUT", "mac", 1);
    setenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))).constData(), 1);
    const QByteArray cli = CORVANE_CLI_PATH;
    for (const QString& root : {empty, full}) {
        setenv("CORVANE_ROOT", QFile::encodeName(root).constData(), 1);
        ChildRun best;
        for (int run = 0; run < 3; ++run) {
            const ChildRun r = ChildRun::of({cli, "trash", "putback-paths"});
            if (run == 0 || r.seconds < best.seconds) best = r;
        }
        std::printf("| %-34s | %7.2f s | %6.0f MB | %s|\n",
                    root == empty ? "putback-paths, empty records file" : "putback-paths, full records file",
                    best.seconds, best.peakMb,
                    best.status != 0
                        ? "(FAILED) "
                        : (root == empty ? ""
                                         : (best.seconds < 1 && best.peakMb < 100 ? "1 s, 100 MB met "
                                                                                  : "1 s, 100 MB MISSED ")));
    }
    return 0;
}
