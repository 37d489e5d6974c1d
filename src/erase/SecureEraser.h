#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class SystemCommands;

/// Overwrites and removes files and folders. Every regular file below a chosen folder is
/// overwritten, hidden ones included; a symbolic link is removed as a link and nothing reached only
/// through it is touched. Runs on the calling thread.
class SecureEraser {
public:
    explicit SecureEraser(std::shared_ptr<const SystemCommands> commands) : m_commands(std::move(commands)) {}

    /// The confirmation's list text: for each path, the text so far, " \n " and the path.
    static QString listText(const QStringList& paths);

    /// Securely removes every file below `folder`, at any depth; the folders themselves stay.
    void EraseFileDirectoryPath(const QString& folder) const;
    /// Erases each item in order: a folder's files securely, then the folder with rm -rf; a file
    /// (or link) securely, then rm -rf for whatever is left. Items that are gone are passed over.
    void eraseItems(const QStringList& paths) const;

private:
    std::shared_ptr<const SystemCommands> m_commands;
};
