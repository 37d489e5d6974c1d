#include "TrashItemActions.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <map>
#include <vector>

#include "CVTrashFileNode.h"
#include "TrashInfo.h"
#include "TrashJournal.h"
#include "TrashPut.h"
#include "TrashStore.h"
#include "core/Path.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsScope.h"
#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"
#include "platform/WorkProgress.h"

namespace {

struct Place {
    ScopedFolder folder;
    QByteArray name;
    QString why;
};

// An item's folder is opened from its Trash folder down without following a link, so a Trash
// folder swapped for a link never turns an action on the Trash into one on the folder it points
// to, and a path outside this account's Trash folders is no item at all.
Place itemPlace(const TrashStore& store, const QString& trashPath) {
    Place place;
    place.folder = store.folderInTrash(Path(trashPath).parent().text(), &place.why);
    place.name = Path(trashPath).leafBytes();
    return place;
}

}  // namespace

FsTree::Report TrashItemActions::deleteItem(const QString& trashPath, const FsTree::Options& options) const {
    const Place place = itemPlace(*m_store, trashPath);
    FsTree::Report report;
    if (place.folder.isOpen())
        report = FsTree::remove(place.folder, place.name, options);
    else
        report.problems << FsName::displayText(trashPath) + QStringLiteral(": ") +
                               localized("its folder can't be opened") + QStringLiteral(" (") + place.why +
                               QStringLiteral(")");
    if (report.gone) m_store->forgetItem(trashPath);
    return report;
}

void TrashItemActions::deleteItems(
    const QStringList& trashPaths, const FsTree::Options& options,
    const std::function<void(qsizetype index, const FsTree::Report& report)>& each) const {
    // The items by folder, each folder's in the order of their inode numbers, as rm -rf removes a
    // big folder: the inode tables are then written in sequence, not all over (on ext4, 50,000
    // items in hash order dirty several times the blocks and take longer).
    std::map<QString, std::vector<qsizetype>> byFolder;
    for (qsizetype i = 0; i < trashPaths.size(); ++i)
        byFolder[Path(trashPaths[i]).parent().text()].push_back(i);
    std::vector<FsTree::Report> reports(size_t(trashPaths.size()));
    for (auto& [parent, indexes] : byFolder) {
        const Place place = itemPlace(*m_store, trashPaths[indexes.front()]);
        QSet<QByteArray> removed;
        if (place.folder.isOpen() && indexes.size() > 1) {
            QHash<QByteArray, qsizetype> rank;
            const QList<QByteArray> ordered = place.folder.folder().namesByInode();
            rank.reserve(ordered.size());
            for (qsizetype r = 0; r < ordered.size(); ++r) rank.insert(ordered[r], r);
            std::vector<std::pair<qsizetype, qsizetype>> keyed;  // rank, index
            keyed.reserve(indexes.size());
            for (qsizetype i : indexes)
                keyed.emplace_back(rank.value(Path(trashPaths[i]).leafBytes(), -1), i);
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            for (size_t k = 0; k < keyed.size(); ++k) indexes[k] = keyed[k].second;
        }
        for (qsizetype i : indexes) {
            FsTree::Report& report = reports[size_t(i)];
            const QByteArray name = Path(trashPaths[i]).leafBytes();
            if (place.folder.isOpen())
                report = FsTree::remove(place.folder, name, options);
            else
                report.problems << FsName::displayText(trashPaths[i]) + QStringLiteral(": ") +
                                       localized("its folder can't be opened") + QStringLiteral(" (") +
                                       place.why + QStringLiteral(")");
            if (report.gone) removed.insert(name);
        }
        if (!removed.isEmpty()) m_store->tidyAfterEmptying(parent, removed);
    }
    if (each)
        for (qsizetype i = 0; i < trashPaths.size(); ++i) each(i, reports[size_t(i)]);
}

