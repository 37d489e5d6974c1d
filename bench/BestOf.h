#pragma once

#include <QElapsedTimer>
#include <algorithm>

/// The shortest of `runs` timings of `f`, in seconds: the least disturbed by the rest of the machine.
template <typename F>
double bestSeconds(int runs, F f) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}
