#include "game/stock/instance_lock.h"

#include <cerrno>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#define DRAVIK_HAVE_FLOCK 1
#endif

namespace dravik {

InstanceLock::InstanceLock(const std::filesystem::path& dataFolder) {
#ifdef DRAVIK_HAVE_FLOCK
    const std::filesystem::path file = dataFolder / kInstanceLockFileName;
    // Close-on-exec: a program the game starts (a browser, say) must not keep
    // the lock alive after the game has ended.
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        detail_ = "cannot open " + file.string() + ": " +
                  std::error_code(errno, std::generic_category()).message();
        return;
    }
    // flock locks belong to the open file, so a second handle in this very
    // process is refused as well; fcntl locks would not be.
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::kAcquired;
        return;
    }
    const int error = errno;
    ::close(fd_);
    fd_ = -1;
    if (error == EWOULDBLOCK) {
        state_ = State::kHeldElsewhere;
        return;
    }
    detail_ = "cannot lock " + file.string() + ": " +
              std::error_code(error, std::generic_category()).message();
#else
    (void)dataFolder;
    detail_ = "no file locks on this platform";
#endif
}

InstanceLock::~InstanceLock() {
#ifdef DRAVIK_HAVE_FLOCK
    if (fd_ >= 0) ::close(fd_);
#endif
}

} // namespace dravik
