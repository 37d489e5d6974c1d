#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "platform/MainThread.h"
#include "platform/Worker.h"
#include "support/EventWait.h"
#include "support/Gate.h"

namespace {

TEST(Worker, WorksOnItsOwnThreadAndHandsTheResultBackOnTheOwnersThread) {
    QObject owner;
    Worker worker(&owner);
    QThread* workedOn = nullptr;
    QThread* handedBackOn = nullptr;
    ASSERT_TRUE(worker.start([] { return QThread::currentThread(); },
                             [&](QThread* thread) {
                                 workedOn = thread;
                                 handedBackOn = QThread::currentThread();
                             }));
    EXPECT_TRUE(worker.isRunning());
    ASSERT_TRUE(waitUntil([&] { return handedBackOn != nullptr; }));
    EXPECT_NE(workedOn, owner.thread());
    EXPECT_EQ(handedBackOn, owner.thread());
    EXPECT_FALSE(worker.isRunning());
    // The thread object was the owner's, and is gone once it is handed back.
    EXPECT_TRUE(waitUntil([&] { return owner.findChildren<QThread*>().isEmpty(); }));
}

TEST(Worker, OneAtATimeRefusesAndLogsASecondRequestUntilTheFirstIsHandedBack) {
    QObject owner;
    Worker worker(&owner, QStringLiteral("busy: ignored"));
    Gate release;
    int handBacks = 0;
    bool startedFromHandBack = false;
    ASSERT_TRUE(worker.start([held = release.waiter()] { EXPECT_TRUE(held.wait()); },
                             [&] {
                                 ++handBacks;
                                 // Over before its hand-back: the next request is welcome from there.
                                 startedFromHandBack = worker.start([] {}, [&] { ++handBacks; });
                             }));
    {
        LogCapture log;
        EXPECT_FALSE(worker.start([] {}, [&] { ++handBacks; }));
        EXPECT_TRUE(log.lines().contains(QStringLiteral("busy: ignored")));
    }
    release.open();
    ASSERT_TRUE(waitUntil([&] { return handBacks == 2; }));
    EXPECT_TRUE(startedFromHandBack);

    // Without the guard, requests run side by side: both are under way before either may end.
    Worker overlapping(&owner);
    Gate gate;
    auto running = std::make_shared<std::atomic_int>(0);
    int done = 0;
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(overlapping.start(
            [held = gate.waiter(), running] {
                ++*running;
                EXPECT_TRUE(held.wait());
            },
            [&] { ++done; }));
    EXPECT_TRUE(waitUntil([&] { return *running == 2; }));
    gate.open();
    EXPECT_TRUE(waitUntil([&] { return done == 2; }));
}

TEST(Worker, AnOwnerGoingAwayWaitsForItsWorkWhichMayStillReachTheMainThread) {
    struct Owner : QObject {
        Gate closing;  ///< opened once the destructor has begun
        Worker worker{this};
        ~Owner() override { closing.open(); }
    };
    auto owner = std::make_unique<Owner>();
    auto reachedMain = std::make_shared<std::atomic_bool>(false);
    auto workEnded = std::make_shared<std::atomic_bool>(false);
    bool handedBack = false;
    ASSERT_TRUE(owner->worker.start(
        [closing = owner->closing.waiter(), reachedMain, workEnded] {
            if (!closing.wait()) return;
            // The main thread is inside the owner's destructor now, and must still answer.
            MainThread::runAndWait([&] { *reachedMain = MainThread::isMainThread(); });
            *workEnded = true;
        },
        [&] { handedBack = true; }));
    owner.reset();
    EXPECT_TRUE(*workEnded);
    EXPECT_TRUE(*reachedMain);
    QCoreApplication::processEvents();
    EXPECT_FALSE(handedBack);  // nothing is handed to an owner that is gone
}

}  // namespace