FsTree::Report TrashItemActions::secureDeleteItem(const QString& trashPath,
                                                  const FsTree::Options& options) const {
    const Place place = itemPlace(*m_store, trashPath);
    FsTree::Report report;
    if (place.folder.isOpen())
        report = FsTree::erase(place.folder, place.name, options);
    else
        report.problems << FsName::displayText(trashPath) + QStringLiteral(": ") +
                               localized("its folder can't be opened") + QStringLiteral(" (") + place.why +
                               QStringLiteral(")");
    if (report.gone) m_store->forgetItem(trashPath);
    return report;
}

QString TrashItemActions::putBackDestination(const QString& trashPath, const QString& original) {
    // A volume's Trash ("<volume>/.Trashes/<id>/<name>") names the volume as the original place.
    const QString volumeTrash = original + QStringLiteral("/.Trashes/");
    if (trashPath.startsWith(volumeTrash) && trashPath.indexOf(QLatin1Char('/'), volumeTrash.size()) > 0)
        return original + QLatin1Char('/') + Path(trashPath).leaf();
    return original;
}

bool TrashItemActions::leavesVolume(const QString& trashPath, const QString& original,
                                    const QString& volume) {
    if (volume.isEmpty() || original.isEmpty() || original == QLatin1String("--")) return false;
    const QString top = QDir::cleanPath(volume);
    if (top == QLatin1String("/")) return false;
    const QString destination = QDir::cleanPath(putBackDestination(trashPath, original));
    return destination != top && !destination.startsWith(top + QLatin1Char('/'));
}

AlertRequest TrashItemActions::leaveVolumeQuestion(const QList<QPair<QString, QString>>& items) {
    QStringList lines;
    for (const auto& [name, place] : items)
        lines << localized("\"%1\" to %2").arg(FsName::displayText(name), FsName::displayText(place));
    return {localized("Put back outside the volume?"), localized(" Put Back "), localized(" Keep in Trash "),
            localized("These items are in the Trash of a volume, but their records name places outside "
                      "that volume. A record on a volume can be written by anyone who had the volume, so "
                      "put them back only if you expect these places:") +
                QLatin1Char('\n') + lines.join(QLatin1Char('\n'))};
}

TrashItemActions::PutBackPlan TrashItemActions::planPutBack(const QList<CVTrashFileNode::Ptr>& items,
                                                            Alerts* alerts, const TrashStore* store,
                                                            const AskWhenTaken& askWhenTaken) {
    QList<PutBackMove> moves;
    QList<bool> leaving;
    QList<QPair<QString, QString>> asked;
    for (const CVTrashFileNode::Ptr& item : items) {
        const QString volume =
            item->theVolume.isEmpty() && store ? store->volumeOf(item->theTrashPath) : item->theVolume;
        moves.append({item->theTrashPath, item->theOrignalpath, volume, false, WhenTaken::Refuse});
        leaving << leavesVolume(item->theTrashPath, item->theOrignalpath, volume);
        if (leaving.last())
            asked.append({item->theFileName, putBackDestination(item->theTrashPath, item->theOrignalpath)});
    }
    const bool agreed =
        !asked.isEmpty() && alerts && alerts->runModal(leaveVolumeQuestion(asked)) == Alerts::Default;
    PutBackPlan plan;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (leaving[i] && !agreed) continue;
        moves[i].mayLeaveVolume = leaving[i];
        plan.items << items[i];
        plan.moves << moves[i];
    }
    if (!askWhenTaken) return plan;
    // One question per item whose place is taken, until one answer is kept for the rest.
    QList<qsizetype> taken;
    for (qsizetype i = 0; i < plan.moves.size(); ++i) {
        const PutBackMove& move = plan.moves[i];
        if (move.original.isEmpty() || move.original == QLatin1String("--")) continue;
        if (FsLook::exists(putBackDestination(move.trashPath, move.original))) taken << i;
    }
    std::optional<WhenTaken> forAll;
    for (qsizetype k = 0; k < taken.size(); ++k) {
        PutBackMove& move = plan.moves[taken[k]];
        if (!forAll) {
            const TakenAnswer answer =
                askWhenTaken(plan.items[taken[k]]->theFileName,
                             putBackDestination(move.trashPath, move.original), int(taken.size() - k - 1));
            move.whenTaken = answer.choice;
            if (answer.applyToAll) forAll = answer.choice;
        } else {
            move.whenTaken = *forAll;
        }
    }
    return plan;
}

