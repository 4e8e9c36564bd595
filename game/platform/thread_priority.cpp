#include "game/platform/thread_priority.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace dravik {

void LowerThisThreadPriority() {
#if defined(_WIN32)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#elif defined(__linux__)
    // On Linux a thread has a nice value of its own, addressed by its id.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    const int now = ::getpriority(PRIO_PROCESS, tid);
    ::setpriority(PRIO_PROCESS, tid, now + 10 > 19 ? 19 : now + 10);
#endif
}

} // namespace dravik
