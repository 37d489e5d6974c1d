#pragma once

#include "platform/Paths.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// Builds a mac-layout root in a folder: the user's home with Trash and Desktop, and volumes.
class SandboxBuilder {
public:
    explicit SandboxBuilder(const QString& root, const QString& login = Paths::currentLoginName());

    MacPaths paths() const { return MacPaths(m_root, m_login); }
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

private:
    QString absolute(const QString& path) const;
    QString m_root;
    QString m_login;
};
