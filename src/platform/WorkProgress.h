#pragma once

#include <atomic>

/// How far one piece of work has got, shared by the worker that does it and the window that shows
/// it. The worker writes `done` (and `total` when it knows it); the window reads them and sets
/// `cancel`, which the worker checks between items.
struct WorkProgress {
    std::atomic_int done{0};
    std::atomic_int total{0};  ///< 0 while the number of items is not known
    std::atomic_bool cancel{false};
};
