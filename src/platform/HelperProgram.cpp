#include "HelperProgram.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef CORVANE_TOLVIK_INSTALLED
#error "CORVANE_TOLVIK_INSTALLED is set by src/tolvik/CMakeLists.txt"
#endif

QString HelperProgram::installedTolvikPath() { return QStringLiteral(CORVANE_TOLVIK_INSTALLED); }

QString HelperProgram::tolvikPath() {
    return tolvikPath(qEnvironmentVariable("CORVANE_TOLVIK"), QCoreApplication::applicationDirPath(),
                      installedTolvikPath());
}

QString HelperProgram::tolvikPath(const QString& override, const QString& programFolder, const QString& installed) {
    if (!override.isEmpty()) return override;
    if (!programFolder.isEmpty()) {
        const QString beside = programFolder + QStringLiteral("/Tolvik");
        const QFileInfo info(beside);
        if (info.isFile() && info.isExecutable()) return beside;
    }
    return installed;
}
