#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class QObject;
class QThread;

/// Long work on a thread of its own per request, handed back on the owner's thread.
///
/// Each request runs on a new QThread whose parent is the owner, so no thread object outlives it.
/// Once the work has returned, its hand-back runs on the owner's thread with the work's result; the
/// work may still reach the main thread midway (MainThread::runAndWait), for an alert say.
/// Use it from the owner's thread only. Declare it after the members its work uses, or close() it
/// first in the owner's destructor: closing waits for every thread.
class Worker {
  public:
    /// Requests may run side by side.
    explicit Worker(QObject* owner);
    /// One request at a time: one made while another runs is refused and `busyNote` logged.
    Worker(QObject* owner, QString busyNote);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    /// Runs `work` on a new thread, then `handBack` on the owner's thread, given what `work`
    /// returned (nothing for a void work). False, with nothing started, when a request is refused
    /// or the worker is closed.
    template <typename Work, typename HandBack>
    bool start(Work work, HandBack handBack);

    /// A request was started and its hand-back has not begun yet.
    bool isRunning() const { return m_running > 0; }

    /// Waits until every thread has ended, serving the owner thread's events meanwhile (a worker may
    /// be waiting for that thread). No hand-back runs once this is called, and nothing starts.
    void close();

  private:
    bool launch(std::function<void()> work, std::function<void()> handBack);

    QObject* m_owner;
    QString m_busyNote;
    std::unique_ptr<QObject> m_context;  ///< hand-backs are bound to it, so they end with the worker
    QList<QThread*> m_threads;
    int m_running = 0;
    bool m_closed = false;
};

template <typename Work, typename HandBack>
bool Worker::start(Work work, HandBack handBack) {
    using Result = std::invoke_result_t<Work&>;
    if constexpr (std::is_void_v<Result>) {
        return launch(std::move(work), std::move(handBack));
    } else {
        // Written by the worker before its thread ends, read by the hand-back afterwards.
        auto result = std::make_shared<std::optional<Result>>();
        return launch([work = std::move(work), result]() mutable { result->emplace(work()); },
                      [handBack = std::move(handBack), result]() mutable { handBack(std::move(**result)); });
    }
}
