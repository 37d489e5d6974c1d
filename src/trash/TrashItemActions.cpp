#include "TrashItemActions.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QSet>
#include <cerrno>
#include <map>

#include "CVTrashFileNode.h"
#include "TrashStore.h"
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

QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QByteArray leafOf(const QString& path) {
    return FsName::toBytes(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

// An item's folder is opened from its Trash folder down without following a link, so a Trash
// folder swapped for a link never turns an action on the Trash into one on the folder it points
// to, and a path outside this account's Trash folders is no item at all.
Place itemPlace(const TrashStore& store, const QString& trashPath) {
    Place place;
    place.folder = store.folderInTrash(parentOf(trashPath), &place.why);
    place.name = leafOf(trashPath);
    return place;
}

// Creates the missing folders of the user's own original place, one step at a time.
bool makeFolders(const QString& folder) {
    const QByteArray raw = FsName::toBytes(folder);
    for (qsizetype i = 1; i <= raw.size(); ++i) {
        if (i < raw.size() && raw[i] != '/') continue;
        const QByteArray step = raw.left(i);
        if (::mkdir(step.constData(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return ::stat(raw.constData(), &st) == 0 && S_ISDIR(st.st_mode);
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
    std::map<QString, Place> folders;
    std::map<QString, QSet<QByteArray>> removed;
    for (qsizetype i = 0; i < trashPaths.size(); ++i) {
        const QString& trashPath = trashPaths[i];
        const QString parent = parentOf(trashPath);
        auto it = folders.find(parent);
        if (it == folders.end()) it = folders.emplace(parent, itemPlace(*m_store, trashPath)).first;
        const Place& place = it->second;
        const QByteArray name = leafOf(trashPath);
        FsTree::Report report;
        if (place.folder.isOpen())
            report = FsTree::remove(place.folder, name, options);
        else
            report.problems << FsName::displayText(trashPath) + QStringLiteral(": ") +
                                   localized("its folder can't be opened") + QStringLiteral(" (") +
                                   place.why + QStringLiteral(")");
        if (report.gone) removed[parent].insert(name);
        if (each) each(i, report);
    }
    for (const auto& [folder, names] : removed) m_store->tidyAfterEmptying(folder, names);
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
        return original + QLatin1Char('/') + trashPath.mid(trashPath.lastIndexOf(QLatin1Char('/')) + 1);
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
                                                            const AskWhenTaken&) {
    QList<PutBackMove> moves;
    QList<bool> leaving;
    QList<QPair<QString, QString>> asked;
    for (const CVTrashFileNode::Ptr& item : items) {
        const QString volume =
            item->theVolume.isEmpty() && store ? store->volumeOf(item->theTrashPath) : item->theVolume;
        moves.append({item->theTrashPath, item->theOrignalpath, volume, false});
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
    return plan;
}

TrashItemActions::PutBack TrashItemActions::putBack(const QString& trashPath, const QString& original,
                                                    const QString& volume, bool mayLeaveVolume) const {
    if (original == QLatin1String("--") || original.isEmpty()) return PutBack::Unknown;
    // The volume is found here too, so a caller that knows none can't skip the question.
    const QString onVolume = volume.isEmpty() ? m_store->volumeOf(trashPath) : volume;
    if (!mayLeaveVolume && leavesVolume(trashPath, original, onVolume)) return PutBack::OutsideVolume;
    const QString destination = putBackDestination(trashPath, original);
    const Place from = itemPlace(*m_store, trashPath);
    if (!from.folder.isOpen() || !from.folder.has(from.name)) return PutBack::Failed;
    struct stat there;
    if (::lstat(FsName::toBytes(destination).constData(), &there) == 0) return PutBack::Taken;
    const QString destinationFolder = parentOf(destination);
    if (!makeFolders(destinationFolder)) return PutBack::Failed;
    // The original place is the user's own: links on the way there are followed as they mean. It
    // may be no place Corvane keeps (a Trash folder, the home itself, a disk's top).
    const QByteArray toName = leafOf(destination);
    // Nothing is there yet, so it can't be the home or hold the Desktop; it may not be in a Trash.
    ScopeLimits limits = m_store->scopeLimits();
    limits.held.clear();
    const FsScope toScope = FsScope::chosen(destinationFolder, {toName}, limits);
    const ScopedFolder& to = toScope.folder();
    if (!to.isOpen() || !from.folder.allows(from.name)) return PutBack::Failed;
    // Never over what is there; across file systems the item is copied whole and checked before
    // it leaves the Trash, and a copy that fails part-way (a full disk) is removed again.
    switch (FsMove::move(from.folder, from.name, to, toName)) {
        case FsMove::Outcome::Moved:
            break;
        case FsMove::Outcome::Taken:
            return PutBack::Taken;
        case FsMove::Outcome::Failed:
        case FsMove::Outcome::Copied:  // part of it stays in the Trash, with its record
            return PutBack::Failed;
    }
    m_store->forgetItem(trashPath);
    return PutBack::Moved;
}

QList<TrashItemActions::PutBack> TrashItemActions::putBackEach(const QList<PutBackMove>& moves,
                                                               WorkProgress* progress, TrashJournal*) const {
    QList<PutBack> outcomes;
    for (const PutBackMove& move : moves) {
        outcomes << putBack(move.trashPath, move.original, move.volume, move.mayLeaveVolume);
        if (progress) ++progress->done;
    }
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
            case PutBack::Moved:
                break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}
