#include "TrashAgeing.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <QHash>
#include <algorithm>

#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"

TrashAgeing::TrashAgeing(EmptyProtection protection, QString homeTrash)
    : m_protection(std::move(protection)),
      m_homeTrash(std::move(homeTrash)),
      m_diskOf(&TrashAgeing::diskOf),
      m_deviceOf(&TrashAgeing::deviceOf) {}

std::optional<TrashAgeing::Disk> TrashAgeing::diskOf(const QString& folder) {
    const OpenFolder opened = OpenFolder::open(folder);
    const std::optional<struct statvfs> st = opened.fileSystem();
    if (!st) return std::nullopt;
    // What this user may still write: the blocks kept for root are no free space of theirs.
    return Disk{quint64(st->f_blocks) * st->f_frsize, quint64(st->f_bavail) * st->f_frsize};
}

std::optional<quint64> TrashAgeing::deviceOf(const QString& path) {
    const OpenFolder opened = OpenFolder::open(path);
    const std::optional<struct stat> st = opened.stat();
    if (!st) return std::nullopt;
    return quint64(st->st_dev);
}

QList<CVTrashFileNode::Ptr> TrashAgeing::itemsFor(const AgeingRules& rules, const TrashScanner& scanner) {
    if (!rules.maxSharePercent.on && !rules.keepFreeGB.on)
        if (std::optional<TrashScanResult> dated = scanner.scanDated()) return std::move(dated->items);
    return scanner.scan().items;
}

QString TrashAgeing::reasonWord(Reason reason) {
    switch (reason) {
        case Reason::Age:
            return QStringLiteral("age");
        case Reason::Share:
            return QStringLiteral("share");
        case Reason::FreeSpace:
            return QStringLiteral("free space");
    }
    return QString();
}

namespace {

using Reason = TrashAgeing::Reason;

// The dated items, oldest deletion first, and what the rules picked of them. Equal dates go in
// path order so a plan never depends on the order the file system listed them in. Each date is
// turned into a number once: comparing local times converts them at every comparison.
class Candidates {
  public:
    Candidates(const QList<CVTrashFileNode::Ptr>& items, const EmptyProtection& protection)
        : m_protection(protection) {
        m_dated.reserve(items.size());
        for (const auto& item : items)
            if (item && item->deletionDate.isValid())
                m_dated.append({item->deletionDate.toMSecsSinceEpoch(), item, std::nullopt, std::nullopt});
        std::sort(m_dated.begin(), m_dated.end(), [](const Dated& a, const Dated& b) {
            return a.when != b.when ? a.when < b.when : a.item->theTrashPath < b.item->theTrashPath;
        });
    }
    qsizetype size() const { return m_dated.size(); }
    qint64 when(qsizetype i) const { return m_dated[i].when; }
    const CVTrashFileNode& item(qsizetype i) const { return *m_dated[i].item; }
    bool isPicked(qsizetype i) const { return m_dated[i].picked.has_value(); }
    void pick(qsizetype i, Reason reason) { m_dated[i].picked = reason; }
    // Asked once per item, and only about items a rule reaches: the protected rows listed after
    // the pass are those the rules would have removed.
    bool isProtected(qsizetype i) {
        Dated& d = m_dated[i];
        if (!d.kept) d.kept = m_protection.isProtected(d.item->theTrashPath);
        return *d.kept;
    }
    QList<TrashAgeing::Pick> picks() const {
        QList<TrashAgeing::Pick> picks;
        for (const Dated& d : m_dated)
            if (d.picked) picks << TrashAgeing::Pick{d.item, *d.picked};
        return picks;
    }

  private:
    struct Dated {
        qint64 when = 0;
        CVTrashFileNode::Ptr item;
        std::optional<Reason> picked;  ///< and why
        std::optional<bool> kept;
    };
    const EmptyProtection& m_protection;
    QList<Dated> m_dated;
};

void pickByAge(Candidates& candidates, int days, const QDateTime& now) {
    const qint64 cutoff = now.addDays(-qint64(days)).toMSecsSinceEpoch();
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (candidates.when(i) >= cutoff) break;  // sorted: the rest are younger
        if (!candidates.isProtected(i)) candidates.pick(i, Reason::Age);
    }
}

// Whether an item is on the disk of the home Trash; each volume's device is asked once.
class HomeDisk {
  public:
    HomeDisk(quint64 device, const TrashAgeing::DeviceOf& deviceOf)
        : m_device(device), m_deviceOf(deviceOf) {}
    bool holds(const CVTrashFileNode& item) {
        if (item.theVolume.isEmpty()) return true;
        auto it = m_volumes.constFind(item.theVolume);
        if (it == m_volumes.cend()) {
            const std::optional<quint64> device = m_deviceOf(item.theVolume);
            it = m_volumes.insert(item.theVolume, device && *device == m_device);
        }
        return *it;
    }

