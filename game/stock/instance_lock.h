// One game per user at a time: the game holds a lock on a file in its data
// folder for as long as it runs. The system drops the lock when the process
// ends in any way (quit, crash, SIGKILL), so a stale lock file never keeps the
// game from starting; the file itself stays and is reused.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dravik {

inline constexpr std::string_view kInstanceLockFileName = "dravik-sudoku.lock";

// What the window shows when another game already holds the lock, before it
// ends (information icon, OK button).
inline constexpr std::string_view kAlreadyRunningTitle = "Dravik Sudoku";
inline constexpr std::string_view kAlreadyRunningMessage =
    "Dravik Sudoku is already running. Only one game can be open at a time; please continue in "
    "the window that is already open.";

class InstanceLock {
  public:
    enum class State {
        kAcquired,      // this process is the only game: go on
        kHeldElsewhere, // another game holds it: tell the player and end
        kUnavailable,   // no lock could be made (file system, permissions): go on without
    };

    // Takes the lock on `dataFolder` / kInstanceLockFileName, never waiting.
    explicit InstanceLock(const std::filesystem::path& dataFolder);
    ~InstanceLock(); // releases the lock
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool acquired() const { return state_ == State::kAcquired; }
    // For kUnavailable: why, for a log line.
    const std::string& detail() const { return detail_; }

  private:
    State state_ = State::kUnavailable;
    std::string detail_;
    int fd_ = -1;
};

} // namespace dravik
