#include "MainThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <memory>

#include "ThreadHandOver.h"

namespace MainThread {

bool isMainThread() {
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void runAndWait(const std::function<void()>& fn) {
    auto* app = QCoreApplication::instance();
    if (!app || isMainThread()) {
        fn();
        return;
    }
    // Qt orders the call and the wait for it; the marks let the thread sanitizer see that order.
    ThreadHandOver::sent(&fn);
    QMetaObject::invokeMethod(
        app,
        [&fn] {
            ThreadHandOver::received(&fn);
            fn();
            ThreadHandOver::sent(&fn);
        },
        Qt::BlockingQueuedConnection);
    ThreadHandOver::received(&fn);
}

void post(const std::function<void()>& fn) {
    auto* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    auto handOver = std::make_shared<char>();
    ThreadHandOver::sent(handOver.get());
    QMetaObject::invokeMethod(
        app,
        [fn, handOver] {
            ThreadHandOver::received(handOver.get());
            fn();
        },
        Qt::QueuedConnection);
}

}  // namespace MainThread
