#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/Alerts.h"

/// Overwriting a file only destroys its old contents where the file system writes over the old
/// blocks. Copy-on-write and log-structured file systems put new data elsewhere, and on a network
/// file system the server decides; there the former contents may outlive a secure erase. The user
/// hears about it once per run.
namespace OverwriteReach {

/// The statfs type of the file system holding `path`. A link or a missing path is looked up through
/// its nearest existing parent folder (statfs would follow a final link). 0 when nothing is readable.
quint32 fileSystemTypeAt(const QString& path);

/// A readable name ("btrfs", "NFS") for a file system type where overwriting cannot reach the old
/// blocks; empty for the file systems that overwrite in place.
QString unreachableFileSystemName(quint32 type);

/// Where types come from; tests put their own in. An empty function brings back statfs.
using TypeLookup = std::function<quint32(const QString& path)>;
void setTypeLookup(TypeLookup lookup);

/// The name of such a file system holding the first of `paths` that lies on one; empty when none does.
QString unreachableFileSystem(const QStringList& paths);

/// The informational alert for items removed from `fileSystem`.
AlertRequest warning(const QString& fileSystem);

/// After an erase of `paths`: the warning, when one of them is gone and lay on such a file system,
/// and the warning was not given before in this process. From any thread; only one caller gets it.
std::optional<AlertRequest> warningAfterErase(const QStringList& paths);

/// Forgets that the warning was given (tests).
void resetWarning();

}  // namespace OverwriteReach
