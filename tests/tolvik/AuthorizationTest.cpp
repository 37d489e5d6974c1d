#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <memory>
#include <optional>

#include "core/fs/FsName.h"
#include "platform/Authorization.h"
#include "platform/HelperProgram.h"
#include "platform/PkexecAuthorization.h"
#include "support/EventWait.h"
#include "support/RecordingAuthorization.h"
#include "support/TempRoot.h"

namespace {

using Outcome = Authorization::Outcome;

// A stand-in for pkexec that notes its arguments, then exits with `code` after `delay`.
QString fakePkexec(const TempRoot& dir, int code, const QString& delay = QStringLiteral("0")) {
    const QString script = dir.file("pkexec");
    QFile f(script);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("#!/bin/sh\nsleep %1\nprintf '%s\\n' \"$#\" \"$@\" > \"%2\"\nexit %3\n")
                .arg(delay, dir.file("ran"), QString::number(code))
                .toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

std::optional<Outcome> startAndWait(Authorization& auth, const QString& program,
                                    const QStringList& arguments = {}) {
    std::optional<Outcome> outcome;
    auth.startWithAdministratorRights(program, arguments, [&](Outcome o) { outcome = o; });
    EXPECT_FALSE(outcome.has_value()) << "answered inside the call";
    EXPECT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    return outcome;
}

TEST(Authorization, RecordingDoubleAnswersLaterAndFailuresAreLoggedWithTheFixedTexts) {
    RecordingAuthorization auth;
    LogCapture log;
    EXPECT_EQ(startAndWait(auth, "/opt/Tolvik"), Outcome::Started);
    EXPECT_TRUE(log.lines().isEmpty());
    auth.setOutcome(Outcome::Refused);
    EXPECT_EQ(startAndWait(auth, "/opt/Tolvik"), Outcome::Refused);
    auth.setOutcome(Outcome::FailedToStart);
    EXPECT_EQ(startAndWait(auth, "/opt/Tolvik"), Outcome::FailedToStart);
    EXPECT_EQ(log.lines(),
              (QStringList{"AuthorizationCreate failed!", "AuthorizationExecuteWithPrivileges failed!"}));
    EXPECT_EQ(auth.startedPrograms(), (QStringList{"/opt/Tolvik", "/opt/Tolvik", "/opt/Tolvik"}));
}

TEST(Authorization, OnlyTheNamedApplicationBlocks) {
    EXPECT_TRUE(Authorization::blockingApplicationRunning({"bash", "com.Halmorin.Revallo"}));
    EXPECT_TRUE(Authorization::blockingApplicationRunning({"Revallo", "bash"}));
    EXPECT_FALSE(Authorization::blockingApplicationRunning({}));
    EXPECT_FALSE(
        Authorization::blockingApplicationRunning({"revallo", "Revallo-helper", "com.Halmorin.Revallo2"}));
}

TEST(PkexecAuthorization, PassesTheProgramAloneAndReadsPkexecsExitCodes) {
    const struct {
        int exitCode;
        Outcome outcome;
    } cases[] = {
        {126, Outcome::Refused}, {127, Outcome::Refused}, {0, Outcome::Started}, {3, Outcome::Started}};
    for (const auto& c : cases) {
        TempRoot dir;
        PkexecAuthorization auth(fakePkexec(dir, c.exitCode));
        EXPECT_EQ(startAndWait(auth, "/bin/true"), c.outcome) << c.exitCode;
        QFile ran(dir.file("ran"));
        ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
        EXPECT_EQ(ran.readAll(), "1\n/bin/true\n");  // one argument, the program
    }
}

TEST(PkexecAuthorization, TheProgramsArgumentsFollowItUnchanged) {
    TempRoot dir;
    PkexecAuthorization auth(fakePkexec(dir, 0));
    const QStringList arguments = HelperProgram::removalArguments({"/t/files/a b", "/t/files/-rf"});
    EXPECT_EQ(startAndWait(auth, "/bin/true", arguments), Outcome::Started);
    QFile ran(dir.file("ran"));
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(ran.readAll(), "4\n/bin/true\n--remove\n/t/files/a%20b\n/t/files/-rf\n");
}

TEST(PkexecAuthorization, MissingPkexecOrProgramFailsToStartWithoutAPrompt) {
    LogCapture log;
    PkexecAuthorization missing(QStringLiteral("/nonexistent/pkexec"));
    EXPECT_EQ(startAndWait(missing, "/bin/true"), Outcome::FailedToStart);

    TempRoot dir;
    PkexecAuthorization auth(fakePkexec(dir, 0));
    EXPECT_EQ(startAndWait(auth, dir.file("no-such-Tolvik")), Outcome::FailedToStart);
    EXPECT_FALSE(QFile::exists(dir.file("ran")));  // pkexec was never asked
    EXPECT_EQ(log.lines(), (QStringList(2, "AuthorizationExecuteWithPrivileges failed!")));
}

TEST(PkexecAuthorization, AProgramStillRunningOutlivesItsStarterAndIsNoLongerReported) {
    TempRoot dir;
    bool answered = false;
    {
        PkexecAuthorization auth(fakePkexec(dir, 0, "0.3"));
        auth.startWithAdministratorRights("/bin/true", {}, [&](Outcome) { answered = true; });
    }
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(dir.file("ran")); }));  // not killed
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
}

