// trash_window_bench [ITEMS]: the Trash window on a freedesktop Trash of ITEMS items (default
// 200,000; every 20th a folder of three files): time to the first rows painted, to the scan's end,
// the longest the main thread was busy meanwhile, a scroll through every row, and the same for
// entering a trashed folder of 100,000 files. Peak memory from getrusage. Offscreen; not in CI.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/Tasks.h"
#include "platform/Workspace.h"
#include "support/SandboxBuilder.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashInfo.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"

namespace {

constexpr double FirstRowsTarget = 1.0;  // seconds
constexpr double MemoryTarget = 200;     // MB

void writeRaw(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (!content.isEmpty() && ::write(fd, content.constData(), size_t(content.size())) < 0)
        std::perror("write");
    ::close(fd);
}

// Item i: a folder of three files every 20th time, else a file of up to 4 KB, with its info file.
void fillTrash(const QString& trashFolder, int items, const QString& home) {
    const QByteArray files = QFile::encodeName(trashFolder + QStringLiteral("/files/"));
    const QByteArray info = QFile::encodeName(trashFolder + QStringLiteral("/info/"));
    QDir().mkpath(trashFolder + QStringLiteral("/files"));
    QDir().mkpath(trashFolder + QStringLiteral("/info"));
    const QDateTime when(QDate(2026, 11, 20), QTime(9, 30));
    for (int i = 0; i < items; ++i) {
        const QByteArray name = "item-" + QByteArray::number(i) + (i % 20 == 0 ? "" : ".bin");
        if (i % 20 == 0) {
            ::mkdir((files + name).constData(), 0755);
            for (int k = 0; k < 3; ++k)
                writeRaw(files + name + "/part-" + QByteArray::number(k) + ".bin",
                         QByteArray(1000 * (k + 1), 'x'));
        } else {
            writeRaw(files + name, QByteArray(i % 4096, 'y'));
        }
        writeRaw(info + name + ".trashinfo",
                 TrashInfo::format(home + QStringLiteral("/Documents/") + QString::fromLatin1(name), when));
    }
}

double peakMB() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Times from a start to the first paint of the table with rows, and the longest the main thread
// went without serving its events.
struct Watch : QObject {
    QElapsedTimer clock;
    double firstPaint = -1;
    double longestBusy = 0;
    qint64 lastTick = 0;
    TrashTableModel* model = nullptr;
    QTimer ticker;

    explicit Watch(TrashTableModel* m) : model(m) {
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, this, [this] {
            const qint64 now = clock.nsecsElapsed();
            longestBusy = std::max(longestBusy, (now - lastTick) / 1e9);
            lastTick = now;
        });
    }
    void start() {
        firstPaint = -1;
        longestBusy = 0;
        clock.start();
        lastTick = 0;
        ticker.start();
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && firstPaint < 0 && model->rowCount() > 0)
            firstPaint = clock.nsecsElapsed() / 1e9;
        return false;
    }
};

void row(const char* what, double value, const char* unit, const char* target) {
    std::printf("| %-44s | %10.3f %-2s | %-12s |\n", what, value, unit, target);
}

// Pages through every row, painting each page; the slowest page.
double scrollThrough(QTableView* table) {
    QScrollBar* bar = table->verticalScrollBar();
    const int step = std::max(1, bar->pageStep());
    double slowest = 0;
    for (int value = 0; value <= bar->maximum(); value += std::max(step, bar->maximum() / 400)) {
        QElapsedTimer t;
        t.start();
        bar->setValue(value);
        table->viewport()->repaint();
        slowest = std::max(slowest, t.nsecsElapsed() / 1e9);
    }
    return slowest;
}

