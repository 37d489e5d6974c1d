#include "Tasks.h"

#include <QDebug>
#include <QMutex>
#include <QProcess>
#include <algorithm>
#include <limits>

namespace {

// How long a killed command may take to be reaped.
constexpr int ReapMs = 5000;

int waitMs(std::chrono::milliseconds limit) {
    if (limit.count() < 0) return -1;
    return static_cast<int>(std::min<qint64>(limit.count(), std::numeric_limits<int>::max()));
}

}  // namespace

TaskResult Tasks::run(const QString& program, const QStringList& arguments, std::chrono::milliseconds limit) {
    TaskResult result;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(waitMs(limit))) {
        if (process.state() == QProcess::NotRunning) return result;
        result.started = true;
    } else {
        result.started = true;
        if (process.waitForFinished(waitMs(limit)) || process.state() == QProcess::NotRunning) {
            result.standardOutput = process.readAllStandardOutput();
            result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
            return result;
        }
    }
    qInfo().noquote() << program << "ran past its time limit and was stopped";
    result.timedOut = true;
    process.kill();
    process.waitForFinished(ReapMs);
    return result;
}
