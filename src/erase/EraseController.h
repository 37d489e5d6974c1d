#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "platform/Worker.h"

class Alerts;
class Paths;
struct WorkProgress;

/// Secure erase of chosen or dropped items: one confirmation listing them, then a worker that
/// erases them one after another, counting them, and can be cancelled between entries. One erase
/// at a time.
class EraseController : public QObject {
    Q_OBJECT
  public:
    /// `paths` says what an erase may never be or hold (the home, a disk's top, the Trash, ...).
    EraseController(std::shared_ptr<Alerts> alerts, std::shared_ptr<const Paths> paths,
                    QObject* parent = nullptr);
    ~EraseController() override;

    /// "Are you sure you want to permanently erase the selected items ?" with the list text.
    bool confirm(const QStringList& paths);
    /// Confirms, then erases on a worker (files given on the command line or dropped). False, without
    /// asking, while an erase runs.
    bool application_openFiles(const QStringList& paths);
    /// Erases on a worker without asking; false (and logged) while an erase runs.
    bool startErase(const QStringList& paths);
    bool isRunning() const { return m_erases.isRunning(); }
    /// Logs and answers true while an erase runs, so a new request is not even asked about.
    bool refuseWhileRunning() const;
    /// The running erase's progress (items of the list) and its cancel flag; null while none runs.
    std::shared_ptr<WorkProgress> progress() const { return m_progress; }

  Q_SIGNALS:
    /// An erase has started; progress() follows it.
    void eraseStarted();
    /// A worker is done (nothing is shown to the user but what it could not do).
    void EraseAllFinishedHanderToMainThread();

  private:
    std::shared_ptr<Alerts> m_alerts;
    std::shared_ptr<WorkProgress> m_progress;
    std::shared_ptr<const Paths> m_paths;
    Worker m_erases;
};
