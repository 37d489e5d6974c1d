#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

#include "FsMount.h"
#include "OpenFolder.h"

/// What no scope may be or hold, for one account. Paths makes it for the account it describes.
struct ScopeLimits {
    uid_t uid = 0;
    QString home;         ///< never a scope, and no scope may hold it
    QStringList tops;     ///< "/", the layout's root and the volumes' mount points: never a scope
    QStringList trashes;  ///< the Trash folders: only a Trash scope may be or hold one
    QStringList held;     ///< the Desktop and the store: a scope may hold none of them
};

class FsScope;

/// A folder inside a scope: the scope's own folder or one reached from it by name, never through a
/// link or onto another mount. Only a scope makes one, so the removing and moving operations of
/// the file layer, which take nothing else, can't be pointed outside what the user meant. Move-only.
class ScopedFolder {
  public:
    ScopedFolder() = default;

    bool isOpen() const { return m_folder.isOpen(); }
    /// For reading: listing, attributes, files.
    const OpenFolder& folder() const { return m_folder; }
    QString path() const { return m_folder.path(); }
    QString pathOf(const QByteArray& name) const { return m_folder.pathOf(name); }
    bool has(const QByteArray& name) const { return m_folder.has(name); }

    /// Sub-folder `name`, in the same scope: refused when it is a link, lies on another mount,
    /// breaks the scope's owner rule or is not a name the scope allows here.
    ScopedFolder child(const QByteArray& name, QString* why = nullptr) const;
    ScopedFolder child(const QString& name, QString* why = nullptr) const {
        return child(FsName::toBytes(name), why);
    }
    /// Whether the scope lets the work touch entry `name` of this folder; `why` says why not.
    bool allows(const QByteArray& name, QString* why = nullptr) const;
    /// The mount the scope lies on: the work stops at any other.
    FsMount mount() const;
    /// Removes one non-folder entry (a link as a link), when the scope allows it.
    bool unlinkEntry(const QByteArray& name) const { return allows(name) && m_folder.unlinkEntry(name); }

  private:
    friend class FsScope;
    struct Bounds;
    ScopedFolder(OpenFolder folder, std::shared_ptr<const Bounds> bounds, bool top)
        : m_folder(std::move(folder)), m_bounds(std::move(bounds)), m_top(top) {}

    OpenFolder m_folder;
    std::shared_ptr<const Bounds> m_bounds;
    bool m_top = false;
};

/// Where one removing, overwriting or moving action may act, made only by the validating functions
/// below. None of them takes an empty or relative path, "/", the layout's root, a volume's top, the
/// home folder, or a folder that holds the home, a Trash folder, the Desktop or the store. The
/// Trash, the store and the Desktop must be the user's (or root's) at every step and writable by no
/// one else; a chosen item's folder is taken as the user named it. A scope ends at mount points.
class FsScope {
  public:
    enum class Kind { Trash, Store, Desktop, Chosen };

    /// One of the account's Trash folders (items and records below it).
    static FsScope trash(const QString& folder, const ScopeLimits& limits, QString* why = nullptr);
    /// The Desktop tidy's store folder.
    static FsScope store(const QString& folder, const ScopeLimits& limits, QString* why = nullptr);
    /// The Desktop.
    static FsScope desktop(const QString& folder, const ScopeLimits& limits, QString* why = nullptr);
    /// Items the user chose, all in the folder `folder`: only those names may be touched there.
    static FsScope chosen(const QString& folder, const QList<QByteArray>& names, const ScopeLimits& limits,
                          QString* why = nullptr);
    /// One item the user chose, by its path.
    static FsScope chosenItem(const QString& item, const ScopeLimits& limits, QString* why = nullptr);

    FsScope() = default;
    bool isValid() const { return m_folder.isOpen(); }
    Kind kind() const { return m_kind; }
    /// The scope's own folder (for a chosen item, the folder that holds it).
    const ScopedFolder& folder() const { return m_folder; }
    QString path() const { return m_folder.path(); }

    /// Whether a scope of `kind` at `path` (for a chosen item: the item) would be or hold one of
    /// `limits`' folders that it may not; `why` says which.
    static bool touchesLimits(Kind kind, const QString& path, const ScopeLimits& limits, QString* why);
    /// Gives up the scope's own folder (the scope is invalid afterwards).
    ScopedFolder release() { return std::move(m_folder); }

  private:
    static FsScope make(Kind kind, const QString& folder, const ScopeLimits& limits, QSet<QByteArray> names,
                        QString* why);

    Kind m_kind = Kind::Trash;
    ScopedFolder m_folder;
};
