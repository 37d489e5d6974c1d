// ageing_bench [DIR]: times "corvane-cli trash empty --older-than 30" on a home Trash of 100,000
// items of which half were deleted 60 days ago and half yesterday, against "rm -f" of the same
// 50,000 items and their records (fed by xargs) on a Trash built the same way.
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/FreedesktopPaths.h"
#include "support/SandboxBuilder.h"
#include "trash/TrashInfo.h"

namespace {

constexpr int kItems = 100000;

void writeFile(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    if (::write(fd, content.constData(), size_t(content.size())) < 0) std::perror("write");
    ::close(fd);
}

/// The Trash of `home`: every other item old. Returns the paths of the old items and their records.
QByteArrayList buildTrash(const QString& trash, const QString& home) {
    QDir().mkpath(trash + "/files");
    QDir().mkpath(trash + "/info");
    const QByteArray files = QFile::encodeName(trash + "/files/");
    const QByteArray info = QFile::encodeName(trash + "/info/");
    const QDateTime now = QDateTime::currentDateTime();
    QByteArrayList old;
    for (int i = 0; i < kItems; ++i) {
        const QByteArray name = "document-" + QByteArray::number(i) + ".txt";
        const bool isOld = i % 2 == 0;
        writeFile(files + name, "some text\n");
        writeFile(info + name + ".trashinfo",
                  TrashInfo::format(home + "/Documents/" + QString::fromLatin1(name),
                                    now.addDays(isOld ? -60 : -1)));
        if (isOld) old << files + name << info + name + ".trashinfo";
    }
    return old;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString rootDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    SandboxBuilder sandbox(rootDir);
    const auto paths = sandbox.linuxPaths();
    const QString trash = paths->userTrashFolder();
    const QString homeInRecords = paths->userHome().mid(rootDir.size());

    std::printf("Building a Trash of %d items, half of them deleted 60 days ago...\n", kItems);
    buildTrash(trash, homeInRecords);
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("CORVANE_LAYOUT");
    env.insert("CORVANE_ROOT", rootDir);
    env.insert("XDG_CONFIG_HOME", rootDir + "/config");
    cli.setProcessEnvironment(env);
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    cli.start(QStringLiteral(CORVANE_CLI_PATH), {"--yes", "trash", "empty", "--older-than", "30"});
    cli.waitForFinished(-1);
    const double ageing = t.nsecsElapsed() / 1e9;
    const int left = QDir(trash + "/files").count() - 2;
    std::printf("corvane-cli trash empty --older-than 30: %.3f s (exit %d, %d items left)\n", ageing,
                cli.exitCode(), left);

    std::printf("Building it again for the floor...\n");
    QDir(trash).removeRecursively();
    const QByteArrayList old = buildTrash(trash, homeInRecords);
    QProcess rm;
    rm.setStandardOutputFile(QProcess::nullDevice());
    t.restart();
    rm.start(QStringLiteral("xargs"), {"-0", "rm", "-f", "--"});
    rm.write(old.join('\0') + '\0');
    rm.closeWriteChannel();
    rm.waitForFinished(-1);
    const double floor = t.nsecsElapsed() / 1e9;
    std::printf("rm -f of the same %lld files and records: %.3f s; ageing takes %.1fx the floor\n",
                static_cast<long long>(old.size()), floor, ageing / floor);
    return ageing < 2.0 ? 0 : 1;
}
