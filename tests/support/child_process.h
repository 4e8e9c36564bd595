// Runs a call that may block for good (the open of a pipe) in a child process.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace dravik::test {

// The exit status of `body` run in a child process, or nullopt when the
// child had not ended after `seconds` (it is then killed).
inline std::optional<int> RunInChild(const std::function<int()>& body, unsigned seconds = 10) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(seconds);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace dravik::test
