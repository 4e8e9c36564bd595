// One game per user at a time: the game holds a lock on a file in its data
// folder for as long as it runs. The system drops the lock when the process
// ends in any way (quit, crash, SIGKILL), so a stale lock file never keeps the
// game from starting; the file itself stays and is reused.
//
// The lock fails closed: when it cannot be taken at all (the name is a folder,
// a link, a pipe; the file cannot be opened or made) the game does not start,
// since two games over the same files would overwrite each other's best
// times. Only a plain file is ever opened, never through a link, and never
// waiting.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dravik {

inline constexpr std::string_view kInstanceLockFileName = "dravik-sudoku.lock";

class InstanceLock {
  public:
    enum class State {
        kAcquired,      // this process is the only game: go on
        kHeldElsewhere, // another game holds it: tell the player and end
        kUnavailable,   // no lock could be taken (see detail()): tell the player and end
        kUnsupported,   // this platform has no file locks: go on without
    };

    // Takes the lock on `dataFolder` / kInstanceLockFileName, never waiting.
    explicit InstanceLock(const std::filesystem::path& dataFolder);
    ~InstanceLock(); // releases the lock
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool acquired() const { return state_ == State::kAcquired; }
    // Whether the game may go on: the lock is held, or the platform has none.
    bool permitsStart() const { return acquired() || state_ == State::kUnsupported; }
    // For kUnavailable: why, e.g. "its lock file 'FILE' is not a plain file".
    const std::string& detail() const { return detail_; }

  private:
    State state_ = State::kUnavailable;
    std::string detail_;
    int fd_ = -1;
};

// kLockUnavailableMessage for `lock`.
std::string LockUnavailableMessage(const InstanceLock& lock);

} // namespace dravik
