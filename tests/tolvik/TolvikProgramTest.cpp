// Runs the built Tolvik program on sandboxes, as pkexec would start it but without privileges.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "platform/HelperProgram.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"
#include "tolvik/TolvikExitCode.h"

namespace {

struct TolvikRun {
    int exitCode = -1;
    QByteArray standardError;
};

TolvikRun runTolvik(const QString& root, const QMap<QString, QString>& extra,
                    const QStringList& arguments = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "PKEXEC_UID", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("CORVANE_ROOT", root);
    env.insert("CORVANE_LAYOUT", "mac");
    for (auto it = extra.begin(); it != extra.end(); ++it) env.insert(it.key(), it.value());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(CORVANE_TOLVIK_PROGRAM), arguments);
    TolvikRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.exitCode = process.exitCode();
    run.standardError = process.readAllStandardError();
    return run;
}

constexpr const char* Warning =
    "Corvane failed to change the permissions because of System Integrity Protection module.";

TEST(TolvikProgram, EmptiesAndWarnsOnStandardErrorWithoutADisplay) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    const QString trash = sandbox.paths().userTrash();
    sandbox.writeFile(trash + "/old.txt", "x");
    sandbox.writeSizedFile("/.Trashes/501/big.bin", 2000000);

    const TolvikRun headless = runTolvik(root.path(), {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(headless.exitCode, TolvikExitCode::Warned);
    EXPECT_TRUE(headless.standardError.contains(Warning)) << headless.standardError.toStdString();
    EXPECT_TRUE(headless.standardError.contains("https://corvane.app/guide/helper"));
    EXPECT_TRUE(QDir(trash).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // A display that is named but can't be reached ends the same way, not in an abort.
    const TolvikRun unreachable = runTolvik(root.path(), {{"DISPLAY", ":987"}});
    EXPECT_EQ(unreachable.exitCode, TolvikExitCode::Warned);
    EXPECT_TRUE(unreachable.standardError.contains(Warning)) << unreachable.standardError.toStdString();

    QFile::remove(root.file(".Trashes/501/big.bin"));
    const TolvikRun clean = runTolvik(root.path(), {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(clean.exitCode, TolvikExitCode::Done);
    EXPECT_FALSE(clean.standardError.contains(Warning));
}

TEST(TolvikProgram, FreedesktopHomeComesFromTheAccountNotTheEnvironment) {
    TempRoot root;
    TempRoot decoy;
    SandboxBuilder sandbox(root.path());
    const auto paths = sandbox.linuxPaths();
    sandbox.trashItem(paths->userTrashFolder(), "old.txt", "/home/me/old.txt");
    SandboxBuilder other(decoy.path());
    const QString untouched = other.trashItem(decoy.path() + "/Trash", "keep.txt", "/keep.txt");

    const TolvikRun run = runTolvik(root.path(), {{"CORVANE_LAYOUT", "freedesktop"},
                                                  {"PKEXEC_UID", QString::number(paths->uid())},
                                                  {"XDG_DATA_HOME", decoy.path()}});
    EXPECT_EQ(run.exitCode, TolvikExitCode::Done) << run.standardError.toStdString();
    EXPECT_TRUE(QDir(paths->userTrash()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(
        QDir(paths->trashRecordsFile()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QFileInfo::exists(untouched));
}

TEST(TolvikProgram, RemovesOnlyWhatItIsNamedAndRefusesArgumentsItCannotRead) {
    TempRoot root;
    TempRoot outside;
    SandboxBuilder sandbox(root.path());
    const QString trash = sandbox.paths().userTrash();
    const QString named = sandbox.writeFile(trash + "/resisted -rf.txt", "x");
    const QString unnamed = sandbox.writeFile(trash + "/unnamed.txt", "x");
    const QString keep = sandbox.writeFile(outside.file("keep.txt"), "precious");

    for (const QStringList& bad : {QStringList{"--all"}, QStringList{"--remove"}, QStringList{named},
                                   QStringList{"--remove", "/x/%zz"}}) {
        const TolvikRun run = runTolvik(root.path(), {}, bad);
        EXPECT_EQ(run.exitCode, TolvikExitCode::Usage) << bad.join(' ').toStdString();
        EXPECT_TRUE(QFileInfo::exists(named));
    }

    const TolvikRun run = runTolvik(root.path(), {}, HelperProgram::removalArguments({named, keep}));
    EXPECT_EQ(run.exitCode, TolvikExitCode::Done) << run.standardError.toStdString();
    EXPECT_FALSE(QFileInfo::exists(named));
    EXPECT_TRUE(QFileInfo::exists(unnamed));
    EXPECT_TRUE(QFileInfo::exists(keep));
    EXPECT_TRUE(run.standardError.contains("left alone")) << run.standardError.toStdString();
}

TEST(TolvikProgram, RefusesAnUnusablePkexecUidAndTouchesNothing) {
    TempRoot root;
    SandboxBuilder sandbox(root.path());
    const QString item = sandbox.writeFile(sandbox.paths().userTrash() + "/kept.txt", "x");
    for (const QString& uid : {QStringLiteral("abc"), QString(), QStringLiteral("999999")}) {
        const TolvikRun run = runTolvik(root.path(), {{"PKEXEC_UID", uid}});
        EXPECT_EQ(run.exitCode, TolvikExitCode::Refused) << uid.toStdString();
        EXPECT_TRUE(run.standardError.contains("PKEXEC_UID")) << run.standardError.toStdString();
        EXPECT_TRUE(QFileInfo::exists(item));
    }
}

}  // namespace
