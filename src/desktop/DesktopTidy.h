#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "NQFileNode.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"

struct WorkProgress;

/// Moving the Desktop's items into the store folder, and single items back or away. Never
/// overwrites: a name already taken where an item goes leaves the item where it is. Runs on the
/// calling thread (the tidy on a worker).
namespace DesktopTidy {

struct TidyResult {
    QList<NQFileNode::Ptr> moved;  ///< records of the items now in the store, in Desktop order
    QStringList left;              ///< one line per visible item that stayed on the Desktop, and why
    bool storeReady = false;       ///< false when the store folder could not be made or opened
    QString refused;               ///< why nothing was tidied: a Desktop or store no tidy may use
};

/// Creates the store folder (and missing parents) when needed, then moves every Desktop entry whose
/// name does not start with "." into it under its own name. `progress` counts the entries.
/// The Desktop and the store must each make a scope within `limits` (the Desktop not the home, nor
/// holding it or the store; the store the user's own at every step); otherwise nothing moves and
/// `left` says why.
TidyResult tidy(const QString& desktop, const QString& storeFolder, const ScopeLimits& limits,
                WorkProgress* progress = nullptr);
/// Moves a stored item back to the Desktop under its own name.
FsMove::Outcome restore(const QString& itemPath, const QString& desktop, const ScopeLimits& limits,
                        QString* why = nullptr);
/// Removes a stored item for good (a folder with everything in it).
FsTree::Report deleteItem(const QString& itemPath, const ScopeLimits& limits);
/// Creates `folder` and its missing parents; true when it is there as a folder.
bool makeFolders(const QString& folder);

}  // namespace DesktopTidy
