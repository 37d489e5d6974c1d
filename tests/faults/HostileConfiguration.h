#pragma once

#include <sys/types.h>

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/FreedesktopPaths.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "support/TestMount.h"

/// A freedesktop home in a fresh root, configured the way a user can get it wrong: everything is
/// in order until a configuration is applied. "away" stands for what no entry point may touch.
struct HostileRig {
    /// What an entry point may change (anything else under the root must stay as it was).
    enum Scope : unsigned {
        None = 0,
        Trash = 1,        ///< the home Trash folder
        VolumeTrash = 2,  ///< the volume's Trash folders of the user
        Settings = 4,
        Desktop = 8,  ///< "<home>/Desktop"
        Store = 16,   ///< the configured store folder
        Autostart = 32,
        Cookies = 64,
        Chosen = 128,  ///< "<home>/Chosen", what an erase names
    };
    static constexpr uid_t Foreign = 12345;  ///< an account and a group nobody uses

    HostileRig();
    ~HostileRig();

    QStringList scopePaths(unsigned scope) const;
    /// Writes the settings (merging into what is stored; an empty text stands for none).
    void configure(const QMap<QString, QVariant>& values) const;
    void desktopDir(const QByteArray& value) const;  ///< XDG_DESKTOP_DIR's text in user-dirs.dirs
    /// An item of the home Trash (a folder holding "inside.txt" when `folder`); returns its path.
    QString trashItem(const QString& name, const QString& original, bool folder = false) const;
    /// Marks an entry immutable (undone at the end); false where the machine refuses.
    bool lock(const QString& path);
    /// corvane-cli or another program on the rig, in `cwd`, nothing on standard input.
    struct Run {
        int status = -1;
        QString out, err;
    };
    Run run(const QString& program, const QStringList& args) const;
    Run cli(const QStringList& args) const;

    TempRoot root;
    TempRoot away;
    SandboxBuilder b{root.path()};
    std::shared_ptr<FreedesktopPaths> p = b.linuxPaths();
    QString home = p->userHome();
    QString login = p->loginName();
    QString trash = p->userTrashFolder();
    QString usb;       ///< a mounted volume in the rig's table
    QString usbTrash;  ///< its "$topdir/.Trash-$uid"
    QString settingsFile = home + "/.config/Corvane/Corvane.conf";
    QString store;  ///< the store folder the settings name ("" while none)
    QString cwd = home;
    QStringList keep;  ///< entries inside the scope that must stay as they were (protected, foreign)
    QStringList locked;
    std::unique_ptr<TestMount> mount;  ///< last: unmounted before the folders go
};

using Records = QMap<QByteArray, QByteArray>;
/// The records of each path in `paths` (the entry itself and everything below it).
Records keptRecords(const QStringList& paths);
/// The paths whose records differ between `before` and `after`, one a line (empty when none).
QString changes(const Records& before, const Records& after);
