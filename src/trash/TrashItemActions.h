#pragma once

#include <QList>
#include <QString>

#include <memory>

class SystemCommands;

/// Moving a Trash item back where it came from, shared by the trash table and the protected-items
/// window. It never replaces what is at the original place and never moves into a folder there.
class TrashItemActions {
public:
    enum class PutBack {
        Moved,     ///< the item is back at its original place
        Unknown,   ///< no original place is known ("--"): left alone
        Taken,     ///< something is already at the original place: left in the Trash
        Failed,    ///< the move did not happen (rights, another volume's rules): left in the Trash
    };
    struct NotPutBack {
        QString name;
        QString destination;
        PutBack reason;
    };

    explicit TrashItemActions(std::shared_ptr<const SystemCommands> commands) : m_commands(std::move(commands)) {}

    /// rm -rf on the item; its info file goes with it.
    void deleteItem(const QString& trashPath) const;
    /// The item's files overwritten, then the item removed; its info file goes with it.
    void secureDeleteItem(const QString& trashPath) const;
    /// Creates missing parent folders of `original`, then moves the item there unless the place is
    /// taken; once moved, its info file is removed.
    PutBack putBack(const QString& trashPath, const QString& original) const;
    /// One text naming each item that was not put back and why, for the alert after the action.
    static QString notPutBackText(const QList<NotPutBack>& items);

private:
    std::shared_ptr<const SystemCommands> m_commands;
};
