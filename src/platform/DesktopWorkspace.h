#pragma once

#include "Workspace.h"

/// Opens files and addresses with the desktop's default handlers and reveals files through the
/// file manager's D-Bus interface (falling back to opening the folder that holds them).
class DesktopWorkspace : public Workspace {
public:
    using Workspace::Workspace;
    bool openFile(const QString& path) override;
    bool openURL(const QUrl& url) override;
    bool selectFile(const QString& path, const QString& rootFolder) override;
};