  private:
    quint64 m_device;
    const TrashAgeing::DeviceOf& m_deviceOf;
    QHash<QString, bool> m_volumes;
};

// One walk, oldest first, serves both disk rules: the share first, then the floor. Only items on
// the home Trash's disk count: removing an item of another disk frees nothing there.
void pickForDisk(Candidates& candidates, const QList<CVTrashFileNode::Ptr>& items, const AgeingRules& rules,
                 const TrashAgeing::Disk& disk, HomeDisk& home, QStringList& notes) {
    quint64 trashTotal = 0;
    for (const auto& item : items)
        if (item && home.holds(*item)) trashTotal += item->filesize;
    quint64 freed = 0;
    for (qsizetype i = 0; i < candidates.size(); ++i)
        if (candidates.isPicked(i) && home.holds(candidates.item(i))) freed += candidates.item(i).filesize;
    qsizetype next = 0;
    auto pickNext = [&](Reason reason) {
        for (; next < candidates.size(); ++next) {
            if (candidates.isPicked(next) || !home.holds(candidates.item(next)) ||
                candidates.isProtected(next))
                continue;
            freed += candidates.item(next).filesize;
            candidates.pick(next++, reason);
            return true;
        }
        return false;
    };
    if (rules.maxSharePercent.on) {
        const quint64 limit = disk.size / 100 * quint64(rules.maxSharePercent.value) +
                              disk.size % 100 * quint64(rules.maxSharePercent.value) / 100;
        while (trashTotal - std::min(freed, trashTotal) > limit) {
            if (!pickNext(Reason::Share)) {
                notes << localized(
                             "the Trash stays above %1% of its disk: what is left is "
                             "protected, undated or on another disk")
                             .arg(rules.maxSharePercent.value);
                break;
            }
        }
    }
    if (rules.keepFreeGB.on) {
        const quint64 floor = quint64(rules.keepFreeGB.value) * AgeingRules::BytesPerGB;
        while (disk.free + freed < floor) {
            if (!pickNext(Reason::FreeSpace)) {
                notes << localized("less than %1 GB stays free even without the Trash's old items")
                             .arg(rules.keepFreeGB.value);
                break;
            }
        }
    }
}

}  // namespace

TrashAgeing::Plan TrashAgeing::plan(const QList<CVTrashFileNode::Ptr>& items, const AgeingRules& rules,
                                    const QDateTime& now) const {
    m_protection.beginPass();
    Plan plan;
    Candidates candidates(items, m_protection);
    if (rules.olderThanDays.on) pickByAge(candidates, rules.olderThanDays.value, now);
    if (rules.maxSharePercent.on || rules.keepFreeGB.on) {
        const std::optional<Disk> disk = m_diskOf ? m_diskOf(m_homeTrash) : std::nullopt;
        const std::optional<quint64> homeDevice = m_deviceOf ? m_deviceOf(m_homeTrash) : std::nullopt;
        if (!disk || !homeDevice) {
            plan.notes << localized(
                "the disk of the Trash could not be measured; the size and free-space "
                "rules were not applied");
        } else {
            HomeDisk home(*homeDevice, m_deviceOf);
            pickForDisk(candidates, items, rules, *disk, home, plan.notes);
        }
    }
    plan.picks = candidates.picks();
    return plan;
}

TrashAgeing::Outcome TrashAgeing::run(const Plan& plan, const TrashItemActions& actions, bool dryRun,
                                      const EachItem& each) const {
    Outcome outcome;
    FsTree::Options options;
    options.clearLockedFlags = true;  // as the forced emptying does
    if (dryRun) {
        for (const Pick& p : plan.picks) {
            outcome.removed << p;
            if (each) each(p, true);
        }
    } else {
        QStringList paths;
        paths.reserve(plan.picks.size());
        for (const Pick& p : plan.picks) paths << p.item->theTrashPath;
        actions.deleteItems(paths, options, [&](qsizetype i, const FsTree::Report& report) {
            const Pick& p = plan.picks[i];
            outcome.problems << report.problems;
            (report.gone ? outcome.removed : outcome.resisted) << p;
            if (each) each(p, report.gone);
        });
    }
    m_protection.CheckIfNeedDeleteConfirm();
    return outcome;
}
