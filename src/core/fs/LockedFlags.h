#pragma once

#include <QByteArray>

/// The immutable and append-only flags, which keep even the owner from removing a file. Cleared on
/// an opened file or folder, never by a path that could be swapped for a link in between.
namespace LockedFlags {

/// Clears both flags on an open descriptor of a regular file or a folder. True when neither is set
/// afterwards (nothing to do counts as done; file systems without flags count as done too).
bool clear(int fd);
/// Opens the entry `name` of the folder `folder` without following a link (only regular files and
/// folders: devices and FIFOs are never opened) and clears its flags.
bool clearAt(int folder, const QByteArray& name);

}  // namespace LockedFlags
