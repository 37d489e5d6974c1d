#pragma once

#include <QString>
#include <QStringList>

/// The user's login items, as XDG autostart entries ($XDG_CONFIG_HOME/autostart/*.desktop).
class LoginItems {
public:
    /// `autostartFolder` empty: the user's standard autostart folder. `programPath`: the program
    /// that the entry starts (Corvane's own executable).
    LoginItems(const QString& autostartFolder, const QString& programPath);
    virtual ~LoginItems() = default;

    static QString standardAutostartFolder();

    /// Writes one entry that starts the program at login; false when it could not be written.
    virtual bool addAppAsLoginItem();
    /// Removes every entry whose command starts the program, whatever the entry's file name.
    virtual void deleteAppFromLoginItem();
    /// The entries that start the program.
    QStringList entriesForProgram() const;

    QString entryPath() const;
    QString programPath() const { return m_program; }

    /// The program of an Exec= line, with the desktop entry quoting undone; empty if there is none.
    static QString programOfExec(const QString& exec);
    /// An Exec= value, as written in the file, that starts `program` with no arguments.
    static QString execForProgram(const QString& program);

private:
    QString m_folder;
    QString m_program;
};