TrashItemActions::PutBack TrashItemActions::putBack(const QString& trashPath, const QString& original,
                                                    const QString& volume, bool mayLeaveVolume) const {
    return putBackMove({trashPath, original, volume, mayLeaveVolume, WhenTaken::Refuse}).outcome;
}

QString TrashItemActions::keepBothPlace(const QString& place) {
    const QString folder = Path(place).parent().text();
    const QString leaf = Path(place).leaf();
    // "report.pdf" -> "report 2.pdf"; a leading dot or a long tail is no extension.
    const qsizetype dot = leaf.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > 0 && leaf.size() - dot <= 8 && !leaf.mid(dot).contains(QLatin1Char(' '));
    const QString stem = hasExtension ? leaf.left(dot) : leaf;
    const QString extension = hasExtension ? leaf.mid(dot) : QString();
    const QString base = folder == QLatin1String("/") ? QString() : folder;
    for (int n = 2;; ++n) {
        const QString candidate =
            base + QLatin1Char('/') + stem + QLatin1Char(' ') + QString::number(n) + extension;
        if (!FsLook::exists(candidate) || n > 100000) return candidate;
    }
}

namespace {

using PutBack = TrashItemActions::PutBack;
using WhenTaken = TrashItemActions::WhenTaken;

// Whether the put back goes on when its place is taken, making room as the user chose.
bool makeRoom(const TrashStore& store, WhenTaken whenTaken, bool dryRun, TrashItemActions::PutBackDone& done,
              QList<TrashJournal::Move>& moves) {
    switch (whenTaken) {
        case WhenTaken::Refuse:
            done.outcome = PutBack::Taken;
            return false;
        case WhenTaken::Skip:
            done.outcome = PutBack::Skipped;
            return false;
        case WhenTaken::KeepBoth:
            done.destination = TrashItemActions::keepBothPlace(done.destination);
            return true;
        case WhenTaken::Replace: {
            // What is there now goes to the Trash first: nothing is destroyed.
            const TrashPut::Result replaced = TrashPut(store.paths()).put(done.destination, {false, dryRun});
            if (replaced.outcome != TrashPut::Outcome::Trashed) {
                done.outcome = PutBack::Failed;
                return false;
            }
            done.replacedTo = replaced.trashPath;
            moves.append(
                {TrashJournal::Move::Way::IntoTrash, replaced.place, replaced.trashPath, replaced.record});
            return true;
        }
    }
    return false;
}

void moveOut(const TrashStore& store, const TrashItemActions::PutBackMove& move, const Place& from,
             const QByteArray& record, const FsMove::Progress& progress, TrashItemActions::PutBackDone& done,
             QList<TrashJournal::Move>& moves) {
    // The original place is the user's own: links on the way there are followed as they mean. It
    // may be no place Corvane keeps (a Trash folder, the home itself, a disk's top).
    ScopeLimits limits = store.scopeLimits();
    // Nothing is there yet, so it can't be the home or hold the Desktop; it may not be in a Trash.
    limits.held.clear();
    // Never over what is there; across file systems the item is copied whole and checked before
    // it leaves the Trash, and a copy that fails part-way (a full disk) is removed again. A name
    // taken meanwhile gives Keep Both the next free one.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QByteArray toName = Path(done.destination).leafBytes();
        const FsScope toScope = FsScope::chosen(Path(done.destination).parent().text(), {toName}, limits);
        const ScopedFolder& to = toScope.folder();
        if (!to.isOpen() || !from.folder.allows(from.name)) break;
        const FsMove::Outcome outcome = FsMove::move(from.folder, from.name, to, toName, nullptr, progress);
        if (outcome == FsMove::Outcome::Taken && move.whenTaken == WhenTaken::KeepBoth &&
            FsLook::exists(done.destination)) {
            done.destination = TrashItemActions::keepBothPlace(done.destination);
            continue;
        }
        if (outcome == FsMove::Outcome::Taken) done.outcome = PutBack::Taken;
        if (outcome == FsMove::Outcome::Moved) {
            store.forgetItem(move.trashPath);
            done.outcome = PutBack::Moved;
            moves.append({TrashJournal::Move::Way::OutOfTrash, done.destination, move.trashPath, record});
        }
        break;  // Failed, or Copied: part of it stays in the Trash, with its record
    }
}

}  // namespace

