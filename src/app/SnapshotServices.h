#pragma once

// What the snapshot mode hands the controller instead of the services that would leave the
// program or wait for a person: the pictures must come out the same on any machine.
#include "platform/Alerts.h"
#include "platform/Authorization.h"
#include "platform/MainThread.h"
#include "platform/Workspace.h"

/// Answers every alert with its alternate button at once, as if the person declined.
class UnattendedAlerts : public Alerts {
  public:
    int runModal(const AlertRequest&) override { return Alerts::Alternate; }
};

/// Opens and reveals nothing, and sees no running programs.
class NoOpeningWorkspace : public Workspace {
  public:
    using Workspace::Workspace;
    bool openFile(const QString&) override { return true; }
    bool openURL(const QUrl&) override { return true; }
    bool selectFile(const QString&, const QString&) override { return true; }
    QStringList launchedApplications() const override { return {}; }
};

/// Never starts a program with administrator rights.
class NoPrivilegedStart : public Authorization {
  protected:
    void start(const QString&, const QStringList&, Done done) override {
        MainThread::post([done = std::move(done)] { done(Outcome::Refused); });
    }
};
