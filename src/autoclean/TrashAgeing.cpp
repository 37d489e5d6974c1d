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

TrashAgeing::Plan TrashAgeing::plan(const QList<CVTrashFileNode::Ptr>& items, const AgeingRules& rules,
                                    const QDateTime& now) const {
    m_protection.beginPass();
    Plan plan;
    // Only dated items take part, oldest deletion first; equal dates in path order so a plan
    // never depends on the order the file system listed them in. Each date is turned into a
    // number once: comparing local times converts them at every comparison.
    struct Dated {
        qint64 when;
        CVTrashFileNode::Ptr item;
    };
    QList<Dated> sorted;
    sorted.reserve(items.size());
    for (const auto& item : items)
        if (item && item->deletionDate.isValid())
            sorted.append({item->deletionDate.toMSecsSinceEpoch(), item});
    std::sort(sorted.begin(), sorted.end(), [](const Dated& a, const Dated& b) {
        return a.when != b.when ? a.when < b.when : a.item->theTrashPath < b.item->theTrashPath;
    });
    QList<CVTrashFileNode::Ptr> dated;
    dated.reserve(sorted.size());
    for (const Dated& d : std::as_const(sorted)) dated << d.item;
    // Asked once per item, and only about items a rule reaches: the protected rows listed after
    // the pass are those the rules would have removed.
    QHash<const CVTrashFileNode*, bool> protectedItems;
    auto isProtected = [&](const CVTrashFileNode::Ptr& item) {
        auto it = protectedItems.constFind(item.get());
        if (it == protectedItems.cend())
            it = protectedItems.insert(item.get(), m_protection.isProtected(item->theTrashPath));
        return *it;
    };
    QList<bool> picked(dated.size(), false);
    QList<Reason> reasons(dated.size(), Reason::Age);
    auto pick = [&](qsizetype i, Reason reason) {
        picked[i] = true;
        reasons[i] = reason;
    };

    if (rules.olderThanDays.on) {
        const qint64 cutoff = now.addDays(-qint64(rules.olderThanDays.value)).toMSecsSinceEpoch();
        for (qsizetype i = 0; i < dated.size(); ++i) {
            if (sorted[i].when >= cutoff) break;  // sorted: the rest are younger
            if (!isProtected(dated[i])) pick(i, Reason::Age);
        }
    }

    if (rules.maxSharePercent.on || rules.keepFreeGB.on) {
        const std::optional<Disk> measured = m_diskOf ? m_diskOf(m_homeTrash) : std::nullopt;
        const std::optional<quint64> homeDevice = m_deviceOf ? m_deviceOf(m_homeTrash) : std::nullopt;
        if (!measured || !homeDevice) {
            plan.notes << localized(
                "the disk of the Trash could not be measured; the size and free-space "
                "rules were not applied");
        } else {
            const Disk disk = measured.value_or(Disk{});
            QHash<QString, bool> volumeOnHomeDisk;
            auto onHomeDisk = [&](const CVTrashFileNode::Ptr& item) {
                if (item->theVolume.isEmpty()) return true;
                auto it = volumeOnHomeDisk.constFind(item->theVolume);
                if (it == volumeOnHomeDisk.cend()) {
                    const std::optional<quint64> device = m_deviceOf(item->theVolume);
                    it = volumeOnHomeDisk.insert(item->theVolume, device && *device == *homeDevice);
                }
                return *it;
            };
            quint64 trashTotal = 0;
            for (const auto& item : items)
                if (item && onHomeDisk(item)) trashTotal += item->filesize;
            quint64 freed = 0;
            for (qsizetype i = 0; i < dated.size(); ++i)
                if (picked[i] && onHomeDisk(dated[i])) freed += dated[i]->filesize;
            // One walk, oldest first, serves both rules: the share first, then the floor.
            qsizetype next = 0;
            auto pickNext = [&](Reason reason) {
                for (; next < dated.size(); ++next) {
                    if (picked[next] || !onHomeDisk(dated[next]) || isProtected(dated[next])) continue;
                    freed += dated[next]->filesize;
                    pick(next++, reason);
                    return true;
                }
                return false;
            };
            if (rules.maxSharePercent.on) {
                const quint64 limit = disk.size / 100 * quint64(rules.maxSharePercent.value) +
                                      disk.size % 100 * quint64(rules.maxSharePercent.value) / 100;
                while (trashTotal - std::min(freed, trashTotal) > limit) {
                    if (!pickNext(Reason::Share)) {
                        plan.notes << localized(
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
                        plan.notes << localized(
                                          "less than %1 GB stays free even without the Trash's old items")
                                          .arg(rules.keepFreeGB.value);
                        break;
                    }
                }
            }
        }
    }
    for (qsizetype i = 0; i < dated.size(); ++i)
        if (picked[i]) plan.picks << Pick{dated[i], reasons[i]};
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
