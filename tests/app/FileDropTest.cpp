#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include "app/FileDrop.h"
#include "support/EventWait.h"

namespace {

// Local files dropped on a watched window are taken once, after the drop, in the drag's order;
// a drag of web addresses only is neither accepted nor taken.
TEST(FileDrop, TakesTheLocalFilesOfADropAndNothingElse) {
    struct Case {
        const char* name;
        QList<QUrl> urls;
        QStringList taken;
    };
    const Case cases[] = {
        {"two files",
         {QUrl::fromLocalFile("/tmp/a b"), QUrl::fromLocalFile("/tmp/c")},
         {"/tmp/a b", "/tmp/c"}},
        {"a file among addresses",
         {QUrl("https://example.org/x"), QUrl::fromLocalFile("/home/me/y")},
         {"/home/me/y"}},
        {"addresses only", {QUrl("https://example.org/x")}, {}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        QList<QStringList> calls;
        FileDrop drop([&calls](const QStringList& paths) { calls << paths; });
        QWidget window;
        drop.watch(&window);
        EXPECT_TRUE(window.acceptDrops());
        QMimeData mime;
        mime.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        EXPECT_EQ(enter.isAccepted(), !c.taken.isEmpty()) << c.name;
        QDropEvent dropEvent(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropEvent);
        EXPECT_TRUE(calls.isEmpty()) << c.name << ": taken inside the drop";
        // Anything the drop handed on runs before a later queued call.
        bool served = false;
        QTimer::singleShot(0, &window, [&served] { served = true; });
        ASSERT_TRUE(waitUntil([&] { return served; })) << c.name;
        const QList<QStringList> expected =
            c.taken.isEmpty() ? QList<QStringList>{} : QList<QStringList>{c.taken};
        EXPECT_EQ(calls, expected) << c.name;
    }
}

}  // namespace
