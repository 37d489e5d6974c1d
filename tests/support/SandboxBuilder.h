#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "platform/FreedesktopPaths.h"
#include "platform/Paths.h"

/// Builds a root in a folder: the user's home with Trash and Desktop, and volumes, in the mac
/// layout or in the freedesktop one.
class SandboxBuilder {
  public:
    explicit SandboxBuilder(const QString& root, const QString& login = Paths::currentLoginName());

    MacPaths paths() const { return MacPaths(m_root, m_login); }
    /// The freedesktop layout of the same root: home "<root>/home/<login>", the running user's id.
    std::shared_ptr<FreedesktopPaths> linuxPaths() const;
    QString root() const { return m_root; }

    /// Writes `content` at `path` (absolute, or relative to the root), making parent folders.
    QString writeFile(const QString& path, const QByteArray& content) const;
    /// A file of `size` bytes of a repeating pattern.
    QString writeSizedFile(const QString& path, qint64 size) const;
    QString makeFolder(const QString& path) const;
    /// Sets the modification time (UTC).
    void touch(const QString& path, const QDateTime& when) const;

    /// The demo's content: a Trash with files, folders, a hidden item, a read-only folder and the
    /// put-back records of its items, a Desktop, and the volume "USB" with Trash folders for users
    /// 501 and 503. With a `configFolder`, also a settings store with protection rules that protect
    /// two of the Trash items.
    void buildDemo(const QString& configFolder = QString()) const;

    /// Puts an item into the freedesktop Trash folder `trash` ("$trash"): "files/<name>" (a file
    /// with `content`, or a folder holding it as "inside.txt" when `folder`) and its info file
    /// with `pathText` written as "Path=" (encoded here). Returns the item's path.
    QString trashItem(const QString& trash, const QString& name, const QString& pathText,
                      const QByteArray& content = "x", bool folder = false,
                      const QDateTime& deleted = QDateTime(QDate(2026, 11, 20), QTime(9, 30))) const;
    /// Writes "<root>/proc/self/mountinfo" with one line per mount point (ext4, "/dev/sdXn"), each
    /// a device of its own; a line that already has spaces in it is written as it is.
    void writeMountTable(const QStringList& mountPointsOrLines) const;

    /// The freedesktop demo: a home whose Trash holds files, a folder, a hidden file, an item whose
    /// info file is missing and an info file without its item, a Desktop named in user-dirs.dirs,
    /// and a USB volume in the mount table with a "$topdir/.Trash-$uid".
    void buildLinuxDemo(const QString& configFolder = QString()) const;
    /// A Desktop worth tidying at `desktop` (pictures, documents, an archive, a folder, a hidden
    /// file) and the store folder in `storeLocation` already holding one of its names.
    void buildDesktopDemo(const QString& desktop, const QString& storeLocation) const;

    /// A few dozen cookies of each kind: the binary file (when a path is given, and always a copy
    /// in `documents` to open), a Chrome database and a Firefox profile chosen by "profiles.ini".
    void writeCookies(const QString& binaryFile, const QString& chromeDatabase, const QString& firefoxFolder,
                      const QString& documents) const;

  private:
    QString absolute(const QString& path) const;
    QString m_root;
    QString m_login;
};
