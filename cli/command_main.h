// What both command programs do around the command itself: `dravik` and
// `dravik-print`, the program that `dravik print` runs so that only printing
// loads Qt.
#pragma once

#include <iosfwd>

#include "cli/commands.h"

namespace dravik::cli {

// Runs `dravik print` with its arguments.
using PrintCommand = int (*)(const Args& args, std::ostream& out, std::ostream& err);

// The body of main: runs the command named by argv[1], turns usage errors and
// failures into messages and exit statuses, and fails the run when its output
// did not arrive. `print` does the print command.
int CommandMain(int argc, char** argv, PrintCommand print);

// The name of the print program, which lies beside `dravik`.
inline constexpr const char* kPrintProgramName = "dravik-print";

// `dravik print` in the program that has no Qt: replaces this process with
// the print program beside it, given the same arguments, so that its output
// and exit status are the command's own. Returns (status 1, after saying why)
// only when the print program cannot be run.
int RunPrintProgram(const Args& args, std::ostream& out, std::ostream& err);

} // namespace dravik::cli
