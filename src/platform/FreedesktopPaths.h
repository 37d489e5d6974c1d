#pragma once

#include <QByteArray>
#include <QList>

#include "Paths.h"

/// One mount of the system's mount table.
struct MountEntry {
    QString root;        ///< the folder of the file system that is mounted ("/" unless a bind mount)
    QString mountPoint;  ///< where it is mounted
    QString options;     ///< the mount's and the file system's options, comma-separated
    QString type;
    QString source;
    QString device;  ///< "major:minor"
};

/// The layout of a Linux desktop account: the Trash in "$XDG_DATA_HOME/Trash" with "files/" and
/// "info/", volumes from the mount table with "$topdir/.Trash/$uid" and "$topdir/.Trash-$uid",
/// the desktop folder from "user-dirs.dirs". Under a sandbox root the home is
/// "<root>/home/<login>", the environment's XDG variables are not read, and the mount table is
/// "<root>/proc/self/mountinfo" with its mount points placed under the root.
class FreedesktopPaths : public Paths {
  public:
    struct Folders {
        QString home;
        QString dataHome;    ///< "$XDG_DATA_HOME"
        QString configHome;  ///< "$XDG_CONFIG_HOME", where "user-dirs.dirs" lies
    };

    FreedesktopPaths(const QString& root, const QString& login, uint uid, const Folders& folders);

    /// The running user, with $HOME and the XDG variables on a real account.
    static std::shared_ptr<FreedesktopPaths> forCurrentUser(const QString& root);
    /// Another account: its home from the user database, the default XDG folders.
    static std::shared_ptr<FreedesktopPaths> forAccount(const QString& root, const QString& login, uint uid);

    Layout layout() const override { return Layout::Freedesktop; }
    QString userHome() const override { return m_folders.home; }
    /// The Trash's "files" folder, whose entries are the items.
    QString userTrash() const override;
    /// The Trash's "info" folder.
    QString trashRecordsFile() const override;
    /// The desktop folder of "user-dirs.dirs" ("~/Desktop" when it names none); empty when it
    /// names the home folder ("$HOME/", the file's way of saying there is none), "/" or a folder
    /// that holds the home.
    QString userDesktop() const override;
    /// The root, then the mount points that are not the system's own, in table order.
    QStringList mountedLocalVolumePaths() const override;
    /// The "files" folders of the volume's usable Trash folders for this user.
    QStringList volumeTrashFolders(const QString& volume) const override;
    bool visitsVolumeTrash(const QString& volume) const override { return volume != root(); }
    QString onStartupVolume(const QString& relative) const override;
    /// None: no browser of this layout keeps a binary cookie file.
    QString safariCookieFile() const override { return QString(); }
    /// Google Chrome (stable, beta, unstable) and Chromium under "$XDG_CONFIG_HOME", then their
    /// snap and flatpak homes.
    QStringList chromeUserDataFolders() const override;
    /// "~/.mozilla/firefox", "$XDG_CONFIG_HOME/mozilla/firefox", then the snap and flatpak homes.
    QStringList firefoxProfileFolders() const override;
    /// "com.Nordquil.Zelmark" in the download folder of "user-dirs.dirs" (default "~/Downloads").
    QString cookieExportFolder() const override;
    /// The documents folder of "user-dirs.dirs" (default "~/Documents").
    QString documentsFolder() const override;

    /// "$XDG_DATA_HOME/Trash".
    QString userTrashFolder() const;

    /// The entries of a mountinfo text; lines that don't parse are left out.
    static QList<MountEntry> parseMountInfo(const QByteArray& text);
    /// Whether a mount is the system's own (pseudo file systems, "/", "/boot", "/usr", ..., loop
    /// devices, bind mounts, "x-gvfs-notrash") and so has no Trash of its own for the user.
    static bool isSystemMount(const MountEntry& entry);
    /// The desktop folder named in a "user-dirs.dirs" text, "$HOME" replaced by `home`; empty
    /// when the text names none or names one that isn't absolute.
    static QString desktopFromUserDirs(const QByteArray& text, const QString& home);
    /// The same for any key of the file ("XDG_DOWNLOAD_DIR").
    static QString dirFromUserDirs(const QByteArray& text, const char* key, const QString& home);
    /// A folder that is a real directory (not a link) owned by `uid`.
    static bool isOwnedFolder(const QString& path, uint uid);

  private:
    /// A folder of "user-dirs.dirs", or `fallback` (relative to the home) when it names none.
    QString userDir(const char* key, const QString& fallback) const;

    Folders m_folders;
};
