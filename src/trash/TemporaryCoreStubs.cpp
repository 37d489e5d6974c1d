// TEMPORARY until the core lands on main: removed before merging.
#include "TrashJournal.h"
#include "TrashPut.h"
TrashPut::TrashPut(std::shared_ptr<const Paths> paths, std::function<QDateTime()> now)
    : m_paths(std::move(paths)), m_now(std::move(now)) {}
TrashPut::Result TrashPut::put(const QString& path, const Options&) const {
    Result r;
    r.source = path;
    r.outcome = Outcome::NoTrash;
    r.why = QStringLiteral("stub");
    return r;
}
QString TrashPut::notTrashedText(const Result& r) { return r.source + QStringLiteral(": ") + r.why; }
TrashJournal::TrashJournal(std::shared_ptr<const Paths> paths) : m_paths(std::move(paths)) {}
void TrashJournal::begin(const QString& a) { m_action = a; m_moves.clear(); }
void TrashJournal::add(const Move& m) { m_moves << m; }
bool TrashJournal::commit() { return true; }
QString TrashJournal::lastAction() const { return m_action; }
QList<TrashJournal::Move> TrashJournal::lastMoves() const { return m_moves; }
QList<TrashJournal::Undone> TrashJournal::undo(bool) { return {}; }
QString TrashJournal::filePath() const { return {}; }
