#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class Paths;

struct TrashPutOptions {
    bool copyToHome = false;  ///< an item with no Trash on its file system is copied home, whole
    bool dryRun = false;      ///< find where it would go, change nothing
};

/// Moving items into the Trash the way other desktop programs do, so each sees what the other
/// trashed: an item on the home's file system goes to the home Trash; one on another file system to
/// that volume's "$topdir/.Trash/$uid" when "$topdir/.Trash" is a real folder with the sticky bit,
/// else to "$topdir/.Trash-$uid" (made 0700 when missing). The record is reserved first (created
/// exclusively, a taken name giving "name.2", "name.3"...), then the item renamed in; a rename that
/// fails takes the reservation back. Never the Trash or anything in it, "/", the home, a volume's
/// top or a folder that holds a Trash; a link goes as a link; names are bytes.
class TrashPut {
  public:
    enum class Outcome {
        Trashed,  ///< the item is in the Trash with its record
        Refused,  ///< an item no Trash may take (the home, a Trash, a volume's top...): untouched
        NoTrash,  ///< no Trash can be reached on its file system (and copying home was not asked)
        Failed,   ///< it could not be moved (rights, vanished): untouched
        Copied,   ///< copied whole into the home Trash, but part of the source resisted removal
    };
    using Options = TrashPutOptions;
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString source;                   ///< the item as given
        QString place;                    ///< where the item was, every link on the way resolved
        QString trashPath;                ///< where it is (or, in a dry run, would be): "$trash/files/<name>"
        QByteArray record;                ///< the text of its info file
        QString why;                      ///< for the user, whenever the outcome is not Trashed
        bool crossedFileSystems = false;  ///< it was (or would be) copied to the home Trash
    };

    /// `now` gives the deletion date (local time); the system clock when empty.
    explicit TrashPut(std::shared_ptr<const Paths> paths, std::function<QDateTime()> now = {});

    /// Moves the item at the absolute path `path` into its Trash.
    Result put(const QString& path, const Options& options = {}) const;
    /// Moves the item at `path` back to `trashPath` ("$trash/files/<name>", in one of this account's
    /// Trash folders) with the info file text `record` as it stands (the way back of a put back). A
    /// taken name gets the next free one; the record's "Path=" is not rewritten.
    Result putWithRecord(const QString& path, const QString& trashPath, const QByteArray& record) const;
    /// A line for the user naming an item that was not trashed and why.
    static QString notTrashedText(const Result& result);

  private:
    /// The Trash folder of this account on the volume whose top is `top`, made where missing
    /// (not in a dry run); empty with `why` when none can be used.
    QString volumeTrashFor(const QString& top, bool dryRun, QString* why) const;

    std::shared_ptr<const Paths> m_paths;
    std::function<QDateTime()> m_now;
};
