#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "core/fs/FsScope.h"

/// Every path that Corvane reads or changes comes from here. A layout is rooted at a folder: "/" on
/// a real account, a sandbox folder under $CORVANE_ROOT for tests and the demo.
class Paths {
  public:
    /// How the Trash keeps its items and their put-back records.
    enum class Layout {
        Mac,          ///< one folder of items, the records in its ".DS_Store"
        Freedesktop,  ///< "files/" for the items, "info/<name>.trashinfo" for each item's record
    };

    virtual ~Paths() = default;

    virtual Layout layout() const = 0;

    /// The folder the whole layout lives under ("/" on a real account), without a trailing "/".
    QString root() const { return m_root; }
    /// The user's short login name.
    QString loginName() const { return m_login; }
    /// The user's id: the owner, besides root, that a Trash folder of theirs may have.
    uint uid() const { return m_uid; }

    virtual QString userHome() const = 0;
    virtual QString userTrash() const = 0;
    /// The Trash's put-back records: the records file, or the folder of info files.
    virtual QString trashRecordsFile() const = 0;
    /// The Desktop folder; empty when the account has none (a layout may say so).
    virtual QString userDesktop() const = 0;
    /// Mounted local volumes in the layout, the start-up volume first.
    virtual QStringList mountedLocalVolumePaths() const = 0;
    /// The per-user Trash folders of one volume that a scan or an emptying visits, in order.
    virtual QStringList volumeTrashFolders(const QString& volume) const = 0;
    /// Whether a scan or an emptying visits the Trash folders of this volume at all.
    virtual bool visitsVolumeTrash(const QString& volume) const = 0;
    /// A path relative to the start-up volume ("Users/me/Desktop/") made absolute in this layout.
    virtual QString onStartupVolume(const QString& relative) const = 0;

    // Browser cookies.
    /// The binary cookie file of the layout's own browser; empty where the layout has none.
    virtual QString safariCookieFile() const = 0;
    /// Chrome's and Chromium's user-data folders (each holds "Default", "Profile 1", ...), in the
    /// order they are tried.
    virtual QStringList chromeUserDataFolders() const = 0;
    /// Firefox's folders that hold "profiles.ini" (or a "Profiles" folder), in the order tried.
    virtual QStringList firefoxProfileFolders() const = 0;
    /// Where the cookie export is written.
    virtual QString cookieExportFolder() const = 0;
    /// Where the panel that opens a cookie file starts.
    virtual QString documentsFolder() const = 0;

    /// The layout chosen by the environment: the freedesktop one, or the mac one with
    /// CORVANE_LAYOUT=mac; $CORVANE_ROOT moves either under a folder.
    static std::shared_ptr<Paths> fromEnvironment();
    /// Like fromEnvironment() for another account (the one a privileged helper works for): its
    /// home comes from the user database, never from this process's environment.
    static std::shared_ptr<Paths> forAccount(const QString& login, uint uid);
    /// The login name of the user who runs the process (the real user id, as the system's user
    /// database names it; $USER only where the database has no entry).
    static QString currentLoginName();
    /// The login name for a user id, or an empty text when the id is unknown.
    static QString loginNameForUid(uint uid);
    /// "/" for an empty or "/" root; otherwise the absolute form without a trailing "/".
    static QString normalizedRoot(const QString& root);

    /// The desktop tidy's store folder inside a chosen location; empty without a location.
    static QString desktopStoreFolder(const QString& location);

    /// An absolute path of the layout placed under the root.
    QString inRoot(const QString& absolute) const;
    /// Where Corvane keeps what it must remember between runs that is no setting (the last Trash
    /// action, for its undo): "$XDG_STATE_HOME/corvane", by default "~/.local/state/corvane".
    QString stateFolder() const;
    /// The other way: a path under the root as the layout names it ("/home/me/a" for
    /// "<root>/home/me/a"); a path outside the root as it is.
    QString outOfRoot(const QString& path) const;

    /// What no removing or moving action of this account may be or hold: "/", the root, the volumes'
    /// tops, the home folder, the Trash folders and the Desktop. The store, which the settings name,
    /// is added by whoever knows it.
    ScopeLimits scopeLimits() const;

  protected:
    Paths(const QString& root, const QString& login, uint uid);

  private:
    QString m_root;
    QString m_login;
    uint m_uid;
};

/// The layout with "/Users/<login>/.Trash", ".DS_Store" put-back records and "<volume>/.Trashes/<id>".
class MacPaths : public Paths {
  public:
    /// `uid` defaults to the user who runs the process.
    MacPaths(const QString& root, const QString& login, uint uid);
    MacPaths(const QString& root, const QString& login);

    Layout layout() const override { return Layout::Mac; }
    QString userHome() const override;
    QString userTrash() const override;
    QString trashRecordsFile() const override;
    QString userDesktop() const override;
    QStringList mountedLocalVolumePaths() const override;
    QStringList volumeTrashFolders(const QString& volume) const override;
    /// Only volumes under "/Volumes/".
    bool visitsVolumeTrash(const QString& volume) const override;
    QString onStartupVolume(const QString& relative) const override;
    QString safariCookieFile() const override;
    QStringList chromeUserDataFolders() const override;
    QStringList firefoxProfileFolders() const override;
    QString cookieExportFolder() const override;
    QString documentsFolder() const override;

    /// The folder that holds the mounted volumes ("<root>/Volumes").
    QString volumesFolder() const;
};
