#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/fs/FsScope.h"

class ItemSizes;
class Paths;
class SystemCommands;
class TrashStore;

/// What Tolvik does with administrator rights. Named: it removes exactly the entries it is given,
/// each a direct entry of one of the user's Trash items folders (the folders a forced pass
/// empties), and in the freedesktop layout their info files; anything else named is left alone
/// and said why. Whole: it clears locked flags on the user's Trash and removes every entry of it,
/// removes every entry of the volumes' Trash folders of the users 501 and 502, hands the volumes'
/// ".Trashes" entries to the backup system's removal, and measures what is left in all Trash
/// folders together; in the freedesktop layout it empties "files" and "info" of the user's Trash
/// and of the user's Trash folders on volumes, and removes the size cache. Every folder it works
/// in, a Trash's "files" and "info" included, is opened from "/" step by step: one reached through
/// a link, or through a folder that is neither root's nor the user's (or that others may change),
/// is left alone, counts as empty and is named in the result. Entries are removed in-process
/// through the opened folders, their locked flags cleared on the way; entries that are links are
/// removed as links.
class TolvikCleaner {
  public:
    /// The backup system's removal of one path (tests watch which paths reach it).
    using BackupDelete = std::function<void(const QString& path)>;
    static constexpr quint64 WarningThreshold = 1000000;

    struct Result {
        quint64 remainingBytes = 0;
        QStringList refused;   ///< Trash folders and named entries left alone, and why
        QStringList removed;   ///< named entries that are gone
        QStringList resisted;  ///< named entries that are still there after the removal
        bool needsWarning() const { return remainingBytes > WarningThreshold; }
    };

    /// Without `backupDelete`, SystemCommands::backupDelete is used.
    TolvikCleaner(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                  std::shared_ptr<const ItemSizes> files, BackupDelete backupDelete = {});

    /// The whole emptying: runs every step in order; blocks until the last command has finished.
    Result run() const;
    /// Removes the entries at `paths` (absolute, lossless text) and nothing else; what is left of
    /// them is the remaining size.
    Result removeNamed(const QStringList& paths) const;

  private:
    quint64 sizeOf(const OpenFolder& folder) const;
    /// Opens a Trash folder of the user's; one that is there but fails the checks is noted in `result`.
    ScopedFolder openTrash(const QString& path, Result& result) const;

    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const SystemCommands> m_commands;
    std::shared_ptr<const ItemSizes> m_files;
    BackupDelete m_backupDelete;
    std::shared_ptr<const TrashStore> m_store;
};
