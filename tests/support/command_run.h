// Runs one of the dravik command's subcommands in process and keeps what it
// printed, for the tests of the command line.
#pragma once

#include <functional>
#include <ostream>
#include <sstream>
#include <string>

namespace dravik::test {

struct CommandRun {
    int status = -1;
    std::string out, err;
};

// `command` gets the streams for standard output and standard error and returns
// the exit status.
inline CommandRun RunCommand(const std::function<int(std::ostream&, std::ostream&)>& command) {
    std::ostringstream out, err;
    CommandRun r;
    r.status = command(out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

} // namespace dravik::test
