#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "platform/Workspace.h"

/// Opens nothing and remembers what it was asked; the running programs are whatever was set.
/// For tests and for the snapshot mode.
class RecordingWorkspace : public Workspace {
  public:
    using Workspace::Workspace;
    bool openFile(const QString& path) override;
    bool openURL(const QUrl& url) override;
    bool selectFile(const QString& path, const QString& rootFolder) override;
    QStringList launchedApplications() const override { return m_launched; }

    void setLaunchedApplications(const QStringList& names) { m_launched = names; }
    const QStringList& openedFiles() const { return m_openedFiles; }
    const QList<QUrl>& openedURLs() const { return m_openedURLs; }
    const QStringList& revealedFiles() const { return m_revealed; }

  private:
    QStringList m_launched;
    QStringList m_openedFiles;
    QList<QUrl> m_openedURLs;
    QStringList m_revealed;
};
