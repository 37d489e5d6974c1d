#pragma once

#include <QString>
#include <memory>

class Paths;
class Tasks;

/// The system timer that runs one auto-clean check a day without the tray: a user service that
/// starts corvane-cli and a timer for it, enabled through systemctl. The unit files are written
/// whether or not systemctl can be reached, so they can be enabled by hand later.
class AutoCleanTimer {
  public:
    /// What install() or remove() did.
    struct Result {
        bool ok = false;     ///< the files are as asked and systemctl agreed
        bool files = false;  ///< the unit files are written (install) or gone (remove)
        QString message;     ///< for the user: what happened, and what to do where systemctl failed
    };

    /// `unitFolder` is where the user's units live ("$XDG_CONFIG_HOME/systemd/user").
    AutoCleanTimer(QString unitFolder, std::shared_ptr<Tasks> tasks);

    /// The user's unit folder: "$XDG_CONFIG_HOME/systemd/user" (or "~/.config/..."); under a
    /// sandbox root the sandbox home's, so a sandbox never writes into the real account.
    static QString unitFolderFor(const Paths& paths);

    /// Writes both files (0644) for `program` (an absolute path), reloads and enables the timer.
    Result install(const QString& program);
    /// Disables the timer and deletes both files.
    Result remove();
    /// Both files are there.
    bool isInstalled() const;

    QString servicePath() const;
    QString timerPath() const;
    /// The service's text; empty when `program` can't be written on one line (a line break in it).
    static QString serviceText(const QString& program);
    static QString timerText();

    static constexpr const char* ServiceName = "corvane-autoclean.service";
    static constexpr const char* TimerName = "corvane-autoclean.timer";

  private:
    /// Runs "systemctl --user <arguments>"; true when it ran and said yes.
    bool systemctl(const QStringList& arguments) const;

    QString m_folder;
    std::shared_ptr<Tasks> m_tasks;
};
