#include "MainThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace MainThread {

namespace {

// Calls waiting for the main thread. They pass through a queue of our own, under a lock the thread
// sanitizer sees, so what a worker put into a call is seen to come before the main thread runs
// it; Qt's event queue, whose order the sanitizer can't see, only wakes the main thread up.
std::mutex& queueLock() {
    static std::mutex lock;
    return lock;
}
std::deque<std::function<void()>>& queue() {
    static std::deque<std::function<void()>> calls;
    return calls;
}

void runQueued() {
    for (;;) {
        std::function<void()> next;
        {
            const std::lock_guard<std::mutex> hold(queueLock());
            if (queue().empty()) return;
            next = std::move(queue().front());
            queue().pop_front();
        }
        next();
    }
}

void enqueue(QCoreApplication* app, std::function<void()> fn) {
    {
        const std::lock_guard<std::mutex> hold(queueLock());
        queue().push_back(std::move(fn));
    }
    // Captures nothing: the wake-up carries no data of the worker's.
    QMetaObject::invokeMethod(
        app, [] { runQueued(); }, Qt::QueuedConnection);
}

}  // namespace

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
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    enqueue(app, [&] {
        fn();
        const std::lock_guard<std::mutex> hold(lock);
        done = true;
        finished.notify_one();
    });
    std::unique_lock<std::mutex> hold(lock);
    finished.wait(hold, [&] { return done; });
}

void post(const std::function<void()>& fn) {
    auto* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    enqueue(app, fn);
}

}  // namespace MainThread
