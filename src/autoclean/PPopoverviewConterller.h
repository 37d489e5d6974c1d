#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

/// The content of the tray popover: the last clean of the Trash (and the auto-clean settings).
/// Its view lives as long as the controller; a popover borrows it while shown.
class PPopoverviewConterller : public QObject {
    Q_OBJECT
public:
    explicit PPopoverviewConterller(QObject* parent = nullptr);
    ~PPopoverviewConterller() override;

    QWidget* view() const { return m_view; }

    /// Shows the last clean; a null text leaves that label as it was.
    void ShowLastCleanUpInfo(const QString& size, const QString& date);

    QLabel* lastCleanupInfolab = nullptr;
    QLabel* lastCleanupSizelab = nullptr;
    QLabel* lastCleanupDatelab = nullptr;

private:
    QPointer<QWidget> m_view;
};
