#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "AgeingRules.h"
#include "core/fs/FsTree.h"
#include "empty/EmptyProtection.h"
#include "trash/CVTrashFileNode.h"

class TrashItemActions;
class TrashScanner;

/// Picks the Trash items that the ageing rules remove, from one scan, and removes them one by one.
/// An item is picked only with a known deletion date and never when the protection keeps it. The
/// share and free-space rules look at the disk that holds the home Trash and count only the items
/// on that disk: removing an item of another disk frees nothing there. Runs on the calling thread.
class TrashAgeing {
  public:
    enum class Reason {
        Age,        ///< deleted longer ago than the rule allows
        Share,      ///< the Trash took more of its disk than the rule allows
        FreeSpace,  ///< the disk had less free space than the rule asks for
    };
    /// Size and free space (for this user) of a disk, in bytes.
    struct Disk {
        quint64 size = 0;
        quint64 free = 0;
    };
    /// The disk holding a folder; nothing when it can't be asked.
    using DiskOf = std::function<std::optional<Disk>(const QString& folder)>;
    /// The device number of the file system holding a path; nothing when it can't be asked.
    using DeviceOf = std::function<std::optional<quint64>(const QString& path)>;

    struct Pick {
        CVTrashFileNode::Ptr item;
        Reason reason = Reason::Age;
    };
    struct Plan {
        QList<Pick> picks;  ///< oldest deletion first
        QStringList notes;  ///< rules that could not be applied in full, and why
    };
    struct Outcome {
        QList<Pick> removed;  ///< nothing is left at their place (or, in a dry run, would be removed)
        QList<Pick> resisted;
        QStringList problems;  ///< one line per entry that resisted
    };
    /// Told about each pick as run() handles it: whether it is gone.
    using EachItem = std::function<void(const Pick& pick, bool gone)>;

    /// `protection` is required: ageing without rules says so with EmptyProtection::none().
    /// `homeTrash` is the folder of the home Trash's items, whose disk the share and free-space
    /// rules are about.
    TrashAgeing(EmptyProtection protection, QString homeTrash);

    void setDiskFunction(DiskOf diskOf) { m_diskOf = std::move(diskOf); }
    void setDeviceFunction(DeviceOf deviceOf) { m_deviceOf = std::move(deviceOf); }

    /// Begins the protection's pass and picks the items of `items` that `rules` remove as of `now`.
    Plan plan(const QList<CVTrashFileNode::Ptr>& items, const AgeingRules& rules, const QDateTime& now) const;
    /// Removes the picks through `actions` (each Trash folder opened once) and ends the protection's pass
    /// (its protected rows are handed on then). With `dryRun` nothing is touched and every pick counts as
    /// removed.
    Outcome run(const Plan& plan, const TrashItemActions& actions, bool dryRun = false,
                const EachItem& each = {}) const;

    /// The items `rules` need to see, from `scanner`: the age rule alone needs only names, places and
    /// dates, read from the records; the share and free-space rules need sizes, so a full scan.
    static QList<CVTrashFileNode::Ptr> itemsFor(const AgeingRules& rules, const TrashScanner& scanner);

    /// The real disk of `folder`, opened without following a link.
    static std::optional<Disk> diskOf(const QString& folder);
    /// The real device of `path`'s file system.
    static std::optional<quint64> deviceOf(const QString& path);
    /// "age", "share", "free space": a word for each reason, for lines that scripts read.
    static QString reasonWord(Reason reason);

  private:
    EmptyProtection m_protection;
    QString m_homeTrash;
    DiskOf m_diskOf;
    DeviceOf m_deviceOf;
};
