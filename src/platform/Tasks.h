#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

/// What a finished external command left behind.
struct TaskResult {
    bool started = false;
    int exitCode = -1;
    QByteArray standardOutput;
};

/// Starts external programs with an argument list (never through a shell) and waits for them.
/// Standard error goes to the null device, so a chatty command can never block on a full pipe.
class Tasks {
public:
    virtual ~Tasks() = default;
    /// Runs `program` to completion; blocks the calling thread. Safe on any thread.
    virtual TaskResult run(const QString& program, const QStringList& arguments);
};

/// Runs the commands for real and remembers every argument list it was given (for tests).
class RecordingTasks : public Tasks {
public:
    struct Call {
        QString program;
        QStringList arguments;
    };
    TaskResult run(const QString& program, const QStringList& arguments) override;
    QList<Call> calls() const;

private:
    mutable QMutex m_lock;
    QList<Call> m_calls;
};
