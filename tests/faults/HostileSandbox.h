#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Paths.h"
#include "support/HostileFs.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

/// A home in either Trash layout, a folder "away" that stands for what is not the operation's to
/// touch (other users' files, the system's, another program's), and the hostile entries an
/// operation's target is filled with.
struct HostileSandbox {
    explicit HostileSandbox(bool mac);
    ~HostileSandbox();

    /// The fault cases plant() puts into a folder, one line each (the figures count them).
    static const QStringList& cases();
    /// Fills `folder` with every case; a case the machine can't make is noted in `skipped`.
    void plant(const QString& folder);
    /// Starts swapping `folder`/busy with a link to an outside folder; stops in stop().
    void startSwapper(const QString& folder);
    void stopSwapper();

    QString trashFiles() const { return paths->userTrash(); }
    QString trashInfo() const;

    TempRoot root;
    TempRoot away;
    SandboxBuilder builder;
    bool mac;
    std::shared_ptr<Paths> paths;
    QString home;
    QStringList skipped;  ///< cases this machine could not make, and why
    QStringList locked;   ///< immutable entries to unlock before the folders go
    std::unique_ptr<HostileFs::Swapper> swapper;

    // What an operation of the suite works on, set by its set-up.
    QString item;         ///< the entry the operation removes, moves or writes
    QString destination;  ///< where a move puts it
    QString swapIn;       ///< the folder whose "busy" is swapped while the operation runs
};

/// Every entry below `path` as lstat and read() see it, links never followed: one line per
/// relative path with its kind, mode, size, content hash, link text, locked flags and (when
/// `inodes`) inode. Entries at or below an `excluded` absolute path are left out.
QMap<QByteArray, QByteArray> entryRecords(const QString& path, const QStringList& excluded = {},
                                          bool inodes = true);
