#pragma once

#include <functional>

/// Hands work from a worker thread to the main thread.
namespace MainThread {

/// Runs `fn` on the main thread and waits until it has finished; runs it inline when called on the
/// main thread. Needs a QCoreApplication whose event loop is (or will be) running.
void runAndWait(const std::function<void()>& fn);

/// Queues `fn` for the main thread without waiting.
void post(const std::function<void()>& fn);

bool isMainThread();

}  // namespace MainThread
