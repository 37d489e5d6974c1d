#include "Worker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QObject>
#include <QThread>
#include <utility>

#include "ThreadHandOver.h"

Worker::Worker(QObject* owner) : Worker(owner, QString()) {}

Worker::Worker(QObject* owner, QString busyNote)
    : m_owner(owner), m_busyNote(std::move(busyNote)), m_context(std::make_unique<QObject>()) {
    Q_ASSERT(owner && owner->thread() == QThread::currentThread());
}

Worker::~Worker() {
    close();
}

bool Worker::launch(std::function<void()> work, std::function<void()> handBack) {
    if (m_closed) return false;
    if (!m_busyNote.isEmpty() && m_running > 0) {
        qInfo().noquote() << m_busyNote;
        return false;
    }
    // What the work did reaches the owner's thread through Qt's event queue or close()'s wait.
    QThread* thread = QThread::create([this, work = std::move(work)] {
        work();
        ThreadHandOver::sent(this);
    });
    thread->setParent(m_owner);  // never outlives the owner
    m_threads.append(thread);
    ++m_running;
    QObject::connect(
        thread, &QThread::finished, m_context.get(),
        [this, thread, handBack = std::move(handBack)] {
            ThreadHandOver::received(this);
            m_threads.removeAll(thread);
            thread->wait();
            thread->deleteLater();
            // Over before its hand-back: a request made from the hand-back is not refused.
            --m_running;
            if (!m_closed && handBack) handBack();
        },
        Qt::QueuedConnection);
    thread->start();
    return true;
}

void Worker::close() {
    m_closed = true;
    auto unfinished = [this]() -> QThread* {
        for (QThread* thread : std::as_const(m_threads))
            if (!thread->isFinished()) return thread;
        return nullptr;
    };
    while (QThread* thread = unfinished())
        if (!thread->wait(QDeadlineTimer(10))) QCoreApplication::processEvents();
    ThreadHandOver::received(this);
    m_context.reset();  // drops the hand-backs not yet delivered
    for (QThread* thread : std::exchange(m_threads, {})) {
        thread->wait();
        delete thread;
    }
    m_running = 0;
}