struct Window {
    std::unique_ptr<TrashBrowser> browser;
    QTableView* table = nullptr;
    explicit Window(const std::shared_ptr<const Paths>& paths) {
        auto files = std::make_shared<ItemSizes>(paths, std::make_shared<Tasks>());
        browser = std::make_unique<TrashBrowser>(paths, files, std::make_shared<TrashOrigPaths>(),
                                                 std::make_shared<Workspace>(paths));
        table = browser->window()->findChild<QTableView*>(QStringLiteral("theTableView"));
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int items = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int folderFiles = 100000;
    QTemporaryDir dir;

    SandboxBuilder sandbox(dir.filePath(QStringLiteral("big")));
    const std::shared_ptr<FreedesktopPaths> paths = sandbox.linuxPaths();
    std::printf("Filling a Trash of %d items...\n", items);
    // Records name places as the system sees them; the layout puts them under the sandbox's root.
    fillTrash(paths->userTrashFolder(), items, paths->userHome().mid(paths->root().size()));

    std::printf("| %-44s | %13s | %-12s |\n", "measure", "value", "target");
    std::printf("|----------------------------------------------|---------------|--------------|\n");
    {
        Window w(paths);
        Watch watch(w.browser->tableModel());
        w.table->viewport()->installEventFilter(&watch);
        QSignalSpy done(w.browser.get(), &TrashBrowser::scanFinished);
        // CORVANE_BENCH_SHOT=<file.png>: the window as it looks with its first rows, mid-scan.
        const QString shot = qEnvironmentVariable("CORVANE_BENCH_SHOT");
        QObject::connect(w.browser->tableModel(), &QAbstractItemModel::rowsInserted, &watch, [&] {
            if (shot.isEmpty() || w.browser->tableModel()->rowCount() < 1000 || QFile::exists(shot)) return;
            w.browser->window()->grab().save(shot);
        });
        watch.start();
        w.browser->ScanUserTrashFile();
        if (!done.wait(600000)) std::fprintf(stderr, "the scan did not end\n");
        const double end = watch.clock.nsecsElapsed() / 1e9;
        watch.ticker.stop();
        const double atEnd = peakMB();
        row("Trash: first rows painted", watch.firstPaint, "s", "under 1 s");
        row("Trash: scan's end", end, "s", "");
        row("Trash: peak memory at the scan's end", atEnd, "MB", "under 200 MB");
        row("Trash: longest main-thread turn while scanning", watch.longestBusy * 1000, "ms", "");
        row("Trash: rows", w.browser->tableModel()->rowCount(), "", "");
        row("Trash: slowest page while scrolling through", scrollThrough(w.table) * 1000, "ms", "");
        row("Trash: peak memory", peakMB(), "MB", "under 200 MB");
    }

    // A trashed folder of 100,000 files, entered from the window.
    SandboxBuilder folderBox(dir.filePath(QStringLiteral("folder")));
    const std::shared_ptr<FreedesktopPaths> folderPaths = folderBox.linuxPaths();
    std::printf("Filling a trashed folder of %d files...\n", folderFiles);
    fillTrash(folderPaths->userTrashFolder(), 0, folderPaths->userHome());
    const QByteArray big = QFile::encodeName(folderPaths->userTrash() + QStringLiteral("/Many"));
    ::mkdir(big.constData(), 0755);
    for (int i = 0; i < folderFiles; ++i) writeRaw(big + "/file-" + QByteArray::number(i) + ".txt", "z");
    writeRaw(
        QFile::encodeName(folderPaths->userTrashFolder() + QStringLiteral("/info/Many.trashinfo")),
        TrashInfo::format(folderPaths->userHome().mid(folderPaths->root().size()) + QStringLiteral("/Many"),
                          QDateTime::currentDateTime()));
    {
        Window w(folderPaths);
        QSignalSpy done(w.browser.get(), &TrashBrowser::scanFinished);
        w.browser->ScanUserTrashFile();
        done.wait(600000);
        Watch watch(w.browser->tableModel());
        w.table->viewport()->installEventFilter(&watch);
        QSignalSpy listed(w.browser.get(), &TrashBrowser::folderListed);
        w.table->setCurrentIndex(w.browser->tableModel()->index(0, 0));
        watch.start();
        w.browser->doubleclickAction();
        const double entered = watch.clock.nsecsElapsed() / 1e9;
        if (w.browser->isListingFolder() && !listed.wait(600000))
            std::fprintf(stderr, "the listing did not end\n");
        const double end = watch.clock.nsecsElapsed() / 1e9;
        watch.ticker.stop();
        if (watch.firstPaint < 0) {
            w.table->viewport()->repaint();
            watch.firstPaint = watch.clock.nsecsElapsed() / 1e9;
        }
        row("Folder: first rows shown (double-click returns)", entered, "s", "under 1 s");
        row("Folder: first rows painted", watch.firstPaint, "s", "under 1 s");
        row("Folder: every entry listed", end, "s", "");
        row("Folder: longest main-thread turn while listing", watch.longestBusy * 1000, "ms", "");
        row("Folder: rows", w.browser->tableModel()->rowCount(), "", "");
        row("Folder: slowest page while scrolling through", scrollThrough(w.table) * 1000, "ms", "");
        row("peak memory of the whole run", peakMB(), "MB", "under 200 MB");
    }
    return 0;
}
