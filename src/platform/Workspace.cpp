#include "Workspace.h"

#include <QDir>
#include <QFile>

#include "Paths.h"

QStringList Workspace::mountedLocalVolumePaths() const {
    return m_paths->mountedLocalVolumePaths();
}

bool Workspace::openFile(const QString&) {
    return false;
}
bool Workspace::openURL(const QUrl&) {
    return false;
}
bool Workspace::selectFile(const QString&, const QString&) {
    return false;
}

QStringList Workspace::launchedApplications() const {
    QStringList names;
    const QDir proc(QStringLiteral("/proc"));
    const auto entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : entries) {
        bool numeric = false;
        pid.toUInt(&numeric);
        if (!numeric) continue;
        QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly)) names << QString::fromLocal8Bit(comm.readAll()).trimmed();
    }
    return names;
}
