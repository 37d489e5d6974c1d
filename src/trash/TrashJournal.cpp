#include "TrashJournal.h"

#include <QDir>

#include "TrashInfo.h"
#include "TrashPut.h"
#include "TrashStore.h"
#include "core/Localized.h"
#include "core/Path.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsScope.h"
#include "platform/Paths.h"

namespace {

const QByteArray FileName("last-trash-action");
const QByteArray Header("corvane trash journal 1");

QByteArray field(const QString& text) {
    return FsName::toBytes(text).toPercentEncoding();
}

QString text(const QByteArray& field) {
    return FsName::fromBytes(QByteArray::fromPercentEncoding(field));
}

}  // namespace

TrashJournal::TrashJournal(std::shared_ptr<const Paths> paths) : m_paths(std::move(paths)) {
    const OpenFolder folder = OpenFolder::open(m_paths->stateFolder());
    const std::optional<QByteArray> data = folder.readFile(FileName, 16 * 1024 * 1024);
    if (!data) return;
    const QList<QByteArray> lines = data->split('\n');
    if (lines.size() < 2 || lines[0] != Header) return;
    m_action = text(lines[1]);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> parts = lines[i].split('\t');
        if (parts.size() != 4 || (parts[0] != "in" && parts[0] != "out")) continue;
        Move move;
        move.way = parts[0] == "in" ? Move::Way::IntoTrash : Move::Way::OutOfTrash;
        move.place = text(parts[1]);
        move.trashPath = text(parts[2]);
        move.record = QByteArray::fromPercentEncoding(parts[3]);
        m_moves << move;
    }
}

QString TrashJournal::filePath() const {
    return m_paths->stateFolder() + QLatin1Char('/') + FsName::fromBytes(FileName);
}

void TrashJournal::begin(const QString& action) {
    m_action = action;
    m_moves.clear();
}

void TrashJournal::add(const Move& move) {
    m_moves << move;
}

bool TrashJournal::commit() {
    QByteArray data = Header + '\n' + field(m_action) + '\n';
    for (const Move& move : std::as_const(m_moves))
        data += QByteArray(move.way == Move::Way::IntoTrash ? "in" : "out") + '\t' + field(move.place) +
                '\t' + field(move.trashPath) + '\t' + move.record.toPercentEncoding() + '\n';
    const QString folder = m_paths->stateFolder();
    // The state folder is made where missing, readable by the account only.
    return OpenFolder::makeChosen(folder, 0700).writeFileReplacing(FileName, data, 0600);
}

QString TrashJournal::lastAction() const {
    return m_moves.isEmpty() ? QString() : m_action;
}

QList<TrashJournal::Move> TrashJournal::lastMoves() const {
    return m_moves;
}

QList<TrashJournal::Undone> TrashJournal::undo(bool dryRun) {
    QList<Undone> undone;
    QList<Move> left;
    const auto store = TrashStore::forPaths(m_paths);
    for (qsizetype i = m_moves.size() - 1; i >= 0; --i) {
        const Move& move = m_moves[i];
        Undone step{move, false, {}, {}};
        const QString placeFolder = Path(move.place).parent().text();
        const QByteArray placeName = Path(move.place).leafBytes();
        if (move.way == Move::Way::IntoTrash) {
            // What was trashed comes back where it was, never over what is there now.
            const QString trash = TrashInfo::trashFolderOf(move.trashPath);
            const ScopedFolder from = store->folderInTrash(Path(move.trashPath).parent().text(), &step.why);
            const QByteArray name = Path(move.trashPath).leafBytes();
            ScopeLimits limits = store->scopeLimits();
            limits.held.clear();
            if (!from.isOpen() || !from.has(name)) {
                if (step.why.isEmpty()) step.why = localized("it is no longer in the Trash");
            } else if (OpenFolder::openChosen(placeFolder).has(placeName)) {
                step.why = localized("something is already at %1").arg(FsName::displayText(move.place));
            } else if (dryRun) {
                step.done = true;
                step.nowAt = move.place;
            } else if (!OpenFolder::makeChosen(placeFolder).isOpen()) {
                step.why = localized("its folder %1 can't be made").arg(FsName::displayText(placeFolder));
            } else {
                const FsScope to = FsScope::chosen(placeFolder, {placeName}, limits, &step.why);
                const FsMove::Outcome outcome =
                    to.isValid() ? FsMove::move(from, name, to.folder(), placeName, &step.why)
                                 : FsMove::Outcome::Failed;
                step.done = outcome == FsMove::Outcome::Moved;
                if (outcome == FsMove::Outcome::Taken)
                    step.why = localized("something is already at %1").arg(FsName::displayText(move.place));
                if (step.done) {
                    step.nowAt = move.place;
                    const ScopedFolder info = store->folderInTrash(trash + QStringLiteral("/info"));
                    info.unlinkEntry(name + ".trashinfo");
                }
            }
        } else {
            // What was put back returns to its Trash with the record it had.
            if (!OpenFolder::openChosen(placeFolder).has(placeName)) {
                step.why = localized("%1 is no longer there").arg(FsName::displayText(move.place));
            } else if (dryRun) {
                step.done = true;
                step.nowAt = move.trashPath;
            } else {
                const TrashPut::Result result =
                    TrashPut(m_paths).putWithRecord(move.place, move.trashPath, move.record);
                step.done = result.outcome == TrashPut::Outcome::Trashed;
                step.nowAt = result.trashPath;
                if (!step.done) step.why = result.why;
            }
        }
        if (!step.done || dryRun) left.prepend(move);
        undone << step;
    }
    if (!dryRun) {
        m_moves = left;
        commit();
    }
    return undone;
}
