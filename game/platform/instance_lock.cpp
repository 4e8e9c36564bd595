#include "game/platform/instance_lock.h"

#include "game/base/messages.h"

#include <cerrno>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#define DRAVIK_HAVE_FLOCK 1
#endif

namespace dravik {

namespace {

[[maybe_unused]] std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

} // namespace

InstanceLock::InstanceLock(const std::filesystem::path& dataFolder) {
#ifdef DRAVIK_HAVE_FLOCK
    const std::filesystem::path file = dataFolder / kInstanceLockFileName;
    const std::string name = "its lock file '" + file.string() + "'";
    // Whatever else is under the name is not ours to open: a device might do
    // something on open, a link might lead to another program's file.
    struct stat st;
    if (::lstat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        detail_ = name + " is not a plain file";
        return;
    }
    // Close-on-exec: a program the game starts (a browser, say) must not keep
    // the lock alive after the game has ended. No following links, and no
    // waiting should a pipe appear under the name meanwhile.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    // A lock needs no write access: a read-only file, or one in a folder the
    // game cannot write, still serves once it exists.
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd_ = ::open(file.c_str(), O_RDONLY | kFlags);
    if (fd_ < 0) {
        detail_ = name + " cannot be opened (" + ErrorText(errno) + ")";
        return;
    }
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        detail_ = name + " is not a plain file";
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
    detail_ = name + " cannot be locked (" + ErrorText(error) + ")";
#else
    (void)dataFolder;
    state_ = State::kUnsupported;
    detail_ = "no file locks on this platform";
#endif
}

InstanceLock::~InstanceLock() {
#ifdef DRAVIK_HAVE_FLOCK
    if (fd_ >= 0) ::close(fd_);
#endif
}

std::string LockUnavailableMessage(const InstanceLock& lock) {
    return TrWith(messages::kLockUnavailable.text, lock.detail().empty()
                                                       ? std::string("its lock could not be taken")
                                                       : lock.detail());
}

} // namespace dravik
