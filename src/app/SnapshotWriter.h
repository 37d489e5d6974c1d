#pragma once

#include <QString>
#include <QStringList>

class AppDelegate;

/// Writes a PNG of every top-level window, of the status item's menu and of the popover.
namespace SnapshotWriter {
/// Returns the files written; `error` receives a message when the folder can't be written.
QStringList writeAll(AppDelegate& app, const QString& folder, QString* error);
}  // namespace SnapshotWriter
