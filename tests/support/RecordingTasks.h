#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>

#include "platform/Tasks.h"

/// Runs the commands for real and remembers every argument list it was given (for tests).
class RecordingTasks : public Tasks {
  public:
    struct Call {
        QString program;
        QStringList arguments;
    };
    using Tasks::run;
    TaskResult run(const QString& program, const QStringList& arguments,
                   std::chrono::milliseconds limit) override;
    QList<Call> calls() const;

  private:
    mutable QMutex m_lock;
    QList<Call> m_calls;
};
