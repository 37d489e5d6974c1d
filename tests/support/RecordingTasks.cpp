#include "RecordingTasks.h"

TaskResult RecordingTasks::run(const QString& program, const QStringList& arguments,
                               std::chrono::milliseconds limit) {
    {
        QMutexLocker locker(&m_lock);
        m_calls.append({program, arguments});
    }
    return Tasks::run(program, arguments, limit);
}

QList<RecordingTasks::Call> RecordingTasks::calls() const {
    QMutexLocker locker(&m_lock);
    return m_calls;
}
