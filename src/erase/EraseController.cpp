#include "EraseController.h"

#include <optional>

#include "OverwriteReach.h"
#include "SecureEraser.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/WorkProgress.h"

namespace {

const char BusyNote[] = "A secure erase is already running; the request is ignored.";

struct EraseOutcome {
    QString problems;
    std::optional<AlertRequest> warning;
};

}  // namespace

EraseController::EraseController(std::shared_ptr<Alerts> alerts, std::shared_ptr<const Paths> paths,
                                 QObject* parent)
    : QObject(parent),
      m_alerts(std::move(alerts)),
      m_paths(std::move(paths)),
      m_erases(this, QLatin1String(BusyNote)) {}

EraseController::~EraseController() {
    m_erases.close();
}

bool EraseController::refuseWhileRunning() const {
    if (!isRunning()) return false;
    qInfo(BusyNote);
    return true;
}

bool EraseController::confirm(const QStringList& paths) {
    // The list goes in as it is: a path with "%" must not act as a format.
    const int answer =
        m_alerts->runModal({localized("Are you sure you want to permanently erase the selected items ?"),
                            localized(" Erase "), localized(" Cancel "), SecureEraser::listText(paths)});
    return answer == Alerts::Default;
}

bool EraseController::application_openFiles(const QStringList& paths) {
    if (paths.isEmpty() || refuseWhileRunning() || !confirm(paths)) return false;
    return startErase(paths);
}

bool EraseController::startErase(const QStringList& paths) {
    auto progress = std::make_shared<WorkProgress>();
    progress->total = int(paths.size());
    const bool started = m_erases.start(
        [paths, progress, limits = m_paths->scopeLimits()] {
            const SecureEraser eraser(limits);
            const FsTree::Options options = progress->treeOptions();
            FsTree::Report all;
            all.gone = true;
            QStringList reached;
            // One item at a time, so the window can say how many are done.
            for (const QString& path : paths) {
                if (progress->cancel) break;
                const FsTree::Report report = eraser.eraseItems({path}, options);
                all.problems += report.problems;
                all.gone = all.gone && report.gone;
                reached << path;
                ++progress->done;
                if (report.cancelled) break;
            }
            // Looked up here: statfs on a network file system may take a while.
            return EraseOutcome{SecureEraser::problemsText(all), OverwriteReach::warningAfterErase(reached)};
        },
        [this](const EraseOutcome& outcome) {
            m_progress.reset();
            if (!outcome.problems.isEmpty())
                m_alerts->runModal({localized("Some items were not erased as asked."), localized(" OK "),
                                    QString(), outcome.problems});
            if (outcome.warning) m_alerts->runModal(*outcome.warning);
            Q_EMIT EraseAllFinishedHanderToMainThread();
        });
    if (!started) return false;
    m_progress = progress;
    Q_EMIT eraseStarted();
    return true;
}
