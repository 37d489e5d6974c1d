#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"

/// Overwrites and removes files and folders the user chose. Every regular file below a chosen
/// folder is overwritten, hidden ones included; a symbolic link is removed as a link and nothing
/// reached only through it is touched; a file with other hard links is removed without being
/// overwritten and said so. Runs on the calling thread.
class SecureEraser {
  public:
    /// `limits`: what an erase may never be or hold (the home, a disk's top, the Trash, ...).
    explicit SecureEraser(ScopeLimits limits) : m_limits(std::move(limits)) {}

    /// The confirmation's list text: for each path, the text so far, " \n " and the path.
    static QString listText(const QStringList& paths);

    /// Erases each item in order; items that are gone are passed over. The path to each item is
    /// resolved once (links on the way there are the user's own); below it nothing is followed.
    /// `gone` is true when nothing is left of any of them.
    FsTree::Report eraseItems(const QStringList& paths, const FsTree::Options& options = {}) const;

    /// The alert text for what an erase could not do whole; empty when it did everything.
    static QString problemsText(const FsTree::Report& report);

  private:
    ScopeLimits m_limits;
};
