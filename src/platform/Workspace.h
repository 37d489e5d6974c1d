#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

class Paths;

/// The desktop's workspace: mounted volumes, opening and revealing files, running applications.
/// This base answers volumes from the layout and running programs from /proc; it opens nothing.
class Workspace {
  public:
    explicit Workspace(std::shared_ptr<const Paths> paths) : m_paths(std::move(paths)) {}
    virtual ~Workspace() = default;

    virtual QStringList mountedLocalVolumePaths() const;
    /// Opens a file with its default application; false when nothing could be asked to open it.
    virtual bool openFile(const QString& path);
    virtual bool openURL(const QUrl& url);
    /// Shows `path` selected in the file manager, `rootFolder` being the folder that holds it.
    virtual bool selectFile(const QString& path, const QString& rootFolder);
    /// Names of the programs the user is running (one per process, as the kernel names them).
    virtual QStringList launchedApplications() const;

  protected:
    std::shared_ptr<const Paths> m_paths;
};
