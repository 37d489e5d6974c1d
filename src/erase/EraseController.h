#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class Alerts;
class QThread;
class SystemCommands;

/// Secure erase of chosen or dropped items: one confirmation listing them, then a worker.
class EraseController : public QObject {
    Q_OBJECT
public:
    EraseController(std::shared_ptr<const SystemCommands> commands, std::shared_ptr<Alerts> alerts,
                    QObject* parent = nullptr);
    ~EraseController() override;

    /// "Are you sure you want to permanently erase the selected items ?" with the list text.
    bool confirm(const QStringList& paths);
    /// Confirms, then erases on a worker (files given on the command line or dropped).
    bool application_openFiles(const QStringList& paths);
    /// Erases on a worker without asking.
    void startErase(const QStringList& paths);
    bool isRunning() const { return !m_threads.isEmpty(); }
    void waitForErases();

Q_SIGNALS:
    /// A worker is done (nothing is shown to the user).
    void EraseAllFinishedHanderToMainThread();

private:
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<Alerts> m_alerts;
    QList<QThread*> m_threads;
};
