#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <thread>

#include "platform/WorkProgress.h"
#include "support/EventWait.h"
#include "widgets/ProgressPanel.h"

namespace {

// The panel follows counters a worker writes, by its own timer: a bar by bytes when their total is
// known, by items otherwise, busy without either.
TEST(ProgressPanel, FollowsTheWorkersFilesAndBytes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        int total;
        quint64 bytesTotal;
        int done;
        quint64 files, bytes;
        const char* label;
        int value, maximum;
    };
    const Case cases[] = {
        {1, 4096, 0, 3, 1024, "Deleting — 3 files, 1.0 kB of 4.0 kB", 250, 1000},
        {3, 0, 2, 1500, 0, "Deleting — 2 of 3 items, 1,500 files, 0 bytes", 2, 3},
        {0, 0, 0, 1, 10, "Deleting — 1 file, 10 bytes", 0, 0},
    };
    for (const Case& c : cases) {
        ProgressPanel panel;
        auto progress = std::make_shared<WorkProgress>();
        progress->total = c.total;
        progress->bytesTotal = c.bytesTotal;
        panel.track(progress, QStringLiteral("Deleting"), true);
        std::thread worker([&] {
            progress->files = c.files;
            progress->bytes = c.bytes;
            progress->done = c.done;
        });
        worker.join();
        const QString expected = QString::fromUtf8(c.label);
        EXPECT_TRUE(waitUntil([&] {
            return panel.findChild<QLabel*>("actionProgressLabel")->text() == expected;
        })) << qPrintable(panel.findChild<QLabel*>("actionProgressLabel")->text());
        EXPECT_EQ(panel.findChild<QProgressBar*>("actionProgress")->value(), c.value) << c.label;
        EXPECT_EQ(panel.findChild<QProgressBar*>("actionProgress")->maximum(), c.maximum) << c.label;
        panel.finish();
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace
