#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class Paths;

/// The last action that moved items into or out of the Trash (a `trash put`, a put back), kept so
/// it can be undone: each move with the Trash item it made or took, and the record that went with
/// it. Kept in one file of the account's state folder, replaced whole by each new action.
class TrashJournal {
  public:
    struct Move {
        enum class Way { IntoTrash, OutOfTrash };
        Way way = Way::IntoTrash;
        QString place;      ///< the item outside the Trash (before it was trashed, after it came back)
        QString trashPath;  ///< the item in the Trash: "$trash/files/<name>"
        QByteArray record;  ///< the text of its info file, as it was
    };

    explicit TrashJournal(std::shared_ptr<const Paths> paths);

    /// Starts recording a new action: the previous one can no longer be undone.
    void begin(const QString& action);
    void add(const Move& move);
    /// Writes the action down (0600); false when it could not be kept.
    bool commit();

    /// The last action's name and moves, as committed; nothing when none is kept.
    QString lastAction() const;
    QList<Move> lastMoves() const;

    /// What undo() did with each move, newest first.
    struct Undone {
        Move move;
        bool done = false;
        QString why;    ///< when not done
        QString nowAt;  ///< where the item is once undone (its Trash path may have a new name)
    };
    /// Reverses the last action, newest move first: what it trashed comes back to where it was,
    /// what it put back returns to the Trash with its record. Nothing is overwritten: a move whose
    /// way back is taken stays as it is, and says so. The journal is cleared once every move is
    /// undone; otherwise it keeps what could not be. `dryRun` says what would happen.
    QList<Undone> undo(bool dryRun = false);

    /// The journal's file.
    QString filePath() const;

  private:
    std::shared_ptr<const Paths> m_paths;
    QString m_action;
    QList<Move> m_moves;
};
