#pragma once

// Work handed between threads through Qt's event queue (a queued call, a finished thread's signal)
// is ordered by locks inside Qt, which the thread sanitizer can't see: Qt is not built for it. These
// marks tell it about that order, so it still checks what our code does on both sides of a
// hand-over. Without the sanitizer they compile to nothing.
#if defined(__SANITIZE_THREAD__)
#define CORVANE_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define CORVANE_THREAD_SANITIZER 1
#endif
#endif
#ifdef CORVANE_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace ThreadHandOver {

/// On the handing thread, just before the hand-over: all it did so far happens before whatever
/// the receiving thread does after received(token).
inline void sent([[maybe_unused]] const void* token) {
#ifdef CORVANE_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(token));
#endif
}

/// On the receiving thread, first thing once the hand-over has arrived.
inline void received([[maybe_unused]] const void* token) {
#ifdef CORVANE_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(token));
#endif
}

}  // namespace ThreadHandOver
