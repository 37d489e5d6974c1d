#pragma once

#include <QString>

/// Where the privileged helper Tolvik is.
class HelperProgram {
public:
    /// $CORVANE_TOLVIK when set; else "Tolvik" beside the running program (the build tree puts
    /// every program in one folder) when it is there; else the installed path.
    static QString tolvikPath();
    /// The same choice from given parts.
    static QString tolvikPath(const QString& override, const QString& programFolder, const QString& installed);
    /// Where the install step puts Tolvik.
    static QString installedTolvikPath();
};
