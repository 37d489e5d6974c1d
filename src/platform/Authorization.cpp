#include "Authorization.h"

#include "MainThread.h"

void Authorization::startWithAdministratorRights(const QString& program, const QStringList& arguments,
                                                 Done done) {
    start(program, arguments, [done = std::move(done)](Outcome outcome) {
        if (outcome == Outcome::Refused)
            qWarning("AuthorizationCreate failed!");
        else if (outcome == Outcome::FailedToStart)
            qWarning("AuthorizationExecuteWithPrivileges failed!");
        if (done) done(outcome);
    });
}

bool Authorization::blockingApplicationRunning(const QStringList& launchedApplications) {
    // The bundle identifier where one is reported, else the name such a bundle runs under here.
    return launchedApplications.contains(QLatin1String("com.Halmorin.Revallo")) ||
           launchedApplications.contains(QLatin1String("Revallo"));
}
