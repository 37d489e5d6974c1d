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
/// calling thread (the tidy on a worker). The store folder is worked in only as a store scope: it
/// and every folder on its way belong to the user or root and no one else may write it, since
/// another account's folder could read, take or plant what is kept there.
namespace DesktopTidy {

struct TidyResult {
    QList<NQFileNode::Ptr> moved;  ///< records of the items now in the store, in Desktop order
    QStringList left;              ///< one line per visible item that stayed on the Desktop, and why
    bool storeReady = false;       ///< false when the store folder could not be made or opened
    QString refused;               ///< why nothing was tidied: a Desktop or store no tidy may use
};

/// The store folder as the scope its work is bound to, or an invalid scope and in `why` the reason
/// it may not be used.
FsScope openStore(const QString& storeFolder, const ScopeLimits& limits, QString* why = nullptr);
/// Like openStore(), making the store folder and its missing parents first, by descriptor below
/// the deepest folder already there.
FsScope makeStore(const QString& storeFolder, const ScopeLimits& limits, QString* why = nullptr);

/// Creates the store folder (and missing parents) when needed, then moves every Desktop entry whose
/// name does not start with "." into it under its own name. `progress` counts the entries.
/// The Desktop and the store must each make a scope within `limits` (the Desktop not the home, nor
/// holding it or the store; the store the user's own at every step); otherwise nothing moves and
/// `refused` says why.
TidyResult tidy(const QString& desktop, const QString& storeFolder, const ScopeLimits& limits,
                WorkProgress* progress = nullptr);
/// Moves the stored item `itemPath`, an entry of `storeFolder`, back to the Desktop under its own
/// name.
FsMove::Outcome restore(const QString& storeFolder, const QString& itemPath, const QString& desktop,
                        const ScopeLimits& limits, QString* why = nullptr);
/// Removes the stored item `itemPath`, an entry of `storeFolder`, for good (a folder with
/// everything in it).
FsTree::Report deleteItem(const QString& storeFolder, const QString& itemPath, const ScopeLimits& limits);
/// Creates `folder` and its missing parents; true when it is there as a folder.
bool makeFolders(const QString& folder);

}  // namespace DesktopTidy