TEST(HelperProgram, RemovalArgumentsCarryEveryByteOfAPathBackUnchanged) {
    const QStringList paths{
        "/t/files/plain.txt",
        "/t/files/line\nbreak and %41 and \\",
        "/t/files/-rf",
        FsName::fromBytes(QByteArray("/t/files/bad\xff\xfe name")),
        QString::fromUtf8("/t/files/caf\u00e9 \u2603"),
    };
    const QStringList arguments = HelperProgram::removalArguments(paths);
    ASSERT_EQ(arguments.size(), paths.size() + 1);
    EXPECT_EQ(arguments.first(), "--remove");
    for (const QString& argument : arguments.mid(1)) {
        EXPECT_TRUE(argument.startsWith('/')) << argument.toStdString();  // never an option
        for (const QChar c : argument) EXPECT_TRUE(c.unicode() > 0x20 && c.unicode() < 0x7f);
    }
    EXPECT_EQ(HelperProgram::removalPaths(arguments), paths);
    EXPECT_TRUE(HelperProgram::removalArguments({}).isEmpty());
    EXPECT_EQ(HelperProgram::removalPaths({}), QStringList());  // no arguments: the whole emptying
}

TEST(HelperProgram, ArgumentsThatRemovalArgumentsNeverWritesAreRefused) {
    const QList<QStringList> refused{
        {"--remove"},
        {"/t/files/a"},
        {"--all"},
        {"--remove", "/t/files/a", "--remove"},  // a path is absolute
        {"--remove", "files/a"},
        {"--remove", "/t/files/%zz"},
        {"--remove", "/t/files/%4"},
        {"--remove", "/t/files/a%"},
        {"--remove", "/t/files/a%00b"},
        {"--remove", ""},
        {"--remove", QString::fromUtf8("/t/files/caf\u00e9")},
        {"--remove", "/t/files/tab\there"},
    };
    for (const QStringList& arguments : refused)
        EXPECT_FALSE(HelperProgram::removalPaths(arguments).has_value()) << arguments.join(' ').toStdString();
}

TEST(HelperProgram, OverrideThenBesideTheProgramThenInstalled) {
    TempRoot dir;
    const QString installed = "/usr/libexec/corvane/Tolvik";
    EXPECT_EQ(HelperProgram::tolvikPath("/x/Tolvik", dir.path(), installed), "/x/Tolvik");
    EXPECT_EQ(HelperProgram::tolvikPath({}, dir.path(), installed), installed);
    QFile beside(dir.file("Tolvik"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(HelperProgram::tolvikPath({}, dir.path(), installed), installed);  // not executable
    beside.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(HelperProgram::tolvikPath({}, dir.path(), installed), dir.file("Tolvik"));
    EXPECT_TRUE(HelperProgram::installedTolvikPath().endsWith("/corvane/Tolvik"));
}

}  // namespace
