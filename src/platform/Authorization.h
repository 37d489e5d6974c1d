#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

/// Starts a program with administrator rights and returns at once; nobody waits for the program.
/// The base logs a refused or failed start with the two fixed texts; the user sees nothing.
class Authorization {
  public:
    enum class Outcome {
        Started,        ///< authorised and run (reported once the program has ended)
        Refused,        ///< the prompt was cancelled or the rights were refused
        FailedToStart,  ///< the privileged start itself could not be made
    };
    using Done = std::function<void(Outcome)>;

    virtual ~Authorization() = default;

    /// Call on the main thread. `arguments` go to the program as they are. `done` (may be empty)
    /// runs later on the main thread, never inside this call and never after this object has been
    /// destroyed.
    void startWithAdministratorRights(const QString& program, const QStringList& arguments, Done done = {});

    /// True when a program in `launchedApplications` (Workspace::launchedApplications()) keeps the
    /// helper from being started.
    static bool blockingApplicationRunning(const QStringList& launchedApplications);

  protected:
    virtual void start(const QString& program, const QStringList& arguments, Done done) = 0;
};
