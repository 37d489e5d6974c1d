// Built into the tests only under the thread sanitizer. Qt starts a child process with
// clone(CLONE_VM | CLONE_VFORK): the child runs in the parent's memory until it execs. The
// sanitizer's set-up for such a child then writes into the parent's own bookkeeping: the thread that
// started the command, and every thread started after it, stop recording synchronisation, so a
// worker's results read after its hand-back look like races. Here such a child is made by fork(),
// which the sanitizer handles in the child's own copy of memory; everything else goes to the real
// clone().
#include <dlfcn.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdarg>

extern "C" int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...) {
    va_list more;
    va_start(more, arg);
    pid_t* parentTid = va_arg(more, pid_t*);
    void* tls = va_arg(more, void*);
    pid_t* childTid = va_arg(more, pid_t*);
    va_end(more);
    if ((flags & CLONE_VM) && !(flags & CLONE_THREAD)) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(fn(arg));
        if (pid < 0) return -1;
        // The caller asked for a descriptor of the child where the kernel would have put it.
        if (flags & CLONE_PIDFD) {
            const int fd = int(::syscall(SYS_pidfd_open, pid, 0));
            if (fd < 0) return -1;
            *reinterpret_cast<int*>(parentTid) = fd;
        }
        return pid;
    }
    using Clone = int (*)(int (*)(void*), void*, int, void*, ...);
    static const auto real = reinterpret_cast<Clone>(::dlsym(RTLD_NEXT, "clone"));
    return real(fn, stack, flags, arg, parentTid, tls, childTid);
}
