// Runs a call that may block for good (an open of a pipe, say) in a child
// process, so that a test can tell "returned" from "hangs" without hanging.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace dravik::test {

// The exit status of `body` run in a child process, or nullopt when it had
// not returned after `seconds` (the child is then killed). A child ended by a
// signal gives 128 + the signal's number.
inline std::optional<int> RunInChild(const std::function<int()>& body, int seconds = 10) {
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::alarm(static_cast<unsigned>(seconds) + 5); // never outlives the test for long
        ::_exit(body());
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace dravik::test
