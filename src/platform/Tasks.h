#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>

/// What an external command left behind.
struct TaskResult {
    bool started = false;
    bool timedOut = false;  ///< killed at the time limit: the outcome is unknown
    int exitCode = -1;
    QByteArray standardOutput;

    /// The command ran to its end within the time limit.
    bool finished() const { return started && !timedOut; }
};

/// Starts external programs with an argument list (never through a shell) and waits for them, up to
/// a time limit: a command stuck on a hung network mount is killed rather than waited for forever.
/// Standard error goes to the null device, so a chatty command can never block on a full pipe.
class Tasks {
  public:
    static constexpr std::chrono::milliseconds DefaultTimeLimit{std::chrono::seconds(120)};
    /// For commands whose length is the work itself (a move across volumes): no limit.
    static constexpr std::chrono::milliseconds NoTimeLimit{-1};

    virtual ~Tasks() = default;
    /// Runs `program` within this object's time limit; blocks the calling thread. Safe on any thread.
    TaskResult run(const QString& program, const QStringList& arguments) {
        return run(program, arguments, timeLimit());
    }
    /// Runs `program`; past `limit` it is killed and the result says `timedOut`.
    virtual TaskResult run(const QString& program, const QStringList& arguments,
                           std::chrono::milliseconds limit);

    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit.count(); }
    std::chrono::milliseconds timeLimit() const { return std::chrono::milliseconds(m_timeLimit.load()); }

  private:
    std::atomic<qint64> m_timeLimit{DefaultTimeLimit.count()};
};
