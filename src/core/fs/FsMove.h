#pragma once

#include <QString>
#include <atomic>

#include "OpenFolder.h"

class ScopedFolder;

/// Moving one entry between opened folders without ever replacing what is at the destination.
namespace FsMove {

enum class Outcome {
    Moved,   ///< the entry is at the destination and gone from the source
    Taken,   ///< something is already at the destination: nothing changed
    Failed,  ///< nothing changed (rights, a kind of entry that can't be copied, a copy that failed)
    Copied,  ///< across file systems: the whole entry is at the destination, but part of the source
             ///< could not be removed and stays too
};

/// Counters a copy across file systems advances as it goes (a rename advances nothing: it is done
/// at once). Either may be null; another thread may read them while the copy runs.
struct Progress {
    std::atomic<quint64>* files = nullptr;  ///< one per file or link copied whole
    std::atomic<quint64>* bytes = nullptr;  ///< bytes of regular files written to the copy
};

/// Renames `name` of `from` to `toName` of `to`. Across file systems the entry is copied whole (a
/// folder with everything below it, links as links, never followed), synced and checked, and only
/// then is the source removed; a copy that fails part-way is removed again and the source is left
/// as it was; a source that resists removal after a whole copy is Copied, never Moved. `why` gets a
/// line for the user whenever the outcome is not Moved.
/// Both folders come from scopes: an entry or name a scope does not allow, or an entry with another
/// file system mounted on it, is Failed.
Outcome move(const ScopedFolder& from, const QByteArray& name, const ScopedFolder& to,
             const QByteArray& toName, QString* why = nullptr, const Progress& progress = {});

}  // namespace FsMove
