#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

/// One program run to its end, its standard output to /dev/null: wall time, and the peak memory of
/// the child alone (from wait4, so the benchmark's own memory does not count).
struct ChildRun {
    double seconds = 0;
    double peakMb = 0;
    int status = -1;

    static ChildRun of(const std::vector<QByteArray>& args) {
        std::vector<char*> argv;
        for (const QByteArray& a : args) argv.push_back(const_cast<char*>(a.constData()));
        argv.push_back(nullptr);
        QElapsedTimer timer;
        timer.start();
        std::fflush(stdout);  // or the child would print what is buffered again
        const pid_t pid = fork();
        if (pid == 0) {
            if (FILE* null = std::freopen("/dev/null", "w", stdout)) (void)null;
            execv(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        return {timer.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }
};