TrashItemActions::PutBackDone TrashItemActions::putBackMove(const PutBackMove& move, TrashJournal* journal,
                                                            bool dryRun,
                                                            const FsMove::Progress& progress) const {
    PutBackDone done;
    const QString& trashPath = move.trashPath;
    const QString& original = move.original;
    if (original == QLatin1String("--") || original.isEmpty()) return {PutBack::Unknown, {}, {}};
    // The volume is found here too, so a caller that knows none can't skip the question.
    const QString onVolume = move.volume.isEmpty() ? m_store->volumeOf(trashPath) : move.volume;
    done.destination = putBackDestination(trashPath, original);
    if (!move.mayLeaveVolume && leavesVolume(trashPath, original, onVolume)) {
        done.outcome = PutBack::OutsideVolume;
        return done;
    }
    const Place from = itemPlace(*m_store, trashPath);
    if (!from.folder.isOpen() || !from.folder.has(from.name)) return done;
    // The record goes with the item, so an undo can bring both back as they were.
    const QString trash = TrashInfo::trashFolderOf(trashPath);
    QByteArray record;
    if (!trash.isEmpty())
        record = m_store->folderInTrash(trash + QStringLiteral("/info"))
                     .folder()
                     .readFile(from.name + ".trashinfo", 64 * 1024)
                     .value_or(QByteArray());
    QList<TrashJournal::Move> moves;
    if (FsLook::exists(done.destination) && !makeRoom(*m_store, move.whenTaken, dryRun, done, moves))
        return done;
    if (dryRun) {
        done.outcome = PutBack::Moved;
        return done;
    }
    if (OpenFolder::makeChosen(Path(done.destination).parent().text()).isOpen())
        moveOut(*m_store, move, from, record, progress, done, moves);
    if (journal)
        for (const auto& m : moves) journal->add(m);
    return done;
}

QList<TrashItemActions::PutBack> TrashItemActions::putBackEach(const QList<PutBackMove>& moves,
                                                               WorkProgress* progress,
                                                               TrashJournal* journal) const {
    QList<PutBack> outcomes;
    if (journal) journal->begin(QStringLiteral("putback"));
    for (const PutBackMove& move : moves) {
        const quint64 before = progress ? progress->bytes.load() : 0;
        outcomes << putBackMove(move, journal, false,
                                progress ? progress->moveProgress() : FsMove::Progress())
                        .outcome;
        if (progress) progress->itemDone(outcomes.size() - 1, before, outcomes.last() == PutBack::Moved);
    }
    // A put back that moved nothing leaves the last action undoable.
    if (journal && !journal->lastMoves().isEmpty()) journal->commit();
    return outcomes;
}

QString TrashItemActions::notPutBackText(const QList<NotPutBack>& items) {
    QStringList lines;
    for (const NotPutBack& item : items) {
        const QString name = FsName::displayText(item.name);
        const QString destination = FsName::displayText(item.destination);
        switch (item.reason) {
            case PutBack::Taken:
                lines << localized("\"%1\": something is already at %2.").arg(name, destination);
                break;
            case PutBack::Failed:
                lines << localized("\"%1\": it could not be moved to %2.").arg(name, destination);
                break;
            case PutBack::Unknown:
                lines << localized("\"%1\": where it came from is not known.").arg(name);
                break;
            case PutBack::OutsideVolume:
                lines << localized("\"%1\": %2 lies outside the volume whose Trash holds it.")
                             .arg(name, destination);
                break;
            case PutBack::Skipped:
                lines << localized("\"%1\": skipped, something is already at %2.").arg(name, destination);
                break;
            case PutBack::Moved:
                break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}
