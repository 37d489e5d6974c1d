#include "RecordingWorkspace.h"

bool RecordingWorkspace::openFile(const QString& path) {
    m_openedFiles << path;
    return true;
}

bool RecordingWorkspace::openURL(const QUrl& url) {
    m_openedURLs << url;
    return true;
}

bool RecordingWorkspace::selectFile(const QString& path, const QString&) {
    m_revealed << path;
    return true;
}
