#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// Where the privileged helper Tolvik is.
class HelperProgram {
  public:
    /// $CORVANE_TOLVIK when set; else "Tolvik" beside the running program (the build tree puts
    /// every program in one folder) when it is there; else the installed path.
    static QString tolvikPath();
    /// The same choice from given parts.
    static QString tolvikPath(const QString& override, const QString& programFolder,
                              const QString& installed);
    /// Where the install step puts Tolvik.
    static QString installedTolvikPath();

    /// Tolvik's arguments for removing exactly `paths` (lossless text, see FsName): "--remove", then
    /// each path's bytes percent-encoded ("/" aside), so every byte of a name reaches it unchanged
    /// and no argument can look like an option. No paths give no arguments.
    static QStringList removalArguments(const QStringList& paths);
    /// The paths that removalArguments() encoded; an empty list for no arguments at all. Nothing
    /// for anything else: another first argument, "--remove" alone, a path that is not absolute, a
    /// broken escape, a character that is not printable ASCII, or a NUL byte.
    static std::optional<QStringList> removalPaths(const QStringList& arguments);
};
