#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
struct WorkProgress;

/// A progress bar with a label counting items, files and bytes, and a Cancel button, following the progress
/// of work that runs on a worker. It reads the shared counters a few times a second, so a worker never has to
/// reach the main thread to report. Hidden while nothing runs.
class ProgressPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    /// Shows the panel for `progress`, `what` naming the work ("Deleting"); the Cancel button, which
    /// sets the progress's cancel flag, only when the work can stop between items.
    void track(std::shared_ptr<WorkProgress> progress, const QString& what, bool cancellable);
    /// Stops following and hides the panel.
    void finish();
    bool isTracking() const { return m_progress != nullptr; }
    /// Reads the counters now (a timer does it while tracking).
    void refresh();

  private:
    void cancel();

    QProgressBar* m_bar = nullptr;          ///< "actionProgress"
    QLabel* m_label = nullptr;              ///< "actionProgressLabel"
    QPushButton* m_cancelButton = nullptr;  ///< "cancelActionButton"

    std::shared_ptr<WorkProgress> m_progress;
    QString m_what;
    QTimer* m_timer;
};
