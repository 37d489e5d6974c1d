#include "EraseController.h"

#include "OverwriteReach.h"
#include "SecureEraser.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/MainThread.h"

#include <QCoreApplication>
#include <QThread>

EraseController::EraseController(std::shared_ptr<const SystemCommands> commands, std::shared_ptr<Alerts> alerts,
                                 QObject* parent)
    : QObject(parent), m_commands(std::move(commands)), m_alerts(std::move(alerts)) {}

EraseController::~EraseController() { waitForErases(); }

void EraseController::waitForErases() {
    while (!m_threads.isEmpty()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool EraseController::confirm(const QStringList& paths) {
    // The list goes in as it is: a path with "%" must not act as a format.
    const int answer = m_alerts->runModal({localized("Are you sure you want to permanently erase the selected items ?"),
                                           localized(" Erase "), localized(" Cancel "), SecureEraser::listText(paths)});
    return answer == Alerts::Default;
}

bool EraseController::application_openFiles(const QStringList& paths) {
    if (paths.isEmpty() || !confirm(paths)) return false;
    startErase(paths);
    return true;
}

void EraseController::startErase(const QStringList& paths) {
    auto commands = m_commands;
    QThread* thread = QThread::create([this, commands, paths] {
        const FsTree::Report report = SecureEraser(commands).eraseItems(paths);
        // Looked up here: statfs on a network file system may take a while.
        const auto warning = OverwriteReach::warningAfterErase(paths);
        const QString problems = SecureEraser::problemsText(report);
        MainThread::runAndWait([this, &warning, &problems] {
            if (!problems.isEmpty())
                m_alerts->runModal({localized("Some items were not erased as asked."), localized(" OK "), QString(), problems});
            if (warning) m_alerts->runModal(*warning);
            Q_EMIT EraseAllFinishedHanderToMainThread();
        });
    });
    thread->setParent(this);  // never outlives the controller
    m_threads.append(thread);
    // Each worker releases only its own thread object.
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeAll(thread);
        thread->deleteLater();
    });
    thread->start();
}
