#pragma once

#include <QWidget>
#include <memory>

class ProgressPanel;
class QLabel;
class QTimer;
struct WorkProgress;

/// A small window that follows work started away from any window of its own (emptying the Trash,
/// a secure erase). It appears only when the work is still running after a moment, so quick work
/// does not flash a window; closing it leaves the work running.
class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    ProgressWindow(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    /// Follows `progress`; `heading` says what runs, `what` names it in the counter line.
    void begin(std::shared_ptr<WorkProgress> progress, const QString& heading, const QString& what,
               bool cancellable);
    /// Hides the window; the work is over.
    void end();
    /// Shows the window now instead of after the delay.
    void showNow();

  private:
    QLabel* m_headingLabel = nullptr;
    ProgressPanel* m_panel = nullptr;
    QTimer* m_delay;
};
