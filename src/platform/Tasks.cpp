#include "Tasks.h"

#include <QMutex>
#include <QProcess>

TaskResult Tasks::run(const QString& program, const QStringList& arguments) {
    TaskResult result;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) return result;
    result.started = true;
    process.waitForFinished(-1);
    result.standardOutput = process.readAllStandardOutput();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

TaskResult RecordingTasks::run(const QString& program, const QStringList& arguments) {
    {
        QMutexLocker locker(&m_lock);
        m_calls.append({program, arguments});
    }
    return Tasks::run(program, arguments);
}

QList<RecordingTasks::Call> RecordingTasks::calls() const {
    QMutexLocker locker(&m_lock);
    return m_calls;
}
