#pragma once

#include <QString>

class QWidget;

/// What an open panel asks for.
struct OpenPanelRequest {
    QString startFolder;
    bool chooseFolders = false;  ///< folders only; otherwise files only
    QString title;
};

/// Shows an open panel over a window and waits for the choice: one absolute path, or an empty
/// text when the panel was cancelled. Main thread only; tests hand in a double that answers from a
/// script.
class OpenPanel {
  public:
    virtual ~OpenPanel() = default;
    virtual QString runModal(QWidget* parent, const OpenPanelRequest& request) = 0;
};
