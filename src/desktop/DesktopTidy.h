#pragma once

#include <sys/types.h>

#include <QList>
#include <QString>
#include <QStringList>

#include "NQFileNode.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsTree.h"

struct WorkProgress;

/// Moving the Desktop's items into the store folder, and single items back or away. Never
/// overwrites: a name already taken where an item goes leaves the item where it is. Runs on the
/// calling thread (the tidy on a worker). The store folder is worked in only when it and every
/// folder on its way belong to `owner` or root and no one else may write it: another account's
/// folder could read, take or plant what is kept there.
namespace DesktopTidy {

struct TidyResult {
    QList<NQFileNode::Ptr> moved;  ///< records of the items now in the store, in Desktop order
    QStringList left;              ///< one line per visible item that stayed on the Desktop, and why
    bool storeReady = false;       ///< false when the store folder could not be made or opened
    QString storeWhy;              ///< why, when it could not
};

/// Opens the store folder for work in it, or says in `why` why it may not be used.
OpenFolder openStore(const QString& storeFolder, uid_t owner, QString* why = nullptr);
/// Like openStore(), making the store folder and its missing parents first.
OpenFolder makeStore(const QString& storeFolder, uid_t owner, QString* why = nullptr);

/// Creates the store folder (and missing parents) when needed, then moves every Desktop entry whose
/// name does not start with "." into it under its own name. `progress` counts the entries.
TidyResult tidy(const QString& desktop, const QString& storeFolder, uid_t owner,
                WorkProgress* progress = nullptr);
/// Moves the stored item `itemPath`, an entry of `storeFolder`, back to the Desktop under its own name.
FsMove::Outcome restore(const QString& storeFolder, const QString& itemPath, const QString& desktop,
                        uid_t owner, QString* why = nullptr);
/// Removes the stored item `itemPath`, an entry of `storeFolder`, for good (a folder with
/// everything in it).
FsTree::Report deleteItem(const QString& storeFolder, const QString& itemPath, uid_t owner);
/// Creates `folder` and its missing parents; true when it is there as a folder.
bool makeFolders(const QString& folder);

}  // namespace DesktopTidy
