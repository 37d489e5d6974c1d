#include "PkexecAuthorization.h"

#include <QFileInfo>
#include <QProcess>

namespace {

// Deleting a running QProcess kills the child and waits for it; once pkexec has become the
// root-owned helper it cannot be signalled and the wait would hang. Such processes are parked
// here (reachable, so not reported as leaks) and end on their own.
QList<QProcess*>& parkedProcesses() {
    static QList<QProcess*>* const parked = new QList<QProcess*>;
    return *parked;
}

}  // namespace

PkexecAuthorization::PkexecAuthorization(QString pkexecProgram, QObject* parent)
    : QObject(parent), m_pkexec(std::move(pkexecProgram)) {}

PkexecAuthorization::~PkexecAuthorization() {
    for (QProcess* process : std::as_const(m_running)) {
        process->disconnect(this);
        parkedProcesses().append(process);
    }
}

void PkexecAuthorization::start(const QString& program, const QStringList& arguments, Done done) {
    if (!QFileInfo(program).isExecutable()) {
        // No password prompt for a program that cannot run anyway.
        QMetaObject::invokeMethod(
            this, [done] { done(Outcome::FailedToStart); }, Qt::QueuedConnection);
        return;
    }
    auto* process = new QProcess;
    m_running.append(process);
    // pkexec's and the helper's messages reach our standard error; no pipe ties them to us.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // Queued: a failed start may be signalled inside start(), and the caller is answered later.
    connect(
        process, &QProcess::errorOccurred, this,
        [this, process, done](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) finish(process, done, Outcome::FailedToStart);
        },
        Qt::QueuedConnection);
    connect(process, &QProcess::finished, this,
            [this, process, done](int exitCode, QProcess::ExitStatus status) {
                const bool refused = status == QProcess::NormalExit && (exitCode == 126 || exitCode == 127);
                finish(process, done, refused ? Outcome::Refused : Outcome::Started);
            });
    // pkexec hands the program its arguments as they are; it takes none of its own after it.
    process->start(m_pkexec, QStringList{program} + arguments);
}

void PkexecAuthorization::finish(QProcess* process, const Done& done, Outcome outcome) {
    if (!m_running.removeOne(process)) return;
    process->disconnect(this);
    process->deleteLater();
    done(outcome);
}
