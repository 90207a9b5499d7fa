#include "support/ForkedProcesses.h"

// Qt starts child processes with clone(CLONE_VM | CLONE_VFORK): until it execs, the child runs
// on the parent's memory, and the library calls it makes there change ThreadSanitizer's record
// of the parent's thread (its held locks, its clock). Every later access of that thread can then
// be reported as a race that is none. ThreadSanitizer turns vfork() into fork() for this reason;
// in its builds the tests do the same for Qt's clone: the child gets memory of its own, and
// everything else (the program run, its pidfd, its exit signal) stays as Qt asked.
#if defined(__SANITIZE_THREAD__)
#include <cstdarg>
#include <dlfcn.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...) {
    va_list rest;
    va_start(rest, arg);
    auto* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    auto* childTid = va_arg(rest, pid_t*);
    va_end(rest);
    if ((flags & CLONE_VM) && (flags & CLONE_VFORK)) {
        const pid_t pid = fork();
        if (pid == 0) _exit(fn(arg));
        if (pid > 0 && (flags & CLONE_PIDFD)) *reinterpret_cast<int*>(parentTid) = int(syscall(SYS_pidfd_open, pid, 0));
        return pid;
    }
    using Clone = int (*)(int (*)(void*), void*, int, void*, ...);
    static const auto next = reinterpret_cast<Clone>(dlsym(RTLD_NEXT, "clone"));
    return next(fn, stack, flags, arg, parentTid, tls, childTid);
}
#endif

namespace testing_support {

void keepForkedProcessesApart() {}

}  // namespace testing_support
